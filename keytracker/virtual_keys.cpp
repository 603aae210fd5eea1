#include "keytracker/virtual_keys.h"

#include <array>

#include <linux/input-event-codes.h>

namespace keytracker {
namespace {

struct Pair {
  int linuxKey;
  std::uint16_t vk;
};

constexpr Pair kPairs[] = {
    {KEY_ESC, 0x1B}, {KEY_1, 0x31}, {KEY_2, 0x32}, {KEY_3, 0x33}, {KEY_4, 0x34}, {KEY_5, 0x35},
    {KEY_6, 0x36}, {KEY_7, 0x37}, {KEY_8, 0x38}, {KEY_9, 0x39}, {KEY_0, 0x30},
    {KEY_MINUS, 0xBD}, {KEY_EQUAL, 0xBB}, {KEY_BACKSPACE, 0x08}, {KEY_TAB, 0x09},
    {KEY_Q, 'Q'}, {KEY_W, 'W'}, {KEY_E, 'E'}, {KEY_R, 'R'}, {KEY_T, 'T'}, {KEY_Y, 'Y'},
    {KEY_U, 'U'}, {KEY_I, 'I'}, {KEY_O, 'O'}, {KEY_P, 'P'}, {KEY_LEFTBRACE, 0xDB},
    {KEY_RIGHTBRACE, 0xDD}, {KEY_ENTER, 0x0D}, {KEY_LEFTCTRL, 0x11}, {KEY_A, 'A'}, {KEY_S, 'S'},
    {KEY_D, 'D'}, {KEY_F, 'F'}, {KEY_G, 'G'}, {KEY_H, 'H'}, {KEY_J, 'J'}, {KEY_K, 'K'},
    {KEY_L, 'L'}, {KEY_SEMICOLON, 0xBA}, {KEY_APOSTROPHE, 0xDE}, {KEY_GRAVE, 0xC0},
    {KEY_LEFTSHIFT, 0x10}, {KEY_BACKSLASH, 0xDC}, {KEY_Z, 'Z'}, {KEY_X, 'X'}, {KEY_C, 'C'},
    {KEY_V, 'V'}, {KEY_B, 'B'}, {KEY_N, 'N'}, {KEY_M, 'M'}, {KEY_COMMA, 0xBC}, {KEY_DOT, 0xBE},
    {KEY_SLASH, 0xBF}, {KEY_RIGHTSHIFT, 0x10}, {KEY_KPASTERISK, 0x6A}, {KEY_LEFTALT, 0x12},
    {KEY_SPACE, 0x20}, {KEY_CAPSLOCK, 0x14},
    {KEY_F1, 0x70}, {KEY_F2, 0x71}, {KEY_F3, 0x72}, {KEY_F4, 0x73}, {KEY_F5, 0x74},
    {KEY_F6, 0x75}, {KEY_F7, 0x76}, {KEY_F8, 0x77}, {KEY_F9, 0x78}, {KEY_F10, 0x79},
    {KEY_F11, 0x7A}, {KEY_F12, 0x7B}, {KEY_F13, 0x7C}, {KEY_F14, 0x7D}, {KEY_F15, 0x7E},
    {KEY_F16, 0x7F}, {KEY_F17, 0x80}, {KEY_F18, 0x81}, {KEY_F19, 0x82}, {KEY_F20, 0x83},
    {KEY_F21, 0x84}, {KEY_F22, 0x85}, {KEY_F23, 0x86}, {KEY_F24, 0x87},
    {KEY_NUMLOCK, 0x90}, {KEY_SCROLLLOCK, 0x91},
    // The keypad as with NumLock on.
    {KEY_KP7, 0x67}, {KEY_KP8, 0x68}, {KEY_KP9, 0x69}, {KEY_KPMINUS, 0x6D}, {KEY_KP4, 0x64},
    {KEY_KP5, 0x65}, {KEY_KP6, 0x66}, {KEY_KPPLUS, 0x6B}, {KEY_KP1, 0x61}, {KEY_KP2, 0x62},
    {KEY_KP3, 0x63}, {KEY_KP0, 0x60}, {KEY_KPDOT, 0x6E}, {KEY_KPENTER, 0x0D},
    {KEY_KPSLASH, 0x6F}, {KEY_KPEQUAL, 0x92},
    {KEY_102ND, 0xE2}, {KEY_RIGHTCTRL, 0x11}, {KEY_SYSRQ, 0x2C}, {KEY_PRINT, 0x2C},
    {KEY_RIGHTALT, 0x12}, {KEY_HOME, 0x24}, {KEY_UP, 0x26}, {KEY_PAGEUP, 0x21},
    {KEY_LEFT, 0x25}, {KEY_RIGHT, 0x27}, {KEY_END, 0x23}, {KEY_DOWN, 0x28},
    {KEY_PAGEDOWN, 0x22}, {KEY_INSERT, 0x2D}, {KEY_DELETE, 0x2E}, {KEY_PAUSE, 0x13},
    {KEY_LEFTMETA, 0x5B}, {KEY_RIGHTMETA, 0x5C}, {KEY_COMPOSE, 0x5D}, {KEY_SLEEP, 0x5F},
    {KEY_HANGEUL, 0x15}, {KEY_HANJA, 0x19}, {KEY_HENKAN, 0x1C}, {KEY_MUHENKAN, 0x1D},
    {KEY_KATAKANAHIRAGANA, 0x15}, {KEY_RO, 0xC1}, {KEY_YEN, 0xDC}, {KEY_KPJPCOMMA, 0xC2},
    {KEY_MUTE, 0xAD}, {KEY_VOLUMEDOWN, 0xAE}, {KEY_VOLUMEUP, 0xAF}, {KEY_NEXTSONG, 0xB0},
    {KEY_PREVIOUSSONG, 0xB1}, {KEY_STOPCD, 0xB2}, {KEY_PLAYPAUSE, 0xB3}, {KEY_MAIL, 0xB4},
    {KEY_MEDIA, 0xB5}, {KEY_BACK, 0xA6}, {KEY_FORWARD, 0xA7}, {KEY_REFRESH, 0xA8},
    {KEY_STOP, 0xA9}, {KEY_SEARCH, 0xAA}, {KEY_BOOKMARKS, 0xAB}, {KEY_HOMEPAGE, 0xAC},
    {KEY_HELP, 0x2F}, {KEY_CALC, 0xB7}, {KEY_COMPUTER, 0xB6},
};

constexpr int kRange = 256;

constexpr std::array<std::uint16_t, kRange> BuildTable() {
  std::array<std::uint16_t, kRange> t{};
  for (const Pair& p : kPairs) t[p.linuxKey] = p.vk;
  return t;
}

constexpr auto kTable = BuildTable();

}  // namespace

std::uint32_t VirtualKeyFromLinuxKey(int linuxKey) {
  return linuxKey >= 0 && linuxKey < kRange ? kTable[linuxKey] : 0;
}

std::uint32_t MouseMessageFromLinuxEvent(int type, int code, int value) {
  constexpr std::uint32_t kMove = 0x200, kLeftDown = 0x201, kRightDown = 0x204,
                          kMiddleDown = 0x207, kWheel = 0x20A, kExtraDown = 0x20B,
                          kHorizontalWheel = 0x20E;
  if (type == EV_REL) {
    if (code == REL_WHEEL) return kWheel;
    if (code == REL_HWHEEL) return kHorizontalWheel;
    return code == REL_X || code == REL_Y ? kMove : 0;
  }
  if (type != EV_KEY || value == 2) return 0;
  const std::uint32_t up = value == 0 ? 1 : 0;  // each button's up message follows its down
  switch (code) {
    case BTN_LEFT: return kLeftDown + up;
    case BTN_RIGHT: return kRightDown + up;
    case BTN_MIDDLE: return kMiddleDown + up;
    case BTN_SIDE:
    case BTN_EXTRA: return kExtraDown + up;
    default: return 0;
  }
}

}  // namespace keytracker
