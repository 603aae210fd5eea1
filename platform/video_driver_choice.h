// The video driver the frontend asks SDL for. A cabinet without a desktop has no display
// server to talk to: there the menu draws on the console's display itself (KMS/DRM).
#pragma once

#include <string>

namespace platform {

// What the choice reads of the environment (an empty value counts as unset).
struct VideoEnvironment {
  std::string sdlVideoDriver;  // SDL_VIDEODRIVER
  std::string display;         // DISPLAY
  std::string waylandDisplay;  // WAYLAND_DISPLAY
};

inline constexpr const char* kKmsVideoDriver = "kmsdrm";

// The driver to ask for: SDL_VIDEODRIVER when set; empty (SDL's own order) under a display
// server; the console's KMS/DRM driver with neither.
std::string ChooseVideoDriver(const VideoEnvironment& environment);
VideoEnvironment VideoEnvironmentOfProcess();

// Hands this process's choice to SDL; called before the video subsystem starts. True when
// it asked for a driver of its own (not one the environment named).
bool ApplyVideoDriverChoice();
// Leaves the choice to SDL again: the console's driver could not start (no display device).
void DropVideoDriverChoice();
// Logs the driver SDL runs once per process, with why it was chosen.
void LogVideoDriverOnce();

// True when SDL's running video driver is the KMS/DRM one.
bool KmsVideoDriverRunning();

}  // namespace platform
