#include "render/display.h"

#include "render/drawing_generation.h"
#include "render/font_table.h"
#include "render/layout.h"
#include "render/render_sources.h"
#include "render/texture_table.h"
#include "platform/debug_log.h"
#include "platform/message_box.h"

#include <string>

DisplayState gDisplay;

namespace {

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

int NextPowerOfTwo(int n) {
  int p = 1;
  while (p < n && p < (1 << 30)) p *= 2;
  return p;
}

platform::Texture MakeTarget(int width, int height) {
  if (gDisplay.powerOfTwoTexturesOnly && (!IsPowerOfTwo(width) || !IsPowerOfTwo(height))) return {};
  return gDisplay.device->CreateTarget(width, height, nullptr);
}

}  // namespace

platform::Device* CurrentDevice() { return gDisplay.device.get(); }

void FillPresentParameters(bool fullScreen) {
  gDisplay.presentParameters.width = gRenderSources.largFen;
  gDisplay.presentParameters.height = gRenderSources.hautFen;
  gDisplay.presentParameters.fullScreen = fullScreen;
}

int CreateDisplay(DisplayKind kind) {
  CountDeviceChange();
  gTextureTable = {};
  gFontTable = {};
  gDisplay.device.reset();
  gDisplay.kind = kind;
  gDisplay.layoutTargetReady = false;
  gDisplay.backdrop.Reset();
  FillPresentParameters(!gRenderSources.modeFenetre);
  std::string error;
  if (kind == DisplayKind::kOffscreen)
    gDisplay.device = platform::Device::CreateOffscreen(gRenderSources.largFen, gRenderSources.hautFen, &error);
  else
    gDisplay.device = platform::Device::CreateForMainWindow(gDisplay.presentParameters, &error);
  if (!gDisplay.device) {
    ReportD3DError(kD3DErrNotAvailable, "Erreur CreateDevice");
    return kDisplayFailed;
  }
  return SetupRenderState();
}

int SetupRenderState() {
  if (!gDisplay.device) return 0;
  if (!gDisplay.layoutTargetReady && !CreateLayoutTarget()) return 0;
  // Blending (source alpha over inverse source alpha), point sampling when enlarging and
  // filtering when shrinking are chosen per draw by the device.
  return 1;
}

int CreateLayoutTarget() {
  CountDeviceChange();
  TextureSlot& slot = *SlotAt(kSlotLayout);
  slot = {};
  int width = gRenderSources.largFen, height = gRenderSources.hautFen;
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
  gDisplay.layoutTargetReady = true;
  gDisplay.backdrop = MakeTarget(width, height);
  if (!gDisplay.backdrop) platform::ShowMessageBox("Erreur CreateImageSurface", "");
  return 1;
}

void ReleaseMedia() {
  CountContentChange();
  gDisplay.deviceReady = false;
  for (int i = 0; i < kTextureSlotCount; ++i)
    if (i != kSlotLayout) *SlotAt(i) = {};
  gFontTable = {};
}

void ReleaseTarget() {
  CountDeviceChange();
  gDisplay.backdrop.Reset();
  gDisplay.layoutTargetReady = false;
}

void ReleaseForReset() {
  ReleaseTarget();
  ReleaseMedia();
  *SlotAt(kSlotLayout) = {};
}

void ReleaseAll() {
  ReleaseTarget();
  ReleaseMedia();
  *SlotAt(kSlotLayout) = {};
  gDisplay.device.reset();
}

int ResetDisplay() {
  if (!gDisplay.device) return 0;
  FillPresentParameters(!gRenderSources.modeFenetre);
  std::string error;
  return gDisplay.device->Recreate(&error) ? 1 : 0;
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
  if (gDisplay.reportedErrors.insert(std::string(caption)).second) {
    ReportD3DError(code, caption);
    return;
  }
  platform::WriteLog(std::string(D3DErrorName(code)) + " [" + std::string(caption) + "]", 1, 1);
}

void SetDrawLock(int flag) {
  // One thread draws: the lock only keeps a frame from starting while resources change.
  gDisplay.frameInProgress = flag != 0;
}
