// A 3840 x 2160 snapshot (PNG, JPEG) loaded into a 480 x 360 fitted Snap object on a
// 1920 x 1080 offscreen display: kept whole (as before) and kept at the object's size.
// The counter texture_bytes is what the texture then holds.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_pictures.h"
#include "platform/message_box.h"
#include "render/display.h"
#include "render/layout_record.h"
#include "render/picture_loading.h"
#include "render/render_reset.h"
#include "render/render_state.h"
#include "render/texture_table.h"
#include "tests/render/picture_files.h"
#include "tests/temp_dir.h"

namespace {

struct Snapshots {
  TempDir dir;
  std::string png, jpeg;
  Snapshots() {
    const platform::Image image = bench::Gradient(3840, 2160, 7);
    png = dir.Write("snap4k.png", render_test::PngOf(image));
    jpeg = dir.Write("snap4k.jpg", render_test::JpegOf(image));
  }
};

const Snapshots& Files() {
  static const Snapshots files;
  return files;
}

void LoadInto(benchmark::State& state, const std::string& file, bool atDrawnSize) {
  platform::RecordMessageBoxes();
  render::RenderState rs;
  rs.sources.largFen = 1920;
  rs.sources.hautFen = 1080;
  rs.sources.picturesAtDrawnSize = atDrawnSize;
  if (render::CreateDisplay(rs, render::DisplayKind::kOffscreen) != 1) {
    state.SkipWithError("no offscreen display");
    return;
  }
  render::LayoutObject& snap = rs.layout.objects[render::kSnap];
  snap.visible = true;
  snap.width = 480;
  snap.height = 360;
  snap.stretch = 1;
  for (auto _ : state)
    if (!render::LoadTexture(rs, render::kSlotSnap, render::kNoColourKey, file)) state.SkipWithError("not loaded");
  const platform::Texture& t = render::SlotAt(rs.textures, render::kSlotSnap)->texture;
  state.counters["texture_bytes"] = double(t.Width()) * t.Height() * 4;
  render::ResetRenderState(rs);
}

void BM_Snapshot4kPngWhole(benchmark::State& state) { LoadInto(state, Files().png, false); }
void BM_Snapshot4kPngAtObjectSize(benchmark::State& state) { LoadInto(state, Files().png, true); }
void BM_Snapshot4kJpegWhole(benchmark::State& state) { LoadInto(state, Files().jpeg, false); }
void BM_Snapshot4kJpegAtObjectSize(benchmark::State& state) { LoadInto(state, Files().jpeg, true); }
BENCHMARK(BM_Snapshot4kPngWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Snapshot4kPngAtObjectSize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Snapshot4kJpegWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Snapshot4kJpegAtObjectSize)->Unit(benchmark::kMillisecond);

}  // namespace
