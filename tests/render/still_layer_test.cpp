#include "render/animations.h"
#include "render/picture_scroll.h"
#include "render/render_reset.h"
#include "render/render_state.h"
#include "render/still_layer.h"
#include "render_fixture.h"

#include <functional>
#include <vector>

using render::CreateLayoutTarget;
using render::DrawFrame;
using render::FramesFromStillLayer;
using render::InitPictureScroll;
using render::LoadLayout;
using render::LoadSelectionMedia;
using render::LoadTemplateImages;
using render::LoadTexture;
using render::ReleaseMedia;
using render::ResetRenderState;
using render::SetStillLayerEnabled;
using render::UpdateAnimations;
using render::kNoColourKey;
using render::kSlotCustomTemplate1;

namespace {

using render_test::Picture;
using render_test::RenderFixture;

// A gradient with a see-through band, so that every blend shows in the result.
platform::Image Gradient(int w, int h, std::uint32_t seed) {
  return Picture(w, h, [=](int x, int y) {
    const std::uint32_t alpha = (x / 7 + y / 5) % 3 == 0 ? 0x80u : 0xFFu;
    return (alpha << 24) | ((std::uint32_t(x) * 3 + seed * 40) & 255) << 16 |
           ((std::uint32_t(y) * 5 + seed * 70) & 255) << 8 | ((std::uint32_t(x + y) + seed * 90) & 255);
  });
}

class StillLayerTest : public RenderFixture {
 protected:
  // A layout of every kind of object: a background, a scrolling band with a still picture
  // laid over its end, a still picture beside it, the pulsing list, texts and the scroll text.
  void Install() {
    WriteLayout(
        "RESOLUTIONX=400\nRESOLUTIONY=300\nBackGround_visible=YES\nBackGround_Ordre=1\n"
        "Custom1_visible=YES\nCustom1_left=0\nCustom1_top=0\nCustom1_width=400\nCustom1_height=40\n"
        "Custom1_Stretch=2\nCustom1_scrollX=-5\nCustom1_Ordre=2\n"
        "Custom2_visible=YES\nCustom2_left=300\nCustom2_top=20\nCustom2_width=80\nCustom2_height=60\n"
        "Custom2_Stretch=2\nCustom2_Alpha=200\nCustom2_Ordre=3\n"
        "Custom3_visible=YES\nCustom3_left=220\nCustom3_top=90\nCustom3_width=160\nCustom3_height=100\n"
        "Custom3_Stretch=1\nCustom3_Ordre=4\n"
        "List_visible=YES\nList_left=10\nList_top=60\nList_width=200\nList_height=200\nList_NbItems=8\n"
        "List_font_sizey=16\nList_fontname=Arial\nList_Aligne=1\nList_selection_alpha=60\n"
        "List_selection_alphaMax=200\nList_Ordre=5\n"
        "Info_visible=YES\nInfo_left=220\nInfo_top=200\nInfo_width=170\nInfo_height=30\nInfo_font_sizey=18\n"
        "Info_fontname=Arial\nInfo_Ordre=6\n"
        "ScrollText_visible=YES\nScrollText_left=0\nScrollText_top=262\nScrollText_width=400\n"
        "ScrollText_height=30\nScrollText_font_sizey=20\nScrollText_fontname=Arial\nScrollText_Ordre=7");
    WritePng("Templates/T/layout.png", Picture(400, 300, [](int x, int y) {
               return 0xFF000000u | std::uint32_t(x % 256) << 16 | std::uint32_t(y % 256) << 8 | 0x40u;
             }));
    WritePng("Templates/T/Custom1.png", Gradient(100, 20, 1));
    WritePng("Templates/T/Custom2.png", Gradient(40, 30, 2));
    WritePng("Templates/T/Custom3.png", Gradient(64, 48, 3));
    WritePng("Templates/T/ListBkground.png", Gradient(32, 32, 4));
    WritePng("Templates/T/ListSelection.png", Gradient(16, 8, 5));
    WritePng("other.png", Gradient(48, 64, 6));
    dir.Write("config/cfg/ScrollTexte.txt", "Bienvenue [C=16776960]dans la salle[C=16777215] de jeux, bonne partie !");
    for (int i = 0; i < 20; ++i) AddGame("g" + std::to_string(i), "Game number " + std::to_string(i));
  }

  // The screens of a run of frames: clocks moving, the selection and the list moving
  // without anyone saying so, a picture changing, an overlay coming and going.
  std::vector<std::vector<std::uint8_t>> Run(bool layer, bool windowed, int width, int height) {
    ResetRenderState(state);
    SetUp();
    position = {};
    historyText.clear();
    SetStillLayerEnabled(layer);
    Open(width, height, windowed);
    InitPictureScroll(state, 1000);
    state.scrollText.due = 1000;
    state.clocks.selectionPulse = {1000, 50};
    std::vector<std::vector<std::uint8_t>> screens;
    std::uint32_t now = 1000;
    auto frames = [&](int n) {
      for (int i = 0; i < n; ++i) {
        now += 20;
        UpdateAnimations(state, now);
        EXPECT_EQ(DrawFrame(state, 0), 1);
        screens.push_back(Device().ReadBackBufferRgba());
      }
    };
    frames(4);
    position.row = 3;
    frames(3);
    position.topIndex = 5;
    frames(3);
    EXPECT_EQ(LoadTexture(state, kSlotCustomTemplate1 + 2, kNoColourKey, dir / "other.png"), 1);
    frames(3);
    historyText = "Une ligne\nUne autre";
    frames(2);
    historyText.clear();
    frames(4);
    now += 3000;  // the scroll text and the band have moved far
    frames(2);
    return screens;
  }
};

TEST_F(StillLayerTest, FramesFromTheLayerMatchFullyComposedFramesPixelForPixel) {
  Install();
  struct Case {
    bool windowed;
    int width, height;
  };
  for (const Case c : {Case{false, 400, 300}, Case{true, 480, 360}, Case{false, 480, 360}}) {
    SCOPED_TRACE(testing::Message() << "windowed " << c.windowed << " " << c.width << "x" << c.height);
    const std::vector<std::vector<std::uint8_t>> full = Run(false, c.windowed, c.width, c.height);
    const long before = FramesFromStillLayer();
    const std::vector<std::vector<std::uint8_t>> layered = Run(true, c.windowed, c.width, c.height);
    // Each change composes one frame in full; the frames after it come from the layer.
    EXPECT_GE(FramesFromStillLayer() - before, 10);
    ASSERT_EQ(full.size(), layered.size());
    for (std::size_t i = 0; i < full.size(); ++i) {
      ASSERT_FALSE(full[i].empty());
      std::size_t first = full[i].size(), count = 0;
      for (std::size_t k = 0; k < full[i].size() && k < layered[i].size(); ++k)
        if (full[i][k] != layered[i][k]) {
          if (first == full[i].size()) first = k;
          ++count;
        }
      EXPECT_TRUE(full[i] == layered[i]) << "frame " << i << " differs: " << count << " bytes from pixel " << first / 4
                                         << " (" << (first / 4) % std::size_t(c.width) << ", "
                                         << (first / 4) / std::size_t(c.width) << ")";
    }
  }
}

// Whatever changes what the layer cannot compare frame by frame is noticed by the layer
// itself: the frame after it is composed in full, and the layer is used again after that.
TEST_F(StillLayerTest, LayerIsComposedAgainAfterWhatItCannotCompareChanged) {
  struct Case {
    const char* change;
    std::function<void()> make;
  };
  const std::vector<Case> cases = {
      // The list's texts change only with a list read again, after which the selection's
      // pictures are loaded.
      {"list read again",
       [this] {
         games[std::size_t(position.topIndex)].fullName = "Renamed";
         LoadSelectionMedia(state);
       }},
      {"template picture", [this] { LoadTexture(state, kSlotCustomTemplate1 + 2, kNoColourKey, dir / "other.png"); }},
      {"layout read again", [this] { ASSERT_EQ(LoadLayout(state, dir.path(), "cfg", "T"), 1); }},
      {"layout target made again", [this] { ASSERT_EQ(CreateLayoutTarget(state), 1); }},
      {"media released and loaded again",
       [this] {
         ReleaseMedia(state);
         LoadTemplateImages(state, dir.path(), "T");
         LoadSelectionMedia(state);
       }},
  };
  Install();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    Open(400, 300);
    InitPictureScroll(state, 1000);
    std::uint32_t now = 1000;
    auto frame = [&] {
      now += 20;
      UpdateAnimations(state, now);
      ASSERT_EQ(DrawFrame(state, 0), 1);
    };
    frame();
    frame();
    frame();
    const long cached = FramesFromStillLayer();
    frame();
    EXPECT_EQ(FramesFromStillLayer(), cached + 1);
    c.make();
    frame();
    EXPECT_EQ(FramesFromStillLayer(), cached + 1);
    frame();
    frame();
    EXPECT_EQ(FramesFromStillLayer(), cached + 3);
  }
}

}  // namespace
