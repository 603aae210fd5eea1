// One frame of a full-HD layout with the software renderer (20 list lines, four
// pictures, info texts and the scroll text), the same on a 3840 x 2160 screen with the render
// size cap on and off, and the media load of one list move.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "frontend/shell/shell_state.h"
#include "catalogue/game_list.h"
#include "render/animation_clock.h"
#include "render/animations.h"
#include "render/display.h"
#include "render/layout.h"
#include "render/picture_loading.h"
#include "render/render_size.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/screen.h"
#include "platform/glyph_atlas.h"
#include "bench/bench_pictures.h"
#include "platform/image.h"
#include "platform/message_box.h"
#include "tests/temp_dir.h"

using render::CreateDisplay;
using render::DisplayKind;
using render::DrawFrame;
using render::Layout;
using render::ListPosition;
using render::LoadLayout;
using render::LoadSelectionMedia;
using render::ReadLayoutText;
using render::ReleaseAll;
using render::ShownGame;
using render::UpdateAnimations;
using render::kMarquee;
using render::kSnap;
using shell::gCatalogue;

using catalogue::GameEntry;

namespace {

using bench::Gradient;

void WritePng(const TempDir& dir, const std::string& name, const platform::Image& image) {
  const auto png = platform::EncodePng(image);
  dir.Write(name, std::string(png.begin(), png.end()));
}

// The full-HD layout: every kind of object, some keys left to their defaults.
std::string HdLayoutText() {
  return
        "RESOLUTIONX=1920\r\nRESOLUTIONY=1080\r\nBackGround_visible=YES\r\nBackGround_Ordre=1\r\n"
        "List_visible=YES\r\nList_left=60\r\nList_top=150\r\nList_width=800\r\nList_height=800\r\n"
        "List_NbItems=20\r\nList_font_sizey=32\r\nList_fontname=Arial\r\nList_selection_alpha=80\r\n"
        "List_selection_alphaMax=200\r\nListeImages=NO\r\n"
        "Info_visible=YES\r\nInfo_left=1000\r\nInfo_top=900\r\nInfo_width=800\r\nInfo_height=50\r\n"
        "Info_font_sizey=36\r\nInfo_Aligne=1\r\nInfo_fontname=Arial\r\n"
        "Info1_visible=YES\r\nInfo1_left=1000\r\nInfo1_top=960\r\nInfo1_width=800\r\nInfo1_height=30\r\n"
        "Info1_font_sizey=24\r\nInfo1_fontname=Arial\r\n"
        "Snap_visible=YES\r\nSnap_left=1000\r\nSnap_top=150\r\nSnap_width=800\r\nSnap_height=600\r\nSnap_Stretch=1\r\n"
        "Marquee_visible=YES\r\nMarquee_left=1000\r\nMarquee_top=770\r\nMarquee_width=800\r\nMarquee_height=120\r\n"
        "Marquee_Stretch=2\r\n"
        "Custom1_visible=YES\r\nCustom1_left=0\r\nCustom1_top=0\r\nCustom1_width=1920\r\nCustom1_height=120\r\n"
        "Custom1_Stretch=2\r\nCustom1_scrollX=-2\r\n"
        "Custom2_visible=YES\r\nCustom2_left=980\r\nCustom2_top=130\r\nCustom2_width=840\r\nCustom2_height=640\r\n"
        "Custom2_Stretch=2\r\n"
        "ScrollText_visible=YES\r\nScrollText_left=0\r\nScrollText_top=1030\r\nScrollText_width=1920\r\n"
        "ScrollText_height=50\r\nScrollText_font_sizey=32\r\nScrollText_fontname=Arial\r\n";
}

struct Installation {
  TempDir dir;
  ListPosition position;
  render::RenderState records;

  // A screen of screenW x screenH, composed under the render size cap `cap` (0: none).
  explicit Installation(int screenW = 1920, int screenH = 1080, int cap = 0) {
    platform::RecordMessageBoxes();
    dir.Write("Templates/T/Layout.cfg", HdLayoutText());
    WritePng(dir, "Templates/T/layout.png", Gradient(1920, 1080, 1));
    WritePng(dir, "Templates/T/ListSelection.png", Gradient(64, 16, 2));
    WritePng(dir, "Templates/T/ListBkground.png", Gradient(256, 256, 3));
    WritePng(dir, "Templates/T/Custom1.png", Gradient(960, 60, 4));
    platform::Image frame = Gradient(840, 640, 5);
    for (int y = 20; y < 620; ++y)
      for (int x = 20; x < 820; ++x) frame.rgba[(std::size_t(y) * 840 + std::size_t(x)) * 4 + 3] = 0;
    WritePng(dir, "Templates/T/Custom2.png", frame);
    std::string scroll;
    for (int i = 0; i < 40; ++i) scroll += "Bienvenue [NomJeux] - [C=16776960]les jeux[C=16777215] d'arcade ";
    dir.Write("config/cfg/ScrollTexte.txt", scroll);
    for (int i = 0; i < 200; ++i) {
      const std::string romName = "game" + std::to_string(i);
      const std::string fullName = "Game number " + std::to_string(i) + " of the big list";
      gCatalogue.games.entries.push_back({romName, fullName, "1984 - arcade", "", "", "", ""});
      gCatalogue.games.displayOrder.push_back(i);
      if (i < 40) {
        WritePng(dir, "snap/" + romName + ".png", Gradient(640, 480, std::uint32_t(i)));
        WritePng(dir, "marquees/" + romName + ".png", Gradient(640, 480, std::uint32_t(i + 9)));
      }
    }
    gCatalogue.games.entryCount = 200;
    records.sources = {};
    records.sources.baseDirectory = dir.path();
    records.sources.configName = "cfg";
    records.sources.templateName = "T";
    const render::RenderSize size = render::CappedRenderSize(screenW, screenH, 0, 0, cap);
    records.sources.largFen = size.width;
    records.sources.hautFen = size.height;
    records.sources.outputWidth = size.width == screenW ? 0 : screenW;
    records.sources.outputHeight = size.height == screenH ? 0 : screenH;
    records.sources.listPosition = [this] { return position; };
    records.sources.gameCount = [] { return static_cast<int>(gCatalogue.games.entryCount); };
    records.sources.gameAt = [](int p) {
      const GameEntry& e = gCatalogue.games.AtPosition(p);
      return ShownGame{e.romName, e.romOf, e.fullName, {e.infos1, e.infos2, e.infos3}};
    };
    records.layout.objects[kSnap].mediaDirectory = dir / "snap";
    records.layout.objects[kMarquee].mediaDirectory = dir / "marquees";
    CreateDisplay(records, DisplayKind::kOffscreen);
    LoadLayout(records, dir.path(), "cfg", "T");
    records.layout.objects[kSnap].mediaDirectory = dir / "snap";
    records.layout.objects[kMarquee].mediaDirectory = dir / "marquees";
    LoadSelectionMedia(records);
    records.clocks.fadeLevel = 1;
  }
  ~Installation() { ReleaseAll(records); }
};

void BM_FullHdFrame(benchmark::State& state) {
  Installation inst;
  std::uint32_t now = 1000;
  UpdateAnimations(inst.records, now);
  DrawFrame(inst.records, 0);  // the first frame rasterises the glyphs it shows
  const long glyphsAfterFirst = platform::GlyphAtlas::RasterisedGlyphs();
  for (auto _ : state) {
    now += 20;
    UpdateAnimations(inst.records, now);
    benchmark::DoNotOptimize(DrawFrame(inst.records, 0));
  }
  state.counters["glyphs_rasterised_after_first_frame"] =
      double(platform::GlyphAtlas::RasterisedGlyphs() - glyphsAfterFirst);
}
BENCHMARK(BM_FullHdFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The full-HD layout on a 3840 x 2160 screen, moving: with the cap (Arg 1080) the frame is
// composed at 1920 x 1080 and doubled; without it (Arg 0) the screen is composed whole.
void BM_UhdFrame(benchmark::State& state) {
  Installation inst(3840, 2160, int(state.range(0)));
  std::uint32_t now = 1000;
  UpdateAnimations(inst.records, now);
  DrawFrame(inst.records, 0);
  for (auto _ : state) {
    now += 20;
    UpdateAnimations(inst.records, now);
    benchmark::DoNotOptimize(DrawFrame(inst.records, 0));
  }
}
BENCHMARK(BM_UhdFrame)->ArgName("cap")->Arg(1080)->Arg(0)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_SelectionMediaForOneMove(benchmark::State& state) {
  Installation inst;
  int row = 0;
  for (auto _ : state) {
    inst.position.row = (++row) % 20;
    benchmark::DoNotOptimize(LoadSelectionMedia(inst.records));
  }
}
BENCHMARK(BM_SelectionMediaForOneMove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Reading the layout's text alone: the keys, their defaults and the draw order.
void BM_ReadLayoutText(benchmark::State& state) {
  const std::string text = HdLayoutText();
  Layout layout;
  for (auto _ : state) {
    ReadLayoutText(text, layout);
    benchmark::DoNotOptimize(layout.drawOrder);
  }
}
BENCHMARK(BM_ReadLayoutText)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
