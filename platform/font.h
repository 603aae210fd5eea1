// Text faces for drawing: a face name is resolved through fontconfig (metric stand-ins
// count: Arial -> Liberation Sans, Courier New -> Liberation Mono; an unknown face
// becomes "System", a fixed bold sans face), opened with SDL2_ttf at the largest size
// whose line height is not above the pixel height asked for, and rendered one code point
// at a time. A code point the face lacks is drawn from the first face fontconfig offers
// as its fallback that has it (Japanese, Chinese, Korean...), at the same height and on
// the same baseline.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
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
  // Advance of the code points U+0000-U+00FF; 0 for those without a glyph.
  const std::array<int, 256>& AdvanceWidths() const { return advances_; }
  // Advance of any code point, from the face that draws it; 0 when no face has it.
  int Advance(char32_t cp) const;
  // Empty bitmap (advance 0) for code points no face has.
  GlyphBitmap RenderGlyph(char32_t cp) const;
  const std::string& ResolvedFile() const { return file_; }

 private:
  Font() = default;
  // The face that draws a code point: -1 this font's own, k >= 0 fallback k, -2 none.
  struct Source {
    int face = -2;
    int advance = 0;
  };
  const Source& SourceOf(char32_t cp) const;
  void* FallbackTtf(std::size_t k) const;
  void Close();

  void* ttf_ = nullptr;  // TTF_Font, reading from fileBytes_
  std::shared_ptr<const std::string> fileBytes_;
  std::string file_;
  int lineHeight_ = 0;
  int ascent_ = 0;
  int pointSize_ = 0;
  std::array<int, 256> advances_{};
  // Asked for again at every fallback face opened.
  int pixelHeight_ = 0;
  int style_ = 0;
  std::string fallbackKey_;
  // Opened the first time one of their code points is met (TTF_Font, or nullptr).
  mutable std::vector<void*> fallbackTtf_;
  mutable std::vector<bool> fallbackTried_;
  mutable std::unordered_map<char32_t, Source> sources_;
};

// The font file for a face through fontconfig: the exact family when installed, else
// its metric stand-in, else the "System" face (DejaVu Sans Bold). Empty when fontconfig
// finds nothing at all.
std::string ResolveFontFile(const std::string& face, bool bold, bool italic);

// Control characters (C0, DEL, C1) and surrogates: they draw nothing and take no room.
bool IsDrawableCodePoint(char32_t cp);

}  // namespace platform
