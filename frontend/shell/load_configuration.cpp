#include "frontend/shell/load_configuration.h"

#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_render.h"
#include "frontend/shell/wiring_sound.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <optional>

namespace {

constexpr std::string_view kGeneral = "General";
constexpr std::string_view kTouches = "Touches";
constexpr std::string_view kConfig = "Config";

std::string ReadPath(const platform::ProfileFile& f, std::string_view key, std::string_view def,
                     std::string_view base) {
  return platform::MakeAbsolutePath(base, f.Get(kConfig, key, def, 260));
}

}  // namespace

bool ReadFlag(const platform::ProfileFile& file, std::string_view section, std::string_view key,
              std::string_view def) {
  const std::string v = file.Get(section, key, def, 260);
  return v == "YES" || v == "OUI";
}

int ReadInt(const platform::ProfileFile& file, std::string_view section, std::string_view key,
            std::string_view def) {
  return platform::ParseInt(file.Get(section, key, def, 260));
}

void ReadGeneralSettings(const platform::ProfileFile& f, Settings& s) {
  s.lastEmu = f.Get(kGeneral, "LastEmu", "", 260);
  s.emuBase = f.Get(kGeneral, "EmuBase", "", 260);
  s.largFen = ReadInt(f, kGeneral, "LargFen", "640");
  s.hautFen = ReadInt(f, kGeneral, "HautFen", "480");
  s.modeFenetre = ReadFlag(f, kGeneral, "ModeFenetre", "NO");
  s.modeSortie = ReadInt(f, kGeneral, "ModeSortie", "0");
  s.appSortie = f.Get(kGeneral, "AppSortie", "", 260);
  s.transitions = ReadFlag(f, kGeneral, "Transitions", "YES");

  KeySettings& k = s.keys;
  k.down = ReadInt(f, kTouches, "DownKey", "672");
  k.up = ReadInt(f, kTouches, "UpKey", "656");
  k.left = ReadInt(f, kTouches, "LeftKey", "662");
  k.right = ReadInt(f, kTouches, "RightKey", "666");
  k.launchGame = ReadInt(f, kTouches, "LaunchGameKey", "4");
  k.randomGame = ReadInt(f, kTouches, "RandomGameKey", "6");
  k.menu = ReadInt(f, kTouches, "MenuKey", "58");
  k.quit = ReadInt(f, kTouches, "QuitKey", "2");
  k.volumeDown = ReadInt(f, kTouches, "VolumeDownKey", "64");
  k.volumeUp = ReadInt(f, kTouches, "VolumeUPKey", "68");
  k.nextMusic = ReadInt(f, kTouches, "NextZicKey", "38");
  k.infos = ReadInt(f, kTouches, "InfosKey", "114");
  k.menuGen = ReadInt(f, kTouches, "MenuGenKey", "999");
  k.rotate = ReadInt(f, kTouches, "RotateKey", "60");
  k.favourites = ReadInt(f, kTouches, "JeuxFavoris", "62");
}

void SplitEmuExe(std::string_view emuExe, std::string_view base, std::string& directory,
                 std::string& program) {
  const auto sep = emuExe.find_last_of("\\/");
  if (sep == std::string_view::npos) {
    directory.clear();
    program = std::string(emuExe);
    return;
  }
  directory = platform::MakeAbsolutePath(base, emuExe.substr(0, sep));
  program = std::string(emuExe.substr(sep + 1));
}

void ReadConfigSettings(const platform::ProfileFile& f, std::string_view base, Settings& s) {
  // The order of the file's table: SlideShowDir's default is the SnapDir just read.
  s.lastGame = f.Get(kConfig, "LastGame", "0", 100);
  s.listeFavoris = ReadFlag(f, kConfig, "ListeFavoris", "NO");
  s.templateDir = f.Get(kConfig, "TemplateDir", "", 100);
  s.romDir = ReadPath(f, "RomDir", "", base);
  s.romsExt = f.Get(kConfig, "RomsExt", "", 50);
  s.emuExe = f.Get(kConfig, "EmuExe", "", 260);
  SplitEmuExe(s.emuExe, base, s.emuDirectory, s.emuProgram);
  const std::string scrType = f.Get(kConfig, "ScrType", "0", 260);
  s.scrType = scrType.empty() ? '\0' : scrType[0];
  s.scrTimeOut = ReadInt(f, kConfig, "ScrTimeOut", "0");
  s.scrDuration = ReadInt(f, kConfig, "ScrDuration", "0");
  s.move1Page = ReadFlag(f, kConfig, "Move1Page", "NO");
  s.musicFond = ReadPath(f, "MusicFond", "", base);
  s.musicSousRep = ReadFlag(f, kConfig, "MusicSousRep", "NO");
  s.musicVolume = ReadInt(f, kConfig, "MusicVolume", "300");
  s.fichierDescription = ReadPath(f, "FichierDescription", "", base);
  s.menu = f.Get(kConfig, "Menu", "", 260);
  s.typeMenu = ReadFlag(f, kConfig, "TypeMenu", "NO");
  s.iconsDir = ReadPath(f, "IconsDir", "", base);
  s.snapDir = ReadPath(f, "SnapDir", "", base);
  s.marqueesDir = ReadPath(f, "MarqueesDir", "", base);
  for (std::size_t i = 0; i < s.customDir.size(); ++i)
    s.customDir[i] = ReadPath(f, "Custom" + std::to_string(i + 1) + "Dir", "", base);
  s.sons = ReadFlag(f, kConfig, "Sons", "YES");
  s.slideShowDir = ReadPath(f, "SlideShowDir", s.snapDir, base);
  s.slideShowSousRep = ReadFlag(f, kConfig, "SlideShowSousRep", "NO");
  s.rotation = ReadInt(f, kConfig, "Rotation", "0");
  s.guillemets = ReadFlag(f, kConfig, "Guillemets", "YES");
  s.cacherFenetre = ReadFlag(f, kConfig, "CacherFenetre", "YES");
}

std::string ListStatisticsFileName(std::string_view desc) {
  // Only a dot of the file name counts: a dot in a directory name is no extension.
  const auto nameStart = desc.find_last_of("\\/");
  const std::size_t first = nameStart == std::string_view::npos ? 0 : nameStart + 1;
  const auto dot = desc.find_last_of('.');
  std::string out(desc);
  if (dot != std::string_view::npos && dot > first) out.resize(dot);
  return out + ".sta";
}

std::string MainSettingsPath(std::string_view base) {
  return platform::ResolvePath(std::string(base) + "/config/Orvanel.ini");
}

std::string ConfigurationPath(std::string_view base, std::string_view name) {
  return platform::ResolvePath(std::string(base) + "/config/" + std::string(name) + "/config.ini");
}

int LoadConfiguration(std::string_view name) {
  Settings& s = gSettings;
  const std::string& base = BaseDirectory();
  if (gShell.configLoadTick != 0) wire::SaveListTotalTime(platform::GetTickCount());
  wire::SaveFavouritesAndLastGame();
  const std::string previousName = s.currentConfig;

  if (name.empty()) {
    // A missing Orvanel.ini is not an error by itself: every key takes its default.
    const auto main = platform::ProfileFile::Load(MainSettingsPath(base));
    ReadGeneralSettings(main.value_or(platform::ProfileFile{}), s);
    s.currentConfig = s.lastEmu;
  } else {
    s.currentConfig = platform::CutToField(name, 260);
  }

  auto file = platform::ProfileFile::Load(ConfigurationPath(base, s.currentConfig));
  if (!file) {
    s.currentConfig = s.emuBase;
    file = platform::ProfileFile::Load(ConfigurationPath(base, s.currentConfig));
  }
  if (!file) {
    s.currentConfig = previousName;
    return 0;
  }

  ReadConfigSettings(*file, base, s);
  wire::StoreLayoutMediaDirectories(s);

  if (!s.typeMenu) {
    if (!platform::WriteProfileString(MainSettingsPath(base), kGeneral, "LastEmu", s.currentConfig))
      platform::WriteLog("Ecriture de LastEmu impossible dans Orvanel.ini", 1, 1);
  }

  wire::LoadSounds(s.sons);
  s.listStatsFile = ListStatisticsFileName(s.fichierDescription);
  wire::ReadListTotals();
  gShell.configLoadTick = platform::GetTickCount();
  return 1;
}
