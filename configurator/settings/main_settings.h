// The General page's record: config/Orvanel.ini, sections [General] and [Touches].
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace cfg {

inline constexpr std::size_t kKeyCount = 15;

// The keys of [Touches] in the file's order, with the frontend's defaults.
struct KeyField {
  std::string_view key;
  int def;
};
inline constexpr std::array<KeyField, kKeyCount> kKeyFields{{
    {"DownKey", 672}, {"UpKey", 656}, {"LeftKey", 662}, {"RightKey", 666},
    {"LaunchGameKey", 4}, {"RandomGameKey", 6}, {"MenuKey", 58}, {"MenuGenKey", 999},
    {"InfosKey", 114}, {"VolumeUPKey", 68}, {"VolumeDOWNKey", 64}, {"NextZicKey", 38},
    {"QuitKey", 2}, {"RotateKey", 60}, {"JeuxFavoris", 62}}};

using KeyCodes = std::array<int, kKeyCount>;  // indexed like kKeyFields

constexpr KeyCodes DefaultKeyCodes() {
  KeyCodes k{};
  for (std::size_t i = 0; i < kKeyCount; ++i) k[i] = kKeyFields[i].def;
  return k;
}

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
