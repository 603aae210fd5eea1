// The owner's event hooks in the running frontend: every event runs its scripts in order
// with its variables; the launch waits for game-start, up to its limit; a hook that hangs
// is ended at 5 s while the menu goes on answering; a file without its x bit is said once.
#include "frontend_fixture.h"

#include "emulator_record.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <time.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using systest::Frontend;
using systest::Installation;

// Appends what it was told to $HOOK_RECORD: event, its own name, the variables, ORVANEL_COINS
// or "unset", its argument count and the bytes on its input; then a line for debug.txt.
constexpr const char* kRecordingHook =
    "#!/bin/sh\n"
    "printf '%s|%s|%s|%s|%s|%s|%s|%s|%s|%s\\n' \"$ORVANEL_EVENT\" \"$(basename \"$0\")\" \"$ORVANEL_CONFIG\" "
    "\"$ORVANEL_GAME\" \"$ORVANEL_GAME_NAME\" \"$ORVANEL_ROM\" \"$ORVANEL_EMULATOR\" \"${ORVANEL_COINS-unset}\" "
    "\"$#\" \"$(wc -c)\" >> \"$HOOK_RECORD\"\n"
    "echo \"vu $ORVANEL_EVENT $ORVANEL_GAME\"\n";

const std::vector<std::string> kEvents = {"startup",    "quit",     "config-changed",    "game-selected",
                                          "game-start", "game-end", "screensaver-start", "screensaver-end"};

// CLOCK_BOOTTIME seconds as /proc/uptime gives them to a script, on the steady clock.
std::chrono::steady_clock::time_point FromUptime(double seconds) {
  timespec boot{}, mono{};
  ::clock_gettime(CLOCK_BOOTTIME, &boot);
  ::clock_gettime(CLOCK_MONOTONIC, &mono);
  const double offset = (boot.tv_sec - mono.tv_sec) + (boot.tv_nsec - mono.tv_nsec) / 1e9;
  return std::chrono::steady_clock::time_point(
      std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds - offset)));
}

std::vector<std::vector<std::string>> Records(const std::string& text) {
  std::vector<std::vector<std::string>> out;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream l(line);
    while (std::getline(l, field, '|')) fields.push_back(field);
    out.push_back(fields);
  }
  return out;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class HooksSystemTest : public systest::DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=emu\r\nModeFenetre=OUI\r\nLargFen=640\r\nHautFen=480\r\n"
                                     "Transitions=NO\r\n");
    inst.Write("config/menu/config.ini", "[Config]\r\nTemplateDir=Plain\r\nFichierDescription=lists\\menu.txt\r\n"
                                         "TypeMenu=YES\r\nSons=NO\r\n");
    inst.Write("lists/menu.txt", "[emu]\r\nFullName=Emulateur\r\n");
    inst.Write("lists/games.txt", "[rom1]\r\nFullName=Alpha One\r\n[rom2]\r\nFullName=Beta Two\r\n"
                                  "[rom3]\r\nFullName=Gamma Three\r\n");
    inst.Write("Templates/Plain/Layout.cfg",
               "RESOLUTIONX=640\r\nRESOLUTIONY=480\r\nList_NbItems=9\r\nList_left=20\r\nList_top=20\r\n"
               "List_width=400\r\nList_height=441\r\nList_visible=YES\r\n");
    inst.Write("Emu/roms/rom2.zip", "");
    std::filesystem::copy_file(TestEmulatorPath(), inst / "Emu/mame");
  }
  void WriteEmu(const std::string& lines) {
    inst.Write("config/emu/config.ini", "[Config]\r\nTemplateDir=Plain\r\nEmuExe=.\\Emu\\mame\r\nRomDir=.\\Emu\\roms\r\n"
                                        "RomsExt=zip\r\nFichierDescription=.\\lists\\games.txt\r\nSons=NO\r\n"
                                        "LastGame=rom1\r\n" + lines);
  }
  void Hook(const std::string& path, const std::string& script, bool executable = true) {
    inst.Write(path, script);
    ::chmod((inst / path).c_str(), executable ? 0755 : 0644);
  }
  void Key(const std::string& id, const std::string& keys) {
    std::system(("DISPLAY=" + display() + " xdotool windowfocus --sync " + id + " key --delay 40 " + keys +
                 " >/dev/null 2>&1").c_str());
  }
  // The record once it holds `text`.
  bool WaitForRecord(const std::string& text, int timeoutMs = 15000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (inst.Read("record").find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }
  bool WaitForLog(const std::string& text, int timeoutMs = 15000) {
    return inst.WaitForLog(text, timeoutMs).find(text) != std::string::npos;
  }
  std::vector<std::string> Env() const { return {"HOOK_RECORD=" + (inst / "record")}; }

  Installation inst;
};

TEST_F(HooksSystemTest, EveryEventRunsItsHooksInOrderWithWhatItConcerns) {
  const bool coinsSeen = !systest::MachineHasReadableKeyboards();
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=menu\r\nModeFenetre=OUI\r\nLargFen=640\r\nHautFen=480\r\n"
                                   "Transitions=NO\r\n");
  WriteEmu("ScrType=3\r\nScrTimeOut=8\r\n");
  inst.Write("Emu/test_emulator.script", "run_ms=3000\n");
  for (const std::string& event : kEvents) Hook("hooks/" + event + "/10-rec", kRecordingHook);
  // The configuration's hooks run after the installation's, whatever their names.
  Hook("config/emu/hooks/game-selected/05-rec", kRecordingHook);
  // The launch waits for this one, but not for 4 s.
  Hook("hooks/game-start/20-slow",
       "#!/bin/sh\necho \"game-start|20-slow|$(cut -d' ' -f1 /proc/uptime)\" >> \"$HOOK_RECORD\"\nsleep 4\n"
       "cut -d' ' -f1 /proc/uptime > slow-done\n");
  // The end of the program waits for this one (it runs in the installation).
  Hook("hooks/quit/20-last", "#!/bin/sh\nsleep 1\necho ok > quit-done\n");
  // Its first KiB reaches the log.
  Hook("hooks/startup/30-chatty", "#!/bin/sh\nhead -c 5000 /dev/zero | tr '\\0' x\n");

  Frontend f(inst, display(), Env());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  ASSERT_TRUE(WaitForRecord("game-selected|10-rec|menu|emu|")) << inst.Read("record") << inst.Read("debug.txt");
  Key(id, "1");  // the menu's entry: the configuration emu
  ASSERT_TRUE(WaitForRecord("game-selected|05-rec|emu|rom1|")) << inst.Read("record") << inst.Read("debug.txt");
  Key(id, "Down Down");  // rom2 only passes by
  ASSERT_TRUE(WaitForRecord("game-selected|05-rec|emu|rom3|")) << inst.Read("record");
  Key(id, "Up");
  ASSERT_TRUE(WaitForRecord("game-selected|05-rec|emu|rom2|")) << inst.Read("record");
  Key(id, "1");
  const auto runs = WaitForEmulatorRuns(inst / "Emu/test_emulator.record", 1, 15000);
  ASSERT_EQ(runs.size(), 1u) << inst.Read("debug.txt");
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  Key(id, "5 5");
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 20000)) << inst.Read("debug.txt");
  ASSERT_TRUE(WaitForRecord("screensaver-start|", 30000)) << inst.Read("record") << inst.Read("debug.txt");
  Key(id, "Escape");  // wakes the screen, then leaves
  ASSERT_TRUE(f.Wait(20000).has_value()) << inst.Read("debug.txt");

  // Who ran, in what order, about which game.
  const auto records = Records(inst.Read("record"));
  std::vector<std::string> seen;
  for (const auto& r : records) seen.push_back(r.at(0) + " " + r.at(1) + " " + (r.size() > 3 ? r[2] + " " + r[3] : ""));
  const std::vector<std::string> expected = {
      "startup 10-rec menu emu",         "game-selected 10-rec menu emu",  "config-changed 10-rec emu rom1",
      "game-selected 10-rec emu rom1",   "game-selected 05-rec emu rom1",  "game-selected 10-rec emu rom3",
      "game-selected 05-rec emu rom3",   "game-selected 10-rec emu rom2",  "game-selected 05-rec emu rom2",
      "game-start 10-rec emu rom2",      "game-start 20-slow ",            "game-end 10-rec emu rom2",
      "screensaver-start 10-rec emu rom2", "screensaver-end 10-rec emu rom2", "quit 10-rec emu rom2",
  };
  EXPECT_EQ(seen, expected) << inst.Read("record");

  // What game-end was told: every variable, no argument, nothing on its input.
  for (const auto& r : records) {
    if (r.at(0) == "game-end") {
      ASSERT_EQ(r.size(), 10u);
      EXPECT_EQ(r[4], "Beta Two");
      EXPECT_EQ(r[5], inst / "Emu/roms/rom2.zip");
      EXPECT_EQ(r[6], inst / "Emu/mame");
      if (coinsSeen) {
        EXPECT_EQ(r[7], "2");
      }
      EXPECT_EQ(r[8], "0");
      EXPECT_EQ(r[9], "0");
    } else if (r.at(1) != "20-slow") {
      EXPECT_EQ(r.at(7), "unset") << r[0];
    }
  }

  // The emulator started 2 s after the event (the slow hook started a moment after it), well
  // past the launch's own 1 s pause, and not once the hook ended.
  double slowStart = 0;
  for (const auto& r : records)
    if (r.at(1) == "20-slow") slowStart = std::atof(r.at(2).c_str());
  const std::string done = inst.Read("slow-done");
  ASSERT_FALSE(done.empty()) << "the slow game-start hook did not end";
  const auto started = runs[0].started;
  EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(started - FromUptime(slowStart)).count(), 1500);
  EXPECT_LT(started, FromUptime(std::atof(done.c_str())));

  EXPECT_EQ(inst.Read("quit-done"), "ok\n") << "the quit hook was not waited for";
  const std::string log = inst.Read("debug.txt");
  EXPECT_NE(log.find("Hook game-end : hooks/game-end/10-rec : vu game-end rom2\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Hook startup : hooks/startup/30-chatty : " + std::string(1024, 'x') + "\r\n"),
            std::string::npos) << log;
}

TEST_F(HooksSystemTest, AHangingHookIsEndedAt5sWhileTheMenuAnswersAndAPlainFileIsSaidOnce) {
  WriteEmu("");
  Hook("hooks/game-selected/10-rec", kRecordingHook);
  // On rom2, once: a hook that hangs, with a child of its own.
  Hook("hooks/game-selected/20-hang",
       "#!/bin/sh\n[ \"$ORVANEL_GAME\" = rom2 ] && [ ! -e hang.pid ] || exit 0\nsleep 60 &\n"
       "echo \"$$ $!\" > hang.tmp && mv hang.tmp hang.pid\nwait\n");
  Hook("hooks/game-selected/30-plain", "#!/bin/sh\necho never\n", false);

  Frontend f(inst, display(), Env());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  ASSERT_TRUE(WaitForRecord("game-selected|10-rec|emu|rom1|")) << inst.Read("debug.txt");
  Key(id, "Down");
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (inst.Read("hang.pid").empty() && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const auto hung = std::chrono::steady_clock::now();
  int hook = 0, child = 0;
  std::istringstream(inst.Read("hang.pid")) >> hook >> child;
  ASSERT_GT(child, 0) << inst.Read("debug.txt");

  // The menu goes on: a move and its own hooks while the other one hangs.
  Key(id, "Down");
  ASSERT_TRUE(WaitForRecord("game-selected|10-rec|emu|rom3|")) << inst.Read("debug.txt");
  const std::string killed = "hooks/game-selected/20-hang arr\u00eat\u00e9 apr\u00e8s 5 s";
  ASSERT_TRUE(WaitForLog(killed)) << inst.Read("debug.txt");
  const auto after = std::chrono::steady_clock::now() - hung;
  EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(after).count(), 4500);
  std::string log = inst.Read("debug.txt");
  EXPECT_LT(log.find("10-rec : vu game-selected rom3"), log.find(killed)) << log;
  EXPECT_TRUE(ProcessIsGone(hook));
  EXPECT_TRUE(ProcessIsGone(child)) << "the hook's own child outlived it";

  Key(id, "Up");
  ASSERT_TRUE(WaitForRecord("game-selected|10-rec|emu|rom2|")) << inst.Read("debug.txt");
  Key(id, "Escape");
  ASSERT_TRUE(f.Wait(20000).has_value()) << inst.Read("debug.txt");
  log = inst.Read("debug.txt");
  EXPECT_EQ(Count(log, "hooks/game-selected/30-plain n'est pas ex\u00e9cutable"), 1u) << log;
  EXPECT_EQ(Count(log, "never"), 0u) << log;
}

}  // namespace
