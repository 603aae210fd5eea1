// The drawing device's record: the device, its present parameters, the backdrop and the
// flags of its lifecycle.
#pragma once

#include "platform/device.h"

#include <memory>
#include <set>
#include <string>

namespace render {

enum class DisplayKind { kMainWindow, kOffscreen };

struct DisplayState {
  std::unique_ptr<platform::Device> device;
  DisplayKind kind = DisplayKind::kMainWindow;
  platform::DisplayParameters presentParameters;
  bool layoutTargetReady = false;  // the layout's render target exists
  platform::Texture backdrop;      // the screen image behind and around the layout
  bool deviceReady = false;        // DeviceReady: template pictures loaded
  bool frameInProgress = false;    // FrameInProgress
  bool resourcesReleased = false;  // lost device: released, waiting for the reset
  // Test seam: a device that refuses texture sizes that are not powers of two.
  bool powerOfTwoTexturesOnly = false;
  // Errors already shown in a message box: a picture that cannot be decoded, or a frame
  // step that fails every frame, is shown once and then only logged.
  std::set<std::string> reportedErrors;
};

}  // namespace render
