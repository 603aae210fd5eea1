#include "platform/keycodes.h"

#include <SDL2/SDL_scancode.h>
#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <set>

using platform::KeyCodeFromLinuxKey;
using platform::KeyCodeFromScancode;
using platform::SystemMenuKeyTracker;

TEST(KeyCodes, DefaultKeysOfTheSettingsDecode) {
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_DOWN), 672);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_UP), 656);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_LEFT), 662);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_RIGHT), 666);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_1), 4);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_2), 6);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_LCTRL), 58);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_ESCAPE), 2);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_D), 64);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_G), 68);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_R), 38);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_SPACE), 114);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_A), 60);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_S), 62);
}

TEST(KeyCodes, ExtendedKeysCarry512) {
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_RCTRL), 0x1D * 2 + 512);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_RALT), 0x38 * 2 + 512);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_ENTER), 0x1C * 2 + 512);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_DIVIDE), 0x35 * 2 + 512);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_INSERT), 0x52 * 2 + 512);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_DELETE), 0x53 * 2 + 512);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_HOME), 0x47 * 2 + 512);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_END), 0x4F * 2 + 512);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_PAGEUP), 0x49 * 2 + 512);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_PAGEDOWN), 0x51 * 2 + 512);
  // The keypad keys that share the set-1 codes of the cursor block are not extended.
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_2), 0x50 * 2);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_ENTER) - 512,
            KeyCodeFromScancode(SDL_SCANCODE_RETURN));
  // NumLock and Pause share 0x45; NumLock is the extended one.
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_PAUSE), 138);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_NUMLOCKCLEAR), 0x45 * 2 + 512);
}

TEST(KeyCodes, FunctionKeysAndUnknownKeys) {
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_F1), 0x3B * 2);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_F10), 0x44 * 2);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_F11), 0x57 * 2);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_F12), 0x58 * 2);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_HEXADECIMAL), 0);
  EXPECT_EQ(KeyCodeFromScancode(-5), 0);
  EXPECT_EQ(KeyCodeFromScancode(100000), 0);
}

TEST(KeyCodes, EveryPcKeyHasItsOwnCode) {
  // Two different keys of the 104/105-key board never share a KeyCode, or a setting
  // would act on both.
  std::set<int> seen;
  int count = 0;
  for (int sc = SDL_SCANCODE_A; sc <= SDL_SCANCODE_KP_PERIOD; ++sc) {
    if (sc == SDL_SCANCODE_NONUSHASH) continue;  // the same key position as backslash
    int code = KeyCodeFromScancode(sc);
    ASSERT_NE(code, 0) << "scancode " << sc;
    EXPECT_TRUE(seen.insert(code).second) << "scancode " << sc;
    ++count;
  }
  for (int sc = SDL_SCANCODE_LCTRL; sc <= SDL_SCANCODE_RGUI; ++sc) {
    EXPECT_TRUE(seen.insert(KeyCodeFromScancode(sc)).second) << "scancode " << sc;
  }
  EXPECT_GT(count, 90);
}

TEST(KeyCodes, LinuxKeysGiveTheSameCodesAsSdlScancodes) {
  EXPECT_EQ(KeyCodeFromLinuxKey(KEY_DOWN), 672);
  EXPECT_EQ(KeyCodeFromLinuxKey(KEY_ESC), 2);
  EXPECT_EQ(KeyCodeFromLinuxKey(KEY_1), 4);
  EXPECT_EQ(KeyCodeFromLinuxKey(KEY_PAUSE), 138);
  EXPECT_EQ(KeyCodeFromLinuxKey(KEY_NUMLOCK), KeyCodeFromScancode(SDL_SCANCODE_NUMLOCKCLEAR));
  EXPECT_EQ(KeyCodeFromLinuxKey(KEY_RIGHTCTRL), KeyCodeFromScancode(SDL_SCANCODE_RCTRL));
  EXPECT_EQ(KeyCodeFromLinuxKey(KEY_KPENTER), KeyCodeFromScancode(SDL_SCANCODE_KP_ENTER));
  // Print Screen reaches X as KEY_SYSRQ and SDL turns that into PRINTSCREEN.
  EXPECT_EQ(KeyCodeFromLinuxKey(KEY_SYSRQ), KeyCodeFromScancode(SDL_SCANCODE_PRINTSCREEN));
  EXPECT_EQ(KeyCodeFromLinuxKey(KEY_SYSRQ), 622);
  // The kernel's codes of the main block are the set-1 codes themselves.
  for (int k = KEY_ESC; k <= KEY_KPDOT; ++k) {
    int expected = k * 2 + (k == KEY_NUMLOCK ? 512 : 0);
    EXPECT_EQ(KeyCodeFromLinuxKey(k), expected) << "key " << k;
  }
  EXPECT_EQ(KeyCodeFromLinuxKey(0), 0);
  EXPECT_EQ(KeyCodeFromLinuxKey(-1), 0);
}

namespace {
const int kAlt = KeyCodeFromScancode(SDL_SCANCODE_LALT);
const int kAltGr = KeyCodeFromScancode(SDL_SCANCODE_RALT);
const int kF10 = KeyCodeFromScancode(SDL_SCANCODE_F10);
const int kX = KeyCodeFromScancode(SDL_SCANCODE_X);
const int kDown = 672;
}  // namespace

TEST(SystemMenuKey, AltAloneOrF10GiveTheSystemMenuKey) {
  SystemMenuKeyTracker t;
  EXPECT_EQ(t.OnKeyDown(kAlt), 0);
  EXPECT_EQ(t.OnKeyDown(kAlt), 0);  // auto-repeat of the held Alt
  EXPECT_EQ(t.OnKeyUp(kAlt), 999);

  EXPECT_EQ(t.OnKeyDown(kAltGr), 0);
  EXPECT_EQ(t.OnKeyUp(kAltGr), 999);

  EXPECT_EQ(t.OnKeyDown(kF10), 0);
  EXPECT_EQ(t.OnKeyDown(kF10), 0);
  EXPECT_EQ(t.OnKeyUp(kF10), 999);

  // Ordinary keys pass through both ways.
  EXPECT_EQ(t.OnKeyDown(kDown), kDown);
  EXPECT_EQ(t.OnKeyUp(kDown), kDown);
}

TEST(SystemMenuKey, AnotherKeyBetweenCancelsAndIsSwallowed) {
  SystemMenuKeyTracker t;
  EXPECT_EQ(t.OnKeyDown(kAlt), 0);
  EXPECT_EQ(t.OnKeyDown(kX), 0);
  EXPECT_EQ(t.OnKeyDown(kX), 0);
  EXPECT_EQ(t.OnKeyUp(kX), 0);
  EXPECT_EQ(t.OnKeyUp(kAlt), 0);

  // A key released after Alt whose press was swallowed stays swallowed.
  EXPECT_EQ(t.OnKeyDown(kAlt), 0);
  EXPECT_EQ(t.OnKeyDown(kDown), 0);
  EXPECT_EQ(t.OnKeyUp(kAlt), 0);
  EXPECT_EQ(t.OnKeyUp(kDown), 0);
  EXPECT_EQ(t.OnKeyDown(kDown), kDown);

  // A key held from before Alt and released while Alt is down also cancels.
  EXPECT_EQ(t.OnKeyDown(kAlt), 0);
  EXPECT_EQ(t.OnKeyUp(kDown), kDown);
  EXPECT_EQ(t.OnKeyUp(kAlt), 0);

  // Both Alts: the menu key comes only when the last one is released, and the other
  // Alt counts as another key for neither.
  EXPECT_EQ(t.OnKeyDown(kAlt), 0);
  EXPECT_EQ(t.OnKeyDown(kAltGr), 0);
  EXPECT_EQ(t.OnKeyUp(kAltGr), 0);
  EXPECT_EQ(t.OnKeyUp(kAlt), 999);

  // Alt+F10 and an Alt release whose press was never seen give nothing.
  EXPECT_EQ(t.OnKeyDown(kAlt), 0);
  EXPECT_EQ(t.OnKeyDown(kF10), 0);
  EXPECT_EQ(t.OnKeyUp(kF10), 0);
  EXPECT_EQ(t.OnKeyUp(kAlt), 0);
  EXPECT_EQ(t.OnKeyUp(kAlt), 0);

  t.OnKeyDown(kAlt);
  t.Reset();
  EXPECT_EQ(t.OnKeyUp(kAlt), 0);
}
