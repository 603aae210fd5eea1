#include "platform/device.h"

#include "platform/device_state.h"
#include "platform/frame_count.h"
#include "platform/video_driver_choice.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>

namespace platform {

namespace {

using detail::RendererState;
using detail::TextureObject;

int EventWatch(void* userdata, SDL_Event* event) {
  auto* state = static_cast<RendererState*>(userdata);
  if (event->type == SDL_RENDER_TARGETS_RESET || event->type == SDL_RENDER_DEVICE_RESET) state->reset = true;
  if (event->type == SDL_WINDOWEVENT && event->window.event != SDL_WINDOWEVENT_MOVED) state->windowLost = true;
  return 0;
}

SDL_Rect RoundedRect(const FRect& r) {
  const int x0 = static_cast<int>(std::lround(r.x));
  const int y0 = static_cast<int>(std::lround(r.y));
  const int x1 = static_cast<int>(std::lround(r.x + r.w));
  const int y1 = static_cast<int>(std::lround(r.y + r.h));
  return {x0, y0, x1 - x0, y1 - y0};
}

SDL_FRect ToSdl(const SDL_Rect& r) {
  return {float(r.x), float(r.y), float(r.w), float(r.h)};
}

bool Intersect(const std::optional<SDL_Rect>& a, const SDL_Rect& b, SDL_Rect* out) {
  if (!a) {
    *out = b;
    return b.w > 0 && b.h > 0;
  }
  return SDL_IntersectRect(&*a, &b, out) == SDL_TRUE;
}

void SetModulation(TextureObject& t, std::uint32_t argb) {
  const Uint8 a = Uint8(argb >> 24), r = Uint8(argb >> 16), g = Uint8(argb >> 8), b = Uint8(argb);
  SDL_SetTextureColorMod(t.texture, r, g, b);
  SDL_SetTextureAlphaMod(t.texture, a);
  const SDL_BlendMode blend = (t.opaque && a == 255) ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND;
  if (blend != t.blend) {
    SDL_SetTextureBlendMode(t.texture, blend);
    t.blend = blend;
  }
}

void SetScale(TextureObject& t, bool minifying) {
  // Point sampling when enlarging keeps pixels sharp; filtering when shrinking.
  const SDL_ScaleMode mode = minifying ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
  if (mode != t.scale) {
    SDL_SetTextureScaleMode(t.texture, mode);
    t.scale = mode;
  }
}

}  // namespace

Texture::operator bool() const { return object_ && object_->texture && !object_->owner.expired(); }
int Texture::Width() const { return object_ ? object_->width : 0; }
int Texture::Height() const { return object_ ? object_->height : 0; }
bool Texture::Opaque() const { return object_ && object_->opaque; }
bool Texture::IsTarget() const { return object_ && object_->target; }

std::unique_ptr<Device> Device::CreateForWindow(WindowHandle window, const DisplayParameters& params,
                                                std::string* error) {
  std::unique_ptr<Device> device(new Device());
  device->state_ = std::make_shared<RendererState>();
  device->state_->window = static_cast<SDL_Window*>(window);
  device->state_->params = params;
  if (!device->Init(error)) return nullptr;
  return device;
}

std::unique_ptr<Device> Device::CreateOffscreen(int width, int height, std::string* error) {
  return CreateOffscreen(DisplayParameters{width, height, false}, error);
}

std::unique_ptr<Device> Device::CreateOffscreen(const DisplayParameters& params, std::string* error) {
  std::unique_ptr<Device> device(new Device());
  device->state_ = std::make_shared<RendererState>();
  device->state_->params = params;
  device->state_->params.fullScreen = false;
  if (!device->Init(error)) return nullptr;
  return device;
}

bool Device::Init(std::string* error) {
  auto& s = *state_;
  width_ = std::max(1, s.params.width);
  height_ = std::max(1, s.params.height);
  if (s.window) {
    const bool forced = SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr;
    if (s.pick == detail::WindowRenderer::Undecided && !forced && !s.probe) s.pick = PickFromVerdict();
    // On the console there is one full-screen window and no hidden one to time on.
    if (s.pick == detail::WindowRenderer::Undecided && s.params.fullScreen && !forced && !KmsVideoDriverRunning())
      s.pick = PickOnHiddenWindow(s.window, s.params);
    MakeWindowRenderer();
  } else {
    const int outW = s.params.outputWidth > 0 ? s.params.outputWidth : width_;
    const int outH = s.params.outputHeight > 0 ? s.params.outputHeight : height_;
    s.surface = SDL_CreateRGBSurfaceWithFormat(0, outW, outH, 32, SDL_PIXELFORMAT_ARGB8888);
    if (s.surface) s.renderer = SDL_CreateSoftwareRenderer(s.surface);
  }
  if (!s.renderer) {
    if (error) *error = SDL_GetError();
    return false;
  }
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(s.renderer, &info);
  s.software = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  SDL_SetRenderDrawBlendMode(s.renderer, SDL_BLENDMODE_BLEND);
  SDL_AddEventWatch(EventWatch, state_.get());
  // The software renderer's screen is a surface that keeps its pixels after a present:
  // when it has the back buffer's size it is the back buffer itself. A GPU's screen is
  // undefined after a present (and a full screen may be larger than the back buffer), so
  // there frames are composed in a texture of their own and copied to the screen.
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(s.renderer, &outW, &outH);
  s.screenIsBackBuffer = s.software && outW == width_ && outH == height_;
  if (!s.screenIsBackBuffer) {
    backBuffer_ = CreateTarget(width_, height_, error);
    if (!backBuffer_) return false;
  }
  if (!SetTarget(nullptr)) return false;
  if (s.window && s.pick == detail::WindowRenderer::Undecided) ChooseWindowRenderer();
  else if (!s.verdictNote.empty()) ConfirmVerdict();
  // The choice may have made the renderer again.
  return state_->renderer && (state_->screenIsBackBuffer || backBuffer_);
}

Device::~Device() {
  if (!state_) return;
  backBuffer_.Reset();
  SDL_DelEventWatch(EventWatch, state_.get());
  SDL_Renderer* renderer = state_->renderer;
  SDL_Surface* surface = state_->surface;
  // Expire the textures' link first: SDL destroys them with the renderer.
  state_.reset();
  if (renderer) SDL_DestroyRenderer(renderer);
  if (surface) SDL_FreeSurface(surface);
}

bool Device::IsSoftware() const { return state_->software; }

int Device::MaxTextureSize() const {
  SDL_RendererInfo info{};
  if (!state_->renderer || SDL_GetRendererInfo(state_->renderer, &info) != 0) return 0;
  return std::min(info.max_texture_width, info.max_texture_height);
}

std::string Device::RendererName() const {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(state_->renderer, &info) != 0 || !info.name) return {};
  return info.name;
}

std::shared_ptr<TextureObject> Device::MakeTextureObject(int access, int width, int height, std::string* error) {
  SDL_Texture* tex = SDL_CreateTexture(state_->renderer, SDL_PIXELFORMAT_ARGB8888, access, width, height);
  if (!tex) {
    if (error) *error = SDL_GetError();
    return nullptr;
  }
  auto object = std::make_shared<TextureObject>();
  object->texture = tex;
  object->width = width;
  object->height = height;
  object->owner = state_;
  return object;
}

Texture Device::CreateTexture(int width, int height, std::span<const std::uint8_t> rgba, std::string* error) {
  Texture result;
  if (width <= 0 || height <= 0 || rgba.size() < std::size_t(width) * std::size_t(height) * 4) {
    if (error) *error = "bad image size";
    return result;
  }
  auto object = MakeTextureObject(SDL_TEXTUREACCESS_STATIC, width, height, error);
  if (!object) return result;
  SDL_Texture* tex = object->texture;
  object->opaque = true;
  for (std::size_t i = 3; i < std::size_t(width) * std::size_t(height) * 4; i += 4) {
    if (rgba[i] != 255) {
      object->opaque = false;
      break;
    }
  }
  SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_BLEND);
  result.object_ = std::move(object);
  if (!UpdateTexture(result, 0, 0, width, height, rgba)) {
    if (error) *error = SDL_GetError();
    return Texture();
  }
  return result;
}

bool Device::UpdateTexture(const Texture& texture, int x, int y, int width, int height,
                           std::span<const std::uint8_t> rgba) {
  if (!texture || width <= 0 || height <= 0 || rgba.size() < std::size_t(width) * std::size_t(height) * 4)
    return false;
  std::vector<std::uint8_t> argb(std::size_t(width) * std::size_t(height) * 4);
  if (SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGBA32, rgba.data(), width * 4, SDL_PIXELFORMAT_ARGB8888,
                        argb.data(), width * 4) != 0)
    return false;
  const SDL_Rect rect{x, y, width, height};
  return SDL_UpdateTexture(texture.object_->texture, &rect, argb.data(), width * 4) == 0;
}

Texture Device::CreateStreamingTexture(int width, int height, std::string* error) {
  Texture result;
  auto object = MakeTextureObject(SDL_TEXTUREACCESS_STREAMING, width, height, error);
  if (!object) return result;
  object->opaque = true;
  SDL_SetTextureBlendMode(object->texture, SDL_BLENDMODE_BLEND);
  result.object_ = std::move(object);
  return result;
}

bool Device::StreamTexture(const Texture& texture, std::span<const std::uint8_t> bgra) {
  if (!texture) return false;
  const int w = texture.object_->width, h = texture.object_->height;
  if (bgra.size() < std::size_t(w) * std::size_t(h) * 4) return false;
  return SDL_UpdateTexture(texture.object_->texture, nullptr, bgra.data(), w * 4) == 0;
}

Texture Device::CreateTarget(int width, int height, std::string* error) {
  Texture result;
  auto object = MakeTextureObject(SDL_TEXTUREACCESS_TARGET, width, height, error);
  if (!object) return result;
  SDL_Texture* tex = object->texture;
  object->opaque = true;  // cleared to opaque black; drawn as an opaque picture
  object->target = true;
  object->blend = SDL_BLENDMODE_NONE;
  SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_NONE);
  result.object_ = std::move(object);
  SDL_Texture* previous = SDL_GetRenderTarget(state_->renderer);
  SDL_SetRenderTarget(state_->renderer, tex);
  SDL_SetRenderDrawColor(state_->renderer, 0, 0, 0, 255);
  SDL_RenderClear(state_->renderer);
  SDL_SetRenderTarget(state_->renderer, previous);
  return result;
}

bool Device::SetTarget(const Texture* target) {
  const Texture& t = target ? *target : backBuffer_;
  const bool screen = !target && state_->screenIsBackBuffer;
  if (!screen && (!t || !t.IsTarget())) return false;
  SDL_Texture* texture = screen ? nullptr : t.object_->texture;
  state_->clip.reset();
  SDL_RenderSetClipRect(state_->renderer, nullptr);
  if (state_->target == texture && SDL_GetRenderTarget(state_->renderer) == state_->target) return true;
  if (SDL_SetRenderTarget(state_->renderer, texture) != 0) return false;
  state_->target = texture;
  SDL_RenderSetClipRect(state_->renderer, nullptr);
  return true;
}

void Device::Clear(std::uint32_t argb) {
  SDL_SetRenderDrawColor(state_->renderer, Uint8(argb >> 16), Uint8(argb >> 8), Uint8(argb), Uint8(argb >> 24));
  SDL_RenderClear(state_->renderer);
}

void Device::SetClip(std::optional<FRect> clip) {
  if (!clip) {
    state_->clip.reset();
    SDL_RenderSetClipRect(state_->renderer, nullptr);
    return;
  }
  SDL_Rect r = RoundedRect(*clip);
  r.w = std::max(0, r.w);
  r.h = std::max(0, r.h);
  state_->clip = r;
  // An empty SDL clip means "no clip": keep a one-pixel clip off the target instead.
  if (r.w == 0 || r.h == 0) r = {-10, -10, 1, 1};
  SDL_RenderSetClipRect(state_->renderer, &r);
}

void Device::CopyRegion(const Texture& texture, const FRect& dst, float u0, float v0, float u1, float v1,
                        std::uint32_t argb, bool halfTurn) {
  TextureObject& t = *texture.object_;
  const float tx0 = u0 * float(t.width), tx1 = u1 * float(t.width);
  const float ty0 = v0 * float(t.height), ty1 = v1 * float(t.height);
  constexpr float kEps = 1e-3f;
  int sx0 = int(std::floor(tx0 + kEps)), sx1 = int(std::ceil(tx1 - kEps));
  int sy0 = int(std::floor(ty0 + kEps)), sy1 = int(std::ceil(ty1 - kEps));
  sx0 = std::clamp(sx0, 0, t.width - 1);
  sy0 = std::clamp(sy0, 0, t.height - 1);
  sx1 = std::clamp(sx1, sx0 + 1, t.width);
  sy1 = std::clamp(sy1, sy0 + 1, t.height);
  if (tx1 - tx0 <= 0 || ty1 - ty0 <= 0) return;
  const float scaleX = dst.w / (tx1 - tx0), scaleY = dst.h / (ty1 - ty0);
  // A region that starts or ends inside a texel is drawn with whole texels, shifted
  // and clipped back to the destination, so sub-texel scroll offsets stay exact.
  FRect whole = dst;
  const float leftOut = (tx0 - float(sx0)) * scaleX, rightOut = (float(sx1) - tx1) * scaleX;
  const float topOut = (ty0 - float(sy0)) * scaleY, bottomOut = (float(sy1) - ty1) * scaleY;
  if (halfTurn) {
    whole.x -= rightOut;
    whole.y -= bottomOut;
  } else {
    whole.x -= leftOut;
    whole.y -= topOut;
  }
  whole.w += leftOut + rightOut;
  whole.h += topOut + bottomOut;
  const bool extended = leftOut > 0.01f || rightOut > 0.01f || topOut > 0.01f || bottomOut > 0.01f;

  const SDL_Rect dstRect = RoundedRect(dst);
  SDL_Rect clip{};
  if (!Intersect(state_->clip, dstRect, &clip)) return;
  if (extended) SDL_RenderSetClipRect(state_->renderer, &clip);

  SetModulation(t, argb);
  SetScale(t, dst.w < float(sx1 - sx0) - 0.5f || dst.h < float(sy1 - sy0) - 0.5f);
  const SDL_Rect src{sx0, sy0, sx1 - sx0, sy1 - sy0};
  const SDL_FRect out = ToSdl(extended ? RoundedRect(whole) : dstRect);
  if (halfTurn)
    SDL_RenderCopyExF(state_->renderer, t.texture, &src, &out, 0.0, nullptr,
                      SDL_RendererFlip(SDL_FLIP_HORIZONTAL | SDL_FLIP_VERTICAL));
  else
    SDL_RenderCopyF(state_->renderer, t.texture, &src, &out);

  if (extended) {
    if (state_->clip) SDL_RenderSetClipRect(state_->renderer, &*state_->clip);
    else SDL_RenderSetClipRect(state_->renderer, nullptr);
  }
}

void Device::DrawTexture(const Texture& texture, const FRect& dst, const UvRect& uv, std::uint32_t argb) {
  if (!texture || dst.w <= 0 || dst.h <= 0 || uv.u1 <= uv.u0 || uv.v1 <= uv.v0) return;
  const float du = uv.u1 - uv.u0, dv = uv.v1 - uv.v0;
  // Cut the region at whole texture coordinates: each piece lies inside one repeat.
  for (float ua = uv.u0; ua < uv.u1 - 1e-6f;) {
    const float ku = std::floor(ua + 1e-6f);
    const float ub = std::min(uv.u1, ku + 1.0f);
    const float x0 = dst.x + (ua - uv.u0) / du * dst.w, x1 = dst.x + (ub - uv.u0) / du * dst.w;
    for (float va = uv.v0; va < uv.v1 - 1e-6f;) {
      const float kv = std::floor(va + 1e-6f);
      const float vb = std::min(uv.v1, kv + 1.0f);
      const float y0 = dst.y + (va - uv.v0) / dv * dst.h, y1 = dst.y + (vb - uv.v0) / dv * dst.h;
      CopyRegion(texture, {x0, y0, x1 - x0, y1 - y0}, ua - ku, va - kv, ub - ku, vb - kv, argb, false);
      va = vb;
    }
    ua = ub;
  }
}

void Device::DrawTextureHalfTurn(const Texture& texture, const FRect& dst, const UvRect& uv, std::uint32_t argb) {
  if (!texture || dst.w <= 0 || dst.h <= 0) return;
  CopyRegion(texture, dst, std::clamp(uv.u0, 0.f, 1.f), std::clamp(uv.v0, 0.f, 1.f), std::clamp(uv.u1, 0.f, 1.f),
             std::clamp(uv.v1, 0.f, 1.f), argb, true);
}

void Device::DrawTextureFan(const Texture& texture, const std::array<TexturedVertex, 4>& corners,
                            std::uint32_t argb) {
  if (!texture) return;
  TextureObject& t = *texture.object_;
  const SDL_Color colour{Uint8(argb >> 16), Uint8(argb >> 8), Uint8(argb), Uint8(argb >> 24)};
  SDL_Vertex vertices[4];
  for (int i = 0; i < 4; ++i) {
    vertices[i].position = {corners[i].x, corners[i].y};
    vertices[i].color = colour;
    vertices[i].tex_coord = {std::clamp(corners[i].u, 0.f, 1.f), std::clamp(corners[i].v, 0.f, 1.f)};
  }
  // SDL's software renderer turns an axis-aligned textured quad into a plain copy and
  // then gets quarter turns wrong (it mirrors them); a thousandth of a pixel off the
  // axis keeps it on the triangle path.
  if (corners[0].u == corners[1].u && corners[0].y == corners[1].y) vertices[1].position.y += 1e-3f;
  SetModulation(t, 0xFFFFFFFFu);
  const SDL_BlendMode blend = (t.opaque && colour.a == 255) ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND;
  SDL_SetTextureBlendMode(t.texture, blend);
  t.blend = blend;
  SetScale(t, true);
  static const int kIndices[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(state_->renderer, t.texture, vertices, 4, kIndices, 6);
}

bool Device::CopyTexture(const Texture& from, const Texture& to) {
  if (!from || !to || !to.IsTarget()) return false;
  SDL_Texture* previous = state_->target;
  if (SDL_SetRenderTarget(state_->renderer, to.object_->texture) != 0) return false;
  TextureObject& f = *from.object_;
  SDL_SetTextureBlendMode(f.texture, SDL_BLENDMODE_NONE);
  SDL_SetTextureColorMod(f.texture, 255, 255, 255);
  SDL_SetTextureAlphaMod(f.texture, 255);
  SetScale(f, false);
  // The common top-left region, texel for texel (the sizes may differ when one of them
  // was rounded up to powers of two).
  const SDL_Rect region{0, 0, std::min(f.width, to.Width()), std::min(f.height, to.Height())};
  const int ok = SDL_RenderCopy(state_->renderer, f.texture, &region, &region);
  SDL_SetTextureBlendMode(f.texture, f.blend);
  SDL_SetRenderTarget(state_->renderer, previous);
  if (state_->clip) SDL_RenderSetClipRect(state_->renderer, &*state_->clip);
  return ok == 0;
}

void Device::CopyTextureRegion(const Texture& from, int x, int y, int width, int height) {
  if (!from) return;
  TextureObject& f = *from.object_;
  SDL_Rect region{std::max(0, x), std::max(0, y), 0, 0};
  region.w = std::min(f.width, x + width) - region.x;
  region.h = std::min(f.height, y + height) - region.y;
  if (region.w <= 0 || region.h <= 0) return;
  SDL_SetTextureBlendMode(f.texture, SDL_BLENDMODE_NONE);
  SDL_SetTextureColorMod(f.texture, 255, 255, 255);
  SDL_SetTextureAlphaMod(f.texture, 255);
  SetScale(f, false);
  SDL_RenderCopy(state_->renderer, f.texture, &region, &region);
  SDL_SetTextureBlendMode(f.texture, f.blend);
}

bool Device::CopyBackBuffer(const Texture& to) {
  if (!state_->screenIsBackBuffer) return CopyTexture(backBuffer_, to);
  if (!to || !to.IsTarget()) return false;
  // The screen surface read straight into the target texture's pixels.
  const int w = std::min(width_, to.Width()), h = std::min(height_, to.Height());
  std::vector<std::uint32_t> pixels(std::size_t(w) * std::size_t(h));
  const SDL_Rect region{0, 0, w, h};
  SDL_SetRenderTarget(state_->renderer, nullptr);
  const bool read = SDL_RenderReadPixels(state_->renderer, &region, SDL_PIXELFORMAT_ARGB8888, pixels.data(), w * 4) == 0;
  SDL_SetRenderTarget(state_->renderer, state_->target);
  if (state_->clip) SDL_RenderSetClipRect(state_->renderer, &*state_->clip);
  return read && SDL_UpdateTexture(to.object_->texture, &region, pixels.data(), w * 4) == 0;
}

void Device::FillRect(const FRect& rect, std::uint32_t argb) {
  const Uint8 a = Uint8(argb >> 24);
  SDL_SetRenderDrawBlendMode(state_->renderer, a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  SDL_SetRenderDrawColor(state_->renderer, Uint8(argb >> 16), Uint8(argb >> 8), Uint8(argb), a);
  const SDL_Rect r = RoundedRect(rect);
  if (r.w <= 0 || r.h <= 0) return;
  SDL_RenderFillRect(state_->renderer, &r);
}

void Device::DrawLines(std::span<const FPoint> points, std::uint32_t argb) {
  if (points.size() < 2) return;
  const Uint8 a = Uint8(argb >> 24);
  SDL_SetRenderDrawBlendMode(state_->renderer, a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  SDL_SetRenderDrawColor(state_->renderer, Uint8(argb >> 16), Uint8(argb >> 8), Uint8(argb), a);
  std::vector<SDL_Point> pts;
  pts.reserve(points.size());
  for (const FPoint& p : points) pts.push_back({int(std::lround(p.x)), int(std::lround(p.y))});
  // A closed strip would blend its first point twice: draw the closing segment apart.
  if (pts.size() > 2 && pts.front().x == pts.back().x && pts.front().y == pts.back().y && a != 255) {
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
      const SDL_Point p = pts[i], q = pts[i + 1];
      // Each segment without its last point, so corners are drawn once.
      if (p.x == q.x) {
        const int step = q.y > p.y ? 1 : -1;
        for (int y = p.y; y != q.y; y += step) SDL_RenderDrawPoint(state_->renderer, p.x, y);
      } else if (p.y == q.y) {
        const int step = q.x > p.x ? 1 : -1;
        for (int x = p.x; x != q.x; x += step) SDL_RenderDrawPoint(state_->renderer, x, p.y);
      } else {
        SDL_RenderDrawLine(state_->renderer, p.x, p.y, q.x, q.y);
      }
    }
    return;
  }
  SDL_RenderDrawLines(state_->renderer, pts.data(), int(pts.size()));
}

FRect FitKeepingAspect(int srcWidth, int srcHeight, int outWidth, int outHeight) {
  if (srcWidth <= 0 || srcHeight <= 0 || outWidth <= 0 || outHeight <= 0) return {0, 0, float(outWidth), float(outHeight)};
  // Compare w/h ratios without division: the axis that runs out first sets the scale.
  const bool widthBound = std::int64_t(outWidth) * srcHeight <= std::int64_t(outHeight) * srcWidth;
  const float w = widthBound ? float(outWidth) : float(outHeight) * float(srcWidth) / float(srcHeight);
  const float h = widthBound ? float(outWidth) * float(srcHeight) / float(srcWidth) : float(outHeight);
  return {std::floor((float(outWidth) - w) / 2), std::floor((float(outHeight) - h) / 2), w, h};
}

int WholeScale(int srcWidth, int srcHeight, int outWidth, int outHeight) {
  if (srcWidth <= 0 || srcHeight <= 0) return 0;
  const int k = outWidth / srcWidth;
  return k >= 1 && outWidth == k * srcWidth && outHeight == k * srcHeight ? k : 0;
}

void Device::Present() {
  ++presents_;
  CountShownFrame();
  SDL_Renderer* r = state_->renderer;
  if (state_->screenIsBackBuffer) {
    SDL_RenderPresent(r);
    return;
  }
  SDL_SetRenderTarget(r, nullptr);
  SDL_RenderSetClipRect(r, nullptr);
  SDL_Texture* bb = backBuffer_.object_->texture;
  SDL_SetTextureBlendMode(bb, SDL_BLENDMODE_NONE);
  int outWidth = width_, outHeight = height_;
  SDL_GetRendererOutputSize(r, &outWidth, &outHeight);
  if (outWidth == width_ && outHeight == height_) {
    SDL_RenderCopy(r, bb, nullptr, nullptr);
  } else if (const int k = WholeScale(width_, height_, outWidth, outHeight); k > 1 && state_->software) {
    PresentEnlarged(k);
    return;
  } else if (k) {
    // A whole multiple (1080 lines on a 2160-line screen): each pixel becomes k x k, sharp.
    SDL_SetTextureScaleMode(bb, SDL_ScaleModeNearest);
    SDL_RenderCopy(r, bb, nullptr, nullptr);
  } else {
    // A back buffer other than the desktop's size: smooth scaling with the proportions kept.
    SDL_SetTextureScaleMode(bb, SDL_ScaleModeLinear);
    const FRect fit = FitKeepingAspect(width_, height_, outWidth, outHeight);
    // Black bars only where the picture leaves some: clearing a big screen costs a frame's worth.
    if (fit.x > 0 || fit.y > 0 || fit.w < float(outWidth) || fit.h < float(outHeight)) {
      SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
      SDL_RenderClear(r);
    }
    const SDL_FRect dst{fit.x, fit.y, fit.w, fit.h};
    SDL_RenderCopyF(r, bb, nullptr, &dst);
  }
  SDL_RenderPresent(r);
  SDL_SetRenderTarget(r, state_->target);
  if (state_->clip) SDL_RenderSetClipRect(r, &*state_->clip);
}

std::vector<std::uint32_t> Device::ReadPixels(int x, int y, int width, int height) {
  std::vector<std::uint32_t> pixels;
  if (width <= 0 || height <= 0) return pixels;
  pixels.resize(std::size_t(width) * std::size_t(height));
  const SDL_Rect rect{x, y, width, height};
  if (SDL_RenderReadPixels(state_->renderer, &rect, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4) != 0)
    pixels.clear();
  return pixels;
}

std::vector<std::uint8_t> Device::ReadBackBufferRgba() {
  std::vector<std::uint8_t> rgba(std::size_t(width_) * std::size_t(height_) * 4);
  SDL_Texture* previous = state_->target;
  SDL_SetRenderTarget(state_->renderer, state_->screenIsBackBuffer ? nullptr : backBuffer_.object_->texture);
  const int ok = SDL_RenderReadPixels(state_->renderer, nullptr, SDL_PIXELFORMAT_RGBA32, rgba.data(), width_ * 4);
  SDL_SetRenderTarget(state_->renderer, previous);
  if (state_->clip) SDL_RenderSetClipRect(state_->renderer, &*state_->clip);
  if (ok != 0) return {};
  // Software blending leaves alpha slightly below 255: a screen has no alpha.
  for (std::size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
  return rgba;
}

std::vector<std::uint8_t> Device::ReadScreenRgba(int* width, int* height) {
  int w = 0, h = 0;
  SDL_SetRenderTarget(state_->renderer, nullptr);
  SDL_GetRendererOutputSize(state_->renderer, &w, &h);
  std::vector<std::uint8_t> rgba(std::size_t(std::max(w, 0)) * std::size_t(std::max(h, 0)) * 4);
  const int ok = rgba.empty() ? -1 : SDL_RenderReadPixels(state_->renderer, nullptr, SDL_PIXELFORMAT_RGBA32, rgba.data(), w * 4);
  SDL_SetRenderTarget(state_->renderer, state_->target);
  if (state_->clip) SDL_RenderSetClipRect(state_->renderer, &*state_->clip);
  if (ok != 0) return {};
  for (std::size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
  if (width) *width = w;
  if (height) *height = h;
  return rgba;
}

bool Device::TakeResetEvent() { return state_->reset.exchange(false); }

bool Device::Recreate(std::string* error) {
  auto old = state_;
  backBuffer_.Reset();
  SDL_DelEventWatch(EventWatch, old.get());
  SDL_Renderer* renderer = old->renderer;
  SDL_Surface* surface = old->surface;
  state_ = std::make_shared<RendererState>();
  state_->window = old->window;
  state_->params = old->params;
  state_->pick = old->pick;
  old.reset();  // every texture of the old renderer is now empty
  if (renderer) SDL_DestroyRenderer(renderer);
  if (surface) SDL_FreeSurface(surface);
  return Init(error);
}

}  // namespace platform
