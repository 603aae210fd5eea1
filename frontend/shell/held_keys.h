// Keys still down when the menu comes back from a game (or the screensaver's game, or a
// hand-over of the display): pressed for the game, the one held to leave it among them,
// and auto-repeating. Each does nothing in the menu, repeats included, until it is
// released; its release does nothing either. Pressed again afterwards, it acts as usual.
// (Joystick controls get the same rule from PadState: the pads are opened again at the
// return, and what is held when a pad is opened is rest until let go.)
#pragma once

#include <cstdint>
#include <vector>

namespace shell {

// How often the keyboard is looked at while keys are held since a game.
inline constexpr std::uint32_t kHeldKeysLookMs = 100;

class HeldKeys {
 public:
  // The keys (KeyCodes) down at the return, replacing any from before.
  void Hold(std::vector<int> keyCodes) { held_ = std::move(keyCodes); }
  // A key down, auto-repeat or not: true when it acts.
  bool OnKeyDown(int keyCode) const;
  // A key up: true when it acts; the release of a held key is the end of its hold.
  bool OnKeyUp(int keyCode);
  // A look at the keyboard itself (`down`: the keys down now): held keys released where
  // the window could not see it are let go, so their next press acts.
  void KeepOnly(const std::vector<int>& down);
  bool HoldsNone() const { return held_.empty(); }

 private:
  std::vector<int> held_;
};

}  // namespace shell
