// Area-average reduction of a decoded picture. A renderer shrinking a picture at draw
// time samples 2 x 2 texels per pixel and drops the rest; averaging the whole covered
// area once at load shows every source pixel and costs nothing per frame.
#include "platform/image.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace platform {

// One output column (or row): the source pixels it covers and how much of each.
struct ReduceSpan {
  int first = 0;
  std::vector<float> weights;  // of first, first + 1, ...; they add up to 1
};

namespace {


std::vector<ReduceSpan> Spans(int from, int to) {
  std::vector<ReduceSpan> spans(static_cast<std::size_t>(to));
  const double scale = double(from) / double(to);
  for (int o = 0; o < to; ++o) {
    const double a = o * scale, b = std::min(double(from), (o + 1) * scale);
    ReduceSpan& span = spans[static_cast<std::size_t>(o)];
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
void ReduceRow(const std::uint8_t* row, const std::vector<ReduceSpan>& columns, std::vector<float>& out) {
  float* o = out.data();
  for (const ReduceSpan& span : columns) {
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

RowReducer::RowReducer(ImageSize from, ImageSize to)
    : from_(from), to_({std::min(to.width, from.width), std::min(to.height, from.height)}) {
  if (to_.width <= 0 || to_.height <= 0) to_ = from_;
  columns_ = std::make_shared<std::vector<ReduceSpan>>(Spans(from_.width, to_.width));
  rows_ = std::make_shared<std::vector<ReduceSpan>>(Spans(from_.height, to_.height));
  const std::size_t n = std::size_t(to_.width) * 4;
  across_.resize(n);
  sums_[0].assign(n, 0.0f);
  sums_[1].assign(n, 0.0f);
  out_ = {to_.width, to_.height, std::vector<std::uint8_t>(n * std::size_t(to_.height))};
}

RowReducer::~RowReducer() = default;

void RowReducer::AddRow(const std::uint8_t* rgba) {
  if (next_ >= from_.height) return;
  const int y = next_++;
  ReduceRow(rgba, *columns_, across_);
  const std::vector<ReduceSpan>& rows = *rows_;
  // Reducing, a source row falls in at most two output rows, the current one and the next.
  for (int o = done_; o < to_.height && rows[std::size_t(o)].first <= y; ++o) {
    const ReduceSpan& span = rows[std::size_t(o)];
    const std::size_t k = std::size_t(y - span.first);
    if (k >= span.weights.size()) continue;
    std::vector<float>& sum = sums_[o % 2];
    const float w = span.weights[k];
    for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += w * across_[i];
    if (k + 1 == span.weights.size()) Finish(o);
  }
}

void RowReducer::Finish(int row) {
  std::vector<float>& sum = sums_[row % 2];
  std::uint8_t* o = out_.rgba.data() + std::size_t(row) * sum.size();
  for (std::size_t i = 0; i < sum.size(); i += 4) {
    const float a = sum[i + 3];
    // a is the mean alpha (0-255); the colours are alpha-weighted means.
    const float inv = a > 0 ? 1.0f / a : 0.0f;
    o[i] = Byte(sum[i] * inv);
    o[i + 1] = Byte(sum[i + 1] * inv);
    o[i + 2] = Byte(sum[i + 2] * inv);
    o[i + 3] = Byte(a);
  }
  std::fill(sum.begin(), sum.end(), 0.0f);
  done_ = row + 1;
}

Image RowReducer::Take() { return std::move(out_); }

Image ReduceImage(const Image& image, int width, int height) {
  width = std::min(width, image.width);
  height = std::min(height, image.height);
  if (width <= 0 || height <= 0 || (width == image.width && height == image.height) ||
      image.rgba.size() != std::size_t(image.width) * std::size_t(image.height) * 4)
    return image;
  RowReducer reducer({image.width, image.height}, {width, height});
  const std::size_t stride = std::size_t(image.width) * 4;
  for (int y = 0; y < image.height; ++y) reducer.AddRow(image.rgba.data() + std::size_t(y) * stride);
  return reducer.Take();
}

}  // namespace platform
