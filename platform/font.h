// Text faces for drawing: a face name is resolved through fontconfig (metric stand-ins
// count: Arial -> Liberation Sans, Courier New -> Liberation Mono; an unknown face
// becomes "System", a fixed bold sans face), opened with SDL2_ttf at the largest size
// whose line height is not above the pixel height asked for, and rendered one
// Windows-1252 byte at a time.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

constexpr int kMaxFontPixelHeight = 2048;  // taller requests get this height

struct FontRequest {
  std::string face;
  int pixelHeight = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

struct GlyphBitmap {
  int width = 0;
  int height = 0;
  int offsetX = 0;  // from the pen position
  int offsetY = 0;  // from the line top
  int advance = 0;
  std::vector<std::uint8_t> alpha;  // coverage 0-255, row-major, width * height
};

class Font {
 public:
  // nullptr only when no font file at all can be opened (or pixelHeight < 1).
  static std::unique_ptr<Font> Open(const FontRequest& request);
  ~Font();
  Font(Font&&) noexcept;
  Font& operator=(Font&&) noexcept;
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  int LineHeight() const { return lineHeight_; }
  int Ascent() const { return ascent_; }
  int PointSize() const { return pointSize_; }
  // Advance of each Windows-1252 byte; 0 for bytes without a glyph.
  const std::array<int, 256>& AdvanceWidths() const { return advances_; }
  // Empty bitmap (advance 0) for bytes without a glyph.
  GlyphBitmap RenderGlyph(unsigned char byte) const;
  const std::string& ResolvedFile() const { return file_; }

 private:
  Font() = default;
  void* ttf_ = nullptr;  // TTF_Font, reading from fileBytes_
  std::shared_ptr<const std::string> fileBytes_;
  std::string file_;
  int lineHeight_ = 0;
  int ascent_ = 0;
  int pointSize_ = 0;
  std::array<int, 256> advances_{};
};

// The font file for a face through fontconfig: the exact family when installed, else
// its metric stand-in, else the "System" face (DejaVu Sans Bold). Empty when fontconfig
// finds nothing at all.
std::string ResolveFontFile(const std::string& face, bool bold, bool italic);

// Windows-1252 bytes with no character: they draw nothing and take no room.
bool ByteHasGlyph(unsigned char byte);

}  // namespace platform
