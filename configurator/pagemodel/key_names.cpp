#include "configurator/pagemodel/key_names.h"

#include <linux/input-event-codes.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "platform/keycodes.h"
#include "platform/message_catalogue.h"

namespace cfg {
namespace {

// A key of the numeric keypad: "Pavé" and what is printed on it.
std::string Keypad(std::string_view symbol) { return platform::FormatText(Tr("Pavé %1"), {symbol}); }

// Named by the kernel's key code so each name reaches the KeyCode through the same table
// the capture uses; built in the language in use.
std::map<int, std::string> NamesByKeyCode() {
  const std::pair<int, std::string> rows[] = {{KEY_ESC, Tr("Échap")},
                                              {KEY_1, "1"},
                                              {KEY_2, "2"},
                                              {KEY_3, "3"},
                                              {KEY_4, "4"},
                                              {KEY_5, "5"},
                                              {KEY_6, "6"},
                                              {KEY_7, "7"},
                                              {KEY_8, "8"},
                                              {KEY_9, "9"},
                                              {KEY_0, "0"},
                                              {KEY_MINUS, "-"},
                                              {KEY_EQUAL, "="},
                                              {KEY_BACKSPACE, Tr("Retour arrière")},
                                              {KEY_TAB, "Tab"},
                                              {KEY_Q, "Q"},
                                              {KEY_W, "W"},
                                              {KEY_E, "E"},
                                              {KEY_R, "R"},
                                              {KEY_T, "T"},
                                              {KEY_Y, "Y"},
                                              {KEY_U, "U"},
                                              {KEY_I, "I"},
                                              {KEY_O, "O"},
                                              {KEY_P, "P"},
                                              {KEY_LEFTBRACE, "["},
                                              {KEY_RIGHTBRACE, "]"},
                                              {KEY_ENTER, Tr("Entrée")},
                                              {KEY_LEFTCTRL, Tr("Ctrl gauche")},
                                              {KEY_A, "A"},
                                              {KEY_S, "S"},
                                              {KEY_D, "D"},
                                              {KEY_F, "F"},
                                              {KEY_G, "G"},
                                              {KEY_H, "H"},
                                              {KEY_J, "J"},
                                              {KEY_K, "K"},
                                              {KEY_L, "L"},
                                              {KEY_SEMICOLON, ";"},
                                              {KEY_APOSTROPHE, "'"},
                                              {KEY_GRAVE, "`"},
                                              {KEY_LEFTSHIFT, Tr("Maj gauche")},
                                              {KEY_BACKSLASH, "\\"},
                                              {KEY_Z, "Z"},
                                              {KEY_X, "X"},
                                              {KEY_C, "C"},
                                              {KEY_V, "V"},
                                              {KEY_B, "B"},
                                              {KEY_N, "N"},
                                              {KEY_M, "M"},
                                              {KEY_COMMA, ","},
                                              {KEY_DOT, "."},
                                              {KEY_SLASH, "/"},
                                              {KEY_RIGHTSHIFT, Tr("Maj droite")},
                                              {KEY_KPASTERISK, Keypad("*")},
                                              {KEY_LEFTALT, "Alt"},
                                              {KEY_SPACE, Tr("Espace")},
                                              {KEY_CAPSLOCK, Tr("Verr. maj")},
                                              {KEY_F1, "F1"},
                                              {KEY_F2, "F2"},
                                              {KEY_F3, "F3"},
                                              {KEY_F4, "F4"},
                                              {KEY_F5, "F5"},
                                              {KEY_F6, "F6"},
                                              {KEY_F7, "F7"},
                                              {KEY_F8, "F8"},
                                              {KEY_F9, "F9"},
                                              {KEY_F10, "F10"},
                                              {KEY_F11, "F11"},
                                              {KEY_F12, "F12"},
                                              {KEY_NUMLOCK, Tr("Verr. num")},
                                              {KEY_SCROLLLOCK, Tr("Arrêt défil")},
                                              {KEY_KP7, Keypad("7")},
                                              {KEY_KP8, Keypad("8")},
                                              {KEY_KP9, Keypad("9")},
                                              {KEY_KPMINUS, Keypad("-")},
                                              {KEY_KP4, Keypad("4")},
                                              {KEY_KP5, Keypad("5")},
                                              {KEY_KP6, Keypad("6")},
                                              {KEY_KPPLUS, Keypad("+")},
                                              {KEY_KP1, Keypad("1")},
                                              {KEY_KP2, Keypad("2")},
                                              {KEY_KP3, Keypad("3")},
                                              {KEY_KP0, Keypad("0")},
                                              {KEY_KPDOT, Keypad(".")},
                                              {KEY_102ND, "<"},
                                              {KEY_KPENTER, Tr("Pavé Entrée")},
                                              {KEY_RIGHTCTRL, Tr("Ctrl droite")},
                                              {KEY_KPSLASH, Keypad("/")},
                                              {KEY_SYSRQ, Tr("Impr. écran")},
                                              {KEY_RIGHTALT, Tr("Alt Gr")},
                                              {KEY_PAUSE, Tr("Pause")},
                                              {KEY_HOME, Tr("Début")},
                                              {KEY_UP, Tr("Haut")},
                                              {KEY_PAGEUP, Tr("Page préc.")},
                                              {KEY_LEFT, Tr("Gauche")},
                                              {KEY_RIGHT, Tr("Droite")},
                                              {KEY_END, Tr("Fin")},
                                              {KEY_DOWN, Tr("Bas")},
                                              {KEY_PAGEDOWN, Tr("Page suiv.")},
                                              {KEY_INSERT, Tr("Inser")},
                                              {KEY_DELETE, Tr("Suppr")},
                                              {KEY_LEFTMETA, Tr("Windows gauche")},
                                              {KEY_RIGHTMETA, Tr("Windows droite")},
                                              {KEY_COMPOSE, Tr("Menu contextuel")},
                                              {KEY_KPEQUAL, Keypad("=")},
                                              {KEY_MUTE, Tr("Muet")},
                                              {KEY_VOLUMEDOWN, Tr("Volume -")},
                                              {KEY_VOLUMEUP, Tr("Volume +")},
                                              {KEY_PLAYPAUSE, Tr("Lecture/Pause")},
                                              {KEY_NEXTSONG, Tr("Piste suivante")},
                                              {KEY_PREVIOUSSONG, Tr("Piste précédente")},
                                              {KEY_STOPCD, Tr("Arrêt lecture")},
                                              {KEY_F13, "F13"},
                                              {KEY_F14, "F14"},
                                              {KEY_F15, "F15"},
                                              {KEY_F16, "F16"},
                                              {KEY_F17, "F17"},
                                              {KEY_F18, "F18"},
                                              {KEY_F19, "F19"},
                                              {KEY_F20, "F20"},
                                              {KEY_F21, "F21"},
                                              {KEY_F22, "F22"},
                                              {KEY_F23, "F23"},
                                              {KEY_F24, "F24"},
                                              {KEY_KATAKANAHIRAGANA, "Katakana/Hiragana"},
                                              {KEY_RO, "Ro"},
                                              {KEY_HENKAN, "Henkan"},
                                              {KEY_MUHENKAN, "Muhenkan"},
                                              {KEY_YEN, "Yen"},
                                              {KEY_KPJPCOMMA, Keypad(",")},
                                              {KEY_HANJA, "Hanja"},
                                              {KEY_HANGEUL, "Hangeul"},
                                              {KEY_CALC, Tr("Calculatrice")},
                                              {KEY_HOMEPAGE, Tr("Page d'accueil")},
                                              {KEY_POWER, Tr("Marche/Arrêt")},
                                              {KEY_SLEEP, Tr("Veille")},
                                              {KEY_SEARCH, Tr("Rechercher")},
                                              {KEY_BOOKMARKS, Tr("Favoris")},
                                              {KEY_REFRESH, Tr("Actualiser")},
                                              {KEY_STOP, Tr("Arrêter")},
                                              {KEY_FORWARD, Tr("Suivant")},
                                              {KEY_BACK, Tr("Précédent")},
                                              {KEY_COMPUTER, Tr("Ordinateur")},
                                              {KEY_MAIL, Tr("Courrier")},
                                              {KEY_MEDIA, Tr("Multimédia")}};
  std::map<int, std::string> names;
  for (const auto& [linuxKey, name] : rows) names.emplace(platform::KeyCodeFromLinuxKey(linuxKey), name);
  names.erase(platform::kNoKey);
  return names;
}

}  // namespace

std::string KeyName(int keyCode) {
  const std::string code = std::to_string(keyCode);
  if (keyCode == platform::kNoKey) return Tr("Aucune");
  if (keyCode == platform::kSystemMenuKey) return platform::FormatText(Tr("Alt ou F10 seul (%1)"), {code});
  // The table is made for this one look-up: a page asks for a few dozen names at most.
  const auto names = NamesByKeyCode();
  if (const auto it = names.find(keyCode); it != names.end()) return it->second + " (" + code + ")";
  return platform::FormatText(Tr("Touche %1"), {code});
}

}  // namespace cfg
