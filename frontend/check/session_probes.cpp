// What a game and the end of the evening need: the key tracker that counts coins and
// watches the exit combination, the kiosk lock, and the power-off.
#include <cstdlib>
#include <string>

#include "frontend/check/self_check.h"
#include "frontend/shell/coin_keys.h"
#include "frontend/shell/kiosk_lock.h"
#include "platform/message_catalogue.h"
#include "platform/profile.h"
#include "settings/key_code_list.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

namespace check {
namespace {

using platform::FormatText;

std::string CoinKeysText(const Settings& s) {
  std::string keys;
  for (const int code : shell::kCoinKeys) keys += (keys.empty() ? "" : ", ") + std::string(1, static_cast<char>(code));
  int buttons = 0;
  for (const std::string& b : s.pads.coin) buttons += b.empty() ? 0 : 1;
  return buttons ? FormatText(Tr("touches %1 et %2 boutons de manette"), {keys, std::to_string(buttons)})
                 : FormatText(Tr("touches %1"), {keys});
}

}  // namespace

CheckLines CheckKeyTracker(const CheckInputs& in) {
  const Settings s = GeneralSettingsOf(in.base);
  const std::string library = in.keyTracker ? in.keyTracker() : std::string();
  CheckLines out;
  if (library.empty()) {
    out.push_back({"keytracker", Level::kErreur, Tr("Suivi des touches : liborvanel.so n'est pas chargée")});
    return out;
  }
  out.push_back({"keytracker", Level::kOk,
                 FormatText(Tr("Suivi des touches : %1 chargée ; pièces comptées : %2"), {library, CoinKeysText(s)})});
  const std::string combination = s.sortieJeu.empty() ? std::to_string(s.keys.quit) : s.sortieJeu;
  if (s.sortieJeuDelai <= 0)
    out.push_back({"keytracker", Level::kOk, Tr("Sortie du jeu par le panneau : désactivée (SortieJeuDelai=0)")});
  else if (!settings::ParseKeyCodeList(combination))
    out.push_back({"keytracker", Level::kErreur,
                   FormatText(Tr("Sortie du jeu par le panneau : SortieJeu illisible (%1)"), {combination})});
  else
    out.push_back({"keytracker", Level::kOk,
                   FormatText(Tr("Sortie du jeu par le panneau : codes %1 tenus %2 ms"),
                              {combination, std::to_string(s.sortieJeuDelai)})});
  return out;
}

CheckLines CheckSession(const CheckInputs& in) {
  const Settings s = GeneralSettingsOf(in.base);
  CheckLines out;
  out.push_back({"session", Level::kOk,
                 shell::InstallationKioskLocked(in.base) ? Tr("Verrouillage de la borne : mis")
                                                         : Tr("Verrouillage de la borne : non mis")});
  // Only an exit that powers off (ModeSortie=1) fails without it.
  const Level missing = s.modeSortie == 1 ? Level::kErreur : Level::kAttention;
  const auto answer = in.canPowerOff ? in.canPowerOff() : std::nullopt;
  if (!answer)
    out.push_back({"session", missing, Tr("Extinction : logind ne répond pas (busctl absent ou pas de bus système)")});
  else if (*answer == "yes")
    out.push_back({"session", Level::kOk, Tr("Extinction : permise à cette session")});
  else if (*answer == "challenge")
    out.push_back({"session", missing, Tr("Extinction : logind demande un mot de passe à cette session")});
  else
    out.push_back({"session", missing, FormatText(Tr("Extinction : refusée à cette session (logind : %1)"), {*answer})});
  return out;
}

}  // namespace check
