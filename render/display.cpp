#include "render/display.h"

#include "render/drawing_generation.h"
#include "render/font_table.h"
#include "render/layout.h"
#include "render/render_size.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/texture_table.h"
#include "platform/debug_log.h"
#include "platform/message_box.h"
#include "platform/message_catalogue.h"

#include <algorithm>
#include <string>

namespace render {

namespace {

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

int NextPowerOfTwo(int n) {
  int p = 1;
  while (p < n && p < (1 << 30)) p *= 2;
  return p;
}

platform::Texture MakeTarget(RenderState& rs, int width, int height) {
  if (rs.display.powerOfTwoTexturesOnly && (!IsPowerOfTwo(width) || !IsPowerOfTwo(height))) return {};
  return rs.display.device->CreateTarget(width, height, nullptr);
}

}  // namespace

platform::Device* CurrentDevice(const RenderState& rs) { return rs.display.device.get(); }

float DrawnLayoutScale(const RenderState& rs) {
  const bool capped = rs.sources.outputWidth > rs.sources.largFen || rs.sources.outputHeight > rs.sources.hautFen;
  return capped ? LayoutScale(rs.sources.largFen, rs.sources.hautFen, rs.layout.Width(), rs.layout.Height()) : 1.0f;
}

LayoutTargetSize WantedLayoutTarget(const RenderState& rs) {
  if (DrawnLayoutScale(rs) >= 1.0f) return {rs.sources.largFen, rs.sources.hautFen};
  return {std::max(rs.sources.largFen, std::min(rs.layout.Width(), rs.sources.outputWidth)),
          std::max(rs.sources.hautFen, std::min(rs.layout.Height(), rs.sources.outputHeight))};
}

void FillPresentParameters(RenderState& rs, bool fullScreen) {
  rs.display.presentParameters.width = rs.sources.largFen;
  rs.display.presentParameters.height = rs.sources.hautFen;
  rs.display.presentParameters.fullScreen = fullScreen;
  rs.display.presentParameters.outputWidth = rs.sources.outputWidth;
  rs.display.presentParameters.outputHeight = rs.sources.outputHeight;
}

int CreateDisplay(RenderState& rs, DisplayKind kind) {
  CountDeviceChange();
  ClearTextures(rs.textures);
  ClearFonts(rs.fonts);
  rs.display.device.reset();
  rs.display.kind = kind;
  rs.display.layoutTargetReady = false;
  rs.display.backdrop.Reset();
  FillPresentParameters(rs, !rs.sources.modeFenetre);
  std::string error;
  if (kind == DisplayKind::kOffscreen)
    rs.display.device = platform::Device::CreateOffscreen(rs.display.presentParameters, &error);
  else
    rs.display.device = platform::Device::CreateForMainWindow(rs.display.presentParameters, &error);
  if (!rs.display.device) {
    ReportD3DError(kD3DErrNotAvailable, TrLater("Erreur CreateDevice"));
    return kDisplayFailed;
  }
  return SetupRenderState(rs);
}

int SetupRenderState(RenderState& rs) {
  if (!rs.display.device) return 0;
  if (!rs.display.layoutTargetReady && !CreateLayoutTarget(rs)) return 0;
  // Blending (source alpha over inverse source alpha), point sampling when enlarging and
  // filtering when shrinking are chosen per draw by the device.
  return 1;
}

int CreateLayoutTarget(RenderState& rs) {
  CountDeviceChange();
  TextureSlot& slot = *SlotAt(rs.textures, kSlotLayout);
  slot = {};
  int width = rs.sources.largFen, height = rs.sources.hautFen;
  // Under the render size cap a layout larger than the back buffer is composed at its own
  // size (within the screen's) and drawn smaller when the frame is put together.
  const LayoutTargetSize wanted = WantedLayoutTarget(rs);
  platform::Texture texture = MakeTarget(rs, wanted.width, wanted.height);
  if (!texture) {
    width = NextPowerOfTwo(width);
    height = NextPowerOfTwo(height);
    texture = MakeTarget(rs, NextPowerOfTwo(wanted.width), NextPowerOfTwo(wanted.height));
    if (!texture) {
      ReportD3DError(kD3DErrOutOfVideoMemory, "CreateTexture");
      return 0;
    }
  }
  slot.texture = texture;
  slot.width = texture.Width();
  slot.height = texture.Height();
  rs.display.layoutTargetReady = true;
  rs.display.backdrop = MakeTarget(rs, width, height);
  if (!rs.display.backdrop) platform::ShowTranslatedMessageBox(TrLater("Erreur CreateImageSurface"), {}, "");
  return 1;
}

void ReleaseMedia(RenderState& rs) {
  CountContentChange();
  rs.display.deviceReady = false;
  ReleaseSlotsBut(rs.textures, kSlotLayout);
  ClearFonts(rs.fonts);
}

void ReleaseTarget(RenderState& rs) {
  CountDeviceChange();
  rs.display.backdrop.Reset();
  rs.display.layoutTargetReady = false;
}

void ReleaseForReset(RenderState& rs) {
  ReleaseTarget(rs);
  ReleaseMedia(rs);
  ReleaseSlot(rs.textures, kSlotLayout);
}

void ReleaseAll(RenderState& rs) {
  ReleaseTarget(rs);
  ReleaseMedia(rs);
  ReleaseSlot(rs.textures, kSlotLayout);
  rs.display.device.reset();
}

int ResetDisplay(RenderState& rs) {
  if (!rs.display.device) return 0;
  FillPresentParameters(rs, !rs.sources.modeFenetre);
  std::string error;
  return rs.display.device->Recreate(&error) ? 1 : 0;
}

std::string_view D3DErrorName(std::uint32_t code) {
  switch (code) {
    case kD3DErrWrongTextureFormat: return "D3DERR_WRONGTEXTUREFORMAT";
    case kD3DErrUnsupportedColorOperation: return "D3DERR_UNSUPPORTEDCOLOROPERATION";
    case kD3DErrUnsupportedColorArg: return "D3DERR_UNSUPPORTEDCOLORARG";
    case kD3DErrUnsupportedAlphaOperation: return "D3DERR_UNSUPPORTEDALPHAOPERATION";
    case kD3DErrUnsupportedAlphaArg: return "D3DERR_UNSUPPORTEDALPHAARG";
    case kD3DErrTooManyOperations: return "D3DERR_TOOMANYOPERATIONS";
    case kD3DErrConflictingTextureFilter: return "D3DERR_CONFLICTINGTEXTUREFILTER";
    case kD3DErrUnsupportedFactorValue: return "D3DERR_UNSUPPORTEDFACTORVALUE";
    case kD3DErrConflictingRenderState: return "D3DERR_CONFLICTINGRENDERSTATE";
    case kD3DErrUnsupportedTextureFilter: return "D3DERR_UNSUPPORTEDTEXTUREFILTER";
    case kD3DErrConflictingTexturePalette: return "D3DERR_CONFLICTINGTEXTUREPALETTE";
    case kD3DErrDriverInvalidCall: return "D3DERR_DRIVERINVALIDCALL";
    case kD3DErrOutOfVideoMemory: return "D3DERR_OUTOFVIDEOMEMORY";
    case kD3DErrNotFound: return "D3DERR_NOTFOUND";
    case kD3DErrMoreData: return "D3DERR_MOREDATA";
    case kD3DErrDeviceLost: return "D3DERR_DEVICELOST";
    case kD3DErrDeviceNotReset: return "D3DERR_DEVICENOTRESET";
    case kD3DErrNotAvailable: return "D3DERR_NOTAVAILABLE";
    case kD3DErrInvalidDevice: return "D3DERR_INVALIDDEVICE";
    case kD3DErrInvalidCall: return "D3DERR_INVALIDCALL";
    default: return TrLater("Erreur inconnue !!!");
  }
}

void ReportD3DError(std::uint32_t code, std::string_view caption) {
  platform::ShowTranslatedMessageBox(D3DErrorName(code), {}, caption);
}

void ReportD3DErrorOnce(RenderState& rs, std::uint32_t code, std::string_view caption) {
  if (rs.display.reportedErrors.insert(std::string(caption)).second) {
    ReportD3DError(code, caption);
    return;
  }
  platform::WriteLog(std::string(D3DErrorName(code)) + " [" + std::string(caption) + "]", 1, 1);
}

void SetDrawLock(RenderState& rs, int flag) {
  // One thread draws: the lock only keeps a frame from starting while resources change.
  rs.display.frameInProgress = flag != 0;
}

}  // namespace render
