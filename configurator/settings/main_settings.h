// The General page's record: config/Orvanel.ini, sections [General] and [Touches].
#pragma once

#include <array>
#include <string>

#include "platform/profile.h"
#include "settings/setting_keys.h"

namespace cfg {

inline constexpr std::size_t kKeyCount = 15;

// The keys of [Touches] in the order of the file's table (the frontend's defaults).
extern const std::array<settings::SettingId, kKeyCount> kKeyIds;

using KeyCodes = std::array<int, kKeyCount>;  // indexed like kKeyIds

KeyCodes DefaultKeyCodes();

struct MainSettings {
  std::string lastEmu;    // LastEmu: no control, written back as read
  std::string emuBase;    // EmuBase
  int largFen = 640;      // LargFen
  int hautFen = 480;      // HautFen
  bool modeFenetre = false;  // ModeFenetre
  bool transitions = true;   // Transitions
  int modeSortie = 0;     // ModeSortie: 1 power off, 2 run AppSortie (kept unless the box changes)
  KeyCodes keys = DefaultKeyCodes();

  // The modified test: EmuBase without regard to letter case, LastEmu not compared.
  friend bool operator==(const MainSettings& a, const MainSettings& b);
};

// Reads what the frontend reads (its rules and defaults: a key missing from the file
// keeps the frontend's behaviour when saved).
MainSettings ReadMainSettings(const platform::ProfileFile& file);
// A file that cannot be opened gives the defaults.
MainSettings LoadMainSettings(const std::string& path);
// Writes the page's keys into the file, keeping every other line; atomic. False on failure.
bool SaveMainSettings(const std::string& path, const MainSettings& settings);

// The exit mode after the check box "Fermer windows en quittant": checked is 1; unchecked
// keeps any other mode (2 runs AppSortie) and turns 1 into 0.
int ExitModeFromCheckBox(int current, bool checked);

}  // namespace cfg
