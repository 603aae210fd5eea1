// An installation in a temporary directory with one template, drawn offscreen with the
// software renderer; pictures are generated, pixels probed with a tolerance.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/game_list.h"
#include "render/animation_clock.h"
#include "render/display.h"
#include "render/frame_state.h"
#include "render/layout.h"
#include "render/picture_loading.h"
#include "render/render_sources.h"
#include "render/render_reset.h"
#include "render/render_state.h"
#include "render/screen.h"
#include "render/scroll_text.h"
#include "render/texture_table.h"
#include "platform/debug_log.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/message_box.h"
#include "temp_dir.h"

namespace render_test {

// A picture filled by a function of (x, y) -> 0xAARRGGBB.
inline platform::Image Picture(int w, int h, const std::function<std::uint32_t(int, int)>& colour) {
  platform::Image img{w, h, {}};
  img.rgba.reserve(std::size_t(w) * std::size_t(h) * 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint32_t c = colour(x, y);
      img.rgba.insert(img.rgba.end(),
                      {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c), std::uint8_t(c >> 24)});
    }
  return img;
}

inline platform::Image Solid(int w, int h, std::uint32_t argb) {
  return Picture(w, h, [argb](int, int) { return argb; });
}

inline bool Near(std::uint32_t actual, std::uint32_t expected, int tolerance = 10) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int((actual >> shift) & 255) - int((expected >> shift) & 255)) > tolerance) return false;
  return true;
}

inline std::string Hex(std::uint32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", c & 0xFFFFFF);
  return buf;
}

#define EXPECT_PIXEL(actual, expected) \
  EXPECT_TRUE(render_test::Near((actual), (expected))) << "got " << render_test::Hex(actual) << " want " \
                                                       << render_test::Hex(expected)

class RenderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetLogDirectory(dir.path());
    platform::RecordMessageBoxes();
    render::ResetRenderState(state);
    state.clocks.fadeLevel = 1;
    state.sources.baseDirectory = dir.path();
    state.sources.configName = "cfg";
    state.sources.templateName = "T";
    state.sources.listPosition = [this] { return position; };
    // The drawing is handed the fixture's own list and information panel.
    state.sources.gameCount = [this] { return static_cast<int>(games.size()); };
    state.sources.gameAt = [this](int p) {
      const Game& e = games[static_cast<std::size_t>(p)];
      return render::ShownGame{e.romName, e.romOf, e.fullName, {e.infos1, e.infos2, e.infos3}};
    };
    state.sources.history = [this] { return render::HistoryView{historyText, 0}; };
  }
  void TearDown() override {
    render::ResetRenderState(state);
    platform::SetMessageBoxSink({});
  }

  void WritePng(const std::string& relative, const platform::Image& image) {
    const std::vector<std::uint8_t> png = platform::EncodePng(image);
    ASSERT_FALSE(png.empty());
    dir.Write(relative, std::string(png.begin(), png.end()));
  }
  void WriteLayout(const std::string& lines) {
    std::string text;
    std::size_t start = 0;
    while (start < lines.size()) {
      std::size_t end = lines.find('\n', start);
      if (end == std::string::npos) end = lines.size();
      text += lines.substr(start, end - start) + "\r\n";
      start = end + 1;
    }
    dir.Write("Templates/T/Layout.cfg", text);
  }
  void AddGame(const std::string& rom, const std::string& name, const std::string& romOf = "") {
    Game e;
    e.romName = rom;
    e.fullName = name;
    e.romOf = romOf;
    e.infos1 = name + " info";
    games.push_back(e);
  }

  // Display of the given size, then the template and the selection's media.
  void Open(int width, int height, bool windowed = false) {
    state.sources.largFen = width;
    state.sources.hautFen = height;
    state.sources.modeFenetre = windowed;
    ASSERT_EQ(render::CreateDisplay(state, render::DisplayKind::kOffscreen), 1);
    ASSERT_EQ(render::LoadLayout(state, dir.path(), "cfg", "T"), 1);
    render::LoadSelectionMedia(state);
  }

  platform::Device& Device() { return *render::CurrentDevice(state); }
  // A pixel of the screen (after a frame) or of the layout target.
  std::uint32_t Screen(int x, int y) {
    Device().SetTarget(nullptr);
    return Device().ReadPixels(x, y, 1, 1).at(0) & 0xFFFFFF;
  }
  std::uint32_t LayoutPixel(int x, int y) {
    Device().SetTarget(&render::SlotAt(state.textures, render::kSlotLayout)->texture);
    const std::uint32_t p = Device().ReadPixels(x, y, 1, 1).at(0) & 0xFFFFFF;
    Device().SetTarget(nullptr);
    return p;
  }

  render::RenderState state;  // the records the tests draw through
  TempDir dir;
  render::ListPosition position;
  // The texts a game list entry has, held by the fixture so that a test can change them.
  struct Game {
    std::string romName, fullName, infos1, infos2, infos3, romOf;
  };
  std::vector<Game> games;  // in display order
  std::string historyText;
};

}  // namespace render_test
