#include "platform/font.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>
#include <utility>

#include "platform/files.h"

#include "platform/text.h"

namespace platform {
namespace {

// The face that stands for "System" and for every face nobody has: fixed, bold, sans.
constexpr const char* kSystemFamily = "DejaVu Sans";
// A family no system has: what fontconfig answers for it is its fallback, so a face
// whose answer equals that one is unknown rather than aliased.
constexpr const char* kBogusFamily = "Orvanel-No-Such-Face-5f3c9";

struct ResolvedFace {
  std::string file;
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
};

bool EnsureFontconfig() {
  static const bool ready = FcInit() == FcTrue;
  return ready;
}

bool FamilyInstalled(const std::string& family) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, nullptr);
  FcFontSet* set = FcFontList(nullptr, pattern, objects);
  const bool found = set && set->nfont > 0;
  if (set) FcFontSetDestroy(set);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return found;
}

ResolvedFace Match(const std::string& family, bool bold, bool italic) {
  ResolvedFace face;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  if (match) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
      face.file = reinterpret_cast<const char*>(file);
    }
    FcPatternGetInteger(match, FC_WEIGHT, 0, &face.weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &face.slant);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return face;
}

ResolvedFace ResolveFaceUncached(const std::string& face, bool bold, bool italic) {
  if (!EnsureFontconfig()) return {};
  const std::string family(TrimBlanks(face));
  if (family.empty() || EqualsNoCase(family, "System")) return Match(kSystemFamily, true, italic);
  if (FamilyInstalled(family)) return Match(family, bold, italic);
  // Not installed: a metric stand-in (Arial -> Liberation Sans) answers differently
  // from a name nobody has; a face nobody stands in for becomes "System".
  const ResolvedFace asked = Match(family, false, false);
  const ResolvedFace bogus = Match(kBogusFamily, false, false);
  if (asked.file.empty() || asked.file == bogus.file) return Match(kSystemFamily, true, italic);
  return Match(family, bold, italic);
}

// Fontconfig answers in milliseconds and a template asks for the same faces again and
// again (every template load, every device reset).
ResolvedFace ResolveFace(const std::string& face, bool bold, bool italic) {
  static std::map<std::string, ResolvedFace> cache;
  const std::string key = ToLowerCopy(face) + (bold ? "|b" : "|") + (italic ? "i" : "");
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, ResolveFaceUncached(face, bold, italic)).first;
  return it->second;
}

// Font files are read once and kept: FreeType then reads glyphs from memory instead
// of seeking through the file for each one.
std::shared_ptr<const std::string> FontFileBytes(const std::string& path) {
  static std::map<std::string, std::shared_ptr<const std::string>> cache;
  auto it = cache.find(path);
  if (it != cache.end()) return it->second;
  auto bytes = ReadWholeFile(path, std::size_t(64) << 20);
  if (!bytes || bytes->empty()) return nullptr;
  auto shared = std::make_shared<const std::string>(std::move(*bytes));
  cache.emplace(path, shared);
  return shared;
}

TTF_Font* OpenFromMemory(const std::shared_ptr<const std::string>& bytes, int pointSize) {
  if (!bytes) return nullptr;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size()));
  return rw ? TTF_OpenFontRW(rw, 1, pointSize) : nullptr;
}

bool EnsureTtf() {
  static const bool ready = TTF_WasInit() > 0 || TTF_Init() == 0;
  return ready;
}

// The largest point size whose line height is not above the pixel height asked for
// (at least 1 point).
int ChoosePointSize(TTF_Font* font, int pixelHeight) {
  auto heightAt = [font](int pt) {
    return TTF_SetFontSize(font, pt) == 0 ? TTF_FontHeight(font) : 1 << 30;
  };
  int lo = 1, hi = std::max(2, pixelHeight * 2);
  if (heightAt(lo) > pixelHeight) return lo;
  while (heightAt(hi) <= pixelHeight && hi < (1 << 20)) hi *= 2;
  while (hi - lo > 1) {  // heightAt(lo) <= pixelHeight < heightAt(hi)
    const int mid = lo + (hi - lo) / 2;
    (heightAt(mid) <= pixelHeight ? lo : hi) = mid;
  }
  return lo;
}

}  // namespace

bool ByteHasGlyph(unsigned char byte) {
  if (byte < 0x20) return false;
  switch (byte) {
    case 0x7F: case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D:
      return false;
    default:
      return true;
  }
}

std::string ResolveFontFile(const std::string& face, bool bold, bool italic) {
  return ResolveFace(face, bold, italic).file;
}

std::unique_ptr<Font> Font::Open(const FontRequest& request) {
  if (request.pixelHeight < 1 || !EnsureTtf()) return nullptr;
  // A layout may ask for any height; glyphs taller than any screen would only exhaust memory.
  const int pixelHeight = std::min(request.pixelHeight, kMaxFontPixelHeight);
  ResolvedFace face = ResolveFace(request.face, request.bold, request.italic);
  std::shared_ptr<const std::string> bytes = face.file.empty() ? nullptr : FontFileBytes(face.file);
  TTF_Font* ttf = OpenFromMemory(bytes, pixelHeight);
  if (!ttf) {  // the resolved file is unreadable: fall back to the fixed face
    face = ResolveFace("System", true, request.italic);
    bytes = face.file.empty() ? nullptr : FontFileBytes(face.file);
    ttf = OpenFromMemory(bytes, pixelHeight);
  }
  if (!ttf) return nullptr;
  std::unique_ptr<Font> font(new Font());
  font->ttf_ = ttf;
  font->fileBytes_ = std::move(bytes);
  font->file_ = face.file;
  int style = TTF_STYLE_NORMAL;
  // Faces without a bold or italic file get the style drawn for them.
  if (request.bold && face.weight < FC_WEIGHT_DEMIBOLD) style |= TTF_STYLE_BOLD;
  if (request.italic && face.slant == FC_SLANT_ROMAN) style |= TTF_STYLE_ITALIC;
  if (request.underline) style |= TTF_STYLE_UNDERLINE;
  TTF_SetFontStyle(ttf, style);
  font->pointSize_ = ChoosePointSize(ttf, pixelHeight);
  TTF_SetFontSize(ttf, font->pointSize_);
  font->lineHeight_ = TTF_FontHeight(ttf);
  font->ascent_ = TTF_FontAscent(ttf);
  for (int b = 0; b < 256; ++b) {
    int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
    const auto byte = static_cast<unsigned char>(b);
    if (ByteHasGlyph(byte) &&
        TTF_GlyphMetrics32(ttf, Cp1252ToUnicode(byte), &minx, &maxx, &miny, &maxy, &advance) == 0) {
      font->advances_[static_cast<std::size_t>(b)] = advance;
    }
  }
  return font;
}

Font::~Font() {
  if (ttf_) TTF_CloseFont(static_cast<TTF_Font*>(ttf_));
}

Font::Font(Font&& other) noexcept { *this = std::move(other); }

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    if (ttf_) TTF_CloseFont(static_cast<TTF_Font*>(ttf_));
    ttf_ = std::exchange(other.ttf_, nullptr);
    fileBytes_ = std::move(other.fileBytes_);
    file_ = std::move(other.file_);
    lineHeight_ = other.lineHeight_;
    ascent_ = other.ascent_;
    pointSize_ = other.pointSize_;
    advances_ = other.advances_;
  }
  return *this;
}

GlyphBitmap Font::RenderGlyph(unsigned char byte) const {
  GlyphBitmap glyph;
  if (!ttf_ || !ByteHasGlyph(byte)) return glyph;
  auto* ttf = static_cast<TTF_Font*>(ttf_);
  const Uint32 cp = Cp1252ToUnicode(byte);
  int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
  if (TTF_GlyphMetrics32(ttf, cp, &minx, &maxx, &miny, &maxy, &advance) != 0) return glyph;
  glyph.advance = advance;
  SDL_Surface* rendered = TTF_RenderGlyph32_Blended(ttf, cp, SDL_Color{255, 255, 255, 255});
  if (!rendered) return glyph;
  SDL_Surface* surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (!surface) return glyph;
  if (SDL_LockSurface(surface) == 0) {
    glyph.width = surface->w;
    glyph.height = surface->h;
    glyph.offsetX = minx < 0 ? minx : 0;  // the renderer starts the surface at the glyph's left bearing
    glyph.offsetY = 0;
    glyph.alpha.resize(static_cast<std::size_t>(surface->w) * surface->h);
    for (int y = 0; y < surface->h; ++y) {
      const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
      for (int x = 0; x < surface->w; ++x) {
        glyph.alpha[static_cast<std::size_t>(y) * surface->w + x] = static_cast<std::uint8_t>(row[x] >> 24);
      }
    }
    SDL_UnlockSurface(surface);
  }
  SDL_FreeSurface(surface);
  return glyph;
}

}  // namespace platform
