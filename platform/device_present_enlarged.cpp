// The software renderer's present under the render size cap: the back buffer, k times
// smaller than the window (or an offscreen device's screen), is enlarged pixel for pixel
// straight into the screen's surface, and only the bands that changed since the last
// present are enlarged and sent to the window system. Without a GPU a big screen's every pixel costs the processor twice (our
// copy, the X server's); a menu whose moving parts are small changes a fraction of them.
#include "platform/device.h"

#include "platform/device_state.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr int kBand = 16;  // rows compared and sent together

constexpr int kPiece = 64;  // pixels of a row hashed together

// Four multiply-xor chains over alternate words, run side by side: a single chain waits
// on each multiply, and hashing was most of the present's time. Every step is one-to-one in the word and in its
// chain, and the chains are joined one-to-one in each, so a piece that differs from the
// one shown in a single word never hashes the same.
std::uint64_t PieceHash(const std::uint32_t* pixels, int count) {
  constexpr std::uint64_t kOdd = 0xFF51AFD7ED558CCDull;
  std::uint64_t a = 0x9E3779B97F4A7C15ull, b = 0xC2B2AE3D27D4EB4Full, c = 0x165667B19E3779F9ull,
                d = 0x27D4EB2F165667C5ull;
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    std::uint64_t w[4];
    std::memcpy(w, pixels + i, sizeof w);
    a = (a ^ w[0]) * kOdd;
    b = (b ^ w[1]) * kOdd;
    c = (c ^ w[2]) * kOdd;
    d = (d ^ w[3]) * kOdd;
  }
  for (; i < count; ++i) a = (a ^ pixels[i]) * kOdd;
  auto turn = [](std::uint64_t v, int by) { return v << by | v >> (64 - by); };
  const std::uint64_t joined = a ^ turn(b, 16) ^ turn(c, 32) ^ turn(d, 48);
  return joined ^ (joined >> 29);
}

// Columns [first, last] of the pieces of a row that differ from the row shown; the row's
// hashes are brought up to date.
void DifferingColumns(const std::uint32_t* row, int width, std::uint64_t* hashes, int& first, int& last) {
  for (int x = 0, piece = 0; x < width; x += kPiece, ++piece) {
    const int count = std::min(kPiece, width - x);
    const std::uint64_t h = PieceHash(row + x, count);
    if (h == hashes[piece]) continue;
    hashes[piece] = h;
    first = std::min(first, x);
    last = std::max(last, x + count - 1);
  }
}

// Rows [0, rows) of a band read from the frame, columns [x0, x1], each pixel k x k, into the
// surface from frame row y0.
void Enlarge(const std::vector<std::uint32_t>& band, int width, int k, int y0, int rows, int x0, int x1,
             SDL_Surface* surface) {
  auto* pixels = static_cast<std::uint8_t*>(surface->pixels);
  const std::size_t bytes = std::size_t(x1 - x0 + 1) * std::size_t(k) * 4;
  for (int r = 0; r < rows; ++r) {
    const std::size_t y = std::size_t(y0 + r);
    auto* out = reinterpret_cast<std::uint32_t*>(pixels + y * k * surface->pitch) + std::size_t(x0) * k;
    const std::uint32_t* in = band.data() + std::size_t(r) * width;
    for (int x = x0; x <= x1; ++x)
      for (int i = 0; i < k; ++i) *out++ = in[x];
    const std::uint8_t* first = pixels + y * k * surface->pitch + std::size_t(x0) * k * 4;
    for (int c = 1; c < k; ++c) std::memcpy(pixels + (y * k + c) * surface->pitch + std::size_t(x0) * k * 4, first, bytes);
  }
}

bool WritableSurface(const SDL_Surface* surface, int width, int height, int k) {
  return surface && (surface->format->format == SDL_PIXELFORMAT_RGB888 || surface->format->format == SDL_PIXELFORMAT_ARGB8888) &&
         surface->w >= width * k && surface->h >= height * k;
}

}  // namespace

void Device::PresentEnlarged(int k) {
  SDL_Renderer* r = state_->renderer;
  // The window's surface, or an offscreen device's own.
  SDL_Surface* surface = state_->window ? SDL_GetWindowSurface(state_->window) : state_->surface;
  if (!WritableSurface(surface, width_, height_, k)) {
    // Not the window surface this is written for: SDL's own scaled copy.
    SDL_SetRenderTarget(r, nullptr);
    SDL_RenderSetClipRect(r, nullptr);
    SDL_Texture* bb = backBuffer_.object_->texture;
    SDL_SetTextureBlendMode(bb, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(bb, SDL_ScaleModeNearest);
    SDL_RenderCopy(r, bb, nullptr, nullptr);
    SDL_RenderPresent(r);
    SDL_SetRenderTarget(r, state_->target);
    if (state_->clip) SDL_RenderSetClipRect(r, &*state_->clip);
    shownPixels_ = nullptr;
    return;
  }
  // A new surface (the window remade or resized) holds no frame yet.
  const bool whole = state_->windowLost.exchange(false) || shownPixels_ != surface->pixels;
  band_.resize(std::size_t(width_) * kBand);
  const std::size_t pieces = std::size_t((width_ + kPiece - 1) / kPiece);
  shownHashes_.resize(pieces * std::size_t(height_));
  std::vector<SDL_Rect> rects;
  // Read a band at a time: no copy of the whole frame is kept.
  SDL_SetRenderTarget(r, backBuffer_.object_->texture);
  if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
  bool read = true;
  for (int y0 = 0; y0 < height_ && read; y0 += kBand) {
    const int rows = std::min(kBand, height_ - y0);
    const SDL_Rect area{0, y0, width_, rows};
    read = SDL_RenderReadPixels(r, &area, SDL_PIXELFORMAT_ARGB8888, band_.data(), width_ * 4) == 0;
    if (!read) break;
    int first = width_, last = -1;
    for (int y = 0; y < rows; ++y)
      DifferingColumns(band_.data() + std::size_t(y) * width_, width_, shownHashes_.data() + std::size_t(y0 + y) * pieces,
                       first, last);
    if (whole) {
      first = 0;
      last = width_ - 1;
    }
    if (last < first) continue;
    Enlarge(band_, width_, k, y0, rows, first, last, surface);
    rects.push_back({first * k, y0 * k, (last - first + 1) * k, rows * k});
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  SDL_SetRenderTarget(r, state_->target);
  if (state_->clip) SDL_RenderSetClipRect(r, &*state_->clip);
  // A failed read leaves part of the surface old: the next present sends it whole.
  shownPixels_ = read ? surface->pixels : nullptr;
  if (state_->window && !rects.empty()) SDL_UpdateWindowSurfaceRects(state_->window, rects.data(), int(rects.size()));
}

}  // namespace platform
