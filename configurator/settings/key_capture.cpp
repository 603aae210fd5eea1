#include "configurator/settings/key_capture.h"

namespace cfg {

const std::array<KeyPrompt, kKeyCount> kKeyPrompts{{
    {"Haut", 1}, {"Bas", 0}, {"Gauche", 2}, {"Droite", 3}, {"Lancement", 4},
    {"Selection au hasard", 5}, {"Menu", 6}, {"Menu principal", 7}, {"Infos", 8},
    {"Augmenter volume", 9}, {"Diminuer volume", 10}, {"Musique suivante", 11},
    {"Quitter", 12}, {"Rotation de l'affichage", 13}, {"Jeux favoris", 14}}};

int KeyCodeFromNativeScanCode(std::uint32_t nativeScanCode) {
  constexpr std::uint32_t kX11Offset = 8;
  if (nativeScanCode <= kX11Offset || nativeScanCode > 0xFFFF) return platform::kNoKey;
  return platform::KeyCodeFromLinuxKey(static_cast<int>(nativeScanCode - kX11Offset));
}

KeyCapture::Step KeyCapture::OnKeyDown(int keyCode, bool autoRepeat) {
  if (autoRepeat || done()) return Step::kIgnored;
  const int code = tracker_.OnKeyDown(keyCode);
  if (code == platform::kNoKey) return Step::kIgnored;
  return Answer(code);
}

KeyCapture::Step KeyCapture::OnKeyUp(int keyCode) {
  if (done()) return Step::kIgnored;
  if (tracker_.OnKeyUp(keyCode) != platform::kSystemMenuKey) return Step::kIgnored;
  return Answer(platform::kSystemMenuKey);
}

KeyCapture::Step KeyCapture::Answer(int keyCode) {
  if (done()) return Step::kDone;
  keys_[kKeyPrompts[index_].field] = keyCode;
  ++index_;
  return done() ? Step::kDone : Step::kNext;
}

std::string KeyCapture::Prompt() const {
  if (done()) return {};
  return "Appuyer sur la touche \"" + std::string(kKeyPrompts[index_].name) + "\"";
}

}  // namespace cfg
