// The machine's screen, input devices and sound, as the menu would meet them.
#include <string>

#include "frontend/check/self_check.h"
#include "frontend/shell/pad_actions.h"
#include "platform/files.h"
#include "platform/joysticks.h"
#include "platform/message_catalogue.h"
#include "platform/profile.h"
#include "platform/renderer_verdict.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

namespace check {
namespace {

using platform::FormatText;

void CheckRendererVerdict(const CheckInputs& in, CheckLines& out) {
  const auto text = in.rendererCache.empty() ? std::nullopt : platform::ReadWholeFile(in.rendererCache, 4096);
  const auto verdict = text ? platform::ParseVerdict(*text) : std::nullopt;
  if (!verdict) {
    out.push_back({"display", Level::kOk, Tr("Rendu : pas encore choisi, il le sera au premier démarrage du menu")});
    return;
  }
  const std::string size = std::to_string(verdict->width) + "×" + std::to_string(verdict->height);
  const std::string driver = verdict->glDriver.empty() ? std::string(Tr("aucun")) : verdict->glDriver;
  out.push_back({"display", Level::kOk,
                 FormatText(verdict->software ? Tr("Rendu retenu : logiciel (%1), pilote GL : %2")
                                              : Tr("Rendu retenu : accéléré (%1), pilote GL : %2"),
                            {size, driver})});
}

void CheckDrm(const CheckInputs& in, CheckLines& out) {
  const auto cards = platform::ProbeDrmCards(in.drmDirectory);
  if (cards.empty()) {
    out.push_back({"display", Level::kErreur,
                   FormatText(Tr("Écran : ni X11 ni Wayland ($DISPLAY et $WAYLAND_DISPLAY sont vides), et aucune "
                                 "carte graphique dans %1"),
                              {in.drmDirectory})});
    return;
  }
  bool connected = false;
  for (const platform::DrmCard& card : cards) {
    if (!card.error.empty()) {
      out.push_back({"display", Level::kErreur, FormatText(Tr("Écran : %1 illisible (%2)"), {card.node, card.error})});
      continue;
    }
    if (!card.modeSetting) {
      out.push_back({"display", Level::kAttention,
                     FormatText(Tr("Écran : %1 (%2) n'a pas de sortie d'affichage"), {card.node, card.driver})});
      continue;
    }
    for (const platform::DrmConnector& c : card.connectors) {
      connected = connected || c.connected;
      out.push_back({"display", Level::kOk,
                     c.connected ? FormatText(Tr("Écran : %1 (%2), sortie %3 branchée, mode préféré %4"),
                                              {card.node, card.driver, c.name, c.preferredMode})
                                 : FormatText(Tr("Écran : %1 (%2), sortie %3 débranchée"), {card.node, card.driver, c.name})});
    }
  }
  if (!connected) out.push_back({"display", Level::kErreur, Tr("Écran : aucune sortie n'a d'écran branché")});
}

// The joystick's controls as the menu will read them: its own [Manettes] bindings, else the defaults.
std::string MappingOf(const shell::PadBindings& bindings, const platform::InputDevice& d) {
  const shell::PadDevice device{platform::PhysicalPathOfNode(d.node), "", d.name, d.node};
  const settings::PadControl launch{settings::PadControl::Kind::Button, 0, 0};
  for (const auto& action : bindings.byAction)
    for (const settings::PadBinding& b : action)
      if (!b.device.empty() && settings::PadDeviceMatches(b.device, device.physicalPath, device.guid, device.name))
        return Tr("commandes réglées dans [Manettes]");
  return shell::PadActionFor(bindings, device, launch) == shell::KeyAction::LaunchGame
             ? Tr("commandes par défaut : le premier stick et la croix déplacent, le bouton 0 lance le jeu")
             : Tr("commandes réglées dans [Manettes] pour toutes les manettes");
}

}  // namespace

CheckLines CheckDisplay(const CheckInputs& in) {
  CheckLines out;
  if (!in.display.empty())
    out.push_back({"display", Level::kOk, FormatText(Tr("Écran : serveur X11 %1"), {in.display})});
  else if (!in.waylandDisplay.empty())
    out.push_back({"display", Level::kOk, FormatText(Tr("Écran : Wayland %1"), {in.waylandDisplay})});
  else
    CheckDrm(in, out);
  CheckRendererVerdict(in, out);
  return out;
}

CheckLines CheckInput(const CheckInputs& in) {
  CheckLines out;
  const auto devices = platform::ProbeInputDevices(in.input);
  // Under a display server the menu's keys come through it; only the coins of a running
  // game and the console need the event nodes.
  const bool console = in.display.empty() && in.waylandDisplay.empty();
  if (devices.empty()) {
    out.push_back({"input", console ? Level::kErreur : Level::kAttention,
                   FormatText(Tr("Entrées : aucun périphérique dans %1"), {in.input.dev})});
    return out;
  }
  const shell::PadBindings bindings = shell::ParsePadSettings(GeneralSettingsOf(in.base).pads);
  int keyboards = 0;
  for (const platform::InputDevice& d : devices) {
    const std::string name = d.name.empty() ? std::string(Tr("sans nom")) : d.name;
    if (!d.readable) {
      out.push_back({"input", console ? Level::kErreur : Level::kAttention,
                     FormatText(Tr("Entrées : %1 (%2) illisible par cet utilisateur : rejoindre le groupe %3 "
                                   "(sudo usermod -aG %3 %4) puis ouvrir une nouvelle session"),
                                {d.node, name, d.group, in.user})});
      continue;
    }
    if (d.keyboard) {
      ++keyboards;
      out.push_back({"input", Level::kOk, FormatText(Tr("Entrées : clavier %1 (%2)"), {name, d.node})});
    }
    if (d.joystick)
      out.push_back({"input", Level::kOk,
                     FormatText(Tr("Entrées : manette %1 (%2), %3"), {name, d.node, MappingOf(bindings, d)})});
  }
  if (keyboards == 0)
    out.push_back({"input", Level::kAttention,
                   Tr("Entrées : aucun clavier lisible : les pièces et la sortie du jeu ne seront pas vues pendant une "
                      "partie")});
  return out;
}

CheckLines CheckSound(const CheckInputs& in) {
  const platform::AudioProbe a = in.audio();
  std::string drivers;
  for (const std::string& d : a.drivers) drivers += (drivers.empty() ? "" : ", ") + d;
  if (a.opened)
    return {{"sound", Level::kOk,
             FormatText(Tr("Son : pilote %1, sortie par défaut %2 ouverte puis refermée (pilotes : %3)"),
                        {a.driver, a.device.empty() ? std::string(Tr("sans nom")) : a.device, drivers})}};
  return {{"sound", Level::kAttention,
           FormatText(Tr("Son : aucune sortie utilisable (%1) ; le menu et les jeux resteront muets (pilotes : %2)"),
                      {a.error, drivers})}};
}

}  // namespace check
