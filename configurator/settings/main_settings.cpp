#include "configurator/settings/main_settings.h"

#include <vector>

#include "configurator/settings/settings_file.h"
#include "configurator/settings/text_lines.h"
#include "platform/text.h"

namespace cfg {

using settings::SettingId;

const std::array<SettingId, kKeyCount> kKeyIds{
    SettingId::DownKey,   SettingId::UpKey,       SettingId::LeftKey,       SettingId::RightKey,
    SettingId::LaunchGameKey, SettingId::RandomGameKey, SettingId::MenuKey, SettingId::MenuGenKey,
    SettingId::InfosKey,  SettingId::VolumeUPKey, SettingId::VolumeDownKey, SettingId::NextZicKey,
    SettingId::QuitKey,   SettingId::RotateKey,   SettingId::JeuxFavoris};

KeyCodes DefaultKeyCodes() {
  KeyCodes k{};
  for (std::size_t i = 0; i < kKeyCount; ++i) k[i] = platform::ParseInt(settings::Key(kKeyIds[i]).def);
  return k;
}

bool operator==(const MainSettings& a, const MainSettings& b) {
  return a.largFen == b.largFen && a.hautFen == b.hautFen && a.modeFenetre == b.modeFenetre &&
         a.transitions == b.transitions && a.modeSortie == b.modeSortie &&
         platform::EqualsNoCase(a.emuBase, b.emuBase) && a.keys == b.keys;
}

MainSettings ReadMainSettings(const platform::ProfileFile& f) {
  MainSettings s;
  s.lastEmu = Text(f, SettingId::LastEmu);
  s.emuBase = Text(f, SettingId::EmuBase);
  s.largFen = Number(f, SettingId::LargFen);
  s.hautFen = Number(f, SettingId::HautFen);
  s.modeFenetre = Flag(f, SettingId::ModeFenetre);
  s.transitions = Flag(f, SettingId::Transitions);
  s.modeSortie = Number(f, SettingId::ModeSortie);
  for (std::size_t i = 0; i < kKeyCount; ++i) s.keys[i] = Number(f, kKeyIds[i]);
  return s;
}

MainSettings LoadMainSettings(const std::string& path) {
  return ReadMainSettings(platform::ProfileFile::Load(path).value_or(platform::ProfileFile{}));
}

bool SaveMainSettings(const std::string& path, const MainSettings& s) {
  std::vector<settings::SettingWrite> w{{SettingId::EmuBase, s.emuBase},
                                        {SettingId::LastEmu, s.lastEmu},
                                        {SettingId::LargFen, std::to_string(s.largFen)},
                                        {SettingId::HautFen, std::to_string(s.hautFen)},
                                        {SettingId::ModeFenetre, FlagText(s.modeFenetre)},
                                        {SettingId::Transitions, FlagText(s.transitions)},
                                        {SettingId::ModeSortie, std::to_string(s.modeSortie)}};
  for (std::size_t i = 0; i < kKeyCount; ++i) w.push_back({kKeyIds[i], std::to_string(s.keys[i])});
  return WriteSettingsFile(path, w);
}

int ExitModeFromCheckBox(int current, bool checked) {
  if (checked) return 1;
  return current == 1 ? 0 : current;
}

}  // namespace cfg
