// The Emus page's record: config/<name>/config.ini, section [Config].
#pragma once

#include <array>
#include <string>

#include "platform/profile.h"

namespace cfg {

inline constexpr std::size_t kCustomCount = 6;

struct EmulatorSettings {
  // TemplateDir and Menu are kept as text: a name missing from the lists survives a save
  // (without TemplateDir the frontend cannot start).
  std::string templateDir;
  std::string menu;  // empty: "=== PAS DE MENU ==="
  std::string emuExe;
  std::string romDir;
  std::string romsExt;
  bool utilExt = false;
  std::string snapDir;
  std::string marqueesDir;
  std::string iconsDir;
  std::string musicFond;
  bool musicSousRep = false;
  std::string slideShowDir;
  bool slideShowSousRep = false;
  std::array<std::string, kCustomCount> customDirs;  // written as RepCustomN and CustomNDir
  std::string fichierDescription;
  int scrType = 0;        // 0 none, 1 random game, 2 slide show; other values kept as read
  int scrTimeOut = 0;     // seconds (the frontend's default)
  int scrDuration = 0;    // seconds (the frontend's default)
  bool move1Page = false;
  bool sons = true;
  int musicVolume = 300;  // 0-1000
  bool typeMenu = false;
  int rotation = 0;       // quarter turns 0-3
  bool guillemets = true;
  bool cacherFenetre = true;  // the frontend's default: the emulator window is hidden

  // The modified test: names and paths without regard to letter case.
  friend bool operator==(const EmulatorSettings& a, const EmulatorSettings& b);
};

EmulatorSettings ReadEmulatorSettings(const platform::ProfileFile& file);
// A file that cannot be opened gives the defaults.
EmulatorSettings LoadEmulatorSettings(const std::string& path);
// Writes the page's keys into the file, keeping every other line; atomic. False on failure.
bool SaveEmulatorSettings(const std::string& path, const EmulatorSettings& settings);

// One quarter turn on the rotation field: up subtracts 90 degrees, down adds 90.
int StepRotation(int rotation, bool up);
// The rotation field's text: "180°" (UTF-8).
std::string RotationText(int rotation);

}  // namespace cfg
