// Video snaps in the running frontend: the selected game's clip replaces its snapshot
// after a short rest and moves; a game without a clip, or with a clip that cannot be
// decoded, shows its snapshot, and the bad clip is reported once in debug.txt.
#include "frontend_fixture.h"

#include "platform/files.h"
#include "solid_png.h"
#include "video_clips.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <thread>

namespace {

constexpr std::uint32_t kSnapGreen = 0x00C800;

bool Close(std::uint32_t a, std::uint32_t b, int tolerance = 24) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)) > tolerance) return false;
  return true;
}

// Four colours, each held for 5 frames at 10 frames a second: a new one every half second.
platform::ClipRecipe Colours() {
  platform::ClipRecipe r;
  r.width = 64;
  r.height = 48;
  r.fps = 10;
  r.frames = 20;
  r.draw = [](int index, platform::Image& image) {
    static const std::uint32_t colours[] = {0xFF0000, 0x0000FF, 0xFFFF00, 0xFF00FF};
    const std::uint32_t c = colours[(index / 5) % 4];
    for (std::size_t p = 0; p < image.rgba.size(); p += 4) {
      image.rgba[p] = std::uint8_t(c >> 16);
      image.rgba[p + 1] = std::uint8_t(c >> 8);
      image.rgba[p + 2] = std::uint8_t(c);
      image.rgba[p + 3] = 255;
    }
  };
  return r;
}

class VideoSnapTest : public systest::DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    if (!systest::HasProgram("import")) GTEST_SKIP() << "ImageMagick missing (scripts/install-deps.sh installs it)";
    systest::WriteWindowedArcade(inst, "Plain", "SnapDir=.\\snap\r\nVideoDir=.\\Videos\r\n");
    inst.Write("lists/arcade.txt",
               "[alpha]\r\nFullName=Alpha\r\n[beta]\r\nFullName=Beta\r\n[gamma]\r\nFullName=Gamma\r\n");
    // The Snap object centred in the window, stretched over 240 x 180.
    inst.Write("Templates/Plain/Layout.cfg", "RESOLUTIONX=640\r\nRESOLUTIONY=480\r\nList_NbItems=3\r\n"
                                             "List_left=10\r\nList_top=10\r\nList_width=150\r\nList_height=90\r\n"
                                             "List_visible=YES\r\nSnap_visible=YES\r\nSnap_left=200\r\n"
                                             "Snap_top=150\r\nSnap_width=240\r\nSnap_height=180\r\nSnap_Stretch=2\r\n");
    for (const char* game : {"alpha", "beta", "gamma"}) inst.Write(std::string("snap/") + game + ".png",
                                                                   testfiles::SolidPng(16, 16, kSnapGreen));
    inst.Write("Videos/gamma.mkv", std::string(4000, 'z'));
    ASSERT_TRUE(platform::WriteClipFile(inst / "Videos/Alpha.MP4", Colours()));
  }
  std::optional<std::uint32_t> SnapCentre() const { return systest::ScreenPixel(display(), 640, 512); }
  void Key(const std::string& id, const std::string& key) const {
    std::system(("DISPLAY=" + display() + " xdotool windowfocus --sync " + id + " key " + key + " >/dev/null 2>&1")
                    .c_str());
  }
  // The distinct colours seen in the Snap object's centre over a while.
  std::set<std::uint32_t> ColoursSeen(int milliseconds, std::string& trace) const {
    std::set<std::uint32_t> seen;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
      if (const auto c = SnapCentre()) {
        bool known = false;
        for (std::uint32_t s : seen) known = known || Close(s, *c);
        if (!known) seen.insert(*c);
        trace += " " + std::to_string(*c);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(80));
    }
    return seen;
  }

  systest::Installation inst;
};

TEST_F(VideoSnapTest, TheClipMovesInTheSnapAndTheSnapshotStaysWithoutOne) {
  systest::Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  // Alpha has a clip: the Snap area goes through its colours, not the snapshot's.
  std::string trace;
  std::set<std::uint32_t> seen = ColoursSeen(4000, trace);
  int clipColours = 0;
  for (std::uint32_t c : {0xFF0000u, 0x0000FFu, 0xFFFF00u, 0xFF00FFu})
    for (std::uint32_t s : seen) clipColours += Close(s, c) ? 1 : 0;
  EXPECT_GE(clipColours, 3) << trace;

  // Beta has none: its snapshot, and nothing else, for a while.
  Key(id, "Down");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  trace.clear();
  seen = ColoursSeen(1500, trace);
  ASSERT_EQ(seen.size(), 1u) << trace;
  EXPECT_TRUE(Close(*seen.begin(), kSnapGreen)) << trace;

  // Gamma's clip is not a clip: the snapshot, and one line in the log however often it is chosen.
  Key(id, "Down");
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  Key(id, "Up");
  Key(id, "Down");
  trace.clear();
  seen = ColoursSeen(1200, trace);
  ASSERT_EQ(seen.size(), 1u) << trace;
  EXPECT_TRUE(Close(*seen.begin(), kSnapGreen)) << trace;
  f.Close(id);
  ASSERT_TRUE(f.Wait());
  const std::string log = inst.Read("debug.txt");
  const auto first = log.find("Vid\xC3\xA9o illisible : ");
  ASSERT_NE(first, std::string::npos) << log;
  EXPECT_NE(log.find("gamma.mkv", first), std::string::npos) << log;
  EXPECT_EQ(log.find("Vid\xC3\xA9o illisible", first + 1), std::string::npos) << log;
}

}  // namespace

namespace {

bool MapsMediaLibraries(pid_t pid) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  const std::string text((std::istreambuf_iterator<char>(maps)), {});
  return text.find("libavcodec") != std::string::npos;
}

// The media libraries cost memory and start-up time: a menu maps them only once a clip is
// to be decoded.
TEST_F(VideoSnapTest, TheMediaLibrariesAreLoadedOnlyForAClip) {
  std::filesystem::rename(inst / "Videos/Alpha.MP4", inst / "Videos/beta.mp4");
  systest::Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  EXPECT_FALSE(MapsMediaLibraries(f.pid()));
  Key(id, "Down");
  std::string trace;
  EXPECT_GE(ColoursSeen(1500, trace).size(), 2u) << trace;
  EXPECT_TRUE(MapsMediaLibraries(f.pid()));
  f.Close(id);
  ASSERT_TRUE(f.Wait());
}

// Without the decoder module the menu runs as without clips, and says so once.
TEST_F(VideoSnapTest, WithoutTheDecoderModuleTheSnapshotStaysAndOneLineSaysWhy) {
  std::filesystem::remove(inst / "liborvanel-video.so");
  systest::Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  for (const char* key : {"Down", "Down", "Up", "Up"}) {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Key(id, key);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  std::string trace;
  const std::set<std::uint32_t> seen = ColoursSeen(1000, trace);
  ASSERT_EQ(seen.size(), 1u) << trace;
  EXPECT_TRUE(Close(*seen.begin(), kSnapGreen)) << trace;
  f.Close(id);
  ASSERT_TRUE(f.Wait());
  const std::string log = inst.Read("debug.txt");
  const auto first = log.find("Vid\xC3\xA9os d\xC3\xA9sactiv\xC3\xA9" "es : module vid\xC3\xA9o indisponible");
  ASSERT_NE(first, std::string::npos) << log;
  EXPECT_EQ(log.find("Vid\xC3\xA9os d\xC3\xA9sactiv\xC3\xA9" "es", first + 1), std::string::npos) << log;
  EXPECT_EQ(log.find("Vid\xC3\xA9o illisible"), std::string::npos) << log;
}

}  // namespace

namespace {

platform::ClipRecipe SolidClip(int width, int height, std::uint32_t colour) {
  platform::ClipRecipe r;
  r.width = width;
  r.height = height;
  r.fps = 10;
  r.frames = 10;
  r.draw = [colour](int, platform::Image& image) {
    for (std::size_t p = 0; p < image.rgba.size(); p += 4) {
      image.rgba[p] = std::uint8_t(colour >> 16);
      image.rgba[p + 1] = std::uint8_t(colour >> 8);
      image.rgba[p + 2] = std::uint8_t(colour);
      image.rgba[p + 3] = 255;
    }
  };
  return r;
}

// Rows of these widths end inside one of the colour converter's SIMD blocks; a converter
// writing past the frame's memory ruined the heap, and the menu aborted on a later free.
// Each clip is shown, left and shown again, and the menu then closes with status 0.
TEST_F(VideoSnapTest, ClipsOfOddSizesPlayAndTheMenuStillClosesCleanly) {
  std::filesystem::remove(inst / "Videos/Alpha.MP4");
  std::filesystem::remove(inst / "Videos/gamma.mkv");
  const struct {
    const char* file;
    int width, height;
    std::uint32_t colour;
  } clips[] = {{"Videos/alpha.mp4", 426, 240, 0xFF0000},
               {"Videos/beta.mp4", 383, 224, 0x0000FF},
               {"Videos/gamma.mp4", 127, 96, 0xFFFF00}};
  for (const auto& c : clips)
    ASSERT_TRUE(platform::WriteClipFile(inst / c.file, SolidClip(c.width, c.height, c.colour))) << c.file;
  systest::Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  // The menu's acknowledgement is the clip's colour in the Snap area.
  auto shows = [&](std::uint32_t colour) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < end) {
      if (const auto c = SnapCentre(); c && Close(*c, colour)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  };
  const std::pair<const char*, int> steps[] = {{"", 0}, {"Down", 1}, {"Down", 2}, {"Up", 1}, {"Up", 0}};
  for (const auto& [key, clip] : steps) {
    if (*key) Key(id, key);
    // A menu that died here would leave the next key press waiting for its window.
    ASSERT_TRUE(shows(clips[clip].colour)) << clips[clip].file << "\n" << inst.Read("debug.txt");
  }
  f.Close(id);
  const std::optional<int> status = f.Wait();
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(*status, 0) << inst.Read("debug.txt");
}

}  // namespace
