#include <gtest/gtest.h>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <random>

#include "jpeg_file.h"
#include "platform/image.h"
#include "temp_dir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

platform::Image Gradient(int w, int h) {
  platform::Image img;
  img.width = w;
  img.height = h;
  img.rgba.resize(static_cast<std::size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &img.rgba[(static_cast<std::size_t>(y) * w + x) * 4];
      p[0] = static_cast<std::uint8_t>(x * 7);
      p[1] = static_cast<std::uint8_t>(y * 13);
      p[2] = static_cast<std::uint8_t>((x + y) * 3);
      p[3] = static_cast<std::uint8_t>(255 - x);
    }
  }
  return img;
}

std::array<int, 4> Pixel(const platform::Image& img, int x, int y) {
  const std::uint8_t* p = &img.rgba[(static_cast<std::size_t>(y) * img.width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

// An 8 x 8 CMYK JPEG of one colour, written as Adobe does (inverted: 255 = no ink).
Bytes EncodeCmykJpeg(std::array<std::uint8_t, 4> cmyk) {
  return test_jpeg::Encode(8, 8, 4, JCS_CMYK, 100, [&](int, std::uint8_t* row) {
    for (int x = 0; x < 8; ++x) std::memcpy(row + x * 4, cmyk.data(), 4);
  });
}

// Four quadrants: red, green, blue, white, large enough for JPEG blocks.
Bytes EncodeJpeg(int w, int h, bool gray) {
  return test_jpeg::Encode(w, h, gray ? 1 : 3, gray ? JCS_GRAYSCALE : JCS_RGB, 95, [&](int y, std::uint8_t* row) {
    for (int x = 0; x < w; ++x) {
      const int q = (x >= w / 2) + 2 * (y >= h / 2);
      const std::uint8_t rgb[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
      if (gray) {
        row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(q * 80);
      } else {
        std::memcpy(&row[static_cast<std::size_t>(x) * 3], rgb[q], 3);
      }
    }
  });
}

int WriteToVector(GifFileType* gif, const GifByteType* data, int n) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + n);
  return n;
}

// 4-colour GIF whose index is (x + y) % 4; index 3 transparent when asked.
Bytes EncodeGif(int w, int h, bool interlace, bool transparent) {
  Bytes out;
  int err = 0;
  GifFileType* gif = EGifOpen(&out, WriteToVector, &err);
  GifColorType colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
  ColorMapObject* map = GifMakeMapObject(4, colours);
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, w, h, 2, 0, map);
  if (transparent) {
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = 3;
    GifByteType ext[4];
    EGifGCBToExtension(&gcb, ext);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext);
  }
  EGifPutImageDesc(gif, 0, 0, w, h, interlace, nullptr);
  std::vector<GifPixelType> line(static_cast<std::size_t>(w));
  auto rowOf = [&](int y) {
    for (int x = 0; x < w; ++x) line[static_cast<std::size_t>(x)] = static_cast<GifPixelType>((x + y) % 4);
    EGifPutLine(gif, line.data(), w);
  };
  if (interlace) {
    const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int y = start[pass]; y < h; y += step[pass]) rowOf(y);
  } else {
    for (int y = 0; y < h; ++y) rowOf(y);
  }
  EGifCloseFile(gif, &err);
  GifFreeMapObject(map);
  return out;
}

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A DIB header of 40 bytes.
void PutInfoHeader(Bytes& b, int w, int h, int bpp, std::uint32_t compression, std::uint32_t colours = 0) {
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(w));
  Put32(b, static_cast<std::uint32_t>(h));
  Put16(b, 1);
  Put16(b, static_cast<std::uint32_t>(bpp));
  Put32(b, compression);
  Put32(b, 0);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, colours);
  Put32(b, 0);
}

Bytes WithFileHeader(const Bytes& dib, std::uint32_t pixelOffsetInDib) {
  Bytes b = {'B', 'M'};
  Put32(b, static_cast<std::uint32_t>(14 + dib.size()));
  Put32(b, 0);
  Put32(b, 14 + pixelOffsetInDib);
  b.insert(b.end(), dib.begin(), dib.end());
  return b;
}

// 24-bit bottom-up BMP: pixel (x, y) = (x*40, y*40, 100).
Bytes Bmp24(int w, int h) {
  Bytes dib;
  PutInfoHeader(dib, w, h, 24, 0);
  const int stride = (w * 3 + 3) / 4 * 4;
  for (int row = 0; row < h; ++row) {
    const int y = h - 1 - row;
    Bytes line(static_cast<std::size_t>(stride), 0);
    for (int x = 0; x < w; ++x) {
      line[static_cast<std::size_t>(x) * 3 + 0] = 100;
      line[static_cast<std::size_t>(x) * 3 + 1] = static_cast<std::uint8_t>(y * 40);
      line[static_cast<std::size_t>(x) * 3 + 2] = static_cast<std::uint8_t>(x * 40);
    }
    dib.insert(dib.end(), line.begin(), line.end());
  }
  return WithFileHeader(dib, 40);
}

Bytes IcoHeader(std::uint32_t size) {
  Bytes b;
  Put16(b, 0);
  Put16(b, 1);
  Put16(b, 1);
  b.insert(b.end(), {16, 16, 0, 0});
  Put16(b, 1);
  Put16(b, 32);
  Put32(b, size);
  Put32(b, 22);
  return b;
}

// A 16x16 icon of 32 bits without alpha: red, with the mask set on the left half.
Bytes Ico32WithMask() {
  Bytes dib;
  PutInfoHeader(dib, 16, 32, 32, 0);
  for (int i = 0; i < 16 * 16; ++i) dib.insert(dib.end(), {0, 0, 255, 0});
  for (int row = 0; row < 16; ++row) dib.insert(dib.end(), {0xFF, 0x00, 0x00, 0x00});
  Bytes ico = IcoHeader(static_cast<std::uint32_t>(dib.size()));
  ico.insert(ico.end(), dib.begin(), dib.end());
  return ico;
}

void AppendPngBytes(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}

// A PNG written with libpng's full API: any colour type, depth and interlacing.
Bytes WritePng(int w, int h, int colourType, int depth, bool interlace, const std::vector<Bytes>& rows,
               const std::vector<png_color>& palette = {}, const Bytes& trns = {}) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendPngBytes, nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), depth, colourType,
               interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!trns.empty()) png_set_tRNS(png, info, trns.data(), static_cast<int>(trns.size()), nullptr);
  png_write_info(png, info);
  std::vector<png_bytep> pointers;
  for (const Bytes& r : rows) pointers.push_back(const_cast<png_bytep>(r.data()));
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::optional<platform::Image> Decode(const Bytes& b, std::string* error = nullptr) {
  return platform::DecodeImage(b, error);
}

TEST(ImageDecode, PngRoundTripKeepsEveryByte) {
  const platform::Image img = Gradient(37, 21);
  const Bytes png = platform::EncodePng(img);
  ASSERT_FALSE(png.empty());
  std::string error;
  auto back = Decode(png, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->width, 37);
  EXPECT_EQ(back->height, 21);
  EXPECT_EQ(back->rgba, img.rgba);
}

TEST(ImageDecode, PngPaletteGrayDeepAndInterlaced) {
  // Palette with a transparent entry, interlaced, 4 bits per pixel.
  std::vector<Bytes> rows;
  for (int y = 0; y < 9; ++y) {
    Bytes r;
    for (int x = 0; x < 10; x += 2) r.push_back(static_cast<std::uint8_t>(((x + y) % 3) << 4 | ((x + 1 + y) % 3)));
    rows.push_back(r);
  }
  auto pal = Decode(WritePng(10, 9, PNG_COLOR_TYPE_PALETTE, 4, true, rows, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
                             {255, 255, 0}));
  ASSERT_TRUE(pal);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 10; ++x) {
      const std::array<int, 4> want[3] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 0}};
      ASSERT_EQ(Pixel(*pal, x, y), want[(x + y) % 3]) << x << "," << y;
    }
  }
  // 16-bit gray with alpha.
  rows.assign(1, Bytes{0x80, 0x00, 0xFF, 0xFF, 0x20, 0x00, 0x40, 0x00});
  auto gray = Decode(WritePng(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, rows));
  ASSERT_TRUE(gray);
  EXPECT_EQ(Pixel(*gray, 0, 0), (std::array<int, 4>{128, 128, 128, 255}));
  EXPECT_EQ(Pixel(*gray, 1, 0), (std::array<int, 4>{32, 32, 32, 64}));
  // Plain RGB gets an opaque alpha.
  rows.assign(1, Bytes{1, 2, 3});
  auto rgb = Decode(WritePng(1, 1, PNG_COLOR_TYPE_RGB, 8, false, rows));
  ASSERT_TRUE(rgb);
  EXPECT_EQ(Pixel(*rgb, 0, 0), (std::array<int, 4>{1, 2, 3, 255}));
}

TEST(ImageDecode, JpegColourAndGray) {
  auto rgb = Decode(EncodeJpeg(64, 48, false));
  ASSERT_TRUE(rgb);
  EXPECT_EQ(rgb->width, 64);
  EXPECT_EQ(rgb->height, 48);
  auto near = [](std::array<int, 4> p, std::array<int, 4> want) {
    for (int i = 0; i < 4; ++i)
      if (std::abs(p[i] - want[i]) > 12) return false;
    return true;
  };
  EXPECT_TRUE(near(Pixel(*rgb, 5, 5), {255, 0, 0, 255}));
  EXPECT_TRUE(near(Pixel(*rgb, 60, 5), {0, 255, 0, 255}));
  EXPECT_TRUE(near(Pixel(*rgb, 5, 44), {0, 0, 255, 255}));
  EXPECT_TRUE(near(Pixel(*rgb, 60, 44), {255, 255, 255, 255}));
  auto gray = Decode(EncodeJpeg(32, 32, true));
  ASSERT_TRUE(gray);
  EXPECT_TRUE(near(Pixel(*gray, 30, 30), {240, 240, 240, 255}));
  auto cmyk = Decode(EncodeCmykJpeg({255, 0, 0, 255}));  // magenta + yellow ink: red
  ASSERT_TRUE(cmyk);
  EXPECT_TRUE(near(Pixel(*cmyk, 4, 4), {255, 0, 0, 255}));
  cmyk = Decode(EncodeCmykJpeg({255, 255, 255, 0}));  // black ink only
  ASSERT_TRUE(cmyk);
  EXPECT_TRUE(near(Pixel(*cmyk, 4, 4), {0, 0, 0, 255}));
}

TEST(ImageDecode, GifPlainInterlacedAndTransparent) {
  for (bool interlace : {false, true}) {
    auto img = Decode(EncodeGif(13, 11, interlace, true));
    ASSERT_TRUE(img) << interlace;
    EXPECT_EQ(img->width, 13);
    EXPECT_EQ(img->height, 11);
    for (int y = 0; y < 11; ++y) {
      for (int x = 0; x < 13; ++x) {
        const std::array<int, 4> want[4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {0, 0, 0, 0}};
        ASSERT_EQ(Pixel(*img, x, y), want[(x + y) % 4]) << x << "," << y << " interlace " << interlace;
      }
    }
  }
  auto opaque = Decode(EncodeGif(4, 4, false, false));
  ASSERT_TRUE(opaque);
  EXPECT_EQ(Pixel(*opaque, 3, 0), (std::array<int, 4>{9, 9, 9, 255}));
}

TEST(ImageDecode, BmpDepthsAndOrientations) {
  auto b24 = Decode(Bmp24(5, 3));
  ASSERT_TRUE(b24);
  EXPECT_EQ(Pixel(*b24, 0, 0), (std::array<int, 4>{0, 0, 100, 255}));
  EXPECT_EQ(Pixel(*b24, 4, 2), (std::array<int, 4>{160, 80, 100, 255}));

  // 8-bit palette, top-down (negative height), two colours used.
  Bytes dib;
  PutInfoHeader(dib, 3, -2, 8, 0, 2);
  dib.insert(dib.end(), {0, 0, 255, 0, 255, 0, 0, 0});  // palette: red, blue (BGRX)
  dib.insert(dib.end(), {0, 1, 0, 0, 1, 1, 0, 0});      // rows padded to 4 bytes
  auto b8 = Decode(WithFileHeader(dib, 48));
  ASSERT_TRUE(b8);
  EXPECT_EQ(Pixel(*b8, 0, 0), (std::array<int, 4>{255, 0, 0, 255}));
  EXPECT_EQ(Pixel(*b8, 1, 0), (std::array<int, 4>{0, 0, 255, 255}));
  EXPECT_EQ(Pixel(*b8, 0, 1), (std::array<int, 4>{0, 0, 255, 255}));

  // 16-bit 5-6-5 bit fields.
  dib.clear();
  PutInfoHeader(dib, 2, 1, 16, 3);
  Put32(dib, 0xF800);
  Put32(dib, 0x07E0);
  Put32(dib, 0x001F);
  Put16(dib, 0xF800);
  Put16(dib, 0x07E0);
  auto b16 = Decode(WithFileHeader(dib, 52));
  ASSERT_TRUE(b16);
  EXPECT_EQ(Pixel(*b16, 0, 0), (std::array<int, 4>{255, 0, 0, 255}));
  EXPECT_EQ(Pixel(*b16, 1, 0), (std::array<int, 4>{0, 255, 0, 255}));

  // 32-bit plain: the fourth byte is no alpha in a BMP file.
  dib.clear();
  PutInfoHeader(dib, 1, 1, 32, 0);
  dib.insert(dib.end(), {10, 20, 30, 0});
  auto b32 = Decode(WithFileHeader(dib, 40));
  ASSERT_TRUE(b32);
  EXPECT_EQ(Pixel(*b32, 0, 0), (std::array<int, 4>{30, 20, 10, 255}));

  // RLE8: a run of 3 of colour 1, end of line, two literal pixels 0 1, end of bitmap.
  dib.clear();
  PutInfoHeader(dib, 4, 2, 8, 1, 2);
  dib.insert(dib.end(), {0, 0, 0, 0, 255, 255, 255, 0});  // black, white
  dib.insert(dib.end(), {3, 1, 0, 0, 0, 3, 0, 1, 1, 0, 0, 1});
  auto rle = Decode(WithFileHeader(dib, 48));
  ASSERT_TRUE(rle);
  EXPECT_EQ(Pixel(*rle, 0, 1), (std::array<int, 4>{255, 255, 255, 255}));  // bottom row first
  EXPECT_EQ(Pixel(*rle, 3, 1), (std::array<int, 4>{0, 0, 0, 0}));           // not written
  EXPECT_EQ(Pixel(*rle, 0, 0), (std::array<int, 4>{0, 0, 0, 255}));
  EXPECT_EQ(Pixel(*rle, 2, 0), (std::array<int, 4>{255, 255, 255, 255}));
}

TEST(ImageDecode, IconFirstImageWithMaskOrPng) {
  auto ico = Decode(Ico32WithMask());
  ASSERT_TRUE(ico);
  EXPECT_EQ(ico->width, 16);
  EXPECT_EQ(ico->height, 16);  // colour and mask share the header's height
  EXPECT_EQ(Pixel(*ico, 2, 5), (std::array<int, 4>{0, 0, 0, 0}));        // masked
  EXPECT_EQ(Pixel(*ico, 12, 5), (std::array<int, 4>{255, 0, 0, 255}));   // shown

  const Bytes png = platform::EncodePng(Gradient(16, 16));
  Bytes withPng = IcoHeader(static_cast<std::uint32_t>(png.size()));
  withPng.insert(withPng.end(), png.begin(), png.end());
  auto fromPng = Decode(withPng);
  ASSERT_TRUE(fromPng);
  EXPECT_EQ(fromPng->rgba, Gradient(16, 16).rgba);

  Bytes cursor = Ico32WithMask();
  cursor[2] = 2;  // a cursor file, not an icon
  EXPECT_FALSE(Decode(cursor));
}

TEST(ImageDecode, ColourKeyClearsExactlyTheKeyColour) {
  platform::Image img;
  img.width = 5;
  img.height = 1;
  img.rgba = {0, 0, 0, 255, 1, 0, 0, 255, 255, 0, 255, 255, 255, 0, 255, 128, 0, 0, 0, 96};
  platform::Image keyedBlack = img;
  platform::ApplyColourKey(keyedBlack, 0);  // the default Transparent_color: black goes
  EXPECT_EQ(Pixel(keyedBlack, 0, 0), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(Pixel(keyedBlack, 1, 0), (std::array<int, 4>{1, 0, 0, 255}));  // nearly black stays
  EXPECT_EQ(Pixel(keyedBlack, 4, 0), (std::array<int, 4>{0, 0, 0, 96}));   // a soft shadow stays
  platform::Image keyedMagenta = img;
  platform::ApplyColourKey(keyedMagenta, 0xFF00FF);
  EXPECT_EQ(Pixel(keyedMagenta, 0, 0), (std::array<int, 4>{0, 0, 0, 255}));
  EXPECT_EQ(Pixel(keyedMagenta, 2, 0)[3], 0);
  EXPECT_EQ(Pixel(keyedMagenta, 3, 0), (std::array<int, 4>{255, 0, 255, 128}));  // not opaque: kept
}

TEST(ImageDecode, RefusesWithAReason) {
  std::string error;
  EXPECT_FALSE(platform::LoadImageFile("/nonexistent/picture.png", &error));
  EXPECT_EQ(error, "missing");
  TempDir dir;
  EXPECT_FALSE(platform::LoadImageFile(dir.Write("text.png", "just text"), &error));
  EXPECT_EQ(error, "unknown picture format");
  // A file decodes by content, whatever its extension says.
  auto loaded = platform::LoadImageFile(dir.Write("really-a-gif.jpg", [] {
    Bytes g = EncodeGif(3, 3, false, false);
    return std::string(g.begin(), g.end());
  }()));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->width, 3);
  EXPECT_FALSE(Decode({}, &error));
  EXPECT_FALSE(error.empty());
}

TEST(ImageDecode, HugeDeclaredSizesAreRefusedBeforeDecoding) {
  std::string error;
  // PNG: patch the IHDR size (the CRC then fails, so also a valid CRC is computed).
  Bytes png = platform::EncodePng(Gradient(4, 4));
  auto setBe = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) png[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
  };
  setBe(16, 60000);
  setBe(20, 60000);
  setBe(29, static_cast<std::uint32_t>(crc32(0, &png[12], 17)));
  EXPECT_FALSE(Decode(png, &error));
  EXPECT_FALSE(error.empty());
  setBe(16, 8000);
  setBe(20, 8000);
  setBe(29, static_cast<std::uint32_t>(crc32(0, &png[12], 17)));
  EXPECT_FALSE(Decode(png, &error));  // allowed size, but far more than the data can hold
  EXPECT_NE(error.find("short"), std::string::npos) << error;

  // BMP claiming 20000 x 20000.
  Bytes dib;
  PutInfoHeader(dib, 20000, 20000, 24, 0);
  EXPECT_FALSE(Decode(WithFileHeader(dib, 40), &error));
  // BMP of an allowed size with too little data.
  dib.clear();
  PutInfoHeader(dib, 1000, 1000, 24, 0);
  dib.resize(dib.size() + 100);
  EXPECT_FALSE(Decode(WithFileHeader(dib, 40), &error));

  // GIF with a 65535 x 65535 image.
  Bytes gif = EncodeGif(4, 4, false, false);
  gif[6] = gif[7] = gif[8] = gif[9] = 0xFF;
  EXPECT_FALSE(Decode(gif, &error));

  // JPEG whose frame header claims 65500 x 65500.
  Bytes jpg = EncodeJpeg(16, 16, false);
  for (std::size_t i = 0; i + 8 < jpg.size(); ++i) {
    if (jpg[i] == 0xFF && jpg[i + 1] == 0xC0) {
      jpg[i + 5] = jpg[i + 7] = 0xFF;
      jpg[i + 6] = jpg[i + 8] = 0xDC;
      break;
    }
  }
  EXPECT_FALSE(Decode(jpg, &error));
}

// Mutates real encoded samples: truncations, flipped bits, overwritten bytes and
// inflated size fields. Nothing may crash, hang or allocate absurdly; what decodes
// must be consistent.
TEST(ImageDecode, SurvivesMutatedSamples) {
  std::vector<Bytes> samples = {platform::EncodePng(Gradient(20, 10)),
                                WritePng(5, 5, PNG_COLOR_TYPE_PALETTE, 8, true, std::vector<Bytes>(5, Bytes(5, 1)),
                                         {{1, 2, 3}, {4, 5, 6}}, {0}),
                                EncodeJpeg(24, 16, false),
                                EncodeJpeg(16, 8, true), EncodeGif(9, 7, true, true), Bmp24(6, 5),
                                Ico32WithMask()};
  std::mt19937 rng(2024);
  int decoded = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes b = samples[static_cast<std::size_t>(round) % samples.size()];
    switch (rng() % 4) {
      case 0:
        b.resize(rng() % (b.size() + 1));
        break;
      case 1:
        for (int k = 0; k < 1 + static_cast<int>(rng() % 8); ++k) b[rng() % b.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
        break;
      case 2:
        for (int k = 0; k < 1 + static_cast<int>(rng() % 4); ++k) b[rng() % b.size()] = static_cast<std::uint8_t>(rng());
        break;
      default:  // the size fields sit in the first 32 bytes of every format
        for (int k = 0; k < 2; ++k) b[rng() % std::min<std::size_t>(32, b.size())] = 0xFF;
        break;
    }
    std::string error;
    auto img = Decode(b, &error);
    if (img) {
      ++decoded;
      ASSERT_GT(img->width, 0);
      ASSERT_GT(img->height, 0);
      ASSERT_EQ(img->rgba.size(), static_cast<std::size_t>(img->width) * img->height * 4);
    } else {
      ASSERT_FALSE(error.empty());
    }
  }
  EXPECT_GT(decoded, 100);  // the mutations still leave decodable pictures
}

}  // namespace
