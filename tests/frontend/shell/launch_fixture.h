// An installation with the test emulator installed as <base>/Emu/mame and a ROM
// directory <base>/Emu/roms, for the launch and screensaver tests.
#pragma once

#include "emulator_record.h"
#include "catalogue/catalogue_state.h"
#include "temp_dir.h"
#include "frontend/shell/wiring_render_state.h"

#include "catalogue/statistics.h"
#include "render/render_reset.h"
#include "render/render_state.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/shell_state.h"
#include "platform/debug_log.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "keytracker/key_tracker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

class LaunchFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ / "Emu/roms");
    std::filesystem::create_directories(dir_ / "lists");
    std::filesystem::create_symlink(TestEmulatorPath(), dir_ / "Emu/mame");
    record_ = dir_ / "record.txt";
    ::setenv("ORV_TEST_EMULATOR_RECORD", record_.c_str(), 1);
    Script("");
    shell::ResetShellState();
    render::ResetRenderState(gRender);
    shell::gShell.settings.emuExe = dir_ / "Emu/mame";
    shell::gShell.settings.emuDirectory = dir_ / "Emu";
    shell::gShell.settings.emuProgram = "mame";
    shell::gShell.settings.romDir = dir_ / "Emu/roms";
    shell::gShell.settings.romsExt = "zip;7z";
    shell::gShell.settings.modeFenetre = true;
    shell::gShell.settings.fichierDescription = dir_ / "lists/games.txt";
    shell::gShell.settings.listStatsFile = dir_ / "lists/games.sta";
    shell::gShell.baseDirectory = dir_.path();
    shell::gCatalogue.statistics.files = shell::MakeConfiguredStatisticsFiles(shell::gShell.settings, dir_.path());
    shell::gShell.launchTiming.pauseBeforeMs = 0;
    shell::gShell.launchTiming.fullScreenPauseMs = 0;
    platform::SetLogDirectory(dir_.path());
    messages_ = &platform::RecordMessageBoxes();
    KeyTrackerTestMode(1);  // keys come from the tests, never from the machine's keyboards
  }
  void TearDown() override {
    if (feeder_.joinable()) feeder_.join();
    KeyTrackerTestMode(0);
    ::unsetenv("ORV_TEST_EMULATOR_RECORD");
    ::unsetenv("ORV_TEST_EMULATOR_SCRIPT");
    platform::SetMessageBoxSink({});
  }
  void Script(const std::string& s) { ::setenv("ORV_TEST_EMULATOR_SCRIPT", s.c_str(), 1); }
  std::vector<EmulatorRun> Runs() const { return ReadEmulatorRuns(record_); }
  // A value of the game's section in the list statistics file, or of a section of Orvanel.sta.
  std::string GameStat(const std::string& rom, const std::string& key) const {
    return platform::ReadProfileString(dir_ / "lists/games.sta", rom, key, "");
  }
  std::string GlobalStat(const std::string& section, const std::string& key) const {
    return platform::ReadProfileString(dir_ / "Orvanel.sta", section, key, "");
  }
  std::string Log() const { return dir_.Read("debug.txt"); }

  // Once the emulator runs, releases the given virtual keys as if pressed in the game.
  void PressKeysDuringGame(std::vector<unsigned long> keys, int delayMs = 0) {
    if (feeder_.joinable()) feeder_.join();
    feeder_ = std::thread([this, keys, delayMs] {
      WaitForEmulatorRuns(record_, 1);
      std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
      for (unsigned long k : keys) KeyTrackerTestFeed(k);
    });
  }

  TempDir dir_;
  std::thread feeder_;
  std::string record_;
  std::vector<platform::RecordedMessage>* messages_ = nullptr;  // message boxes shown
};
