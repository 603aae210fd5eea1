#include "configurator/pagemodel/key_capture.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include "configurator/pagemodel/key_names.h"
#include "configurator/pagemodel/page_keys.h"
#include "settings/setting_fields.h"

namespace {

constexpr std::uint32_t X11(int linuxKey) { return std::uint32_t(linuxKey + 8); }

TEST(KeyCapture, NativeScanCodesGiveTheFrontendsKeyCodes) {
  const struct {
    std::uint32_t native;
    int keyCode;
  } cases[] = {{X11(KEY_DOWN), 672}, {X11(KEY_UP), 656}, {X11(KEY_1), 4}, {X11(KEY_ESC), 2},
               {X11(KEY_ENTER), 56}, {X11(KEY_SPACE), 114}, {X11(KEY_TAB), 30}, {X11(KEY_KPENTER), 568},
               {X11(KEY_SYSRQ), 622},  // Print Screen, as the frontend gets it from SDL
               {0, 0}, {5, 0}, {0x7FFFFFFF, 0}};
  for (const auto& c : cases) EXPECT_EQ(cfg::KeyCodeFromNativeScanCode(c.native), c.keyCode) << c.native;
}

TEST(KeyCapture, AsksTheSixteenKeysInTurn) {
  Settings s;
  const KeySettings& keys = s.keys;
  cfg::KeyCapture capture(s);
  EXPECT_EQ(capture.Prompt(), "Appuyer sur la touche \"Haut\"");
  const int down = cfg::KeyCodeFromNativeScanCode(X11(KEY_DOWN));
  const int up = cfg::KeyCodeFromNativeScanCode(X11(KEY_UP));
  const int alt = cfg::KeyCodeFromNativeScanCode(X11(KEY_LEFTALT));
  const int one = cfg::KeyCodeFromNativeScanCode(X11(KEY_1));

  EXPECT_EQ(capture.OnKeyDown(down, false), cfg::KeyCapture::Step::kNext);  // "Haut" gets Down
  EXPECT_EQ(capture.OnKeyDown(down, true), cfg::KeyCapture::Step::kIgnored);  // held: one answer only
  EXPECT_EQ(capture.OnKeyUp(down), cfg::KeyCapture::Step::kIgnored);
  EXPECT_EQ(capture.Prompt(), "Appuyer sur la touche \"Bas\"");
  capture.OnKeyDown(up, false);                           // "Bas" gets Up
  EXPECT_EQ(keys.up, 672);                                // UpKey
  EXPECT_EQ(keys.down, 656);                                // DownKey
  capture.Answer(0);                                      // "Gauche": "Aucune touche"
  EXPECT_EQ(keys.left, 0);
  capture.OnKeyDown(one, false);                          // "Droite"
  capture.OnKeyDown(one, false);                          // "Lancement"
  EXPECT_EQ(keys.launchGame, 4);
  capture.OnKeyDown(up, false);                           // "Selection au hasard"
  capture.OnKeyDown(down, false);                         // "Menu"
  EXPECT_EQ(capture.Prompt(), "Appuyer sur la touche \"Menu principal\"");
  EXPECT_EQ(capture.OnKeyDown(alt, false), cfg::KeyCapture::Step::kIgnored);
  EXPECT_EQ(capture.OnKeyDown(alt, true), cfg::KeyCapture::Step::kIgnored);
  EXPECT_EQ(capture.OnKeyUp(alt), cfg::KeyCapture::Step::kNext);  // Alt alone
  EXPECT_EQ(keys.menuGen, 999);
  // Alt held with another key answers nothing.
  capture.OnKeyDown(alt, false);
  EXPECT_EQ(capture.OnKeyDown(one, false), cfg::KeyCapture::Step::kIgnored);
  capture.OnKeyUp(one);
  EXPECT_EQ(capture.OnKeyUp(alt), cfg::KeyCapture::Step::kIgnored);
  EXPECT_EQ(capture.index(), 8u);
  const int f10 = cfg::KeyCodeFromNativeScanCode(X11(KEY_F10));  // "Infos": F10 alone
  EXPECT_EQ(capture.OnKeyDown(f10, false), cfg::KeyCapture::Step::kIgnored);
  EXPECT_EQ(capture.OnKeyUp(f10), cfg::KeyCapture::Step::kNext);
  EXPECT_EQ(keys.infos, 999);
  for (int i = 9; i < 14; ++i) EXPECT_EQ(capture.Answer(100 + i), cfg::KeyCapture::Step::kNext);
  EXPECT_EQ(capture.Answer(77), cfg::KeyCapture::Step::kNext);
  EXPECT_EQ(keys.favourites, 77);
  EXPECT_EQ(capture.Prompt(), "Appuyer sur la touche \"Recherche\"");
  EXPECT_EQ(capture.Answer(78), cfg::KeyCapture::Step::kDone);
  EXPECT_EQ(keys.search, 78);
  EXPECT_TRUE(capture.done());
  EXPECT_EQ(capture.OnKeyDown(down, false), cfg::KeyCapture::Step::kIgnored);
}

TEST(KeyCapture, ClosingEarlyKeepsTheKeysNotAsked) {
  Settings s;
  cfg::KeyCapture capture(s);
  capture.Answer(10);
  capture.Answer(11);
  capture.Answer(12);
  Settings expected;
  expected.keys.up = 10;
  expected.keys.down = 11;
  expected.keys.left = 12;
  EXPECT_TRUE(settings::SameSettings(s, expected, cfg::kGeneralPageKeys.ids));
  EXPECT_EQ(s.keys.up, 10);
}

}  // namespace

namespace {

TEST(KeyCapture, OneActionAloneKeepsTheOthers) {
  Settings s;
  s.keys.up = 656;
  s.keys.down = 672;
  cfg::KeyCapture capture(s, 1);  // "Bas"
  EXPECT_EQ(capture.Prompt(), "Appuyer sur la touche \"Bas\"");
  EXPECT_EQ(capture.OnKeyDown(cfg::KeyCodeFromNativeScanCode(X11(KEY_S)), false), cfg::KeyCapture::Step::kDone);
  EXPECT_EQ(s.keys.down, 62);
  EXPECT_EQ(s.keys.up, 656);
  EXPECT_EQ(capture.OnKeyDown(4, false), cfg::KeyCapture::Step::kIgnored);
  EXPECT_EQ(s.keys.left, Settings{}.keys.left);
  cfg::KeyCapture last(s, cfg::kKeyCount - 1);
  EXPECT_EQ(last.Answer(0), cfg::KeyCapture::Step::kDone);
  EXPECT_EQ(s.keys.search, 0);
  cfg::KeyCapture beyond(s, cfg::kKeyCount);  // no such action: nothing asked, nothing written
  EXPECT_TRUE(beyond.done());
  EXPECT_EQ(beyond.Answer(5), cfg::KeyCapture::Step::kDone);
  EXPECT_EQ(beyond.Prompt(), "");
}

TEST(KeyCapture, KeyNamesAreTheKeysAtThatPlace) {
  const struct {
    int linuxKey;  // -1: the code itself
    int code;
    const char* name;
  } cases[] = {{KEY_DOWN, 0, "Bas (672)"},       {KEY_A, 0, "A (60)"},
               {KEY_1, 0, "1 (4)"},             {KEY_ENTER, 0, "Entrée (56)"},
               {KEY_KPENTER, 0, "Pavé Entrée (568)"}, {KEY_SYSRQ, 0, "Impr. écran (622)"},
               {KEY_RIGHTALT, 0, "Alt Gr (624)"}, {KEY_PAUSE, 0, "Pause (138)"},
               {-1, 0, "Aucune"},               {-1, 999, "Alt ou F10 seul (999)"},
               {-1, 300, "Touche 300"},         {-1, -5, "Touche -5"}};
  for (const auto& c : cases) {
    const int code = c.linuxKey < 0 ? c.code : cfg::KeyCodeFromNativeScanCode(X11(c.linuxKey));
    EXPECT_EQ(cfg::KeyName(code), c.name) << code;
  }
  // Every key the capture can store has a name of its own.
  for (int key = 1; key < 256; ++key) {
    const int code = cfg::KeyCodeFromNativeScanCode(X11(key));
    if (code != 0) {
      EXPECT_EQ(cfg::KeyName(code).find("Touche"), std::string::npos) << key;
    }
  }
}

// A joystick control answers beside the key; "Aucune touche" clears both.
TEST(KeyCapture, AJoystickControlAnswersInItsOwnSection) {
  using Kind = platform::JoystickPush::Kind;
  const platform::JoystickIdentity ported{"pci-0000:00:14.0-usb-0:2:1.0", "0300", "Encoder", "/dev/input/event4"};
  const platform::JoystickIdentity unported{"", "03000000790000000600000010010000", "Generic  USB", ""};
  const struct {
    platform::JoystickPush push;
    const char* written;
  } cases[] = {
      {{Kind::Button, 3, 0, ported}, "Bouton 3 @ pci-0000:00:14.0-usb-0:2:1.0"},
      {{Kind::Hat, 0, 8, ported}, "Croix 0 Gauche @ pci-0000:00:14.0-usb-0:2:1.0"},
      {{Kind::Axis, 1, -1, unported}, "Axe 1- @ 03000000790000000600000010010000 Generic  USB"},
  };
  for (const auto& c : cases) EXPECT_EQ(cfg::PadAnswerText(c.push), c.written);

  Settings s;
  cfg::KeyCapture haut(s, 0);
  EXPECT_EQ(haut.AnswerPad(cases[0].push), cfg::KeyCapture::Step::kDone);
  EXPECT_EQ(s.pads.up, cases[0].written);
  EXPECT_EQ(s.keys.up, 656);  // the key stays
  cfg::KeyCapture bas(s, 1);
  bas.Answer(4);
  EXPECT_EQ(s.keys.down, 4);
  s.pads.down = "Bouton 1";
  cfg::KeyCapture none(s, 1);
  EXPECT_EQ(none.AnswerNone(), cfg::KeyCapture::Step::kDone);
  EXPECT_EQ(s.keys.down, 0);
  EXPECT_EQ(s.pads.down, "");
  EXPECT_EQ(s.pads.up, cases[0].written);
}

}  // namespace
