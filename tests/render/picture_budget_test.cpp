// The picture memory budget: game pictures drawn longest ago are let go first, the
// template's never; a picture let go draws the same pixels when it is needed again; a
// fast browse through large snapshots never holds more than the budget.
#include "picture_files.h"
#include "render/drawing_generation.h"
#include "render/frame_composition.h"
#include "render/picture_budget.h"
#include "render_fixture.h"

using render::kCustom1;
using render::kMarquee;
using render::kNoColourKey;
using render::kSlotCustomMedia1;
using render::kSlotCustomTemplate1;
using render::kSlotMarqueeMedia;
using render::kSlotSlide;
using render::kSlotSnap;
using render::kSnap;
using render::SlotAt;
using render::TextureBytes;

namespace {

using render_test::Picture;
using render_test::Solid;

// How many times the log says the budget let pictures go.
int BudgetReports(const std::string& log) {
  int n = 0;
  for (std::size_t at = log.find("MemoireImages"); at != std::string::npos; at = log.find("MemoireImages", at + 1)) ++n;
  return n;
}

class PictureBudgetTest : public render_test::RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    state.sources.picturesAtDrawnSize = true;
  }
  std::vector<std::uint32_t> WholeScreen() {
    Device().SetTarget(nullptr);
    return Device().ReadPixels(0, 0, state.sources.largFen, state.sources.hautFen);
  }
  bool Held(int slot) { return static_cast<bool>(SlotAt(state.textures, slot)->texture); }
  std::string Log() { return platform::ReadWholeFile(platform::LogFilePath(), 1 << 20).value_or(""); }
};

TEST_F(PictureBudgetTest, LeastRecentlyDrawnGoFirstTemplateStaysAndReloadsDrawTheSame) {
  // Every picture is kept at 100 x 100 (40,000 bytes, one unit); the display's layout
  // target and backdrop hold 8 units.
  constexpr std::int64_t kUnit = 100 * 100 * 4;
  WritePng("Templates/T/Custom1.png", Solid(200, 200, 0xFF808080));
  WritePng("snap/game.png", Picture(200, 200, [](int x, int) { return x < 100 ? 0xFFFF0000u : 0xFF00FF00u; }));
  WritePng("marquees/game.png", Solid(200, 200, 0xFF0000FF));
  WritePng("custom2/game.png", Picture(200, 200, [](int, int y) { return y < 100 ? 0xFFFFFF00u : 0xFF00FFFFu; }));
  WritePng("slides/two.png", Solid(200, 100, 0xFFFFFFFF));    // 2 units: fits the layout whole
  WritePng("slides/three.png", Solid(200, 150, 0xFFFFFFFF));  // 3 units
  WritePng("slides/four.png", Solid(200, 200, 0xFFFFFFFF));   // 4 units
  AddGame("game", "Game");
  state.layout.objects[kSnap].mediaDirectory = dir / "snap";
  state.layout.objects[kMarquee].mediaDirectory = dir / "marquees";
  state.layout.objects[kCustom1 + 1].mediaDirectory = dir / "custom2";
  WriteLayout("RESOLUTIONX=200\nRESOLUTIONY=200\n"
              "Snap_visible=YES\nSnap_left=0\nSnap_top=0\nSnap_width=100\nSnap_height=100\nSnap_Stretch=2\n"
              "Marquee_visible=YES\nMarquee_left=100\nMarquee_top=0\nMarquee_width=100\nMarquee_height=100\n"
              "Marquee_Stretch=2\nCustom1_visible=YES\nCustom1_left=100\nCustom1_top=100\nCustom1_width=100\n"
              "Custom1_height=100\nCustom1_Stretch=2\nCustom2_visible=YES\nCustom2_left=0\nCustom2_top=100\n"
              "Custom2_width=100\nCustom2_height=100\nCustom2_Stretch=2");
  Open(200, 200);
  ASSERT_EQ(TextureBytes(state), 12 * kUnit);
  ASSERT_EQ(render::DrawFrame(state, 0), 1);
  const std::vector<std::uint32_t> before = WholeScreen();
  // Drawn in this order: Custom2 longest ago, then the marquee, then the snapshot.
  for (int slot : {int(kSlotCustomMedia1) + 1, int(kSlotMarqueeMedia), int(kSlotSnap)})
    render::DrawQuad(state, slot, 0, 0, 10, 10, 0xFFFFFFFF, 1, 0.5f, 2, 0, 0);
  EXPECT_EQ(BudgetReports(Log()), 0);

  struct Step {
    const char* slide;
    std::int64_t budgetUnits;
    std::vector<int> held, released;
    std::int64_t heldUnits;
  } steps[] = {
      {"two.png", 13, {kSlotSnap, kSlotMarqueeMedia}, {kSlotCustomMedia1 + 1}, 13},
      {"three.png", 13, {kSlotSnap}, {kSlotMarqueeMedia, kSlotCustomMedia1 + 1}, 13},
      // Nothing left to let go but what must stay: the slide goes above the budget.
      {"four.png", 10, {}, {kSlotSnap, kSlotMarqueeMedia, kSlotCustomMedia1 + 1}, 13},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.slide);
    state.sources.pictureBudgetBytes = s.budgetUnits * kUnit;
    ASSERT_EQ(render::LoadTexture(state, kSlotSlide, kNoColourKey, dir / (std::string("slides/") + s.slide)), 1);
    for (int slot : s.held) EXPECT_TRUE(Held(slot)) << slot;
    for (int slot : s.released) {
      EXPECT_FALSE(Held(slot)) << slot;
      EXPECT_TRUE(SlotAt(state.textures, slot)->released) << slot;
    }
    EXPECT_TRUE(Held(kSlotCustomTemplate1));  // the template's picture
    EXPECT_TRUE(Held(render::kSlotLayout));
    EXPECT_EQ(TextureBytes(state), s.heldUnits * kUnit);
  }
  EXPECT_EQ(BudgetReports(Log()), 1);  // said once

  // Drawn again: each picture comes back from its file, and the frame is the same.
  state.sources.pictureBudgetBytes = 0;
  render::CountContentChange();
  ASSERT_EQ(render::DrawFrame(state, 0), 1);
  for (int slot : {int(kSlotSnap), int(kSlotMarqueeMedia), int(kSlotCustomMedia1) + 1}) EXPECT_TRUE(Held(slot)) << slot;
  EXPECT_EQ(WholeScreen(), before);
}

TEST_F(PictureBudgetTest, BrowsingLargeSnapshotsAtSpeedStaysUnderTheBudget) {
  // 200 games shown one after another, their 800 x 600 snapshots (1.8 MiB decoded each;
  // 20 files, PNG and JPEG, each game showing its parent's) of as many colours; the budget
  // is 3.5 MiB with a 640 x 480 display (2.3 MiB of targets) and a slide-show picture
  // loaded before the browse.
  constexpr int kGames = 200, kFiles = 20;
  auto colour = [](int i) { return 0xFF000000u | std::uint32_t(i * 37 % 256) << 16 | std::uint32_t(255 - i * 9) << 8 | 0x40; };
  for (int i = 0; i < kFiles; ++i) {
    const std::string rom = "p" + std::to_string(i);
    const platform::Image image = Solid(800, 600, colour(i));
    if (i % 2) dir.Write("snap/" + rom + ".jpg", render_test::JpegOf(image));
    else dir.Write("snap/" + rom + ".png", render_test::PngOf(image));
  }
  for (int i = 0; i < kGames; ++i) AddGame("g" + std::to_string(i), "Game " + std::to_string(i), "p" + std::to_string(i % kFiles));
  WritePng("slides/slide.png", Solid(1280, 960, 0xFFFFFFFF));
  state.layout.objects[kSnap].mediaDirectory = dir / "snap";
  WriteLayout("RESOLUTIONX=640\nRESOLUTIONY=480\nSnap_visible=YES\nSnap_left=300\nSnap_top=200\nSnap_width=320\n"
              "Snap_height=240\nSnap_Stretch=1");
  constexpr std::int64_t kBudget = std::int64_t(7) << 19;
  state.sources.pictureBudgetBytes = kBudget;
  Open(640, 480);
  ASSERT_EQ(render::LoadTexture(state, kSlotSlide, kNoColourKey, dir / "slides/slide.png"), 1);
  for (int i = 0; i < kGames; ++i) {
    position.row = i;  // one Down press after another, no wait between them
    render::LoadSelectionMedia(state);
    ASSERT_EQ(render::DrawFrame(state, 0), 1);
    ASSERT_LE(TextureBytes(state), kBudget) << "game " << i;
    EXPECT_TRUE(render_test::Near(Screen(460, 320), colour(i % kFiles) & 0xFFFFFF, 6))
        << "game " << i << " shows " << render_test::Hex(Screen(460, 320));
  }
  EXPECT_EQ(BudgetReports(Log()), 1);
}

}  // namespace
