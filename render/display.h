// The drawing device and its lifecycle: creation on the main window (or offscreen for
// tests and screenshots), the layout target and backdrop, the releases, device loss,
// the error message boxes and the frame-in-progress lock.
#pragma once

#include "platform/device.h"
#include "render/display_state.h"

#include <cstdint>
#include <string_view>

namespace render {

struct RenderState;

// Error codes named in the message boxes (values of the original drawing interface).
enum D3DErrorCode : std::uint32_t {
  kD3DErrWrongTextureFormat = 0x88760818,
  kD3DErrUnsupportedColorOperation = 0x88760819,
  kD3DErrUnsupportedColorArg = 0x8876081A,
  kD3DErrUnsupportedAlphaOperation = 0x8876081B,
  kD3DErrUnsupportedAlphaArg = 0x8876081C,
  kD3DErrTooManyOperations = 0x8876081D,
  kD3DErrConflictingTextureFilter = 0x8876081E,
  kD3DErrUnsupportedFactorValue = 0x8876081F,
  kD3DErrConflictingRenderState = 0x88760821,
  kD3DErrUnsupportedTextureFilter = 0x88760822,
  kD3DErrConflictingTexturePalette = 0x88760826,
  kD3DErrDriverInvalidCall = 0x8876086D,
  kD3DErrOutOfVideoMemory = 0x8876017C,
  kD3DErrNotFound = 0x88760866,
  kD3DErrMoreData = 0x88760867,
  kD3DErrDeviceLost = 0x88760868,
  kD3DErrDeviceNotReset = 0x88760869,
  kD3DErrNotAvailable = 0x8876086A,
  kD3DErrInvalidDevice = 0x8876086B,
  kD3DErrInvalidCall = 0x8876086C,
  kD3DXErrInvalidData = 0x88760B59,  // a picture that cannot be decoded
};
constexpr int kDisplayFailed = static_cast<int>(0x80004005u);  // E_FAIL: fatal to the caller

// 1 made, 0 made without the layout target, kDisplayFailed when no device can be made.
int CreateDisplay(RenderState& rs, DisplayKind kind);
void FillPresentParameters(RenderState& rs, bool fullScreen);
int SetupRenderState(RenderState& rs);
int CreateLayoutTarget(RenderState& rs);

// How much smaller than its own size the layout is drawn (1 but under the render size cap,
// for a layout larger than the back buffer), and the layout target that takes it whole.
float DrawnLayoutScale(const RenderState& rs);
struct LayoutTargetSize {
  int width = 0, height = 0;
};
LayoutTargetSize WantedLayoutTarget(const RenderState& rs);

void ReleaseMedia(RenderState& rs);
void ReleaseTarget(RenderState& rs);
void ReleaseForReset(RenderState& rs);
void ReleaseAll(RenderState& rs);

// The reset of the lost-device path (after ReleaseForReset): makes the renderer again
// with the present parameters. 0 when that fails (the caller re-creates the display).
int ResetDisplay(RenderState& rs);

// Message box naming the error code, with the caller's caption.
void ReportD3DError(std::uint32_t code, std::string_view caption);
// The same, shown once per caption (a file, a frame step) for the life of the display
// state; every later report is only logged.
void ReportD3DErrorOnce(RenderState& rs, std::uint32_t code, std::string_view caption);
// The text of that message box.
std::string_view D3DErrorName(std::uint32_t code);

void SetDrawLock(RenderState& rs, int flag);

platform::Device* CurrentDevice(const RenderState& rs);

}  // namespace render
