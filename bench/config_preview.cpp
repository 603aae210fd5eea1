// The layout editor's preview: one frame of a full-HD layout with every object visible,
// and one drag step (the mouse event to the new picture in the window's image).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>

#include <ctime>

#include <string>

#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/ui/preview_window.h"
#include "bench/bench_pictures.h"
#include "platform/image.h"
#include "platform/message_box.h"
#include "tests/temp_dir.h"

namespace {

std::string Png(int w, int h, std::uint32_t seed) {
  const platform::Image img = bench::Gradient(w, h, seed);
  const auto png = platform::EncodePng(img);
  return std::string(png.begin(), png.end());
}

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

struct Installation {
  TempDir dir;
  cfg::EditorSession editor;
  std::unique_ptr<cfg::PreviewWindow> preview;

  explicit Installation(bool still = false) {
    App();
    platform::RecordMessageBoxes();
    std::string text = "RESOLUTIONX=1920\r\nRESOLUTIONY=1080\r\nBackGround_visible=YES\r\nBackGround_Ordre=1\r\n"
                       "List_NbItems=20\r\nList_selection_alpha=80\r\n";
    // A still layout: no picture scrolls, the selector does not pulse, no scroll text.
    text += still ? "List_selection_alphaMax=80\r\n" : "List_selection_alphaMax=200\r\nCustom1_ScrollX=3\r\n";
    const struct {
      const char* name;
      int left, top, width, height;
    } objects[] = {{"Snap", 1000, 150, 800, 600},   {"List", 60, 150, 800, 800},     {"Info", 1000, 900, 800, 50},
                   {"Info1", 1000, 960, 800, 30},  {"Info2", 1000, 995, 800, 30},  {"Info3", 1000, 1030, 800, 30},
                   {"ScrollText", 0, 1040, 1920, 40}, {"Marquee", 1000, 770, 800, 120},
                   {"Custom1", 0, 0, 1920, 120},   {"Custom2", 0, 960, 400, 80},   {"Custom3", 400, 960, 400, 80},
                   {"Custom4", 800, 960, 400, 80}, {"Custom5", 1200, 960, 400, 80}, {"Custom6", 1600, 960, 300, 80}};
    for (const auto& o : objects) {
      const std::string p = o.name;
      if (still && p == "ScrollText") continue;
      text += p + "_visible=YES\r\n" + p + "_left=" + std::to_string(o.left) + "\r\n" + p + "_top=" +
              std::to_string(o.top) + "\r\n" + p + "_width=" + std::to_string(o.width) + "\r\n" + p +
              "_height=" + std::to_string(o.height) + "\r\n" + p + "_font_sizey=28\r\n" + p + "_fontname=Arial\r\n" +
              p + "_Stretch=2\r\n";
    }
    dir.Write("Templates/HD/Layout.cfg", text);
    dir.Write("Templates/HD/layout.png", Png(1920, 1080, 1));
    dir.Write("Templates/HD/missingSnapShot.png", Png(640, 480, 2));
    dir.Write("Templates/HD/missingMarquee.png", Png(400, 100, 3));
    dir.Write("Templates/HD/ListBkground.png", Png(200, 200, 4));
    dir.Write("Templates/HD/ListSelection.png", Png(200, 20, 5));
    for (int k = 1; k <= 6; ++k) dir.Write("Templates/HD/Custom" + std::to_string(k) + ".png", Png(256, 64, 6 + k));
    editor.installDirectory = dir.path();
    preview = std::make_unique<cfg::PreviewWindow>(editor);
    editor.hooks.rebuildPreview = [this] { preview->Rebuild(); };
    cfg::LoadTemplate(editor, "HD", {4000, 4000});
    preview->SetScrollText("");
    editor.selected = cfg::kEdSnap;
  }
};

void BM_PreviewFrame1080p(benchmark::State& state) {
  Installation inst;
  cfg::PreviewRenderer& renderer = inst.preview->renderer();
  for (auto _ : state)
    benchmark::DoNotOptimize(renderer.DrawFrame(cfg::SelectionFrameOf(inst.editor.layout, cfg::kEdSnap)));
}
BENCHMARK(BM_PreviewFrame1080p)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PreviewDragStep1080p(benchmark::State& state) {
  Installation inst;
  cfg::PreviewWindow& w = *inst.preview;
  w.DrawNow();
  auto send = [&](QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, p, w.mapToGlobal(p), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
  };
  // The pointer in window pixels: a layout larger than the screen is shown scaled down.
  const double zoom = w.zoomPercent() / 100.0;
  const QPointF at(1100 * zoom, 300 * zoom);
  send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
  send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  int dx = 0;
  for (auto _ : state) {
    dx = dx == 0 ? 1 : 0;
    send(QEvent::MouseMove, at + QPointF(dx, 0), Qt::NoButton, Qt::LeftButton);
  }
  send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_PreviewDragStep1080p)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// One undo and one redo of a move in a full-HD layout: the layout put back, the preview
// following it and a frame drawn, as the page does for Ctrl+Z.
void BM_UndoRedo1080p(benchmark::State& state) {
  Installation inst;
  cfg::EditorSession& editor = inst.editor;
  cfg::PreviewWindow& w = *inst.preview;
  editor.layout.objects[cfg::kEdSnap].left += 40;
  editor.history.Record(editor.layout);
  for (auto _ : state) {
    const bool redo = editor.history.CanRedo();
    if (redo) editor.history.Redo(editor.layout);
    else editor.history.Undo(editor.layout);
    w.LayOutScrollText();
    w.DrawNow();
  }
}
BENCHMARK(BM_UndoRedo1080p)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// The editor page's share of a core over 10 s with a still layout: the timer wakes for
// nothing, so only the first frame costs anything.
void BM_StillLayoutCpuShare(benchmark::State& state) {
  Installation inst(true);
  for (auto _ : state) {
    const std::clock_t start = std::clock();
    inst.preview->ResetClocks();
    inst.preview->SetActive(true);
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    inst.preview->SetActive(false);
    state.counters["cpu_percent"] = 100.0 * double(std::clock() - start) / CLOCKS_PER_SEC / 10.0;
    state.counters["frames"] = inst.preview->framesDrawn();
  }
}
BENCHMARK(BM_StillLayoutCpuShare)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
