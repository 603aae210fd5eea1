#include "catalogue/history.h"
#include "render/animations.h"
#include "render/font_table.h"
#include "render/frame_composition.h"
#include "render/picture_scroll.h"
#include "render/render_state.h"
#include "render_fixture.h"

using render::DrawFrame;
using render::DrawOverlays;
using render::DrawQuad;
using render::InitPictureScroll;
using render::LoadSelectionMedia;
using render::LoadTexture;
using render::OverlaysShown;
using render::PictureScrollPeriod;
using render::ReleaseAll;
using render::SlotAt;
using render::StepScrollText;
using render::UpdateAnimations;
using render::kBackGround;
using render::kCustom1;
using render::kInfo;
using render::kInfo1;
using render::kMarquee;
using render::kNoColourKey;
using render::kSlotCustomTemplate1;
using render::kSlotFirstLine;
using render::kSlotLayout;
using render::kSlotMarqueeMedia;
using render::kSlotMissingMarquee;
using render::kSlotMissingSnap;
using render::kSlotSnap;
using render::kSnap;

namespace {

using render_test::Picture;
using render_test::RenderFixture;
using render_test::Solid;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kBlack = 0, kWhite = 0xFFFFFF;

class FrameCompositionTest : public RenderFixture {
 protected:
  // An 800 x 600 layout drawn on an 800 x 600 display; probes read the layout target.
  void OpenPlain(const std::string& extraLayout = "", bool windowed = false) {
    WriteLayout("RESOLUTIONX=800\nRESOLUTIONY=600\n" + extraLayout);
    Open(800, 600, windowed);
  }
  void DrawIntoLayout(const std::function<void()>& draw) {
    Device().SetTarget(&SlotAt(state.textures, kSlotLayout)->texture);
    Device().Clear(0xFF000000);
    draw();
    Device().SetTarget(nullptr);
  }
  void LoadSlot(int slot, const platform::Image& image) {
    WritePng("pic.png", image);
    ASSERT_EQ(LoadTexture(state, slot, kNoColourKey, dir / "pic.png"), 1);
  }
};

TEST_F(FrameCompositionTest, FitModesCropStretchAndLetterBox) {
  OpenPlain();
  // 100 x 50, left half red, right half green.
  LoadSlot(kSlotSnap, Picture(100, 50, [](int x, int) { return x < 50 ? 0xFFFF0000u : 0xFF00FF00u; }));
  // Mode 0: natural size in the top-left corner, not enlarged.
  DrawIntoLayout([this] { DrawQuad(state, kSlotSnap, 100, 100, 200, 200, 0xFFFFFFFF, 1, 0.5f, 0, 0, 0); });
  EXPECT_PIXEL(LayoutPixel(100, 100), kRed);
  EXPECT_PIXEL(LayoutPixel(199, 149), kGreen);
  EXPECT_PIXEL(LayoutPixel(200, 100), kBlack);
  EXPECT_PIXEL(LayoutPixel(100, 150), kBlack);
  // Mode 1: fitted to 200 x 100 and centred: rows 150 ... 249.
  DrawIntoLayout([this] { DrawQuad(state, kSlotSnap, 100, 100, 200, 200, 0xFFFFFFFF, 1, 0.5f, 1, 0, 0); });
  EXPECT_PIXEL(LayoutPixel(100, 149), kBlack);
  EXPECT_PIXEL(LayoutPixel(100, 150), kRed);
  EXPECT_PIXEL(LayoutPixel(299, 249), kGreen);
  EXPECT_PIXEL(LayoutPixel(150, 250), kBlack);
  // Any other mode: stretched over the whole box.
  DrawIntoLayout([this] { DrawQuad(state, kSlotSnap, 100, 100, 200, 200, 0xFFFFFFFF, 1, 0.5f, 5, 0, 0); });
  EXPECT_PIXEL(LayoutPixel(100, 100), kRed);
  EXPECT_PIXEL(LayoutPixel(199, 299), kRed);
  EXPECT_PIXEL(LayoutPixel(200, 299), kGreen);
  EXPECT_PIXEL(LayoutPixel(299, 299), kGreen);
  // Mode 0 with a larger picture: cropped at the right and bottom, not scaled.
  LoadSlot(kSlotSnap, Picture(400, 400, [](int x, int y) { return x < 150 && y < 150 ? 0xFFFF0000u : 0xFF0000FFu; }));
  DrawIntoLayout([this] { DrawQuad(state, kSlotSnap, 100, 100, 200, 200, 0xFFFFFFFF, 1, 0.5f, 0, 0, 0); });
  EXPECT_PIXEL(LayoutPixel(249, 249), kRed);
  EXPECT_PIXEL(LayoutPixel(250, 250), kBlue);
  EXPECT_PIXEL(LayoutPixel(299, 299), kBlue);
  EXPECT_PIXEL(LayoutPixel(300, 300), kBlack);
}

TEST_F(FrameCompositionTest, WindowedQuadsAreOnePixelLargerOnEachSide) {
  OpenPlain();
  LoadSlot(kSlotSnap, Solid(8, 8, 0xFFFFFFFF));
  DrawIntoLayout([this] { DrawQuad(state, kSlotSnap, 100, 100, 50, 50, 0xFFFFFFFF, 1, 0.5f, 2, 0, 0); });
  EXPECT_PIXEL(LayoutPixel(100, 100), kWhite);
  EXPECT_PIXEL(LayoutPixel(149, 149), kWhite);
  EXPECT_PIXEL(LayoutPixel(99, 99), kBlack);
  EXPECT_PIXEL(LayoutPixel(150, 150), kBlack);
  DrawIntoLayout([this] { DrawQuad(state, kSlotSnap, 100, 100, 50, 50, 0xFFFFFFFF, 1, 1.0f, 2, 0, 0); });
  EXPECT_PIXEL(LayoutPixel(99, 99), kWhite);
  EXPECT_PIXEL(LayoutPixel(150, 150), kWhite);
  EXPECT_PIXEL(LayoutPixel(98, 98), kBlack);
  EXPECT_PIXEL(LayoutPixel(151, 151), kBlack);
}

TEST_F(FrameCompositionTest, ScrollingCustomPictureWrapsInsideItsBox) {
  WritePng("Templates/T/Custom2.png", Picture(20, 10, [](int x, int) { return x < 10 ? 0xFFFF0000u : 0xFF0000FFu; }));
  OpenPlain("Custom2_visible=YES\nCustom2_left=100\nCustom2_top=100\nCustom2_width=100\nCustom2_height=50\n"
            "Custom2_Stretch=2\nCustom2_scrollX=-10");
  EXPECT_EQ(state.layout.objects[kCustom1 + 1].textureSlot, kSlotCustomTemplate1 + 1);
  InitPictureScroll(state, 1000);
  // Speed 10: one step of 1/100 every 5 ms; 50 steps move it by half its width.
  UpdateAnimations(state, 1000 + 49 * 5);
  EXPECT_NEAR(state.layout.objects[kCustom1 + 1].scrollU, -0.5f, 1e-4f);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(100, 110), kBlue);  // the part that left comes back on the other side
  EXPECT_PIXEL(Screen(149, 110), kBlue);
  EXPECT_PIXEL(Screen(150, 110), kRed);
  EXPECT_PIXEL(Screen(199, 110), kRed);
  EXPECT_PIXEL(Screen(200, 110), kBlack);
  // A quarter more: the seam moves by 25 pixels.
  UpdateAnimations(state, 1000 + 74 * 5);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(124, 110), kRed);
  EXPECT_PIXEL(Screen(125, 110), kBlue);
  EXPECT_PIXEL(Screen(175, 110), kRed);
  // The offset stays inside (-1, 1).
  UpdateAnimations(state, 1000 + 500 * 5);
  EXPECT_GT(state.layout.objects[kCustom1 + 1].scrollU, -1.0f);
  EXPECT_LT(state.layout.objects[kCustom1 + 1].scrollU, 1.0f);
  EXPECT_EQ(PictureScrollPeriod(1), 95u);
  EXPECT_EQ(PictureScrollPeriod(-3), 75u);
  EXPECT_EQ(PictureScrollPeriod(25), 5u);  // beyond 10 acts as 10
}

TEST_F(FrameCompositionTest, MissingPicturesFallBack) {
  WritePng("Templates/T/missingSnapShot.png", Solid(4, 4, 0xFF00FF00));
  WritePng("Templates/T/missingMarquee.png", Solid(4, 4, 0xFF0000FF));
  WritePng("snap/parent.png", Solid(4, 4, 0xFFFF0000));
  WritePng("marquees/alpha.PNG", Solid(4, 4, 0xFFFFFFFF));
  AddGame("alpha", "Alpha");
  AddGame("child", "Child", "parent");
  AddGame("none", "Nothing");
  state.layout.objects[kSnap].mediaDirectory = dir / "SNAP";  // letter case does not matter
  state.layout.objects[kMarquee].mediaDirectory = dir / "marquees";
  state.layout.objects[kCustom1].mediaDirectory = dir / "custom";
  WriteLayout("Snap_visible=YES\nMarquee_visible=YES\nCustom1_visible=YES");
  Open(800, 600);
  EXPECT_EQ(state.layout.objects[kSnap].textureSlot, kSlotMissingSnap);
  EXPECT_EQ(state.layout.objects[kMarquee].textureSlot, kSlotMarqueeMedia);
  EXPECT_EQ(state.layout.objects[kCustom1].textureSlot, 0);
  position.row = 1;  // the parent's snapshot stands in
  LoadSelectionMedia(state);
  EXPECT_EQ(state.layout.objects[kSnap].textureSlot, kSlotSnap);
  EXPECT_EQ(state.layout.objects[kMarquee].textureSlot, kSlotMissingMarquee);
  position.row = 2;
  LoadSelectionMedia(state);
  EXPECT_EQ(state.layout.objects[kSnap].textureSlot, kSlotMissingSnap);
  // An undecodable file is reported with its path and treated as missing.
  auto& messages = platform::RecordMessageBoxes();
  dir.Write("snap/none.png", "not a picture");
  LoadSelectionMedia(state);
  EXPECT_EQ(state.layout.objects[kSnap].textureSlot, kSlotMissingSnap);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Erreur inconnue !!!");
  EXPECT_NE(messages[0].caption.find("none.png"), std::string::npos);
}

TEST_F(FrameCompositionTest, DefaultColourKeyClearsBlackTemplatePixelsOnly) {
  WritePng("Templates/T/layout.png", Solid(800, 600, 0xFFFF0000));
  WritePng("Templates/T/Custom1.png", Picture(10, 10, [](int x, int) { return x < 5 ? 0xFF000000u : 0xFF00FF00u; }));
  WritePng("snap/game.png", Solid(10, 10, 0xFF000000));
  AddGame("game", "Game");
  state.layout.objects[kSnap].mediaDirectory = dir / "snap";
  WriteLayout("RESOLUTIONX=800\nRESOLUTIONY=600\nBackGround_visible=YES\nBackGround_Ordre=1\n"
              "Custom1_visible=YES\nCustom1_left=0\nCustom1_top=0\nCustom1_width=100\nCustom1_height=100\n"
              "Custom1_Stretch=2\nSnap_visible=YES\nSnap_left=200\nSnap_top=0\nSnap_width=100\nSnap_height=100\n"
              "Snap_Stretch=2");
  Open(800, 600);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(20, 50), kRed);    // black template pixel: see-through
  EXPECT_PIXEL(Screen(70, 50), kGreen);
  EXPECT_PIXEL(Screen(250, 50), kBlack); // black snapshot pixel: drawn
  EXPECT_PIXEL(Screen(350, 50), kRed);
}

TEST_F(FrameCompositionTest, TemplateWithoutBackgroundPictureHidesTheBackground) {
  OpenPlain("BackGround_visible=YES");
  EXPECT_FALSE(state.layout.objects[kBackGround].visible);
}

TEST_F(FrameCompositionTest, FontsBelowSixPixelsDrawNothing) {
  AddGame("game", "WWWWWWWWWW");
  OpenPlain("Info_visible=YES\nInfo_left=0\nInfo_top=0\nInfo_width=400\nInfo_height=40\nInfo_font_sizey=5\n"
            "Info1_visible=YES\nInfo1_left=0\nInfo1_top=100\nInfo1_width=400\nInfo1_height=40\n"
            "Info1_font_sizey=20\nInfo1_fontname=Arial");
  EXPECT_EQ(FontAt(state.fonts, kInfo), nullptr);
  ASSERT_NE(FontAt(state.fonts, kInfo1), nullptr);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  auto lit = [&](int y0) {
    Device().SetTarget(nullptr);
    int n = 0;
    for (std::uint32_t p : Device().ReadPixels(0, y0, 400, 40))
      if ((p & 0xFFFFFF) != 0) ++n;
    return n;
  };
  EXPECT_EQ(lit(0), 0);
  EXPECT_GT(lit(100), 50);
}

TEST_F(FrameCompositionTest, ListShowsOnlyAsManyLinesAsGamesAndTheSelectionBar) {
  AddGame("a", "AAAA");
  AddGame("b", "BBBB");
  WritePng("Templates/T/ListSelection.png", Solid(4, 4, 0xFFFFFFFF));
  OpenPlain("List_visible=YES\nList_left=0\nList_top=0\nList_width=300\nList_height=200\nList_NbItems=5\n"
            "List_font_sizey=30\nList_selection_alpha=255");
  position.row = 1;
  ASSERT_EQ(DrawFrame(state, 0), 1);
  auto lit = [&](int line) {
    Device().SetTarget(nullptr);
    int n = 0;
    for (std::uint32_t p : Device().ReadPixels(0, line * 40, 300, 40))
      if ((p & 0xFFFFFF) != 0) ++n;
    return n;
  };
  EXPECT_GT(lit(0), 50);        // a name
  EXPECT_EQ(lit(1), 300 * 40);  // the opaque selection bar covers line 1
  EXPECT_EQ(lit(2), 0);         // no third game
}

TEST_F(FrameCompositionTest, HistoryPanelAndVolumeBar) {
  OpenPlain();
  historyText = "line one\r\nline two\r\n";
  state.frame.volumeGauge = 500;
  ASSERT_EQ(DrawFrame(state, 0), 1);
  // Panel 0xA0000080 over its shadow 0xC0393939 over black; its red frame at x = 50 and 51.
  EXPECT_PIXEL(Screen(60, 300), 0x0F0F5F);
  EXPECT_PIXEL(Screen(53, 300), 0x000050);
  EXPECT_PIXEL(Screen(50, 300), kRed);
  EXPECT_PIXEL(Screen(51, 300), kRed);
  EXPECT_PIXEL(Screen(750, 300), kRed);
  // Gauge: 480 wide from x = 160, half filled, rows 550 ... 579.
  EXPECT_PIXEL(Screen(170, 560), 0x00A000);
  EXPECT_PIXEL(Screen(410, 560), kBlack);
  // A layout too small for the panel shows none: neither its body nor its frame is drawn.
  state.layout.objects[kBackGround].width = 90;
  state.frame.volumeGauge.reset();
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_FALSE(render_test::Near(LayoutPixel(60, 300), 0x0F0F5F)) << render_test::Hex(LayoutPixel(60, 300));
  EXPECT_FALSE(render_test::Near(LayoutPixel(50, 300), kRed)) << render_test::Hex(LayoutPixel(50, 300));
}

TEST_F(FrameCompositionTest, SelectionPulseRampsBetweenItsAlphas) {
  OpenPlain("List_selection_alpha=60\nList_selection_alphaMax=200");
  ASSERT_EQ(state.layout.pulseDirection, 1);
  state.clocks.selectionPulse = {0, 50};
  for (std::uint32_t t = 0; t <= 500; t += 50) UpdateAnimations(state, t);
  EXPECT_NEAR(state.layout.selectionAlpha, 130, 8);
  for (std::uint32_t t = 550; t <= 1000; t += 50) UpdateAnimations(state, t);
  EXPECT_EQ(state.layout.pulseDirection, -1);
  EXPECT_NEAR(state.layout.selectionAlpha, 200, 8);
  for (std::uint32_t t = 1050; t <= 2000; t += 50) UpdateAnimations(state, t);
  EXPECT_NEAR(state.layout.selectionAlpha, 60, 8);
}

}  // namespace

namespace {

TEST_F(FrameCompositionTest, ListImagesFallBackToTheMissingMarqueeWithTheName) {
  WritePng("Templates/T/missingMarquee.png", Solid(4, 4, 0xFF0000FF));
  for (const char* rom : {"g1", "g2", "g3"}) WritePng(std::string("marquees/") + rom + ".png", Solid(8, 4, 0xFF00FF00));
  AddGame("g1", "One");
  AddGame("g2", "Two");
  AddGame("g3", "Three");
  AddGame("g4", "Four");
  state.layout.objects[kMarquee].mediaDirectory = dir / "marquees";
  OpenPlain("ListeImages=YES\nList_visible=YES\nList_left=0\nList_top=0\nList_width=200\nList_height=200\n"
            "List_NbItems=5\nList_Stretch=2\nList_font_sizey=20");
  EXPECT_EQ(state.frame.lineSlots[0], kSlotFirstLine);
  EXPECT_EQ(state.frame.lineSlots[2], kSlotFirstLine + 2);
  EXPECT_EQ(state.frame.lineSlots[3], kSlotMissingMarquee);
  EXPECT_EQ(state.frame.lineSlots[4], 0);  // no fifth game
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(2, 2), kGreen);
  EXPECT_PIXEL(Screen(2, 122), kBlue);  // line 3: the missing-marquee picture
  // ...with the game's name written over it: some pixels of the line are neither blue nor black.
  Device().SetTarget(nullptr);
  int text = 0;
  for (std::uint32_t p : Device().ReadPixels(0, 120, 200, 40))
    if ((p & 0xFFFFFF) != 0x0000FF && (p & 0xFFFFFF) != 0) ++text;
  EXPECT_GT(text, 20);
  // A page move reuses the pictures already loaded.
  position.topIndex = 1;
  LoadSelectionMedia(state);
  EXPECT_EQ(state.frame.lineSlots[0], kSlotFirstLine);
  EXPECT_EQ(state.frame.lineSlots[2], kSlotMissingMarquee);
  EXPECT_EQ(state.frame.lineSlots[3], kSlotFirstLine + 3);  // wrapped round to g1
}

}  // namespace

namespace {

// An .ico file whose one image is a PNG, as current icon editors write them.
std::string IconFile(const std::vector<std::uint8_t>& png, int size) {
  std::string ico = {0, 0, 1, 0, 1, 0};
  auto put16 = [&](unsigned v) { ico += char(v & 255), ico += char(v >> 8); };
  auto put32 = [&](std::uint32_t v) { put16(v & 0xFFFF), put16(v >> 16); };
  ico += char(size), ico += char(size), ico += '\0', ico += '\0';
  put16(1), put16(32), put32(std::uint32_t(png.size())), put32(22);
  return ico + std::string(png.begin(), png.end());
}

// Pixels of a screen rectangle that are not black.
int LitPixels(platform::Device& device, int x, int y, int w, int h) {
  device.SetTarget(nullptr);
  int n = 0;
  for (std::uint32_t p : device.ReadPixels(x, y, w, h))
    if ((p & 0xFFFFFF) != 0) ++n;
  return n;
}

TEST_F(FrameCompositionTest, ListIconsSitBeforeIndentedNamesUnderTheSelectionBar) {
  dir.Write("icons/g1.ico", IconFile(platform::EncodePng(Solid(16, 16, 0xFF00FF00)), 16));
  dir.Write("icons/parent.ico", IconFile(platform::EncodePng(Solid(16, 16, 0xFF0000FF)), 16));
  AddGame("g1", "One");
  AddGame("g2", "Two");               // no icon of its own, none for a parent
  AddGame("g3", "Three", "parent");   // the parent's icon
  state.sources.iconsDir = dir / "icons";
  WritePng("Templates/T/ListSelection.png", Solid(4, 4, 0xFFFFFFFF));
  OpenPlain("ListeIcons=YES\nList_visible=YES\nList_left=0\nList_top=0\nList_width=300\nList_height=200\n"
            "List_NbItems=5\nList_font_sizey=30\nList_selection_alpha=255");
  EXPECT_EQ(state.frame.lineSlots[0], kSlotFirstLine);
  EXPECT_EQ(state.frame.lineSlots[1], 0);
  EXPECT_EQ(state.frame.lineSlots[2], kSlotFirstLine + 2);
  position.row = 2;
  ASSERT_EQ(DrawFrame(state, 0), 1);
  // Line height 40: a 40 x 40 icon 5 pixels in from the list's left edge.
  EXPECT_PIXEL(Screen(2, 20), kBlack);
  EXPECT_PIXEL(Screen(7, 2), kGreen);
  EXPECT_PIXEL(Screen(43, 37), kGreen);
  EXPECT_PIXEL(Screen(47, 1), kBlack);
  // A line without an icon keeps the indent: its name starts right of the icon column.
  EXPECT_EQ(LitPixels(Device(), 0, 40, 45, 40), 0);
  EXPECT_GT(LitPixels(Device(), 45, 40, 255, 40), 50);
  // The opaque selection bar on line 2 hides the icon there.
  EXPECT_PIXEL(Screen(25, 100), kWhite);

  // With no icon directory the setting shows neither icons nor the indent.
  ReleaseAll(state);
  state.sources.iconsDir.clear();
  OpenPlain("ListeIcons=YES\nList_visible=YES\nList_left=0\nList_top=0\nList_width=300\nList_height=200\n"
            "List_NbItems=5\nList_font_sizey=30");
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_GT(LitPixels(Device(), 0, 0, 45, 40), 20);  // "One" written from the left edge
}

}  // namespace

namespace {

// Columns of the box's rows that hold a lit pixel, from the left edge of the screen.
std::vector<bool> LitColumns(platform::Device& device, int top, int height) {
  device.SetTarget(nullptr);
  const auto pixels = device.ReadPixels(0, top, 800, height);
  std::vector<bool> lit(800, false);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    if ((pixels[i] & 0xFFFFFF) != 0) lit[i % 800] = true;
  return lit;
}

TEST_F(FrameCompositionTest, ScrollTextEntersFromTheRightAndStaysInsideItsBox) {
  dir.Write("config/cfg/ScrollTexte.txt", "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM");
  OpenPlain("ScrollText_visible=YES\nScrollText_left=200\nScrollText_top=500\nScrollText_width=400\n"
            "ScrollText_height=40\nScrollText_font_sizey=30\nScrollText_font_color=16777215");
  auto firstLit = [&] {
    const auto lit = LitColumns(Device(), 500, 40);
    for (int x = 0; x < 800; ++x)
      if (lit[x]) return x;
    return 800;
  };
  auto litOutsideBox = [&] {
    const auto lit = LitColumns(Device(), 500, 40);
    int n = 0;
    for (int x = 0; x < 800; ++x)
      if (lit[x] && (x < 200 || x >= 600)) ++n;
    return n;
  };
  std::uint32_t now = state.scrollText.due;
  auto scroll = [&](std::uint32_t ms) {
    for (const std::uint32_t end = now + ms; now < end;) StepScrollText(state, ++now, nullptr);
  };
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_EQ(firstLit(), 800);  // blanks first: the text waits beyond the right edge

  scroll(2000);  // 100 pixels at 50 pixels a second
  ASSERT_EQ(DrawFrame(state, 0), 1);
  const int entered = firstLit();
  EXPECT_GT(entered, 400);
  EXPECT_LT(entered, 600);
  EXPECT_EQ(litOutsideBox(), 0);

  scroll(2000);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_NEAR(firstLit(), entered - 100, 4);
  EXPECT_EQ(litOutsideBox(), 0);

  scroll(6000);  // the line of M now runs past the left edge of the box
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_GE(firstLit(), 200);
  EXPECT_LE(firstLit(), 240);  // cut at the box, one character width at most inside
  EXPECT_EQ(litOutsideBox(), 0);
}

}  // namespace

namespace {

// The owner's notice: a red band across the top of the layout over whatever is drawn there,
// and it keeps every frame composed whole (the still layer would hide it).
TEST_F(FrameCompositionTest, TheOwnersNoticeIsABandAcrossTheTop) {
  OpenPlain();
  EXPECT_FALSE(OverlaysShown(state));
  state.sources.notice = "Touches illisibles : ajoutez l'utilisateur au groupe input (/dev/input)";
  EXPECT_TRUE(OverlaysShown(state));
  DrawIntoLayout([this] { DrawOverlays(state); });
  EXPECT_PIXEL(LayoutPixel(1, 1), 0xA00000u);
  EXPECT_PIXEL(LayoutPixel(798, 28), 0xA00000u);
  EXPECT_PIXEL(LayoutPixel(400, 31), kBlack);
}

}  // namespace
