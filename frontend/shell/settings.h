// The frontend's settings: config/Orvanel.ini (sections General and Touches) and the
// current configuration's config/<name>/config.ini (section Config). Text fields keep
// the sizes of the files' fields (text(n) holds at most n - 1 bytes); path fields are
// already made absolute against the base directory.
#pragma once

#include <array>
#include <string>

struct KeySettings {
  int down = 672;        // DownKey
  int up = 656;          // UpKey
  int left = 662;        // LeftKey
  int right = 666;       // RightKey
  int launchGame = 4;    // LaunchGameKey
  int randomGame = 6;    // RandomGameKey
  int menu = 58;         // MenuKey
  int quit = 2;          // QuitKey
  int volumeDown = 64;   // VolumeDownKey
  int volumeUp = 68;     // VolumeUPKey
  int nextMusic = 38;    // NextZicKey
  int infos = 114;       // InfosKey
  int menuGen = 999;     // MenuGenKey
  int rotate = 60;       // RotateKey
  int favourites = 62;   // JeuxFavoris
};

struct Settings {
  // config/Orvanel.ini, [General]
  std::string lastEmu;         // LastEmu, text(260)
  std::string emuBase;         // EmuBase, text(260)
  int largFen = 640;           // LargFen
  int hautFen = 480;           // HautFen
  bool modeFenetre = false;    // ModeFenetre: true = windowed
  int modeSortie = 0;          // ModeSortie: 1 power off, 2 run AppSortie
  std::string appSortie;       // AppSortie, text(260)
  bool transitions = true;     // Transitions
  KeySettings keys;            // [Touches]

  // config/<name>/config.ini, [Config]
  std::string lastGame = "0";  // LastGame, text(100)
  bool listeFavoris = false;   // ListeFavoris
  std::string templateDir;     // TemplateDir, text(100), not made absolute
  std::string romDir;          // RomDir, path
  std::string romsExt;         // RomsExt, text(50)
  std::string emuExe;          // EmuExe as written, text(260)
  std::string emuDirectory;    // EmuExe before its last separator, made absolute
  std::string emuProgram;      // EmuExe after its last separator
  char scrType = '0';          // ScrType: first character
  int scrTimeOut = 0;          // ScrTimeOut, seconds
  int scrDuration = 0;         // ScrDuration, seconds
  bool move1Page = false;      // Move1Page
  std::string musicFond;       // MusicFond, path
  bool musicSousRep = false;   // MusicSousRep
  int musicVolume = 300;       // MusicVolume, 0-1000
  std::string fichierDescription;  // FichierDescription, path
  std::string menu;            // Menu, text(260)
  bool typeMenu = false;       // TypeMenu
  std::string iconsDir;        // IconsDir, path
  std::string snapDir;         // SnapDir, path
  std::string marqueesDir;     // MarqueesDir, path
  std::array<std::string, 6> customDir;  // Custom1Dir..Custom6Dir, paths
  bool sons = true;            // Sons
  std::string slideShowDir;    // SlideShowDir, path (default: SnapDir)
  bool slideShowSousRep = false;  // SlideShowSousRep
  int rotation = 0;            // Rotation, quarter turns 0-3
  bool guillemets = true;      // Guillemets
  bool cacherFenetre = true;   // CacherFenetre

  // Derived by LoadConfiguration.
  std::string currentConfig;   // the configuration's name, text(260)
  std::string listStatsFile;   // FichierDescription with its extension replaced by .sta
};

extern Settings gSettings;
