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

// Columns [first, last] where two rows differ; false when they are equal.
bool DifferingColumns(const std::uint32_t* a, const std::uint32_t* b, int width, int& first, int& last) {
  if (std::memcmp(a, b, std::size_t(width) * 4) == 0) return false;
  int x0 = 0, x1 = width - 1;
  while (a[x0] == b[x0]) ++x0;
  while (a[x1] == b[x1]) --x1;
  first = std::min(first, x0);
  last = std::max(last, x1);
  return true;
}

// Rows [y0, y1), columns [x0, x1] of the frame, each pixel k x k, into the surface.
void Enlarge(const std::vector<std::uint32_t>& frame, int width, int k, int y0, int y1, int x0, int x1,
             SDL_Surface* surface) {
  auto* pixels = static_cast<std::uint8_t*>(surface->pixels);
  const std::size_t bytes = std::size_t(x1 - x0 + 1) * std::size_t(k) * 4;
  for (int y = y0; y < y1; ++y) {
    auto* out = reinterpret_cast<std::uint32_t*>(pixels + std::size_t(y) * k * surface->pitch) + std::size_t(x0) * k;
    const std::uint32_t* in = frame.data() + std::size_t(y) * width;
    for (int x = x0; x <= x1; ++x)
      for (int i = 0; i < k; ++i) *out++ = in[x];
    const std::uint8_t* first = pixels + std::size_t(y) * k * surface->pitch + std::size_t(x0) * k * 4;
    for (int r = 1; r < k; ++r) std::memcpy(pixels + (std::size_t(y) * k + r) * surface->pitch + std::size_t(x0) * k * 4, first, bytes);
  }
}

}  // namespace

void Device::PresentEnlarged(int k) {
  SDL_Renderer* r = state_->renderer;
  // The window's surface, or an offscreen device's own.
  SDL_Surface* surface = state_->window ? SDL_GetWindowSurface(state_->window) : state_->surface;
  const std::size_t size = std::size_t(width_) * std::size_t(height_);
  frame_.resize(size);
  SDL_SetRenderTarget(r, backBuffer_.object_->texture);
  const bool read = SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, frame_.data(), width_ * 4) == 0;
  SDL_SetRenderTarget(r, state_->target);
  if (state_->clip) SDL_RenderSetClipRect(r, &*state_->clip);
  if (!read || !surface || (surface->format->format != SDL_PIXELFORMAT_RGB888 && surface->format->format != SDL_PIXELFORMAT_ARGB8888) || surface->w < width_ * k ||
      surface->h < height_ * k) {
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
    shown_.clear();
    return;
  }
  const bool whole = state_->windowLost.exchange(false) || shown_.size() != size;
  std::vector<SDL_Rect> rects;
  if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
  for (int y0 = 0; y0 < height_; y0 += kBand) {
    const int y1 = std::min(height_, y0 + kBand);
    int first = width_, last = -1;
    if (whole) {
      first = 0;
      last = width_ - 1;
    } else {
      for (int y = y0; y < y1; ++y)
        DifferingColumns(frame_.data() + std::size_t(y) * width_, shown_.data() + std::size_t(y) * width_, width_, first, last);
    }
    if (last < first) continue;
    Enlarge(frame_, width_, k, y0, y1, first, last, surface);
    rects.push_back({first * k, y0 * k, (last - first + 1) * k, (y1 - y0) * k});
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  if (state_->window && !rects.empty()) SDL_UpdateWindowSurfaceRects(state_->window, rects.data(), int(rects.size()));
  shown_.swap(frame_);
}

}  // namespace platform
