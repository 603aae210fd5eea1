// The one table of the keys of Orvanel.ini and config.ini: file, section, key as written,
// value type, text size, default and the field of the Settings record it fills. Both
// programs read and write the files through it, so a key is spelled in one place only.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace settings {

enum class SettingFile { Main, Configuration };  // Orvanel.ini, config.ini

enum class SettingType {
  Text,  // the value, at most size - 1 bytes
  Int,   // decimal integer, 0 when no digits
  Flag,  // true only for exactly "YES" or "OUI"
  Char,  // the first byte of the value, 0 when empty
  Path,  // text made absolute against the base directory
  Key,   // an int holding a KeyCode
};

// Every key of both files, in the order the frontend reads them.
enum class SettingId {
  LastEmu, EmuBase, LargFen, HautFen, ModeFenetre, ModeSortie, AppSortie, Transitions, Verrouillage,
  SortieJeuDelai, Langue, MemoireImages, HauteurRendu,
  DownKey, UpKey, LeftKey, RightKey, LaunchGameKey, RandomGameKey, MenuKey, QuitKey,
  VolumeDownKey, VolumeUPKey, NextZicKey, InfosKey, MenuGenKey, RotateKey, JeuxFavoris,
  RechercheKey, SortieJeu,
  PadDownKey, PadUpKey, PadLeftKey, PadRightKey, PadLaunchGameKey, PadRandomGameKey, PadMenuKey, PadQuitKey,
  PadVolumeDownKey, PadVolumeUPKey, PadNextZicKey, PadInfosKey, PadMenuGenKey, PadRotateKey, PadJeuxFavoris,
  PadRechercheKey, PadCoin1Key, PadCoin2Key, PadCoin3Key, PadCoin4Key,
  LastGame, ListeFavoris, TemplateDir, RomDir, RomsExt, EmuExe, ScrType, ScrTimeOut,
  ScrDuration, Move1Page, MusicFond, MusicSousRep, MusicVolume, FichierDescription, Menu,
  TypeMenu, IconsDir, SnapDir, MarqueesDir, Custom1Dir, Custom2Dir, Custom3Dir, Custom4Dir,
  Custom5Dir, Custom6Dir, Sons, SlideShowDir, SlideShowSousRep, Rotation, Guillemets,
  CacherFenetre, VideoDir, VideoSon, EmuParams,
  // Written by the configurator, not read by the frontend: the configurator keeps the
  // custom directories under RepCustomN as well as under CustomNDir.
  UtilExt, RepCustom1, RepCustom2, RepCustom3, RepCustom4, RepCustom5, RepCustom6,
  Count
};

// Where a key's value lives in a Settings record.
using SettingField = std::variant<std::string*, int*, bool*, char*>;

struct SettingKey {
  SettingId id;
  SettingFile file;
  std::string_view section;
  std::string_view key;
  SettingType type;
  std::size_t size;             // the reader's buffer: values keep at most size - 1 bytes
  std::string_view def;         // default as file text
  SettingId defaultFrom;        // != Count: the default is that key's value just read
  SettingField (*field)(Settings&);  // nullptr: no field in the record
  bool configuratorOnly = false;     // written by the configurator, never read by the frontend
};

std::span<const SettingKey> SettingKeys();
const SettingKey& Key(SettingId id);
// Section and key compared without regard to case; nullptr when unknown.
const SettingKey* FindSettingKey(std::string_view section, std::string_view key);

// The two keys of custom directory n (1-6): the frontend's and the configurator's.
SettingId CustomDirKey(int n);
// The [Manettes] key of a [Touches] key (DownKey -> its joystick binding); Count for others.
SettingId PadKeyOf(SettingId key);
SettingId RepCustomKey(int n);

}  // namespace settings
