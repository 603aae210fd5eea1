#include "platform/video_driver_choice.h"

#include "platform/debug_log.h"

#include <SDL.h>

#include <cstdlib>

namespace platform {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Why the driver was chosen, for the log.
std::string Reason(const VideoEnvironment& environment) {
  if (!environment.sdlVideoDriver.empty()) return "SDL_VIDEODRIVER";
  if (!environment.display.empty()) return "DISPLAY=" + environment.display;
  if (!environment.waylandDisplay.empty()) return "WAYLAND_DISPLAY=" + environment.waylandDisplay;
  return "ni DISPLAY ni WAYLAND_DISPLAY : console";
}

bool gLogged = false;
bool gDropped = false;  // the console's driver could not start: SDL chooses from then on

}  // namespace

std::string ChooseVideoDriver(const VideoEnvironment& environment) {
  if (!environment.sdlVideoDriver.empty()) return environment.sdlVideoDriver;
  if (!environment.display.empty() || !environment.waylandDisplay.empty()) return {};
  return kKmsVideoDriver;
}

VideoEnvironment VideoEnvironmentOfProcess() {
  return {Variable("SDL_VIDEODRIVER"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

bool ApplyVideoDriverChoice() {
  const VideoEnvironment environment = VideoEnvironmentOfProcess();
  const std::string driver = ChooseVideoDriver(environment);
  if (gDropped || !environment.sdlVideoDriver.empty() || driver.empty()) return false;
  // A hint, not the environment: the emulator and the renderer's choice child make their own.
  // Overriding, as an empty SDL_VIDEODRIVER would otherwise hide it.
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, driver.c_str(), SDL_HINT_OVERRIDE);
  return true;
}

void DropVideoDriverChoice() {
  gDropped = true;
  SDL_ResetHint(SDL_HINT_VIDEODRIVER);
}

void LogVideoDriverOnce() {
  if (gLogged) return;
  gLogged = true;
  const char* running = SDL_GetCurrentVideoDriver();
  WriteLog(std::string("Video : pilote ") + (running ? running : "?") + " (" + Reason(VideoEnvironmentOfProcess()) + ")",
           1, 1);
}

bool KmsVideoDriverRunning() {
  const char* running = SDL_GetCurrentVideoDriver();
  return running && SDL_strcasecmp(running, kKmsVideoDriver) == 0;
}

}  // namespace platform
