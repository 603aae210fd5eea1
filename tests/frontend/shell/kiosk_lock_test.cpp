#include "frontend/shell/kiosk_lock.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "frontend/shell/handle_key.h"
#include "frontend/shell/wiring_render_state.h"
#include "frontend/shell/input_state.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/shell_state.h"
#include "settings/key_code_list.h"
#include "shell_installation.h"

using shell::HandleKey;
using shell::KioskLockState;
using shell::LockStep;
using shell::StepKioskLock;
using shell::gShell;
using shell::kLockWindowMs;
using shell::kRunQuitting;
using shell::kRunRunning;

namespace {

// Key presses through the lock with the sequence Down Down (672+672); QuitKey is 2.
struct Press {
  int code;
  bool isQuit;
  std::uint32_t at;
  LockStep expected;
};

void Play(const std::optional<std::vector<int>>& sequence, const std::vector<Press>& presses, const char* name) {
  KioskLockState state;
  for (std::size_t i = 0; i < presses.size(); ++i) {
    const Press& p = presses[i];
    EXPECT_EQ(StepKioskLock(state, sequence, p.code, p.isQuit, p.at), p.expected) << name << ", press " << i;
  }
}

TEST(KioskLock, QuitLeavesOnlyWhenTheSequenceFollowsInTime) {
  const std::optional<std::vector<int>> downDown = std::vector<int>{672, 672};
  using enum LockStep;
  Play(std::vector<int>{}, {{2, true, 0, kPass}}, "no lock: Quit quits");
  Play(downDown, {{672, false, 0, kPass}, {672, false, 10, kPass}}, "the sequence alone is just moves");
  Play(downDown, {{2, true, 0, kSwallow}}, "Quit alone");
  Play(downDown, {{2, true, 0, kSwallow}, {672, false, 100, kSwallow}, {672, false, 200, kQuit}}, "Quit, Down, Down");
  Play(downDown, {{2, true, 0, kSwallow}, {672, false, 100, kSwallow}, {656, false, 200, kPass}, {672, false, 300, kPass}},
       "a wrong key ends the try and acts");
  Play(downDown, {{2, true, 0, kSwallow}, {672, false, 100, kSwallow}, {672, false, kLockWindowMs + 1, kPass}},
       "too late");
  Play(downDown, {{2, true, 0, kSwallow}, {2, true, 6000, kSwallow}, {672, false, 6100, kSwallow}, {672, false, 6200, kQuit}},
       "Quit again starts over");
  Play(downDown, {{2, true, 0, kSwallow}, {672, false, 100, kSwallow}, {672, false, 200, kQuit}, {2, true, 300, kSwallow}},
       "the lock closes again after use");
  Play(std::vector<int>{2, 4}, {{2, true, 0, kSwallow}, {2, true, 100, kSwallow}, {4, false, 200, kQuit}},
       "a sequence may begin with QuitKey");
  Play(std::nullopt, {{2, true, 0, kSwallow}, {672, false, 100, kPass}, {999, false, 200, kPass}},
       "an unreadable lock stays shut; other keys act");
  Play(downDown, {{2, true, 0, kSwallow}, {999, false, 100, kPass}}, "MenuGenKey keeps working");
}

// The lock as the key handling of the running frontend applies it.
class KioskLockKeys : public shelltest::ShellInstallation {};

TEST_F(KioskLockKeys, QuitNeedsTheSequenceAndAMenuQuitStaysFree) {
  dir.Write("config/Orvanel.ini", shelltest::Crlf({"[General]", "LastEmu=arcade", "EmuBase=arcade", "Transitions=NO",
                                                   "ModeFenetre=OUI", "Verrouillage=672+672", "[Touches]"}));
  gShell.input.kioskLock = {};
  Start();
  ASSERT_EQ(gShell.settings.verrouillage, "672+672");
  const int quit = gShell.settings.keys.quit;
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, quit);
  EXPECT_EQ(gShell.runState, kRunRunning);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, 656);  // wrong: Up
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, 672);
  EXPECT_EQ(gShell.runState, kRunRunning);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, quit);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, 672);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, 672);
  EXPECT_EQ(gShell.runState, kRunQuitting);

  // In a menu configuration QuitKey goes back to a configuration: no leaving, no lock.
  gShell.runState = kRunRunning;
  gShell.input.kioskLock = {};
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.menu);
  ASSERT_EQ(gShell.settings.currentConfig, "menu");
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, quit);
  EXPECT_EQ(gShell.settings.currentConfig, "arcade");
}

}  // namespace
