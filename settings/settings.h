// The records of the two settings files: config/Orvanel.ini (window, exit, transitions,
// configurations, key assignments) and config/<name>/config.ini (one emulator setup).
// Which key of which section fills which field, with its default and text size, is
// written once, in setting_keys.cpp. Path fields are made absolute against the base
// directory when read; text fields hold at most their size - 1 bytes.
#pragma once

#include <array>
#include <string>

// Key assignments, each a KeyCode (scan code x 2, + 512 when extended; 999 = system menu key).
struct KeySettings {
  int down = 672;
  int up = 656;
  int left = 662;
  int right = 666;
  int launchGame = 4;
  int randomGame = 6;
  int menu = 58;
  int quit = 2;
  int volumeDown = 64;
  int volumeUp = 68;
  int nextMusic = 38;
  int infos = 114;
  int menuGen = 999;
  int rotate = 60;
  int favourites = 62;
  int search = 106;  // the search ring
};

// Joystick bindings ([Manettes], the names of [Touches]), each as written: see
// settings/pad_binding.h. Empty: none.
struct PadSettings {
  std::string down{}, up{}, left{}, right{}, launchGame{}, randomGame{}, menu{}, quit{}, volumeDown{}, volumeUp{},
      nextMusic{}, infos{}, menuGen{}, rotate{}, favourites{}, search{};
  std::array<std::string, 4> coin{};  // joystick buttons counted as the coin keys while a game runs
};

struct Settings {
  // Orvanel.ini
  std::string lastEmu;         // configuration loaded at start-up
  std::string emuBase;         // fallback configuration, opened by the base menu key
  int largFen = 640;           // window width in windowed mode
  int hautFen = 480;           // window height in windowed mode
  bool modeFenetre = false;    // true = windowed
  int modeSortie = 0;          // exit: 1 power off, 2 run appSortie
  std::string appSortie;       // command line run at exit
  bool transitions = true;
  std::string verrouillage;    // kiosk lock: panel key codes joined by '+' ("672+672"), "" = off
  int sortieJeuDelai = 2000;   // ms the game-exit combination is held to end a game; 0 = off
  std::string langue;          // texts' language: "fr", "en", or "" to follow the locale
  int memoireImages = 128;     // MiB the pictures' textures may hold; 0 or less = no limit
  int hauteurRendu = 1080;     // render size cap: the screen's shorter side drawn at most; 0 = none
  KeySettings keys;
  std::string sortieJeu;       // [Touches] key codes held together to end a game; "" = QuitKey alone
  PadSettings pads;

  // config.ini
  std::string lastGame = "0";  // ROM name selected when the configuration was left
  bool listeFavoris = false;   // show the favourites list
  std::string templateDir;     // template name, not made absolute
  std::string romDir;
  std::string romsExt;         // ';'-separated extensions
  std::string emuExe;          // emulator program as written
  std::string emuDirectory;    // emuExe before its last separator, made absolute
  std::string emuProgram;      // emuExe after its last separator
  char scrType = '0';          // screensaver: '0' none, '1' game, '2' slides, '3' monitor
  int scrTimeOut = 0;          // seconds
  int scrDuration = 0;         // seconds
  bool move1Page = false;
  std::string musicFond;       // music file or directory
  bool musicSousRep = false;
  int musicVolume = 300;       // 0-1000
  std::string fichierDescription;  // the game list file
  std::string menu;            // configuration opened by the menu key
  bool typeMenu = false;       // a menu configuration lists configurations
  std::string iconsDir;
  std::string snapDir;
  std::string marqueesDir;
  std::array<std::string, 6> customDir;
  bool sons = true;
  std::string slideShowDir;    // defaults to snapDir
  bool slideShowSousRep = false;
  int rotation = 0;            // quarter turns 0-3
  bool guillemets = true;      // quote the ROM path on the command line
  bool cacherFenetre = true;   // hide the emulator's window in full screen
  std::string videoDir;        // the games' clips, shown in the Snap object
  bool videoSon = false;       // the clips' sound plays, the music lowered meanwhile
  std::string emuParams;       // the emulator's arguments as written; empty: the ROM path
  bool utilExt = false;        // kept by the configurator only ("Utiliser Roms Ext.")

  // Derived when a configuration is loaded.
  std::string currentConfig;   // the configuration's name, at most 259 bytes
  std::string listStatsFile;   // fichierDescription with its extension replaced by .sta
};
