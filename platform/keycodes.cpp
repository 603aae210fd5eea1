#include "platform/keycodes.h"

#include <array>

#include <SDL2/SDL_scancode.h>
#include <linux/input-event-codes.h>

namespace platform {
namespace {

struct KeyRow {
  int sdl;       // SDL_Scancode
  int evdev;     // KEY_* of the kernel
  int setOne;    // PC/AT set-1 make code
  bool extended; // sent with the E0 prefix
};

// Every key of a standard PC keyboard (and the common extras of multimedia and
// Japanese/Brazilian keyboards) with its set-1 code.
constexpr KeyRow kKeys[] = {
    {SDL_SCANCODE_ESCAPE, KEY_ESC, 0x01, false},
    {SDL_SCANCODE_1, KEY_1, 0x02, false},
    {SDL_SCANCODE_2, KEY_2, 0x03, false},
    {SDL_SCANCODE_3, KEY_3, 0x04, false},
    {SDL_SCANCODE_4, KEY_4, 0x05, false},
    {SDL_SCANCODE_5, KEY_5, 0x06, false},
    {SDL_SCANCODE_6, KEY_6, 0x07, false},
    {SDL_SCANCODE_7, KEY_7, 0x08, false},
    {SDL_SCANCODE_8, KEY_8, 0x09, false},
    {SDL_SCANCODE_9, KEY_9, 0x0A, false},
    {SDL_SCANCODE_0, KEY_0, 0x0B, false},
    {SDL_SCANCODE_MINUS, KEY_MINUS, 0x0C, false},
    {SDL_SCANCODE_EQUALS, KEY_EQUAL, 0x0D, false},
    {SDL_SCANCODE_BACKSPACE, KEY_BACKSPACE, 0x0E, false},
    {SDL_SCANCODE_TAB, KEY_TAB, 0x0F, false},
    {SDL_SCANCODE_Q, KEY_Q, 0x10, false},
    {SDL_SCANCODE_W, KEY_W, 0x11, false},
    {SDL_SCANCODE_E, KEY_E, 0x12, false},
    {SDL_SCANCODE_R, KEY_R, 0x13, false},
    {SDL_SCANCODE_T, KEY_T, 0x14, false},
    {SDL_SCANCODE_Y, KEY_Y, 0x15, false},
    {SDL_SCANCODE_U, KEY_U, 0x16, false},
    {SDL_SCANCODE_I, KEY_I, 0x17, false},
    {SDL_SCANCODE_O, KEY_O, 0x18, false},
    {SDL_SCANCODE_P, KEY_P, 0x19, false},
    {SDL_SCANCODE_LEFTBRACKET, KEY_LEFTBRACE, 0x1A, false},
    {SDL_SCANCODE_RIGHTBRACKET, KEY_RIGHTBRACE, 0x1B, false},
    {SDL_SCANCODE_RETURN, KEY_ENTER, 0x1C, false},
    {SDL_SCANCODE_LCTRL, KEY_LEFTCTRL, 0x1D, false},
    {SDL_SCANCODE_A, KEY_A, 0x1E, false},
    {SDL_SCANCODE_S, KEY_S, 0x1F, false},
    {SDL_SCANCODE_D, KEY_D, 0x20, false},
    {SDL_SCANCODE_F, KEY_F, 0x21, false},
    {SDL_SCANCODE_G, KEY_G, 0x22, false},
    {SDL_SCANCODE_H, KEY_H, 0x23, false},
    {SDL_SCANCODE_J, KEY_J, 0x24, false},
    {SDL_SCANCODE_K, KEY_K, 0x25, false},
    {SDL_SCANCODE_L, KEY_L, 0x26, false},
    {SDL_SCANCODE_SEMICOLON, KEY_SEMICOLON, 0x27, false},
    {SDL_SCANCODE_APOSTROPHE, KEY_APOSTROPHE, 0x28, false},
    {SDL_SCANCODE_GRAVE, KEY_GRAVE, 0x29, false},
    {SDL_SCANCODE_LSHIFT, KEY_LEFTSHIFT, 0x2A, false},
    {SDL_SCANCODE_BACKSLASH, KEY_BACKSLASH, 0x2B, false},
    {SDL_SCANCODE_NONUSHASH, -1, 0x2B, false},  // the ISO key beside Enter
    {SDL_SCANCODE_Z, KEY_Z, 0x2C, false},
    {SDL_SCANCODE_X, KEY_X, 0x2D, false},
    {SDL_SCANCODE_C, KEY_C, 0x2E, false},
    {SDL_SCANCODE_V, KEY_V, 0x2F, false},
    {SDL_SCANCODE_B, KEY_B, 0x30, false},
    {SDL_SCANCODE_N, KEY_N, 0x31, false},
    {SDL_SCANCODE_M, KEY_M, 0x32, false},
    {SDL_SCANCODE_COMMA, KEY_COMMA, 0x33, false},
    {SDL_SCANCODE_PERIOD, KEY_DOT, 0x34, false},
    {SDL_SCANCODE_SLASH, KEY_SLASH, 0x35, false},
    {SDL_SCANCODE_RSHIFT, KEY_RIGHTSHIFT, 0x36, false},
    {SDL_SCANCODE_KP_MULTIPLY, KEY_KPASTERISK, 0x37, false},
    {SDL_SCANCODE_LALT, KEY_LEFTALT, 0x38, false},
    {SDL_SCANCODE_SPACE, KEY_SPACE, 0x39, false},
    {SDL_SCANCODE_CAPSLOCK, KEY_CAPSLOCK, 0x3A, false},
    {SDL_SCANCODE_F1, KEY_F1, 0x3B, false},
    {SDL_SCANCODE_F2, KEY_F2, 0x3C, false},
    {SDL_SCANCODE_F3, KEY_F3, 0x3D, false},
    {SDL_SCANCODE_F4, KEY_F4, 0x3E, false},
    {SDL_SCANCODE_F5, KEY_F5, 0x3F, false},
    {SDL_SCANCODE_F6, KEY_F6, 0x40, false},
    {SDL_SCANCODE_F7, KEY_F7, 0x41, false},
    {SDL_SCANCODE_F8, KEY_F8, 0x42, false},
    {SDL_SCANCODE_F9, KEY_F9, 0x43, false},
    {SDL_SCANCODE_F10, KEY_F10, 0x44, false},
    // Windows reports NumLock as extended 0x45 and Pause as plain 0x45 (the E1 sequence).
    {SDL_SCANCODE_NUMLOCKCLEAR, KEY_NUMLOCK, 0x45, true},
    {SDL_SCANCODE_SCROLLLOCK, KEY_SCROLLLOCK, 0x46, false},
    {SDL_SCANCODE_KP_7, KEY_KP7, 0x47, false},
    {SDL_SCANCODE_KP_8, KEY_KP8, 0x48, false},
    {SDL_SCANCODE_KP_9, KEY_KP9, 0x49, false},
    {SDL_SCANCODE_KP_MINUS, KEY_KPMINUS, 0x4A, false},
    {SDL_SCANCODE_KP_4, KEY_KP4, 0x4B, false},
    {SDL_SCANCODE_KP_5, KEY_KP5, 0x4C, false},
    {SDL_SCANCODE_KP_6, KEY_KP6, 0x4D, false},
    {SDL_SCANCODE_KP_PLUS, KEY_KPPLUS, 0x4E, false},
    {SDL_SCANCODE_KP_1, KEY_KP1, 0x4F, false},
    {SDL_SCANCODE_KP_2, KEY_KP2, 0x50, false},
    {SDL_SCANCODE_KP_3, KEY_KP3, 0x51, false},
    {SDL_SCANCODE_KP_0, KEY_KP0, 0x52, false},
    {SDL_SCANCODE_KP_PERIOD, KEY_KPDOT, 0x53, false},
    {SDL_SCANCODE_SYSREQ, -1, 0x54, false},
    {SDL_SCANCODE_NONUSBACKSLASH, KEY_102ND, 0x56, false},
    {SDL_SCANCODE_F11, KEY_F11, 0x57, false},
    {SDL_SCANCODE_F12, KEY_F12, 0x58, false},
    {SDL_SCANCODE_KP_EQUALS, KEY_KPEQUAL, 0x59, false},
    {SDL_SCANCODE_F13, KEY_F13, 0x64, false},
    {SDL_SCANCODE_F14, KEY_F14, 0x65, false},
    {SDL_SCANCODE_F15, KEY_F15, 0x66, false},
    {SDL_SCANCODE_F16, KEY_F16, 0x67, false},
    {SDL_SCANCODE_F17, KEY_F17, 0x68, false},
    {SDL_SCANCODE_F18, KEY_F18, 0x69, false},
    {SDL_SCANCODE_F19, KEY_F19, 0x6A, false},
    {SDL_SCANCODE_F20, KEY_F20, 0x6B, false},
    // X gives the kernel's F21-F24 the touchpad keys' symbols, for which SDL sends nothing:
    // the configurator must not take them either.
    {SDL_SCANCODE_F21, -1, 0x6C, false},
    {SDL_SCANCODE_F22, -1, 0x6D, false},
    {SDL_SCANCODE_F23, -1, 0x6E, false},
    {SDL_SCANCODE_INTERNATIONAL2, KEY_KATAKANAHIRAGANA, 0x70, false},
    {SDL_SCANCODE_INTERNATIONAL1, KEY_RO, 0x73, false},
    {SDL_SCANCODE_F24, -1, 0x76, false},
    {SDL_SCANCODE_INTERNATIONAL4, KEY_HENKAN, 0x79, false},
    {SDL_SCANCODE_INTERNATIONAL5, KEY_MUHENKAN, 0x7B, false},
    {SDL_SCANCODE_INTERNATIONAL3, KEY_YEN, 0x7D, false},
    {SDL_SCANCODE_KP_COMMA, -1, 0x7E, false},  // KEY_KPJPCOMMA: SDL sends nothing for it on X
    {SDL_SCANCODE_LANG2, KEY_HANJA, 0xF1, false},
    {SDL_SCANCODE_LANG1, KEY_HANGEUL, 0xF2, false},
    // Extended keys.
    {SDL_SCANCODE_AUDIOPREV, KEY_PREVIOUSSONG, 0x10, true},
    {SDL_SCANCODE_AUDIONEXT, KEY_NEXTSONG, 0x19, true},
    {SDL_SCANCODE_KP_ENTER, KEY_KPENTER, 0x1C, true},
    {SDL_SCANCODE_RCTRL, KEY_RIGHTCTRL, 0x1D, true},
    {SDL_SCANCODE_AUDIOMUTE, KEY_MUTE, 0x20, true},
    {SDL_SCANCODE_MUTE, -1, 0x20, true},
    {SDL_SCANCODE_CALCULATOR, KEY_CALC, 0x21, true},
    {SDL_SCANCODE_AUDIOPLAY, KEY_PLAYPAUSE, 0x22, true},
    {SDL_SCANCODE_AUDIOSTOP, KEY_STOPCD, 0x24, true},
    {SDL_SCANCODE_VOLUMEDOWN, KEY_VOLUMEDOWN, 0x2E, true},
    {SDL_SCANCODE_VOLUMEUP, KEY_VOLUMEUP, 0x30, true},
    {SDL_SCANCODE_AC_HOME, KEY_HOMEPAGE, 0x32, true},
    {SDL_SCANCODE_KP_DIVIDE, KEY_KPSLASH, 0x35, true},
    {SDL_SCANCODE_PRINTSCREEN, KEY_PRINT, 0x37, true},
    // The kernel reports Print Screen as KEY_SYSRQ, which SDL turns into PRINTSCREEN: both
    // programs must see the one key.
    {SDL_SCANCODE_PRINTSCREEN, KEY_SYSRQ, 0x37, true},
    {SDL_SCANCODE_RALT, KEY_RIGHTALT, 0x38, true},
    {SDL_SCANCODE_PAUSE, KEY_PAUSE, 0x45, false},
    {SDL_SCANCODE_HOME, KEY_HOME, 0x47, true},
    {SDL_SCANCODE_UP, KEY_UP, 0x48, true},
    {SDL_SCANCODE_PAGEUP, KEY_PAGEUP, 0x49, true},
    {SDL_SCANCODE_LEFT, KEY_LEFT, 0x4B, true},
    {SDL_SCANCODE_RIGHT, KEY_RIGHT, 0x4D, true},
    {SDL_SCANCODE_END, KEY_END, 0x4F, true},
    {SDL_SCANCODE_DOWN, KEY_DOWN, 0x50, true},
    {SDL_SCANCODE_PAGEDOWN, KEY_PAGEDOWN, 0x51, true},
    {SDL_SCANCODE_INSERT, KEY_INSERT, 0x52, true},
    {SDL_SCANCODE_DELETE, KEY_DELETE, 0x53, true},
    {SDL_SCANCODE_LGUI, KEY_LEFTMETA, 0x5B, true},
    {SDL_SCANCODE_RGUI, KEY_RIGHTMETA, 0x5C, true},
    {SDL_SCANCODE_APPLICATION, KEY_COMPOSE, 0x5D, true},
    {SDL_SCANCODE_POWER, KEY_POWER, 0x5E, true},
    {SDL_SCANCODE_SLEEP, KEY_SLEEP, 0x5F, true},
    {SDL_SCANCODE_AC_SEARCH, KEY_SEARCH, 0x65, true},
    {SDL_SCANCODE_AC_BOOKMARKS, KEY_BOOKMARKS, 0x66, true},
    {SDL_SCANCODE_AC_REFRESH, KEY_REFRESH, 0x67, true},
    {SDL_SCANCODE_AC_STOP, KEY_STOP, 0x68, true},
    {SDL_SCANCODE_AC_FORWARD, KEY_FORWARD, 0x69, true},
    {SDL_SCANCODE_AC_BACK, KEY_BACK, 0x6A, true},
    {SDL_SCANCODE_COMPUTER, KEY_COMPUTER, 0x6B, true},
    {SDL_SCANCODE_MAIL, KEY_MAIL, 0x6C, true},
    {SDL_SCANCODE_MEDIASELECT, KEY_MEDIA, 0x6D, true},
    // Kernel keys that SDL knows on X only by their symbol: the frontend gets these
    // scancodes for them, so the configurator's native key codes must give the same.
    {SDL_SCANCODE_RALT, 84, 0x38, true},  // X's ISO_Level3_Shift, no kernel key
    {SDL_SCANCODE_KP_PERIOD, KEY_KPCOMMA, 0x53, false},
    {SDL_SCANCODE_F13, KEY_CONFIG, 0x64, false},
    {SDL_SCANCODE_CANCEL, KEY_STOP, 0x68, true},  // X names Stop and Cancel alike
    {SDL_SCANCODE_CANCEL, KEY_CANCEL, 0x68, true},
    {SDL_SCANCODE_AUDIOPLAY, KEY_PLAYCD, 0x22, true},
    {SDL_SCANCODE_AUDIOPLAY, KEY_PLAY, 0x22, true},
    {SDL_SCANCODE_MAIL, KEY_EMAIL, 0x6C, true},
};

constexpr int kTableSize = 1024;

// Direct lookup arrays built at compile time: both source codes stay below 1024.
template <int KeyRow::*Source>
constexpr std::array<short, kTableSize> BuildLookup() {
  std::array<short, kTableSize> out{};
  for (const KeyRow& row : kKeys) {
    int from = row.*Source;
    if (from >= 0 && from < kTableSize && out[from] == 0) {
      out[from] = static_cast<short>(MakeKeyCode(row.setOne, row.extended));
    }
  }
  return out;
}

constexpr auto kFromSdl = BuildLookup<&KeyRow::sdl>();
constexpr auto kFromLinux = BuildLookup<&KeyRow::evdev>();

static_assert(kFromSdl[SDL_SCANCODE_DOWN] == 672 && kFromSdl[SDL_SCANCODE_ESCAPE] == 2);

}  // namespace

int KeyCodeFromScancode(int sdlScancode) {
  if (sdlScancode < 0 || sdlScancode >= kTableSize) return kNoKey;
  return kFromSdl[sdlScancode];
}

int KeyCodeFromLinuxKey(int linuxKey) {
  if (linuxKey < 0 || linuxKey >= kTableSize) return kNoKey;
  return kFromLinux[linuxKey];
}

int LinuxKeyFromKeyCode(int keyCode) {
  if (keyCode == kNoKey) return 0;
  for (int key = 1; key < kTableSize; ++key)
    if (kFromLinux[key] == keyCode) return key;
  return 0;
}

bool SystemMenuKeyTracker::IsAlt(int keyCode) {
  return keyCode == MakeKeyCode(0x38, false) || keyCode == MakeKeyCode(0x38, true);
}

bool SystemMenuKeyTracker::IsF10(int keyCode) { return keyCode == MakeKeyCode(0x44, false); }

int SystemMenuKeyTracker::OnKeyDown(int keyCode) {
  if (IsAlt(keyCode)) {
    // The auto-repeat of a held Alt is not "another key".
    if (!altLeft_ && !altRight_) altAlone_ = true;
    (keyCode & 512 ? altRight_ : altLeft_) = true;
    return kNoKey;
  }
  if (IsF10(keyCode)) {
    f10Down_ = true;
    altAlone_ = false;
    return kNoKey;
  }
  if (altLeft_ || altRight_) {
    altAlone_ = false;
    if (keyCode > 0 && keyCode < kKeyCodeRange) swallowed_.set(keyCode);
    return kNoKey;
  }
  return keyCode;
}

int SystemMenuKeyTracker::OnKeyUp(int keyCode) {
  if (IsAlt(keyCode)) {
    bool& held = keyCode & 512 ? altRight_ : altLeft_;
    if (!held) return kNoKey;  // its press went elsewhere
    held = false;
    if (altLeft_ || altRight_) return kNoKey;
    bool alone = altAlone_;
    altAlone_ = false;
    return alone ? kSystemMenuKey : kNoKey;
  }
  if (IsF10(keyCode)) {
    bool wasDown = f10Down_;
    f10Down_ = false;
    return wasDown && !altLeft_ && !altRight_ ? kSystemMenuKey : kNoKey;
  }
  if (keyCode > 0 && keyCode < kKeyCodeRange && swallowed_.test(keyCode)) {
    swallowed_.reset(keyCode);
    return kNoKey;
  }
  if (altLeft_ || altRight_) altAlone_ = false;
  return keyCode;
}

}  // namespace platform
