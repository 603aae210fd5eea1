// Picture files the picture-size and budget tests write: PNG through the platform's
// encoder, JPEG through libjpeg (the program itself never writes one).
#pragma once

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
#include <string>
#include <vector>

#include "platform/image.h"

namespace render_test {

inline std::string JpegOf(const platform::Image& image) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = static_cast<JDIMENSION>(image.width);
  c.image_height = static_cast<JDIMENSION>(image.height);
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 95, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width) * 3);
  while (c.next_scanline < c.image_height) {
    const std::uint8_t* in = image.rgba.data() + std::size_t(c.next_scanline) * std::size_t(image.width) * 4;
    for (int x = 0; x < image.width; ++x)
      for (int k = 0; k < 3; ++k) row[std::size_t(x) * 3 + std::size_t(k)] = in[std::size_t(x) * 4 + std::size_t(k)];
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::string bytes(reinterpret_cast<const char*>(out), size);
  std::free(out);
  return bytes;
}

inline std::string PngOf(const platform::Image& image) {
  const std::vector<std::uint8_t> png = platform::EncodePng(image);
  return std::string(png.begin(), png.end());
}

}  // namespace render_test
