#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/files.h"
#include "platform/utf8.h"

Rgba Mix(Rgba a, Rgba b, double t) {
  auto m = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Canvas::Canvas(int width, int height, Rgba fill) {
  image_.width = width;
  image_.height = height;
  image_.rgba.resize(static_cast<std::size_t>(width) * height * 4);
  FillRect(0, 0, width, height, fill);
}

void Canvas::Set(int x, int y, Rgba c) {
  if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) return;
  std::uint8_t* p = &image_.rgba[(static_cast<std::size_t>(y) * image_.width + x) * 4];
  p[0] = static_cast<std::uint8_t>(std::clamp(c.r, 0, 255));
  p[1] = static_cast<std::uint8_t>(std::clamp(c.g, 0, 255));
  p[2] = static_cast<std::uint8_t>(std::clamp(c.b, 0, 255));
  p[3] = static_cast<std::uint8_t>(std::clamp(c.a, 0, 255));
}

void Canvas::Blend(int x, int y, Rgba c) {
  if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) return;
  std::uint8_t* p = &image_.rgba[(static_cast<std::size_t>(y) * image_.width + x) * 4];
  const double a = std::clamp(c.a, 0, 255) / 255.0;
  const double under = p[3] / 255.0;
  const double out = a + under * (1 - a);
  if (out <= 0) return;
  auto ch = [&](int src, std::uint8_t dst) {
    return static_cast<std::uint8_t>(std::lround((src * a + dst * under * (1 - a)) / out));
  };
  p[0] = ch(c.r, p[0]);
  p[1] = ch(c.g, p[1]);
  p[2] = ch(c.b, p[2]);
  p[3] = static_cast<std::uint8_t>(std::lround(out * 255));
}

void Canvas::FillRect(int x, int y, int w, int h, Rgba c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Canvas::BlendRect(int x, int y, int w, int h, Rgba c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Blend(i, j, c);
}

void Canvas::VerticalGradient(int x, int y, int w, int h, Rgba top, Rgba bottom) {
  for (int j = 0; j < h; ++j) {
    const Rgba c = Mix(top, bottom, h > 1 ? j / double(h - 1) : 0);
    for (int i = 0; i < w; ++i) Set(x + i, y + j, c);
  }
}

void Canvas::HorizontalGradient(int x, int y, int w, int h, Rgba left, Rgba right) {
  for (int i = 0; i < w; ++i) {
    const Rgba c = Mix(left, right, w > 1 ? i / double(w - 1) : 0);
    for (int j = 0; j < h; ++j) Set(x + i, y + j, c);
  }
}

void Canvas::RoundedPanel(int x, int y, int w, int h, int radius, Rgba fill, Rgba edge, int border) {
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      // Distance outside the rounded rectangle's inner core.
      const double dx = std::max({radius - i - 0.5, i + 0.5 - (w - radius), 0.0});
      const double dy = std::max({radius - j - 0.5, j + 0.5 - (h - radius), 0.0});
      const double d = std::hypot(dx, dy);
      if (d > radius) continue;
      const double coverage = std::clamp(radius - d + 0.5, 0.0, 1.0);
      const bool onEdge = d > radius - border || i < border || j < border || i >= w - border || j >= h - border;
      Rgba c = onEdge ? edge : fill;
      c.a = static_cast<int>(c.a * coverage);
      Blend(x + i, y + j, c);
    }
  }
}

void Canvas::Disc(double cx, double cy, double radius, Rgba c) {
  for (int j = static_cast<int>(cy - radius - 1); j <= cy + radius + 1; ++j) {
    for (int i = static_cast<int>(cx - radius - 1); i <= cx + radius + 1; ++i) {
      const double d = std::hypot(i + 0.5 - cx, j + 0.5 - cy);
      const double coverage = std::clamp(radius - d + 0.5, 0.0, 1.0);
      if (coverage <= 0) continue;
      Rgba k = c;
      k.a = static_cast<int>(c.a * coverage);
      Blend(i, j, k);
    }
  }
}

int Canvas::TextWidth(const platform::Font& font, const std::string& text) {
  int w = 0;
  for (std::size_t i = 0; i < text.size();) w += font.Advance(platform::NextCodePoint(text, i));
  return w;
}

int Canvas::Text(const platform::Font& font, const std::string& text, int x, int y, Rgba c) {
  int pen = x;
  for (std::size_t k = 0; k < text.size();) {
    const platform::GlyphBitmap g = font.RenderGlyph(platform::NextCodePoint(text, k));
    for (int j = 0; j < g.height; ++j) {
      for (int i = 0; i < g.width; ++i) {
        const int coverage = g.alpha[static_cast<std::size_t>(j) * g.width + i];
        if (coverage == 0) continue;
        Blend(pen + g.offsetX + i, y + g.offsetY + j, {c.r, c.g, c.b, c.a * coverage / 255});
      }
    }
    pen += g.advance;
  }
  return pen - x;
}

bool Canvas::SavePng(const std::string& path) const {
  const auto png = platform::EncodePng(image_);
  return !png.empty() && platform::WriteFileAtomically(path, std::string(png.begin(), png.end()));
}
