#include "render/render_state.h"
#include "render_fixture.h"

using render::CreateDisplay;
using render::DisplayKind;
using render::DrawFrame;
using render::LayoutObject;
using render::LoadLayout;
using render::LoadSelectionMedia;
using render::LoadTemplateImages;
using render::LoadTexture;
using render::ReleaseForReset;
using render::ReleaseMedia;
using render::ReportD3DError;
using render::ResetDisplay;
using render::SetupRenderState;
using render::SlotAt;
using render::SlotLoaded;
using render::kCustom1;
using render::kD3DErrDeviceLost;
using render::kD3DErrOutOfVideoMemory;
using render::kSlotCustomMedia1;
using render::kSlotLayout;
using render::kSlotSelection;
using render::kSlotSnap;
using render::kSnap;

namespace {

using render_test::RenderFixture;

class DisplayTest : public RenderFixture {};

TEST_F(DisplayTest, LayoutTargetFallsBackToPowersOfTwo) {
  state.sources.largFen = 800;
  state.sources.hautFen = 600;
  state.display.powerOfTwoTexturesOnly = true;
  ASSERT_EQ(CreateDisplay(state, DisplayKind::kOffscreen), 1);
  EXPECT_EQ(SlotAt(state.textures, kSlotLayout)->width, 1024);
  EXPECT_EQ(SlotAt(state.textures, kSlotLayout)->height, 1024);
  // A layout drawn from the larger texture still lands at its place on the screen.
  WriteLayout("RESOLUTIONX=640\nRESOLUTIONY=480\nBackGround_visible=YES");
  WritePng("Templates/T/layout.png", render_test::Solid(640, 480, 0xFFFF0000));
  ASSERT_EQ(LoadLayout(state, dir.path(), "cfg", "T"), 1);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(80, 60), 0xFF0000);
  EXPECT_PIXEL(Screen(719, 539), 0xFF0000);
  EXPECT_PIXEL(Screen(720, 300), 0x2B2B2B);
  state.display.powerOfTwoTexturesOnly = false;
}

TEST_F(DisplayTest, ErrorsAreNamedAndReleasesEmptyTheTables) {
  auto& messages = platform::RecordMessageBoxes();
  ReportD3DError(kD3DErrOutOfVideoMemory, "CreateTexture");
  ReportD3DError(kD3DErrDeviceLost, "Erreur copy surface 1");
  ReportD3DError(0x12345678, "x.png");
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].text, "D3DERR_OUTOFVIDEOMEMORY");
  EXPECT_EQ(messages[0].caption, "CreateTexture");
  EXPECT_EQ(messages[1].text, "D3DERR_DEVICELOST");
  EXPECT_EQ(messages[2].text, "Erreur inconnue !!!");

  WriteLayout("RESOLUTIONX=800\nRESOLUTIONY=600");
  WritePng("Templates/T/ListSelection.png", render_test::Solid(4, 4, 0xFFFFFFFF));
  Open(800, 600);
  EXPECT_TRUE(state.display.deviceReady);
  ASSERT_TRUE(SlotLoaded(state.textures, kSlotSelection));
  ReleaseMedia(state);
  EXPECT_FALSE(state.display.deviceReady);
  EXPECT_FALSE(SlotLoaded(state.textures, kSlotSelection));
  EXPECT_TRUE(SlotLoaded(state.textures, kSlotLayout));  // the layout target stays
  ReleaseForReset(state);
  EXPECT_FALSE(SlotLoaded(state.textures, kSlotLayout));
  EXPECT_EQ(ResetDisplay(state), 1);
  EXPECT_EQ(SetupRenderState(state), 1);
  EXPECT_TRUE(SlotLoaded(state.textures, kSlotLayout));
  LoadTemplateImages(state, dir.path(), "T");
  EXPECT_TRUE(SlotLoaded(state.textures, kSlotSelection));
  EXPECT_EQ(DrawFrame(state, 0), 1);
}

TEST_F(DisplayTest, APictureThatCannotBeDecodedAndAMissingBackdropAreShownOnce) {
  auto& messages = platform::RecordMessageBoxes();
  WriteLayout("RESOLUTIONX=640\nRESOLUTIONY=480\nBackGround_visible=YES");
  WritePng("Templates/T/layout.png", render_test::Solid(640, 480, 0xFFFF0000));
  Open(800, 600);
  dir.Write("snap/broken.png", "\x89PNG\r\n\x1a\n not a picture");
  dir.Write("snap/other.png", "\x89PNG\r\n\x1a\n not one either");
  for (int i = 0; i < 3; ++i) {  // selected again and again, on every page that shows it
    LoadTexture(state, kSlotSnap, 0, dir / "snap/broken.png");
    LoadTexture(state, kSlotSnap, 0, dir / "snap/other.png");
  }
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].caption, dir / "snap/broken.png");
  EXPECT_EQ(messages[1].caption, dir / "snap/other.png");
  // Without a backdrop every frame would say so.
  state.display.backdrop.Reset();
  for (int i = 0; i < 3; ++i) ASSERT_EQ(DrawFrame(state, 0), 1);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[2].caption, "Erreur copy surface 2");
  // Each time is still in the log.
  const std::string log = dir.Read("debug.txt");
  std::size_t copies = 0;
  for (auto at = log.find("Erreur copy surface 2"); at != std::string::npos; at = log.find("Erreur copy surface 2", at + 1))
    ++copies;
  EXPECT_EQ(copies, 3u);
}

TEST_F(DisplayTest, ALayoutLoadedAgainKeepsNoPictureOrScrollOffsetOfTheOneBefore) {
  WriteLayout("RESOLUTIONX=640\nRESOLUTIONY=480\nCustom1_visible=YES\nCustom1_scrollX=5\nSnap_visible=YES");
  Open(800, 600);
  LayoutObject& custom = state.layout.objects[kCustom1];
  LayoutObject& snap = state.layout.objects[kSnap];
  custom.scrollU = 0.5f;
  custom.scrollV = -0.25f;
  custom.textureSlot = kSlotCustomMedia1;  // the previous configuration's media
  snap.textureSlot = kSlotSnap;
  ASSERT_EQ(LoadLayout(state, dir.path(), "cfg", "T"), 1);  // the next configuration, no media directories
  LoadSelectionMedia(state);
  EXPECT_EQ(custom.scrollU, 0.0f);
  EXPECT_EQ(custom.scrollV, 0.0f);
  EXPECT_EQ(custom.textureSlot, 0);
  EXPECT_EQ(snap.textureSlot, 0);
}

}  // namespace
