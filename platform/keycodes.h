// Keys as the settings store them: a KeyCode is the PC/AT set-1 scan code times 2,
// plus 512 for an extended (E0-prefixed) key; 999 is the system menu key, 0 none.
// The frontend's window events and the configurator's key capture both come here, so
// the two programs produce the same numbers on every keyboard layout.
#pragma once

#include <bitset>

namespace platform {

inline constexpr int kNoKey = 0;
inline constexpr int kSystemMenuKey = 999;

// KeyCode of an SDL scancode (SDL_Scancode value); 0 for keys a PC keyboard lacks.
int KeyCodeFromScancode(int sdlScancode);

// KeyCode of a Linux input key code (KEY_* of linux/input.h; an X11 keycode is this + 8),
// for programs that see native key codes instead of SDL scancodes: the KeyCode the
// frontend gets from SDL for the same key on X, 0 where SDL sends nothing for it.
int KeyCodeFromLinuxKey(int linuxKey);

// The Linux input key code of a KeyCode (the first that gives it), for watching a key on
// the devices themselves; 0 for KeyCodes no key gives (999, 0, unknown codes).
int LinuxKeyFromKeyCode(int keyCode);

// The KeyCode of a set-1 scan code: code * 2 + 512 when extended.
constexpr int MakeKeyCode(int setOneCode, bool extended) {
  return ((setOneCode * 2) & 0x1FF) + (extended ? 512 : 0);
}

// Turns key downs and ups into what the window procedure sees: Alt and F10 are system
// keys that never act as ordinary keys; Alt pressed and released with no other key in
// between, or F10 released, gives the system menu key 999. Keys pressed while Alt is
// held are swallowed, as a system key combination.
class SystemMenuKeyTracker {
 public:
  // The KeyCode to act on for a key down (auto-repeats included), or 0 when swallowed.
  int OnKeyDown(int keyCode);
  // For a key up: 999 when it completes the system menu key, 0 when swallowed, else
  // the key's own KeyCode (the ordinary key-up handling applies).
  int OnKeyUp(int keyCode);
  // Focus lost: a half-finished Alt press never completes.
  void Reset() { *this = {}; }

  static bool IsAlt(int keyCode);
  static bool IsF10(int keyCode);

 private:
  static constexpr int kKeyCodeRange = 1024;
  bool altLeft_ = false;
  bool altRight_ = false;
  bool altAlone_ = false;            // no other key since the first Alt went down
  bool f10Down_ = false;
  std::bitset<kKeyCodeRange> swallowed_;  // keys whose down was swallowed: their up is too
};

}  // namespace platform
