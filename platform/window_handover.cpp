#include "platform/window_handover.h"

#include "platform/window_native.h"

#include <SDL.h>

namespace platform {

bool HandOverFullScreen() {
  SDL_Window* window = MainSdlWindow();
  if (!window) return true;
  const bool left = SDL_SetWindowFullscreen(window, 0) == 0;
  SDL_HideWindow(window);
  SDL_PumpEvents();
  return left;
}

void TakeBackFullScreen() {
  SDL_Window* window = MainSdlWindow();
  if (!window) return;
  SDL_ShowWindow(window);
  SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_RaiseWindow(window);
}

void DiscardPendingInput() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_PumpEvents();
  // Keyboard, text, mouse, joystick, controller, touch and gesture events.
  SDL_FlushEvents(SDL_KEYDOWN, SDL_MULTIGESTURE);
}

}  // namespace platform
