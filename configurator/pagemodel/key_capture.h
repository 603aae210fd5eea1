// "Configuration des touches": the frontend's keys asked one after the other (or one alone),
// each answer stored straight into the General page's record as the frontend's KeyCode.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/joystick_capture.h"
#include "platform/keycodes.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"

namespace cfg {

inline constexpr std::size_t kKeyCount = 16;

struct KeyPrompt {
  settings::SettingId key;
};
extern const std::array<KeyPrompt, kKeyCount> kKeyPrompts;
// The name of kKeyPrompts[action] in the language in use ("Haut", "Sélection au hasard"...).
std::string KeyActionName(std::size_t action);

// The KeyCode of a key event's native scan code: an X11 key code (the kernel's key code
// + 8, which xcb and most Wayland compositors give). 0 when there is none or it is unknown.
int KeyCodeFromNativeScanCode(std::uint32_t nativeScanCode);

// A joystick control as [Manettes] writes it, bound to the device it came from.
std::string PadAnswerText(const platform::JoystickPush& push);

class KeyCapture {
 public:
  enum class Step { kIgnored, kNext, kDone };

  explicit KeyCapture(Settings& settings) : settings_(settings) {}
  // Asks only the key of kKeyPrompts[only].
  KeyCapture(Settings& settings, std::size_t only)
      : settings_(settings), index_(std::min(only, kKeyCount)), end_(std::min(only + 1, kKeyCount)) {}

  // A key went down / up (KeyCode, 0 when unknown). Alt or F10 pressed and released on
  // its own answers 999; keys held with Alt answer nothing. Auto-repeats are ignored, so a
  // held key answers one prompt only.
  Step OnKeyDown(int keyCode, bool autoRepeat);
  Step OnKeyUp(int keyCode);
  // Stores the answer for the key asked and moves on; kDone after the last one asked.
  // The action's joystick binding stays.
  Step Answer(int keyCode);
  // A joystick control answers instead ([Manettes]); the action's key stays.
  Step AnswerPad(const platform::JoystickPush& push);
  // "Aucune touche": neither a key nor a joystick control.
  Step AnswerNone();
  // The window lost the keyboard: a half-done Alt press never completes.
  void FocusLost() { tracker_.Reset(); }

  std::size_t index() const { return index_; }
  bool done() const { return index_ >= end_; }
  std::string Prompt() const;  // Appuyer sur la touche "Haut"

 private:
  Step Next();  // on to the next key asked

  Settings& settings_;
  std::size_t index_ = 0;
  std::size_t end_ = kKeyCount;
  platform::SystemMenuKeyTracker tracker_;
};

}  // namespace cfg
