// The event hooks' rules: which files run and in what order, what they are told, when a
// resting selection is announced, what of their output reaches the log.
#include "frontend/shell/event_hooks.h"
#include "frontend/shell/hook_environment.h"
#include "frontend/shell/hook_files.h"
#include "frontend/shell/hook_output.h"
#include "frontend/shell/selection_debounce.h"

#include "platform/child_environment.h"
#include "platform/debug_log.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using shell::SelectionDebounce;
using shell::SelectionRested;
using shell::SelectionRestDue;

// Each step: the selection a loop pass sees at a tick, and whether the hooks run then.
struct Pass {
  const char* selection;
  std::uint32_t tick;
  bool fires;
};
struct DebounceCase {
  const char* name;
  std::vector<Pass> passes;
};

TEST(EventHooksTest, TheSelectionIsAnnouncedOnceItHasRested) {
  const std::vector<DebounceCase> cases = {
      {"rests 300 ms, once", {{"a", 0, false}, {"a", 299, false}, {"a", 300, true}, {"a", 5000, false}}},
      {"a held key scrolls past", {{"a", 0, false}, {"b", 100, false}, {"c", 250, false}, {"c", 549, false},
                                   {"c", 550, true}}},
      {"gone and back before it rested", {{"a", 0, false}, {"a", 300, true}, {"b", 400, false}, {"a", 500, false},
                                          {"a", 900, false}}},
      {"each new rest is announced", {{"a", 0, false}, {"a", 300, true}, {"b", 400, false}, {"b", 700, true},
                                      {"a", 800, false}, {"a", 1100, true}}},
      {"no selection (empty list)", {{"", 0, false}, {"", 1000, false}}},
      {"across the tick's wrap", {{"a", 0xFFFFFF00u, false}, {"a", 0x2Bu, false}, {"a", 0x2Cu, true}}},
  };
  for (const DebounceCase& c : cases) {
    SelectionDebounce d;
    for (std::size_t i = 0; i < c.passes.size(); ++i) {
      const Pass& p = c.passes[i];
      EXPECT_EQ(SelectionRested(d, p.selection, p.tick), p.fires) << c.name << ", pass " << i;
    }
  }
  // The loop sleeps until the rest is over, and no longer once it was announced.
  SelectionDebounce d;
  EXPECT_FALSE(SelectionRestDue(d));
  SelectionRested(d, "a", 1000);
  EXPECT_EQ(SelectionRestDue(d), 1300u);
  SelectionRested(d, "a", 1300);
  EXPECT_FALSE(SelectionRestDue(d));
}

TEST(EventHooksTest, InstallationFolderFirstThenTheConfigurationsEachInNameOrder) {
  struct Case {
    const char* configuration;
    std::vector<std::string> folders;
  };
  const std::vector<Case> cases = {
      {"arcade", {"hooks/game-start", "config/arcade/hooks/game-start"}},
      {"", {"hooks/game-start"}},
      {"..", {"hooks/game-start"}},
      {"../../etc", {"hooks/game-start"}},
      {"a\\..\\b", {"hooks/game-start"}},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::HookFolders(c.configuration, "game-start"), c.folders) << c.configuration;

  const std::vector<platform::DirEntry> entries = {
      {"20-lights", false}, {"10-marquee", false}, {".10-marquee.swp", false}, {"old", true},
      {"B-upper", false},   {"a-lower", false},    {"2-before-20", false},
  };
  EXPECT_EQ(shell::HookNamesInOrder(entries),
            (std::vector<std::string>{"10-marquee", "2-before-20", "20-lights", "B-upper", "a-lower"}));
}

TEST(EventHooksTest, VariablesNameTheEventTheGameAndCoinsOnlyAtGameEnd) {
  shell::HookContext c{"game-end", "arcade", "sf2", "Street Fighter II; rm -rf $HOME", "/r/sf2.zip", "/e/mame", 3};
  EXPECT_EQ(shell::HookVariables(c),
            (std::vector<std::string>{"ORVANEL_EVENT=game-end", "ORVANEL_CONFIG=arcade", "ORVANEL_GAME=sf2",
                                      "ORVANEL_GAME_NAME=Street Fighter II; rm -rf $HOME", "ORVANEL_ROM=/r/sf2.zip",
                                      "ORVANEL_EMULATOR=/e/mame", "ORVANEL_COINS=3"}));
  c.event = "startup";
  c.coins.reset();
  EXPECT_EQ(shell::HookVariables(c).size(), 6u);
  EXPECT_EQ(shell::HookVariables(c).front(), "ORVANEL_EVENT=startup");
}

TEST(EventHooksTest, OnlyTheFirstKibOfOutputReachesTheLogALineARecord) {
  std::string kept;
  shell::KeepHookOutput(kept, std::string(1000, 'x'));
  shell::KeepHookOutput(kept, std::string(100, 'y'));
  shell::KeepHookOutput(kept, "z");
  EXPECT_EQ(kept, std::string(1000, 'x') + std::string(24, 'y'));

  struct Case {
    std::string output;
    std::vector<std::string> records;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"one\r\ntwo\n", {"Hook quit : h/10 : one", "Hook quit : h/10 : two"}},
      {"no end", {"Hook quit : h/10 : no end"}},
      {"\n  \n\t\nmid\n\n", {"Hook quit : h/10 : mid"}},
      {std::string("nul\0byte", 8), {"Hook quit : h/10 : nulbyte"}},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::HookOutputRecords("quit", "h/10", c.output), c.records) << c.output;
}

// The real thing once: scripts run one after the other, with the variables and the owner's
// value of a variable the frontend set for itself (as it does LANGUAGE),
// no argument, nothing on its input, its output in debug.txt; a file without its x bit
// logged once however often its event comes.
TEST(EventHooksTest, AHookRunsWithItsVariablesAndTheOwnersEnvironment) {
  TempDir base;
  ::setenv("ORV_TEST_HOOK_OWNED", "de", 1);
  platform::SetOwnVariable("ORV_TEST_HOOK_OWNED", "fr");
  base.Write("hooks/game-start/10-show", "#!/bin/sh\necho \"$ORVANEL_EVENT $ORVANEL_GAME_NAME $ORV_TEST_HOOK_OWNED $# $(wc -c)\"\n"
                                         "sleep 0.2\necho 1 >> ran\n");
  ::chmod((base / "hooks/game-start/10-show").c_str(), 0755);
  base.Write("config/arcade/hooks/game-start/05-next", "#!/bin/sh\necho \"before me: $(cat ran | wc -l)\"\n");
  ::chmod((base / "config/arcade/hooks/game-start/05-next").c_str(), 0755);
  base.Write("hooks/game-start/20-plain", "#!/bin/sh\necho never\n");
  platform::SetLogDirectory(base.path());

  shell::HookState hooks;
  shell::HookContext c;
  c.event = "game-start";
  c.configuration = "arcade";
  c.gameName = "Pac & Pal";
  for (int i = 0; i < 3; ++i) {
    shell::StartHooks(hooks, base.path(), c);
    shell::WaitForHooks(hooks, "game-start", 5000);
  }
  EXPECT_TRUE(hooks.runs.empty());
  const std::string log = base.Read("debug.txt");
  EXPECT_NE(log.find("Hook game-start : hooks/game-start/10-show : game-start Pac & Pal de 0 0\r\n"), std::string::npos)
      << log;
  EXPECT_NE(log.find("hooks/game-start/10-show termin\u00e9 (code 0)"), std::string::npos) << log;
  // The configuration's hook started once the installation's had ended, each time.
  EXPECT_NE(log.find("config/arcade/hooks/game-start/05-next : before me: 1\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("config/arcade/hooks/game-start/05-next : before me: 3\r\n"), std::string::npos) << log;
  const std::string refused = "hooks/game-start/20-plain n'est pas ex\u00e9cutable";
  EXPECT_NE(log.find(refused), std::string::npos) << log;
  EXPECT_EQ(log.find(refused), log.rfind(refused)) << log;
  EXPECT_EQ(log.find("never"), std::string::npos) << log;
  ::unsetenv("ORV_TEST_HOOK_OWNED");
}

}  // namespace
