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

TTF_Font* OpenFromMemory(const std::shared_ptr<const std::string>& bytes, int pointSize, long index = 0) {
  if (!bytes) return nullptr;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size()));
  return rw ? TTF_OpenFontIndexRW(rw, 1, pointSize, index) : nullptr;
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

struct FallbackFace {
  std::string file;
  int index = 0;              // the face within a collection file (.ttc)
  FcCharSet* charset = nullptr;  // the code points it has; kept for the program's life
};

// The faces fontconfig offers for a family in its order of preference, each kept only
// when it adds code points to those before it: worked out once per family.
const std::vector<FallbackFace>& FallbackFaces(const std::string& family) {
  static std::map<std::string, std::vector<FallbackFace>> cache;
  auto it = cache.find(family);
  if (it != cache.end()) return it->second;
  std::vector<FallbackFace> faces;
  if (EnsureFontconfig()) {
    FcPattern* pattern = FcPatternCreate();
    if (!family.empty())
      FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcFontSet* set = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result)) {
      for (int i = 0; i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        FcCharSet* charset = nullptr;
        int index = 0;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch || !file) continue;
        if (FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch || !charset) continue;
        FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index);
        faces.push_back({reinterpret_cast<const char*>(file), index, FcCharSetCopy(charset)});
      }
      FcFontSetDestroy(set);
    }
    FcPatternDestroy(pattern);
  }
  return cache.emplace(family, std::move(faces)).first->second;
}

}  // namespace

bool IsDrawableCodePoint(char32_t cp) {
  if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) return false;
  return !(cp >= 0xD800 && cp <= 0xDFFF) && cp <= 0x10FFFF;
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
  font->pixelHeight_ = pixelHeight;
  // Fallback faces are regular ones: the style asked for is drawn for them.
  font->style_ = (request.bold ? TTF_STYLE_BOLD : 0) | (request.italic ? TTF_STYLE_ITALIC : 0) |
                 (request.underline ? TTF_STYLE_UNDERLINE : 0);
  const std::string_view family = TrimBlanks(request.face);
  font->fallbackKey_ = family.empty() || EqualsNoCase(family, "System") ? kSystemFamily : ToLowerCopy(family);
  for (char32_t cp = 0; cp < 256; ++cp) font->advances_[cp] = font->SourceOf(cp).advance;
  return font;
}

void* Font::FallbackTtf(std::size_t k) const {
  const auto& faces = FallbackFaces(fallbackKey_);
  if (fallbackTtf_.size() < faces.size()) {
    fallbackTtf_.resize(faces.size(), nullptr);
    fallbackTried_.resize(faces.size(), false);
  }
  if (k >= faces.size()) return nullptr;
  if (!fallbackTried_[k]) {
    fallbackTried_[k] = true;
    TTF_Font* ttf = OpenFromMemory(FontFileBytes(faces[k].file), pixelHeight_, faces[k].index);
    if (ttf) {
      TTF_SetFontStyle(ttf, style_);
      TTF_SetFontSize(ttf, ChoosePointSize(ttf, pixelHeight_));
    }
    fallbackTtf_[k] = ttf;
  }
  return fallbackTtf_[k];
}

const Font::Source& Font::SourceOf(char32_t cp) const {
  auto it = sources_.find(cp);
  if (it != sources_.end()) return it->second;
  Source source;
  int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
  auto has = [&](void* face) {
    auto* ttf = static_cast<TTF_Font*>(face);
    return ttf && TTF_GlyphIsProvided32(ttf, cp) &&
           TTF_GlyphMetrics32(ttf, cp, &minx, &maxx, &miny, &maxy, &advance) == 0;
  };
  if (!IsDrawableCodePoint(cp)) {
    // nothing draws it
  } else if (has(ttf_)) {
    source = {-1, advance};
  } else {
    const auto& faces = FallbackFaces(fallbackKey_);
    for (std::size_t k = 0; k < faces.size(); ++k) {
      if (!FcCharSetHasChar(faces[k].charset, cp) || !has(FallbackTtf(k))) continue;
      source = {static_cast<int>(k), advance};
      break;
    }
  }
  return sources_.emplace(cp, source).first->second;
}

int Font::Advance(char32_t cp) const { return cp < 256 ? advances_[cp] : SourceOf(cp).advance; }

void Font::Close() {
  if (ttf_) TTF_CloseFont(static_cast<TTF_Font*>(ttf_));
  ttf_ = nullptr;
  for (void* f : fallbackTtf_)
    if (f) TTF_CloseFont(static_cast<TTF_Font*>(f));
  fallbackTtf_.clear();
  fallbackTried_.clear();
  sources_.clear();
}

Font::~Font() { Close(); }

Font::Font(Font&& other) noexcept { *this = std::move(other); }

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    Close();
    ttf_ = std::exchange(other.ttf_, nullptr);
    fileBytes_ = std::move(other.fileBytes_);
    file_ = std::move(other.file_);
    lineHeight_ = other.lineHeight_;
    ascent_ = other.ascent_;
    pointSize_ = other.pointSize_;
    advances_ = other.advances_;
    pixelHeight_ = other.pixelHeight_;
    style_ = other.style_;
    fallbackKey_ = std::move(other.fallbackKey_);
    fallbackTtf_ = std::move(other.fallbackTtf_);
    fallbackTried_ = std::move(other.fallbackTried_);
    sources_ = std::move(other.sources_);
    other.fallbackTtf_.clear();
    other.fallbackTried_.clear();
    other.sources_.clear();
  }
  return *this;
}

GlyphBitmap Font::RenderGlyph(char32_t cp) const {
  GlyphBitmap glyph;
  if (!ttf_) return glyph;
  const Source& source = SourceOf(cp);
  if (source.face == -2) return glyph;
  auto* ttf = static_cast<TTF_Font*>(source.face == -1 ? ttf_ : FallbackTtf(static_cast<std::size_t>(source.face)));
  if (!ttf) return glyph;
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
    glyph.offsetY = ascent_ - TTF_FontAscent(ttf);  // a fallback face on this face's baseline
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
