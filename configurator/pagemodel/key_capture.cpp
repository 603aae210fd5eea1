#include "configurator/pagemodel/key_capture.h"

#include "platform/message_catalogue.h"
#include "settings/pad_binding.h"
#include "settings/setting_fields.h"

namespace cfg {

using enum settings::SettingId;

const std::array<KeyPrompt, kKeyCount> kKeyPrompts{{{UpKey},
                                                    {DownKey},
                                                    {LeftKey},
                                                    {RightKey},
                                                    {LaunchGameKey},
                                                    {RandomGameKey},
                                                    {MenuKey},
                                                    {MenuGenKey},
                                                    {InfosKey},
                                                    {VolumeUPKey},
                                                    {VolumeDownKey},
                                                    {NextZicKey},
                                                    {QuitKey},
                                                    {RotateKey},
                                                    {JeuxFavoris},
                                                    {RechercheKey}}};

std::string KeyActionName(std::size_t action) {
  // In the order of kKeyPrompts, asked anew so that they follow the language in use.
  const std::array<const char*, kKeyCount> names{Tr("Haut"),
                                                 Tr("Bas"),
                                                 Tr("Gauche"),
                                                 Tr("Droite"),
                                                 Tr("Lancement"),
                                                 Tr("Sélection au hasard"),
                                                 Tr("Menu"),
                                                 Tr("Menu principal"),
                                                 Tr("Infos"),
                                                 Tr("Augmenter le volume"),
                                                 Tr("Baisser le volume"),
                                                 Tr("Musique suivante"),
                                                 Tr("Quitter"),
                                                 Tr("Rotation de l'affichage"),
                                                 Tr("Jeux favoris"),
                                                 Tr("Recherche")};
  return action < kKeyCount ? names[action] : std::string();
}

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
  settings::SetFieldText(settings_, settings::Key(kKeyPrompts[index_].key), std::to_string(keyCode));
  return Next();
}

KeyCapture::Step KeyCapture::AnswerPad(const platform::JoystickPush& push) {
  if (done()) return Step::kDone;
  settings::SetFieldText(settings_, settings::Key(settings::PadKeyOf(kKeyPrompts[index_].key)), PadAnswerText(push));
  return Next();
}

KeyCapture::Step KeyCapture::AnswerNone() {
  if (done()) return Step::kDone;
  settings::SetFieldText(settings_, settings::Key(kKeyPrompts[index_].key), std::to_string(platform::kNoKey));
  settings::SetFieldText(settings_, settings::Key(settings::PadKeyOf(kKeyPrompts[index_].key)), "");
  return Next();
}

KeyCapture::Step KeyCapture::Next() {
  ++index_;
  return done() ? Step::kDone : Step::kNext;
}

std::string PadAnswerText(const platform::JoystickPush& push) {
  using Kind = settings::PadControl::Kind;
  const Kind kind = push.kind == platform::JoystickPush::Kind::Button ? Kind::Button
                    : push.kind == platform::JoystickPush::Kind::Hat  ? Kind::Hat
                                                                      : Kind::Axis;
  const settings::PadBinding binding{{kind, push.index, push.direction},
                                     settings::PadDeviceName(push.device.physicalPath, push.device.guid,
                                                             push.device.name)};
  return settings::PadBindingsText(std::span(&binding, 1));
}

std::string KeyCapture::Prompt() const {
  if (done()) return {};
  return platform::FormatText(Tr("Appuyer sur la touche \"%1\""), {KeyActionName(index_)});
}

}  // namespace cfg
