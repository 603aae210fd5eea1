// SDL's virtual joystick as the tests plug it: 2 axes, 12 buttons and 1 hat, with no
// mapping, as the cheap arcade encoders are. Tests only (they may call SDL directly).
#pragma once

#include <SDL.h>

namespace testpad {

// The device's index, or -1 (SDL_GetError says why).
inline int Attach(const char* name) {
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.naxes = 2;
  desc.nbuttons = 12;
  desc.nhats = 1;
  desc.name = name;
  return SDL_JoystickAttachVirtualEx(&desc);
}

// Closes the handle and unplugs its device (wherever its index has moved since).
inline void Detach(SDL_Joystick*& pad) {
  if (!pad) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
  SDL_JoystickClose(pad);
  pad = nullptr;
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
}

}  // namespace testpad
