// Area-average reduction of a decoded picture. A renderer shrinking a picture at draw
// time samples 2 x 2 texels per pixel and drops the rest; averaging the whole covered
// area once at load shows every source pixel and costs nothing per frame.
#include "platform/image.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// One output column (or row): the source pixels it covers and how much of each.
struct Span {
  int first = 0;
  std::vector<float> weights;  // of first, first + 1, ...; they add up to 1
};

std::vector<Span> Spans(int from, int to) {
  std::vector<Span> spans(static_cast<std::size_t>(to));
  const double scale = double(from) / double(to);
  for (int o = 0; o < to; ++o) {
    const double a = o * scale, b = std::min(double(from), (o + 1) * scale);
    Span& span = spans[static_cast<std::size_t>(o)];
    span.first = static_cast<int>(a);
    for (int s = span.first; s < from && s < b; ++s) {
      const double w = std::min(b, s + 1.0) - std::max(a, double(s));
      span.weights.push_back(static_cast<float>(w / (b - a)));
    }
  }
  return spans;
}

std::uint8_t Byte(float v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

// A source row reduced across: premultiplied R, G, B and alpha per output column.
void ReduceRow(const std::uint8_t* row, const std::vector<Span>& columns, std::vector<float>& out) {
  float* o = out.data();
  for (const Span& span : columns) {
    float r = 0, g = 0, b = 0, a = 0;
    const std::uint8_t* p = row + static_cast<std::size_t>(span.first) * 4;
    for (float w : span.weights) {
      const float wa = w * p[3];
      r += wa * p[0];
      g += wa * p[1];
      b += wa * p[2];
      a += wa;
      p += 4;
    }
    *o++ = r;
    *o++ = g;
    *o++ = b;
    *o++ = a;
  }
}

}  // namespace

Image ReduceImage(const Image& image, int width, int height) {
  width = std::min(width, image.width);
  height = std::min(height, image.height);
  if (width <= 0 || height <= 0 || (width == image.width && height == image.height) ||
      image.rgba.size() != std::size_t(image.width) * std::size_t(image.height) * 4)
    return image;
  const std::vector<Span> columns = Spans(image.width, width);
  const std::vector<Span> rows = Spans(image.height, height);
  Image out{width, height, std::vector<std::uint8_t>(std::size_t(width) * std::size_t(height) * 4)};
  const std::size_t n = std::size_t(width) * 4;
  std::vector<float> across(n), sum(n);
  const std::size_t stride = std::size_t(image.width) * 4;
  for (int y = 0; y < height; ++y) {
    const Span& span = rows[static_cast<std::size_t>(y)];
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (std::size_t k = 0; k < span.weights.size(); ++k) {
      ReduceRow(image.rgba.data() + (std::size_t(span.first) + k) * stride, columns, across);
      const float w = span.weights[k];
      for (std::size_t i = 0; i < n; ++i) sum[i] += w * across[i];
    }
    std::uint8_t* o = out.rgba.data() + std::size_t(y) * n;
    for (std::size_t i = 0; i < n; i += 4) {
      const float a = sum[i + 3];
      // a is the mean alpha (0-255); the colours are alpha-weighted means.
      const float inv = a > 0 ? 1.0f / a : 0.0f;
      o[i] = Byte(sum[i] * inv);
      o[i + 1] = Byte(sum[i + 1] * inv);
      o[i + 2] = Byte(sum[i + 2] * inv);
      o[i + 3] = Byte(a);
    }
  }
  return out;
}

}  // namespace platform
