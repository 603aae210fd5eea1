#include "configurator/pagemodel/key_names.h"

#include <linux/input-event-codes.h>

#include <map>
#include <string_view>

#include "platform/keycodes.h"

namespace cfg {
namespace {

struct KeyNameRow {
  int linuxKey;
  std::string_view name;  // UTF-8
};

// Named by the kernel's key code so each name reaches the KeyCode through the same table
// the capture uses.
constexpr KeyNameRow kNames[] = {
    {KEY_ESC, "Échap"}, {KEY_1, "1"}, {KEY_2, "2"}, {KEY_3, "3"}, {KEY_4, "4"}, {KEY_5, "5"},
    {KEY_6, "6"}, {KEY_7, "7"}, {KEY_8, "8"}, {KEY_9, "9"}, {KEY_0, "0"}, {KEY_MINUS, "-"},
    {KEY_EQUAL, "="}, {KEY_BACKSPACE, "Retour arrière"}, {KEY_TAB, "Tab"}, {KEY_Q, "Q"}, {KEY_W, "W"},
    {KEY_E, "E"}, {KEY_R, "R"}, {KEY_T, "T"}, {KEY_Y, "Y"}, {KEY_U, "U"}, {KEY_I, "I"}, {KEY_O, "O"},
    {KEY_P, "P"}, {KEY_LEFTBRACE, "["}, {KEY_RIGHTBRACE, "]"}, {KEY_ENTER, "Entrée"},
    {KEY_LEFTCTRL, "Ctrl gauche"}, {KEY_A, "A"}, {KEY_S, "S"}, {KEY_D, "D"}, {KEY_F, "F"}, {KEY_G, "G"},
    {KEY_H, "H"}, {KEY_J, "J"}, {KEY_K, "K"}, {KEY_L, "L"}, {KEY_SEMICOLON, ";"}, {KEY_APOSTROPHE, "'"},
    {KEY_GRAVE, "`"}, {KEY_LEFTSHIFT, "Maj gauche"}, {KEY_BACKSLASH, "\\"}, {KEY_Z, "Z"}, {KEY_X, "X"},
    {KEY_C, "C"}, {KEY_V, "V"}, {KEY_B, "B"}, {KEY_N, "N"}, {KEY_M, "M"}, {KEY_COMMA, ","}, {KEY_DOT, "."},
    {KEY_SLASH, "/"}, {KEY_RIGHTSHIFT, "Maj droite"}, {KEY_KPASTERISK, "Pavé *"}, {KEY_LEFTALT, "Alt"}, {KEY_SPACE, "Espace"},
    {KEY_CAPSLOCK, "Verr. maj"}, {KEY_F1, "F1"}, {KEY_F2, "F2"}, {KEY_F3, "F3"}, {KEY_F4, "F4"},
    {KEY_F5, "F5"}, {KEY_F6, "F6"}, {KEY_F7, "F7"}, {KEY_F8, "F8"}, {KEY_F9, "F9"}, {KEY_F10, "F10"}, {KEY_F11, "F11"},
    {KEY_F12, "F12"}, {KEY_NUMLOCK, "Verr. num"}, {KEY_SCROLLLOCK, "Arrêt défil"}, {KEY_KP7, "Pavé 7"},
    {KEY_KP8, "Pavé 8"}, {KEY_KP9, "Pavé 9"}, {KEY_KPMINUS, "Pavé -"}, {KEY_KP4, "Pavé 4"},
    {KEY_KP5, "Pavé 5"}, {KEY_KP6, "Pavé 6"}, {KEY_KPPLUS, "Pavé +"}, {KEY_KP1, "Pavé 1"},
    {KEY_KP2, "Pavé 2"}, {KEY_KP3, "Pavé 3"}, {KEY_KP0, "Pavé 0"}, {KEY_KPDOT, "Pavé ."},
    {KEY_102ND, "<"}, {KEY_KPENTER, "Pavé Entrée"}, {KEY_RIGHTCTRL, "Ctrl droite"},
    {KEY_KPSLASH, "Pavé /"}, {KEY_SYSRQ, "Impr. écran"}, {KEY_RIGHTALT, "Alt Gr"}, {KEY_PAUSE, "Pause"},
    {KEY_HOME, "Début"}, {KEY_UP, "Haut"}, {KEY_PAGEUP, "Page préc."}, {KEY_LEFT, "Gauche"},
    {KEY_RIGHT, "Droite"}, {KEY_END, "Fin"}, {KEY_DOWN, "Bas"}, {KEY_PAGEDOWN, "Page suiv."},
    {KEY_INSERT, "Inser"}, {KEY_DELETE, "Suppr"}, {KEY_LEFTMETA, "Windows gauche"},
    {KEY_RIGHTMETA, "Windows droite"}, {KEY_COMPOSE, "Menu contextuel"}, {KEY_KPEQUAL, "Pavé ="},
    {KEY_MUTE, "Muet"}, {KEY_VOLUMEDOWN, "Volume -"}, {KEY_VOLUMEUP, "Volume +"},
    {KEY_PLAYPAUSE, "Lecture/Pause"}, {KEY_NEXTSONG, "Piste suivante"}, {KEY_PREVIOUSSONG, "Piste précédente"},
    {KEY_STOPCD, "Arrêt lecture"}, {KEY_F13, "F13"}, {KEY_F14, "F14"}, {KEY_F15, "F15"}, {KEY_F16, "F16"},
    {KEY_F17, "F17"}, {KEY_F18, "F18"}, {KEY_F19, "F19"}, {KEY_F20, "F20"}, {KEY_F21, "F21"},
    {KEY_F22, "F22"}, {KEY_F23, "F23"}, {KEY_F24, "F24"}, {KEY_KATAKANAHIRAGANA, "Katakana/Hiragana"},
    {KEY_RO, "Ro"}, {KEY_HENKAN, "Henkan"}, {KEY_MUHENKAN, "Muhenkan"}, {KEY_YEN, "Yen"},
    {KEY_KPJPCOMMA, "Pavé ,"}, {KEY_HANJA, "Hanja"}, {KEY_HANGEUL, "Hangeul"}, {KEY_CALC, "Calculatrice"},
    {KEY_HOMEPAGE, "Page d'accueil"}, {KEY_POWER, "Marche/Arrêt"}, {KEY_SLEEP, "Veille"},
    {KEY_SEARCH, "Rechercher"}, {KEY_BOOKMARKS, "Favoris"}, {KEY_REFRESH, "Actualiser"},
    {KEY_STOP, "Arrêter"}, {KEY_FORWARD, "Suivant"}, {KEY_BACK, "Précédent"}, {KEY_COMPUTER, "Ordinateur"},
    {KEY_MAIL, "Courrier"}, {KEY_MEDIA, "Multimédia"}};

const std::map<int, std::string_view>& NamesByKeyCode() {
  static const std::map<int, std::string_view> names = [] {
    std::map<int, std::string_view> m;
    for (const KeyNameRow& row : kNames) m.emplace(platform::KeyCodeFromLinuxKey(row.linuxKey), row.name);
    m.erase(platform::kNoKey);
    return m;
  }();
  return names;
}

}  // namespace

std::string KeyName(int keyCode) {
  const std::string code = " (" + std::to_string(keyCode) + ")";
  if (keyCode == platform::kNoKey) return "Aucune";
  if (keyCode == platform::kSystemMenuKey) return "Alt ou F10 seul" + code;
  const auto& names = NamesByKeyCode();
  if (const auto it = names.find(keyCode); it != names.end()) return std::string(it->second) + code;
  return "Touche " + std::to_string(keyCode);
}

}  // namespace cfg
