#include "configurator/settings/emulator_settings.h"

#include <vector>

#include "configurator/settings/settings_file.h"
#include "configurator/settings/text_lines.h"
#include "platform/text.h"

namespace cfg {

using settings::SettingId;

bool operator==(const EmulatorSettings& a, const EmulatorSettings& b) {
  auto same = [](const std::string& x, const std::string& y) { return platform::EqualsNoCase(x, y); };
  for (std::size_t i = 0; i < kCustomCount; ++i)
    if (!same(a.customDirs[i], b.customDirs[i])) return false;
  return same(a.templateDir, b.templateDir) && same(a.menu, b.menu) && same(a.emuExe, b.emuExe) &&
         same(a.romDir, b.romDir) && same(a.romsExt, b.romsExt) && same(a.snapDir, b.snapDir) &&
         same(a.marqueesDir, b.marqueesDir) && same(a.iconsDir, b.iconsDir) &&
         same(a.musicFond, b.musicFond) && same(a.slideShowDir, b.slideShowDir) &&
         same(a.fichierDescription, b.fichierDescription) && a.utilExt == b.utilExt &&
         a.musicSousRep == b.musicSousRep && a.slideShowSousRep == b.slideShowSousRep &&
         a.scrType == b.scrType && a.scrTimeOut == b.scrTimeOut && a.scrDuration == b.scrDuration &&
         a.move1Page == b.move1Page && a.sons == b.sons && a.musicVolume == b.musicVolume &&
         a.typeMenu == b.typeMenu && a.rotation == b.rotation && a.guillemets == b.guillemets &&
         a.cacherFenetre == b.cacherFenetre;
}

EmulatorSettings ReadEmulatorSettings(const platform::ProfileFile& f) {
  EmulatorSettings s;
  s.templateDir = Text(f, SettingId::TemplateDir);
  s.menu = Text(f, SettingId::Menu);
  s.emuExe = Text(f, SettingId::EmuExe);
  s.romDir = Text(f, SettingId::RomDir);
  s.romsExt = Text(f, SettingId::RomsExt);
  s.snapDir = Text(f, SettingId::SnapDir);
  s.marqueesDir = Text(f, SettingId::MarqueesDir);
  s.iconsDir = Text(f, SettingId::IconsDir);
  s.musicFond = Text(f, SettingId::MusicFond);
  s.slideShowDir = Text(f, SettingId::SlideShowDir);  // empty: the frontend then shows the snapshots
  s.fichierDescription = Text(f, SettingId::FichierDescription);
  for (int n = 1; n <= int(kCustomCount); ++n) {
    // The frontend reads CustomNDir; files this page wrote before hold RepCustomN.
    const settings::SettingKey& rep = settings::Key(settings::RepCustomKey(n));
    s.customDirs[std::size_t(n - 1)] =
        f.Has(rep.section, rep.key) ? Text(f, rep.id) : Text(f, settings::CustomDirKey(n));
  }
  s.utilExt = Flag(f, SettingId::UtilExt);
  s.scrType = Number(f, SettingId::ScrType);
  s.scrTimeOut = Number(f, SettingId::ScrTimeOut);
  s.scrDuration = Number(f, SettingId::ScrDuration);
  s.musicSousRep = Flag(f, SettingId::MusicSousRep);
  s.slideShowSousRep = Flag(f, SettingId::SlideShowSousRep);
  s.move1Page = Flag(f, SettingId::Move1Page);
  s.typeMenu = Flag(f, SettingId::TypeMenu);
  s.sons = Flag(f, SettingId::Sons);
  s.musicVolume = Number(f, SettingId::MusicVolume);
  s.rotation = Number(f, SettingId::Rotation);
  if (s.rotation < 0 || s.rotation > 3) s.rotation = 0;
  s.guillemets = Flag(f, SettingId::Guillemets);
  s.cacherFenetre = Flag(f, SettingId::CacherFenetre);
  return s;
}

EmulatorSettings LoadEmulatorSettings(const std::string& path) {
  return ReadEmulatorSettings(platform::ProfileFile::Load(path).value_or(platform::ProfileFile{}));
}

bool SaveEmulatorSettings(const std::string& path, const EmulatorSettings& s) {
  auto number = [](int n) { return std::to_string(n); };
  std::vector<settings::SettingWrite> w{
      {SettingId::TemplateDir, s.templateDir}, {SettingId::EmuExe, s.emuExe},
      {SettingId::RomDir, s.romDir},           {SettingId::RomsExt, s.romsExt},
      {SettingId::SnapDir, s.snapDir},         {SettingId::MarqueesDir, s.marqueesDir},
      {SettingId::IconsDir, s.iconsDir},       {SettingId::MusicFond, s.musicFond},
      {SettingId::SlideShowDir, s.slideShowDir}};
  for (int n = 1; n <= int(kCustomCount); ++n) {
    w.push_back({settings::RepCustomKey(n), s.customDirs[std::size_t(n - 1)]});
    w.push_back({settings::CustomDirKey(n), s.customDirs[std::size_t(n - 1)]});
  }
  const std::vector<settings::SettingWrite> rest{
      {SettingId::FichierDescription, s.fichierDescription},
      {SettingId::UtilExt, FlagText(s.utilExt)},
      {SettingId::ScrType, number(s.scrType)},
      {SettingId::ScrTimeOut, number(s.scrTimeOut)},
      {SettingId::ScrDuration, number(s.scrDuration)},
      {SettingId::MusicSousRep, FlagText(s.musicSousRep)},
      {SettingId::SlideShowSousRep, FlagText(s.slideShowSousRep)},
      {SettingId::Move1Page, FlagText(s.move1Page)},
      {SettingId::MusicVolume, number(s.musicVolume)},
      {SettingId::Sons, FlagText(s.sons)},
      {SettingId::TypeMenu, FlagText(s.typeMenu)},
      {SettingId::Guillemets, FlagText(s.guillemets)},
      {SettingId::CacherFenetre, FlagText(s.cacherFenetre)},
      {SettingId::Menu, s.menu},
      {SettingId::Rotation, number(s.rotation >= 0 && s.rotation <= 3 ? s.rotation : 0)}};
  w.insert(w.end(), rest.begin(), rest.end());
  return WriteSettingsFile(path, w);
}

int StepRotation(int rotation, bool up) {
  int degrees = (rotation >= 0 && rotation <= 3 ? rotation : 0) * 90 + (up ? -90 : 90);
  if (degrees < 0) degrees = 270;
  if (degrees > 270) degrees = 0;
  return degrees / 90;
}

std::string RotationText(int rotation) {
  return std::to_string((rotation >= 0 && rotation <= 3 ? rotation : 0) * 90) + "\xC2\xB0";
}

}  // namespace cfg
