#include "configurator/settings/main_settings.h"

#include <vector>

#include "configurator/settings/settings_file.h"
#include "configurator/settings/text_lines.h"
#include "platform/text.h"

namespace cfg {
namespace {

constexpr std::string_view kGeneral = "General";
constexpr std::string_view kTouches = "Touches";

int ReadInt(const platform::ProfileFile& f, std::string_view section, std::string_view key, int def) {
  return platform::ParseInt(f.Get(section, key, std::to_string(def)));
}

}  // namespace

bool operator==(const MainSettings& a, const MainSettings& b) {
  return a.largFen == b.largFen && a.hautFen == b.hautFen && a.modeFenetre == b.modeFenetre &&
         a.transitions == b.transitions && a.modeSortie == b.modeSortie &&
         platform::EqualsNoCase(a.emuBase, b.emuBase) && a.keys == b.keys;
}

MainSettings ReadMainSettings(const platform::ProfileFile& f) {
  MainSettings s;
  s.lastEmu = f.Get(kGeneral, "LastEmu", "");
  s.emuBase = f.Get(kGeneral, "EmuBase", "");
  s.largFen = ReadInt(f, kGeneral, "LargFen", 640);
  s.hautFen = ReadInt(f, kGeneral, "HautFen", 480);
  s.modeFenetre = ParseFlag(f.Get(kGeneral, "ModeFenetre", "NO"));
  s.transitions = ParseFlag(f.Get(kGeneral, "Transitions", "YES"));
  s.modeSortie = ReadInt(f, kGeneral, "ModeSortie", 0);
  for (std::size_t i = 0; i < kKeyCount; ++i)
    s.keys[i] = ReadInt(f, kTouches, kKeyFields[i].key, kKeyFields[i].def);
  return s;
}

MainSettings LoadMainSettings(const std::string& path) {
  return ReadMainSettings(platform::ProfileFile::Load(path).value_or(platform::ProfileFile{}));
}

bool SaveMainSettings(const std::string& path, const MainSettings& s) {
  std::vector<SectionUpdate> updates(2);
  updates[0].section = kGeneral;
  updates[0].values = {{"EmuBase", platform::CutToField(s.emuBase, 260)},
                       {"LastEmu", platform::CutToField(s.lastEmu, 260)},
                       {"LargFen", std::to_string(s.largFen)},
                       {"HautFen", std::to_string(s.hautFen)},
                       {"ModeFenetre", FlagText(s.modeFenetre)},
                       {"Transitions", FlagText(s.transitions)},
                       {"ModeSortie", std::to_string(s.modeSortie)}};
  updates[1].section = kTouches;
  for (std::size_t i = 0; i < kKeyCount; ++i)
    updates[1].values.push_back({std::string(kKeyFields[i].key), std::to_string(s.keys[i])});
  return UpdateSettingsFile(path, updates);
}

int ExitModeFromCheckBox(int current, bool checked) {
  if (checked) return 1;
  return current == 1 ? 0 : current;
}

}  // namespace cfg
