// A key the owner captures in the configurator must be the key the frontend acts on. The
// configurator reads the X key code Qt hands it; the frontend reads SDL's scancode of the
// same key. Every key code of a real X server goes through both roads here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "configurator/pagemodel/key_capture.h"
#include "platform/keycodes.h"
#include "platform/window.h"
#include "system/frontend_fixture.h"

namespace {

class KeyRoadsTest : public systest::DisplayTest {};

constexpr int kEscape = 2;

// The SDL scancode of each X key code that reaches the frontend's window (no entry: SDL
// sends nothing for it). Each code is typed followed by Escape, which splits the events.
std::map<int, int> ScancodesOfEveryKeyCode(const std::string& display) {
  const std::string window = systest::Capture("DISPLAY=" + display + " xdotool search --onlyvisible --name '^Orvanel$'");
  std::string keys;
  for (int x = 10; x <= 255; ++x) keys += " " + std::to_string(x) + " Escape";
  std::system(("DISPLAY=" + display + " xdotool windowfocus --sync " + window.substr(0, window.find('\n')) +
               " key --delay 2" + keys + " >/dev/null 2>&1")
                  .c_str());
  std::map<int, int> scancodes;
  int x = 10;
  platform::WindowEvent e;
  while (x <= 255 && platform::WaitEvent(5000, e)) {
    if (e.type != platform::WindowEvent::Type::KeyDown || e.repeat) continue;
    if (platform::KeyCodeFromScancode(e.scancode) == kEscape)
      ++x;
    else
      scancodes[x] = e.scancode;
  }
  EXPECT_EQ(x, 256) << "the keys did not all arrive";
  return scancodes;
}

TEST_F(KeyRoadsTest, EveryXKeyCodeGivesTheSameKeyCodeToBothPrograms) {
  ::setenv("DISPLAY", display().c_str(), 1);
  ::setenv("SDL_VIDEODRIVER", "x11", 1);
  ASSERT_TRUE(platform::CreateMainWindow(true, 160, 120)) << platform::LastWindowError();
  platform::ShowMainWindow();
  const std::map<int, int> scancodes = ScancodesOfEveryKeyCode(display());
  platform::DestroyMainWindow();
  platform::QuitVideo();
  ::unsetenv("DISPLAY");

  EXPECT_EQ(cfg::KeyCodeFromNativeScanCode(9), kEscape);  // the separator itself
  int differ = 0;
  for (int x = 10; x <= 255; ++x) {
    const auto sdl = scancodes.find(x);
    const int frontend = sdl == scancodes.end() ? 0 : platform::KeyCodeFromScancode(sdl->second);
    const int configurator = cfg::KeyCodeFromNativeScanCode(std::uint32_t(x));
    if (frontend != configurator) {
      ++differ;
      ADD_FAILURE() << "X key code " << x << ": SDL scancode " << (sdl == scancodes.end() ? -1 : sdl->second)
                    << " frontend " << frontend << " configurator " << configurator;
    }
  }
  std::printf("%zu key codes reach the window, %d differ\n", scancodes.size(), differ);
}

}  // namespace
