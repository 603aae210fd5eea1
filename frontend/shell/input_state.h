// What the key handling remembers between presses.
#pragma once

#include <cstdint>
#include <string>

#include "frontend/shell/held_keys.h"
#include "frontend/shell/kiosk_lock.h"
#include "platform/keycodes.h"

namespace shell {

struct InputState {
  // The Navigate sound plays on the first move of a press; a key release arms it again,
  // so a held key that auto-repeats plays it once.
  bool navigateArmed = true;
  // The configuration from which MenuKey opened the menu (text(260)); QuitKey in the
  // menu goes back to it. Empty: back to the LastEmu configuration.
  std::string previousConfig;
  // Alt alone and F10 become the system menu key.
  platform::SystemMenuKeyTracker systemKeys;
  // How far the kiosk lock's sequence has been typed.
  KioskLockState kioskLock;
  // Keys still down from the last game, and when the keyboard is looked at for them next.
  HeldKeys heldSinceGame;
  std::uint32_t heldKeysLook = 0;
};

}  // namespace shell
