#include "settings/setting_keys.h"

#include <array>

#include "platform/text.h"

namespace settings {
namespace {

template <auto Member>
SettingField At(Settings& s) {
  return &(s.*Member);
}
template <auto Member>
SettingField KeyAt(Settings& s) {
  return &(s.keys.*Member);
}
template <auto Member>
SettingField PadAt(Settings& s) {
  return &(s.pads.*Member);
}
template <std::size_t I>
SettingField CoinAt(Settings& s) {
  return &s.pads.coin[I];
}
template <std::size_t I>
SettingField CustomAt(Settings& s) {
  return &s.customDir[I];
}

using enum SettingId;
using enum SettingType;
constexpr auto kMain = SettingFile::Main;
constexpr auto kCfg = SettingFile::Configuration;
constexpr std::string_view kGeneral = "General";
constexpr std::string_view kTouches = "Touches";
constexpr std::string_view kManettes = "Manettes";
constexpr std::string_view kConfig = "Config";
constexpr SettingId kNone = SettingId::Count;

constexpr std::array<SettingKey, static_cast<std::size_t>(Count)> kKeys{{
    {LastEmu, kMain, kGeneral, "LastEmu", Text, 260, "", kNone, At<&Settings::lastEmu>},
    {EmuBase, kMain, kGeneral, "EmuBase", Text, 260, "", kNone, At<&Settings::emuBase>},
    {LargFen, kMain, kGeneral, "LargFen", Int, 260, "640", kNone, At<&Settings::largFen>},
    {HautFen, kMain, kGeneral, "HautFen", Int, 260, "480", kNone, At<&Settings::hautFen>},
    {ModeFenetre, kMain, kGeneral, "ModeFenetre", Flag, 260, "NO", kNone, At<&Settings::modeFenetre>},
    {ModeSortie, kMain, kGeneral, "ModeSortie", Int, 260, "0", kNone, At<&Settings::modeSortie>},
    {AppSortie, kMain, kGeneral, "AppSortie", Text, 260, "", kNone, At<&Settings::appSortie>},
    {Transitions, kMain, kGeneral, "Transitions", Flag, 260, "YES", kNone, At<&Settings::transitions>},
    {Verrouillage, kMain, kGeneral, "Verrouillage", Text, 260, "", kNone, At<&Settings::verrouillage>},
    {SortieJeuDelai, kMain, kGeneral, "SortieJeuDelai", Int, 260, "2000", kNone, At<&Settings::sortieJeuDelai>},
    {Langue, kMain, kGeneral, "Langue", Text, 260, "", kNone, At<&Settings::langue>},
    {MemoireImages, kMain, kGeneral, "MemoireImages", Int, 260, "128", kNone, At<&Settings::memoireImages>},
    {HauteurRendu, kMain, kGeneral, "HauteurRendu", Int, 260, "1080", kNone, At<&Settings::hauteurRendu>},

    {DownKey, kMain, kTouches, "DownKey", Key, 260, "672", kNone, KeyAt<&KeySettings::down>},
    {UpKey, kMain, kTouches, "UpKey", Key, 260, "656", kNone, KeyAt<&KeySettings::up>},
    {LeftKey, kMain, kTouches, "LeftKey", Key, 260, "662", kNone, KeyAt<&KeySettings::left>},
    {RightKey, kMain, kTouches, "RightKey", Key, 260, "666", kNone, KeyAt<&KeySettings::right>},
    {LaunchGameKey, kMain, kTouches, "LaunchGameKey", Key, 260, "4", kNone, KeyAt<&KeySettings::launchGame>},
    {RandomGameKey, kMain, kTouches, "RandomGameKey", Key, 260, "6", kNone, KeyAt<&KeySettings::randomGame>},
    {MenuKey, kMain, kTouches, "MenuKey", Key, 260, "58", kNone, KeyAt<&KeySettings::menu>},
    {QuitKey, kMain, kTouches, "QuitKey", Key, 260, "2", kNone, KeyAt<&KeySettings::quit>},
    {VolumeDownKey, kMain, kTouches, "VolumeDownKey", Key, 260, "64", kNone, KeyAt<&KeySettings::volumeDown>},
    {VolumeUPKey, kMain, kTouches, "VolumeUPKey", Key, 260, "68", kNone, KeyAt<&KeySettings::volumeUp>},
    {NextZicKey, kMain, kTouches, "NextZicKey", Key, 260, "38", kNone, KeyAt<&KeySettings::nextMusic>},
    {InfosKey, kMain, kTouches, "InfosKey", Key, 260, "114", kNone, KeyAt<&KeySettings::infos>},
    {MenuGenKey, kMain, kTouches, "MenuGenKey", Key, 260, "999", kNone, KeyAt<&KeySettings::menuGen>},
    {RotateKey, kMain, kTouches, "RotateKey", Key, 260, "60", kNone, KeyAt<&KeySettings::rotate>},
    {JeuxFavoris, kMain, kTouches, "JeuxFavoris", Key, 260, "62", kNone, KeyAt<&KeySettings::favourites>},
    // The keyboard's "/" (scan code 0x35).
    {RechercheKey, kMain, kTouches, "RechercheKey", Key, 260, "106", kNone, KeyAt<&KeySettings::search>},
    // Empty: QuitKey alone, whatever it is bound to later.
    {SortieJeu, kMain, kTouches, "SortieJeu", Text, 260, "", kNone, At<&Settings::sortieJeu>},
    // Joystick bindings beside the keys (settings/pad_binding.h), and the buttons counted as coins.
    {PadDownKey, kMain, kManettes, "DownKey", Text, 260, "", kNone, PadAt<&PadSettings::down>},
    {PadUpKey, kMain, kManettes, "UpKey", Text, 260, "", kNone, PadAt<&PadSettings::up>},
    {PadLeftKey, kMain, kManettes, "LeftKey", Text, 260, "", kNone, PadAt<&PadSettings::left>},
    {PadRightKey, kMain, kManettes, "RightKey", Text, 260, "", kNone, PadAt<&PadSettings::right>},
    {PadLaunchGameKey, kMain, kManettes, "LaunchGameKey", Text, 260, "", kNone, PadAt<&PadSettings::launchGame>},
    {PadRandomGameKey, kMain, kManettes, "RandomGameKey", Text, 260, "", kNone, PadAt<&PadSettings::randomGame>},
    {PadMenuKey, kMain, kManettes, "MenuKey", Text, 260, "", kNone, PadAt<&PadSettings::menu>},
    {PadQuitKey, kMain, kManettes, "QuitKey", Text, 260, "", kNone, PadAt<&PadSettings::quit>},
    {PadVolumeDownKey, kMain, kManettes, "VolumeDownKey", Text, 260, "", kNone, PadAt<&PadSettings::volumeDown>},
    {PadVolumeUPKey, kMain, kManettes, "VolumeUPKey", Text, 260, "", kNone, PadAt<&PadSettings::volumeUp>},
    {PadNextZicKey, kMain, kManettes, "NextZicKey", Text, 260, "", kNone, PadAt<&PadSettings::nextMusic>},
    {PadInfosKey, kMain, kManettes, "InfosKey", Text, 260, "", kNone, PadAt<&PadSettings::infos>},
    {PadMenuGenKey, kMain, kManettes, "MenuGenKey", Text, 260, "", kNone, PadAt<&PadSettings::menuGen>},
    {PadRotateKey, kMain, kManettes, "RotateKey", Text, 260, "", kNone, PadAt<&PadSettings::rotate>},
    {PadJeuxFavoris, kMain, kManettes, "JeuxFavoris", Text, 260, "", kNone, PadAt<&PadSettings::favourites>},
    {PadRechercheKey, kMain, kManettes, "RechercheKey", Text, 260, "", kNone, PadAt<&PadSettings::search>},
    {PadCoin1Key, kMain, kManettes, "Coin1Key", Text, 260, "", kNone, CoinAt<0>},
    {PadCoin2Key, kMain, kManettes, "Coin2Key", Text, 260, "", kNone, CoinAt<1>},
    {PadCoin3Key, kMain, kManettes, "Coin3Key", Text, 260, "", kNone, CoinAt<2>},
    {PadCoin4Key, kMain, kManettes, "Coin4Key", Text, 260, "", kNone, CoinAt<3>},

    {LastGame, kCfg, kConfig, "LastGame", Text, 100, "0", kNone, At<&Settings::lastGame>},
    {ListeFavoris, kCfg, kConfig, "ListeFavoris", Flag, 260, "NO", kNone, At<&Settings::listeFavoris>},
    {TemplateDir, kCfg, kConfig, "TemplateDir", Text, 100, "", kNone, At<&Settings::templateDir>},
    {RomDir, kCfg, kConfig, "RomDir", Path, 260, "", kNone, At<&Settings::romDir>},
    {RomsExt, kCfg, kConfig, "RomsExt", Text, 50, "", kNone, At<&Settings::romsExt>},
    {EmuExe, kCfg, kConfig, "EmuExe", Text, 260, "", kNone, At<&Settings::emuExe>},
    {ScrType, kCfg, kConfig, "ScrType", Char, 260, "0", kNone, At<&Settings::scrType>},
    {ScrTimeOut, kCfg, kConfig, "ScrTimeOut", Int, 260, "0", kNone, At<&Settings::scrTimeOut>},
    {ScrDuration, kCfg, kConfig, "ScrDuration", Int, 260, "0", kNone, At<&Settings::scrDuration>},
    {Move1Page, kCfg, kConfig, "Move1Page", Flag, 260, "NO", kNone, At<&Settings::move1Page>},
    {MusicFond, kCfg, kConfig, "MusicFond", Path, 260, "", kNone, At<&Settings::musicFond>},
    {MusicSousRep, kCfg, kConfig, "MusicSousRep", Flag, 260, "NO", kNone, At<&Settings::musicSousRep>},
    {MusicVolume, kCfg, kConfig, "MusicVolume", Int, 260, "300", kNone, At<&Settings::musicVolume>},
    {FichierDescription, kCfg, kConfig, "FichierDescription", Path, 260, "", kNone,
     At<&Settings::fichierDescription>},
    {Menu, kCfg, kConfig, "Menu", Text, 260, "", kNone, At<&Settings::menu>},
    {TypeMenu, kCfg, kConfig, "TypeMenu", Flag, 260, "NO", kNone, At<&Settings::typeMenu>},
    {IconsDir, kCfg, kConfig, "IconsDir", Path, 260, "", kNone, At<&Settings::iconsDir>},
    {SnapDir, kCfg, kConfig, "SnapDir", Path, 260, "", kNone, At<&Settings::snapDir>},
    {MarqueesDir, kCfg, kConfig, "MarqueesDir", Path, 260, "", kNone, At<&Settings::marqueesDir>},
    {Custom1Dir, kCfg, kConfig, "Custom1Dir", Path, 260, "", kNone, CustomAt<0>},
    {Custom2Dir, kCfg, kConfig, "Custom2Dir", Path, 260, "", kNone, CustomAt<1>},
    {Custom3Dir, kCfg, kConfig, "Custom3Dir", Path, 260, "", kNone, CustomAt<2>},
    {Custom4Dir, kCfg, kConfig, "Custom4Dir", Path, 260, "", kNone, CustomAt<3>},
    {Custom5Dir, kCfg, kConfig, "Custom5Dir", Path, 260, "", kNone, CustomAt<4>},
    {Custom6Dir, kCfg, kConfig, "Custom6Dir", Path, 260, "", kNone, CustomAt<5>},
    {Sons, kCfg, kConfig, "Sons", Flag, 260, "YES", kNone, At<&Settings::sons>},
    // After SnapDir: its default is the snapshot directory just read.
    {SlideShowDir, kCfg, kConfig, "SlideShowDir", Path, 260, "", SnapDir, At<&Settings::slideShowDir>},
    {SlideShowSousRep, kCfg, kConfig, "SlideShowSousRep", Flag, 260, "NO", kNone,
     At<&Settings::slideShowSousRep>},
    {Rotation, kCfg, kConfig, "Rotation", Int, 260, "0", kNone, At<&Settings::rotation>},
    {Guillemets, kCfg, kConfig, "Guillemets", Flag, 260, "YES", kNone, At<&Settings::guillemets>},
    {CacherFenetre, kCfg, kConfig, "CacherFenetre", Flag, 260, "YES", kNone, At<&Settings::cacherFenetre>},
    {VideoDir, kCfg, kConfig, "VideoDir", Path, 260, "", kNone, At<&Settings::videoDir>},
    {VideoSon, kCfg, kConfig, "VideoSon", Flag, 260, "NO", kNone, At<&Settings::videoSon>},
    // The emulator's arguments with %ROM% %NAME% %ROMDIR% %EMUDIR%; empty: the ROM path alone.
    {EmuParams, kCfg, kConfig, "EmuParams", Text, 1024, "", kNone, At<&Settings::emuParams>},

    {UtilExt, kCfg, kConfig, "UtilExt", Flag, 260, "NO", kNone, At<&Settings::utilExt>, true},
    {RepCustom1, kCfg, kConfig, "RepCustom1", Text, 260, "", Custom1Dir, CustomAt<0>, true},
    {RepCustom2, kCfg, kConfig, "RepCustom2", Text, 260, "", Custom2Dir, CustomAt<1>, true},
    {RepCustom3, kCfg, kConfig, "RepCustom3", Text, 260, "", Custom3Dir, CustomAt<2>, true},
    {RepCustom4, kCfg, kConfig, "RepCustom4", Text, 260, "", Custom4Dir, CustomAt<3>, true},
    {RepCustom5, kCfg, kConfig, "RepCustom5", Text, 260, "", Custom5Dir, CustomAt<4>, true},
    {RepCustom6, kCfg, kConfig, "RepCustom6", Text, 260, "", Custom6Dir, CustomAt<5>, true},
}};

constexpr bool InIdOrder() {
  for (std::size_t i = 0; i < kKeys.size(); ++i)
    if (static_cast<std::size_t>(kKeys[i].id) != i) return false;
  return true;
}
static_assert(InIdOrder(), "the key table is indexed by SettingId");

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

const SettingKey& Key(SettingId id) { return kKeys[static_cast<std::size_t>(id)]; }

const SettingKey* FindSettingKey(std::string_view section, std::string_view key) {
  for (const SettingKey& k : kKeys)
    if (platform::EqualsNoCase(k.section, section) && platform::EqualsNoCase(k.key, key)) return &k;
  return nullptr;
}

SettingId CustomDirKey(int n) { return static_cast<SettingId>(static_cast<int>(Custom1Dir) + n - 1); }
SettingId PadKeyOf(SettingId key) {
  if (key < DownKey || key > RechercheKey) return Count;
  return static_cast<SettingId>(static_cast<int>(PadDownKey) + static_cast<int>(key) - static_cast<int>(DownKey));
}

SettingId RepCustomKey(int n) { return static_cast<SettingId>(static_cast<int>(RepCustom1) + n - 1); }

}  // namespace settings
