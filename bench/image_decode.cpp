// Decoding cost of the pictures loaded on every list move (snapshot and marquee).
#include <benchmark/benchmark.h>

#include <cmath>

#include "platform/image.h"

namespace {

// A 640 x 480 picture with smooth shapes and some detail, like a game screenshot.
platform::Image Screenshot() {
  platform::Image img;
  img.width = 640;
  img.height = 480;
  img.rgba.resize(640 * 480 * 4);
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      std::uint8_t* p = &img.rgba[(static_cast<std::size_t>(y) * 640 + x) * 4];
      p[0] = static_cast<std::uint8_t>(128 + 100 * std::sin(x / 23.0));
      p[1] = static_cast<std::uint8_t>(128 + 100 * std::cos(y / 17.0));
      p[2] = static_cast<std::uint8_t>(((x / 8) ^ (y / 8)) * 16);
      p[3] = 255;
    }
  }
  return img;
}

void BM_DecodePng640x480(benchmark::State& state) {
  const auto png = platform::EncodePng(Screenshot());
  for (auto _ : state) {
    auto img = platform::DecodeImage(png);
    benchmark::DoNotOptimize(img);
  }
}
BENCHMARK(BM_DecodePng640x480)->Unit(benchmark::kMillisecond);

void BM_ColourKey640x480(benchmark::State& state) {
  platform::Image img = Screenshot();
  for (auto _ : state) {
    platform::ApplyColourKey(img, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ColourKey640x480)->Unit(benchmark::kMillisecond);

}  // namespace
