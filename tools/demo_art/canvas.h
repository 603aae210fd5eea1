// A small RGBA drawing surface for the generated demo pictures.
#pragma once

#include <cstdint>
#include <string>

#include "platform/font.h"
#include "platform/image.h"

struct Rgba {
  int r = 0, g = 0, b = 0, a = 255;
};

Rgba Mix(Rgba a, Rgba b, double t);

class Canvas {
 public:
  Canvas(int width, int height, Rgba fill = {0, 0, 0, 0});
  int Width() const { return image_.width; }
  int Height() const { return image_.height; }

  void Set(int x, int y, Rgba c);      // replaces the pixel
  void Blend(int x, int y, Rgba c);    // draws over it
  void FillRect(int x, int y, int w, int h, Rgba c);   // replaces
  void BlendRect(int x, int y, int w, int h, Rgba c);  // draws over
  void VerticalGradient(int x, int y, int w, int h, Rgba top, Rgba bottom);
  void HorizontalGradient(int x, int y, int w, int h, Rgba left, Rgba right);
  // A rounded panel drawn over the picture, with a border of `border` pixels.
  void RoundedPanel(int x, int y, int w, int h, int radius, Rgba fill, Rgba edge, int border);
  void Disc(double cx, double cy, double radius, Rgba c);
  // Text with its top-left corner at (x, y); returns its width.
  int Text(const platform::Font& font, const std::string& text, int x, int y, Rgba c);
  static int TextWidth(const platform::Font& font, const std::string& text);

  bool SavePng(const std::string& path) const;
  const platform::Image& image() const { return image_; }

 private:
  platform::Image image_;
};
