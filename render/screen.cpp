#include "render/screen.h"

#include "render/animation_clock.h"
#include "render/clip_player.h"
#include "render/display.h"
#include "render/drawing_generation.h"
#include "render/frame_composition.h"
#include "render/layout.h"
#include "render/picture_loading.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/slide_clip.h"
#include "render/still_layer.h"
#include "render/texture_table.h"
#include "platform/message_catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace render {

namespace {

// The slide-show picture fitted into the layout. When the slide show's clock offers a
// new picture it fades in over the screen shown before it; a clip fades in with its
// first frame and plays until the next slide.
void DrawSlidePicture(RenderState& rs, float e) {
  const std::string path = rs.sources.pickSlide ? rs.sources.pickSlide() : std::string();
  bool fadeIn = false;
  if (!path.empty() && IsClipFile(path)) {
    StartSlideClip(path);
  } else if (!path.empty()) {
    StopSlideClip();
    LoadTexture(rs, kSlotSlide, rs.layout.transparentColour, path);
    fadeIn = true;
  }
  if (TakeSlideClipArrival()) fadeIn = true;
  if (fadeIn) {
    // The back buffer still holds the last composed screen in both display modes.
    if (rs.display.backdrop) rs.display.device->CopyBackBuffer(rs.display.backdrop);
    rs.screen.crossFadeAlpha = 15;
    rs.screen.crossFadeStep = 15;
  }
  DrawQuad(rs, kSlotSlide, 0, 0, float(rs.layout.Width()), float(rs.layout.Height()), 0xFFFFFFFF, 1.0f, e, 1, 0, 0);
}

// The parts of `r` outside `cover`: up to four bands (above, below, left, right).
std::vector<platform::FRect> Uncovered(const platform::FRect& r, const platform::FRect& cover) {
  const float r1x = r.x + r.w, r1y = r.y + r.h, c1x = cover.x + cover.w, c1y = cover.y + cover.h;
  if (cover.x >= r1x || c1x <= r.x || cover.y >= r1y || c1y <= r.y) return {r};
  std::vector<platform::FRect> parts;
  const float top = std::max(r.y, cover.y), bottom = std::min(r1y, c1y);
  if (cover.y > r.y) parts.push_back({r.x, r.y, r.w, cover.y - r.y});
  if (c1y < r1y) parts.push_back({r.x, c1y, r.w, r1y - c1y});
  if (cover.x > r.x) parts.push_back({r.x, top, cover.x - r.x, bottom - top});
  if (c1x < r1x) parts.push_back({c1x, top, r1x - c1x, bottom - top});
  return parts;
}

void AdvanceTransition(RenderState& rs) {
  FrameClocks& c = rs.clocks;
  if (c.fadeDelta != 0) {
    rs.screen.angle += 2 * std::numbers::pi_v<float> * c.fadeDelta;
    c.fadeLevel += c.fadeDelta;
    // Within rounding of the end: a hundred float steps of 0.01 do not add up to 1 exactly.
    constexpr float kEnd = 1e-4f;
    if (c.fadeLevel >= 1 - kEnd || c.fadeLevel <= kEnd) c.fadeDelta = 0;
  }
  if (c.fadeDelta == 0) {
    if (c.fadeLevel == 0) c.fadeLevel = 1;
    c.fadeLevel = c.fadeLevel > 0.5f ? 1.0f : 0.0f;
    rs.screen.angle = 0;
  }
}

}  // namespace

int CurrentRotation(RenderState& rs) {
  const int r = rs.sources.rotation;
  return r < 0 || r > 3 ? 0 : r;
}

void DrawQuadTransformed(RenderState& rs, int slot, float x, float y, float w, float h, float cx, float cy, float sx, float sy,
                         float angle, std::uint32_t colour, float e, float texelsW, float texelsH) {
  const TextureSlot* s = SlotAt(rs.textures, slot);
  platform::Device* device = CurrentDevice(rs);
  if (!s || !s->texture || !device || s->width <= 0 || s->height <= 0) return;
  const float tw = texelsW > 0 ? texelsW : w, th = texelsH > 0 ? texelsH : h;
  const float umax = float(s->width) > tw ? tw / float(s->width) : 1.0f;
  const float vmax = float(s->height) > th ? th / float(s->height) : 1.0f;
  const float m = 2 * e - 1;  // as in DrawQuad
  const float left = x - m, top = y - m, right = x + w + m, bottom = y + h + m;
  const int turns = CurrentRotation(rs);
  if (angle == 0 && sx == 1 && sy == 1 && (turns == 0 || turns == 2)) {
    // Exact copies for the upright and upside-down screen at rest.
    const platform::FRect dst{left, top, right - left, bottom - top};
    if (turns == 0) device->DrawTexture(s->texture, dst, {0, 0, umax, vmax}, colour);
    else device->DrawTextureHalfTurn(s->texture, dst, {0, 0, umax, vmax}, colour);
    return;
  }
  if (sx == 0 || sy == 0) return;  // shrunk to nothing
  std::array<platform::TexturedVertex, 4> v{{{left, top, 0, 0},
                                             {right, top, umax, 0},
                                             {right, bottom, umax, vmax},
                                             {left, bottom, 0, vmax}}};
  // Each quarter turn gives every corner the texture coordinates of the corner before it.
  for (int t = 0; t < turns; ++t) {
    const float u = v[3].u, vv = v[3].v;
    for (int i = 3; i > 0; --i) {
      v[i].u = v[i - 1].u;
      v[i].v = v[i - 1].v;
    }
    v[0].u = u;
    v[0].v = vv;
  }
  // Translate the centre to the origin, scale, rotate about z, translate back (row vectors).
  const float centreX = x + cx, centreY = y + cy;
  const float cosA = std::cos(angle), sinA = std::sin(angle);
  for (auto& p : v) {
    const float px = (p.x - centreX) * sx, py = (p.y - centreY) * sy;
    p.x = px * cosA - py * sinA + centreX;
    p.y = px * sinA + py * cosA + centreY;
  }
  device->DrawTextureFan(s->texture, v, colour);
}

bool CrossFadeRunning(RenderState& rs) { return rs.screen.drawnCrossFadeAlpha < 255; }

int DrawFrame(RenderState& rs, int mode) {
  platform::Device* device = CurrentDevice(rs);
  if (!rs.display.deviceReady || rs.display.frameInProgress || !device) return 0;
  rs.display.frameInProgress = true;
  AdvanceTransition(rs);

  // A layout larger than a capped back buffer is composed whole in a larger target.
  const LayoutTargetSize wanted = WantedLayoutTarget(rs);
  const TextureSlot* current = SlotAt(rs.textures, kSlotLayout);
  if (current->texture && (current->width < wanted.width || current->height < wanted.height)) CreateLayoutTarget(rs);
  const TextureSlot& layoutSlot = *SlotAt(rs.textures, kSlotLayout);
  if (!layoutSlot.texture || !device->SetTarget(&layoutSlot.texture)) {
    ReportD3DError(kD3DErrInvalidCall, "GetSurfaceLevel");
    rs.display.frameInProgress = false;
    return 0;
  }
  // The layout's size on the back buffer: its own, or smaller under the render size cap.
  const float layoutScale = DrawnLayoutScale(rs);
  const int ownX = rs.layout.Width(), ownY = rs.layout.Height();
  const float resX = float(ownX) * layoutScale, resY = float(ownY) * layoutScale;
  const int largFen = rs.sources.largFen, hautFen = rs.sources.hautFen;
  const float offX = resX < float(largFen) ? float(largFen / 2) - resX * 0.5f : 0.0f;
  const float offY = resY < float(hautFen) ? float(hautFen / 2) - resY * 0.5f : 0.0f;
  const float e = rs.sources.modeFenetre ? 1.0f : 0.5f;

  if (rs.screen.slideShowActive) {
    device->Clear(0xFF000000);
    DrawSlidePicture(rs, e);
    CountContentChange();  // the layout target no longer holds the layout
  } else {
    StopSlideClip();
    // The layout drawn afresh shows whole: a cross-fade ends with the slide show.
    rs.screen.crossFadeAlpha = 255;
    ComposeLayout(rs, e);
  }
  DrawOverlays(rs);

  device->SetTarget(nullptr);
  const float fade = rs.clocks.fadeLevel;
  if (mode == 3 || (mode == 2 && fade == 1 && (float(largFen) <= resX || float(hautFen) <= resY))) {
    if (rs.display.backdrop && device->SetTarget(&rs.display.backdrop)) {
      device->Clear(0xFF000000);
      device->SetTarget(nullptr);
    }
  }
  // A layout at rest that fills the display hides the backdrop entirely: neither the
  // clear nor the backdrop copy would show.
  const bool covered = fade == 1 && rs.screen.angle == 0 && rs.screen.crossFadeAlpha == 255 &&
                       resX >= float(largFen) && resY >= float(hautFen);
  if (!covered) {
    const platform::Texture& backdrop = rs.display.backdrop;
    // A backdrop as large as the screen paints all of it: no clear beneath it.
    if (!backdrop || backdrop.Width() < largFen || backdrop.Height() < hautFen) device->Clear(0xFF000000);
    if (rs.display.backdrop) {
      const float bw = float(rs.display.backdrop.Width()), bh = float(rs.display.backdrop.Height());
      device->DrawTexture(rs.display.backdrop, {0, 0, std::min(bw, float(largFen)), std::min(bh, float(hautFen))},
                          {0, 0, std::min(1.0f, float(largFen) / bw), std::min(1.0f, float(hautFen) / bh)},
                          0xFFFFFFFF);
    } else {
      ReportD3DErrorOnce(rs, kD3DErrInvalidCall, TrLater("Erreur copy surface 2"));
    }
  }
  if (resX < float(largFen) && resY < float(hautFen) && fade == 1) {
    const int d = hautFen / 50;
    const platform::FRect shadow{offX + float(d), offY + float(d), resX, resY};
    // Blending is the dear part of a frame without a GPU: where the layout will be laid
    // opaque over the shadow, the shadow is not drawn.
    const bool layoutOpaque = rs.screen.angle == 0 && rs.screen.crossFadeAlpha == 255 && CurrentRotation(rs) % 2 == 0;
    const float m = 2 * e - 1;  // the layout's quad margin, as in DrawQuadTransformed
    const platform::FRect layout{offX - m, offY - m, resX + 2 * m, resY + 2 * m};
    for (const platform::FRect& part : layoutOpaque ? Uncovered(shadow, layout) : std::vector{shadow})
      device->FillRect(part, 0xC0393939);
  }
  DrawQuadTransformed(rs, kSlotLayout, offX, offY, resX, resY, resX * 0.5f, resY * 0.5f, fade, fade, rs.screen.angle,
                      (static_cast<std::uint32_t>(rs.screen.crossFadeAlpha) << 24) | 0xFFFFFF, e, float(ownX), float(ownY));
  if (mode == 1 && !(rs.display.backdrop && device->CopyBackBuffer(rs.display.backdrop)))
    ReportD3DError(kD3DErrInvalidCall, TrLater("Erreur copy surface 1"));
  if (mode != 3) device->Present();
  rs.screen.drawnCrossFadeAlpha = rs.screen.crossFadeAlpha;
  if (rs.screen.crossFadeAlpha < 255 && rs.screen.crossFadeStep != 0)
    rs.screen.crossFadeAlpha = std::min(255, rs.screen.crossFadeAlpha + rs.screen.crossFadeStep);
  rs.display.frameInProgress = false;
  return 1;
}

}  // namespace render
