#include "configurator/settings/emulator_settings.h"

#include <vector>

#include "configurator/settings/settings_file.h"
#include "configurator/settings/text_lines.h"
#include "platform/text.h"

namespace cfg {
namespace {

constexpr std::string_view kConfig = "Config";

std::string Text(const platform::ProfileFile& f, std::string_view key, std::size_t size = 260) {
  return f.Get(kConfig, key, "", size);
}
bool Flag(const platform::ProfileFile& f, std::string_view key, std::string_view def) {
  return ParseFlag(f.Get(kConfig, key, def));
}
int Int(const platform::ProfileFile& f, std::string_view key, std::string_view def) {
  return platform::ParseInt(f.Get(kConfig, key, def));
}
std::string Number(std::size_t n) { return std::to_string(n); }

}  // namespace

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
  s.templateDir = Text(f, "TemplateDir", kTemplateField);
  s.menu = Text(f, "Menu");
  s.emuExe = Text(f, "EmuExe");
  s.romDir = Text(f, "RomDir");
  s.romsExt = Text(f, "RomsExt", kRomsExtField);
  s.snapDir = Text(f, "SnapDir");
  s.marqueesDir = Text(f, "MarqueesDir");
  s.iconsDir = Text(f, "IconsDir");
  s.musicFond = Text(f, "MusicFond");
  s.slideShowDir = Text(f, "SlideShowDir");
  s.fichierDescription = Text(f, "FichierDescription");
  for (std::size_t i = 0; i < kCustomCount; ++i) {
    // The frontend reads CustomNDir; older files of this page hold RepCustomN.
    const std::string rep = "RepCustom" + Number(i + 1);
    s.customDirs[i] = f.Has(kConfig, rep) ? Text(f, rep) : Text(f, "Custom" + Number(i + 1) + "Dir");
  }
  s.utilExt = Flag(f, "UtilExt", "NO");
  s.scrType = Int(f, "ScrType", "0");
  s.scrTimeOut = Int(f, "ScrTimeOut", "0");
  s.scrDuration = Int(f, "ScrDuration", "0");
  s.musicSousRep = Flag(f, "MusicSousRep", "NO");
  s.slideShowSousRep = Flag(f, "SlideShowSousRep", "NO");
  s.move1Page = Flag(f, "Move1Page", "NO");
  s.typeMenu = Flag(f, "TypeMenu", "NO");
  s.sons = Flag(f, "Sons", "YES");
  s.musicVolume = Int(f, "MusicVolume", "300");
  s.rotation = Int(f, "Rotation", "0");
  if (s.rotation < 0 || s.rotation > 3) s.rotation = 0;
  s.guillemets = Flag(f, "Guillemets", "YES");
  s.cacherFenetre = Flag(f, "CacherFenetre", "YES");
  return s;
}

EmulatorSettings LoadEmulatorSettings(const std::string& path) {
  return ReadEmulatorSettings(platform::ProfileFile::Load(path).value_or(platform::ProfileFile{}));
}

bool SaveEmulatorSettings(const std::string& path, const EmulatorSettings& s) {
  auto text = [](const std::string& v) { return platform::CutToField(v, 260); };
  SectionUpdate u{std::string(kConfig), {}};
  auto& v = u.values;
  v.push_back({"TemplateDir", platform::CutToField(s.templateDir, kTemplateField)});
  v.push_back({"EmuExe", text(s.emuExe)});
  v.push_back({"RomDir", text(s.romDir)});
  v.push_back({"RomsExt", platform::CutToField(s.romsExt, kRomsExtField)});
  v.push_back({"SnapDir", text(s.snapDir)});
  v.push_back({"MarqueesDir", text(s.marqueesDir)});
  v.push_back({"IconsDir", text(s.iconsDir)});
  v.push_back({"MusicFond", text(s.musicFond)});
  v.push_back({"SlideShowDir", text(s.slideShowDir)});
  for (std::size_t i = 0; i < kCustomCount; ++i) {
    v.push_back({"RepCustom" + Number(i + 1), text(s.customDirs[i])});
    v.push_back({"Custom" + Number(i + 1) + "Dir", text(s.customDirs[i])});
  }
  v.push_back({"FichierDescription", text(s.fichierDescription)});
  v.push_back({"UtilExt", FlagText(s.utilExt)});
  v.push_back({"ScrType", std::to_string(s.scrType)});
  v.push_back({"ScrTimeOut", std::to_string(s.scrTimeOut)});
  v.push_back({"ScrDuration", std::to_string(s.scrDuration)});
  v.push_back({"MusicSousRep", FlagText(s.musicSousRep)});
  v.push_back({"SlideShowSousRep", FlagText(s.slideShowSousRep)});
  v.push_back({"Move1Page", FlagText(s.move1Page)});
  v.push_back({"MusicVolume", std::to_string(s.musicVolume)});
  v.push_back({"Sons", FlagText(s.sons)});
  v.push_back({"TypeMenu", FlagText(s.typeMenu)});
  v.push_back({"Guillemets", FlagText(s.guillemets)});
  v.push_back({"CacherFenetre", FlagText(s.cacherFenetre)});
  v.push_back({"Menu", text(s.menu)});
  v.push_back({"Rotation", std::to_string(s.rotation >= 0 && s.rotation <= 3 ? s.rotation : 0)});
  return UpdateSettingsFile(path, std::span<const SectionUpdate>(&u, 1));
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
