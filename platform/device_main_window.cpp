#include "platform/device.h"
#include "platform/window_native.h"

namespace platform {

std::unique_ptr<Device> Device::CreateForMainWindow(const DisplayParameters& params, std::string* error) {
  WindowHandle window = MainSdlWindow();
  if (!window) {
    if (error) *error = "no main window";
    return nullptr;
  }
  return CreateForWindow(window, params, error);
}

}  // namespace platform
