#include "render/display.h"

#include "render/drawing_generation.h"
#include "render/font_table.h"
#include "render/layout.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/texture_table.h"
#include "platform/debug_log.h"
#include "platform/message_box.h"

#include <string>

namespace render {

namespace {

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

int NextPowerOfTwo(int n) {
  int p = 1;
  while (p < n && p < (1 << 30)) p *= 2;
  return p;
}

platform::Texture MakeTarget(int width, int height) {
  if (gRender.display.powerOfTwoTexturesOnly && (!IsPowerOfTwo(width) || !IsPowerOfTwo(height))) return {};
  return gRender.display.device->CreateTarget(width, height, nullptr);
}

}  // namespace

platform::Device* CurrentDevice() { return gRender.display.device.get(); }

void FillPresentParameters(bool fullScreen) {
  gRender.display.presentParameters.width = gRender.sources.largFen;
  gRender.display.presentParameters.height = gRender.sources.hautFen;
  gRender.display.presentParameters.fullScreen = fullScreen;
}

int CreateDisplay(DisplayKind kind) {
  CountDeviceChange();
  gRender.textures = {};
  gRender.fonts = {};
  gRender.display.device.reset();
  gRender.display.kind = kind;
  gRender.display.layoutTargetReady = false;
  gRender.display.backdrop.Reset();
  FillPresentParameters(!gRender.sources.modeFenetre);
  std::string error;
  if (kind == DisplayKind::kOffscreen)
    gRender.display.device = platform::Device::CreateOffscreen(gRender.sources.largFen, gRender.sources.hautFen, &error);
  else
    gRender.display.device = platform::Device::CreateForMainWindow(gRender.display.presentParameters, &error);
  if (!gRender.display.device) {
    ReportD3DError(kD3DErrNotAvailable, "Erreur CreateDevice");
    return kDisplayFailed;
  }
  return SetupRenderState();
}

int SetupRenderState() {
  if (!gRender.display.device) return 0;
  if (!gRender.display.layoutTargetReady && !CreateLayoutTarget()) return 0;
  // Blending (source alpha over inverse source alpha), point sampling when enlarging and
  // filtering when shrinking are chosen per draw by the device.
  return 1;
}

int CreateLayoutTarget() {
  CountDeviceChange();
  TextureSlot& slot = *SlotAt(gRender.textures, kSlotLayout);
  slot = {};
  int width = gRender.sources.largFen, height = gRender.sources.hautFen;
  platform::Texture texture = MakeTarget(width, height);
  if (!texture) {
    width = NextPowerOfTwo(width);
    height = NextPowerOfTwo(height);
    texture = MakeTarget(width, height);
    if (!texture) {
      ReportD3DError(kD3DErrOutOfVideoMemory, "CreateTexture");
      return 0;
    }
  }
  slot.texture = texture;
  slot.width = texture.Width();
  slot.height = texture.Height();
  gRender.display.layoutTargetReady = true;
  gRender.display.backdrop = MakeTarget(width, height);
  if (!gRender.display.backdrop) platform::ShowMessageBox("Erreur CreateImageSurface", "");
  return 1;
}

void ReleaseMedia() {
  CountContentChange();
  gRender.display.deviceReady = false;
  for (int i = 0; i < kTextureSlotCount; ++i)
    if (i != kSlotLayout) *SlotAt(gRender.textures, i) = {};
  gRender.fonts = {};
}

void ReleaseTarget() {
  CountDeviceChange();
  gRender.display.backdrop.Reset();
  gRender.display.layoutTargetReady = false;
}

void ReleaseForReset() {
  ReleaseTarget();
  ReleaseMedia();
  *SlotAt(gRender.textures, kSlotLayout) = {};
}

void ReleaseAll() {
  ReleaseTarget();
  ReleaseMedia();
  *SlotAt(gRender.textures, kSlotLayout) = {};
  gRender.display.device.reset();
}

int ResetDisplay() {
  if (!gRender.display.device) return 0;
  FillPresentParameters(!gRender.sources.modeFenetre);
  std::string error;
  return gRender.display.device->Recreate(&error) ? 1 : 0;
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
    default: return "Erreur inconnue !!!";
  }
}

void ReportD3DError(std::uint32_t code, std::string_view caption) {
  platform::ShowMessageBox(D3DErrorName(code), caption);
}

void ReportD3DErrorOnce(std::uint32_t code, std::string_view caption) {
  if (gRender.display.reportedErrors.insert(std::string(caption)).second) {
    ReportD3DError(code, caption);
    return;
  }
  platform::WriteLog(std::string(D3DErrorName(code)) + " [" + std::string(caption) + "]", 1, 1);
}

void SetDrawLock(int flag) {
  // One thread draws: the lock only keeps a frame from starting while resources change.
  gRender.display.frameInProgress = flag != 0;
}

}  // namespace render
