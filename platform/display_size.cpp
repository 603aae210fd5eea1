#include "platform/display_size.h"

#include <cstdlib>

#include <SDL.h>

namespace platform {
namespace {

bool Named(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

}  // namespace

bool PrimaryDisplaySize(int& width, int& height) {
  width = height = 0;
  if (!Named("DISPLAY") && !Named("WAYLAND_DISPLAY")) return false;
  // Another part of the program may hold the video subsystem: only the reference taken here is let go.
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0) {
    width = mode.w;
    height = mode.h;
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return width > 0;
}

}  // namespace platform
