#include "frontend/shell/pad_actions.h"

#include <algorithm>
#include <utility>

namespace shell {

namespace {

using settings::PadControl;
using Kind = PadControl::Kind;

constexpr std::array<std::pair<PadControl, KeyAction>, 9> kDefaults{{
    {{Kind::Axis, 0, -1}, KeyAction::Left},
    {{Kind::Axis, 0, +1}, KeyAction::Right},
    {{Kind::Axis, 1, -1}, KeyAction::Up},
    {{Kind::Axis, 1, +1}, KeyAction::Down},
    {{Kind::Hat, 0, 1}, KeyAction::Up},
    {{Kind::Hat, 0, 4}, KeyAction::Down},
    {{Kind::Hat, 0, 8}, KeyAction::Left},
    {{Kind::Hat, 0, 2}, KeyAction::Right},
    {{Kind::Button, 0, 0}, KeyAction::LaunchGame},
}};

bool Names(const settings::PadBinding& b, const PadDevice& d) {
  return settings::PadDeviceMatches(b.device, d.physicalPath, d.guid, d.name);
}

KeyAction ActionAt(int i) { return static_cast<KeyAction>(i + 1); }

}  // namespace

PadBindings ParsePadSettings(const PadSettings& p) {
  // In the order of KeyAction.
  const std::array<const std::string*, PadBindings::kActions> texts{
      &p.infos, &p.launchGame, &p.quit,    &p.left,      &p.right,   &p.up,     &p.down,       &p.randomGame,
      &p.menu,  &p.menuGen,    &p.volumeDown, &p.volumeUp, &p.nextMusic, &p.rotate, &p.favourites, &p.search};
  PadBindings out;
  for (std::size_t i = 0; i < texts.size(); ++i) out.byAction[i] = settings::ParsePadBindings(*texts[i]);
  return out;
}

KeyAction PadActionFor(const PadBindings& bindings, const PadDevice& device, const PadControl& control) {
  bool named = false;
  for (int i = 0; i < PadBindings::kActions; ++i) {
    for (const settings::PadBinding& b : bindings.byAction[i]) {
      if (!Names(b, device)) continue;
      named = true;
      if (b.control == control) return ActionAt(i);
    }
  }
  if (named) return KeyAction::None;
  const auto it = std::find_if(kDefaults.begin(), kDefaults.end(), [&](const auto& d) { return d.first == control; });
  return it == kDefaults.end() ? KeyAction::None : it->second;
}

std::vector<PadButton> PadButtonsOfAction(const PadBindings& bindings, KeyAction action,
                                          const std::vector<PadDevice>& devices) {
  std::vector<PadButton> out;
  if (action == KeyAction::None) return out;
  for (const PadDevice& d : devices) {
    if (d.node.empty()) continue;
    bool named = false;
    for (int i = 0; i < PadBindings::kActions; ++i) {
      for (const settings::PadBinding& b : bindings.byAction[i]) {
        if (!Names(b, d)) continue;
        named = true;
        if (ActionAt(i) == action && b.control.kind == Kind::Button) out.push_back({d.node, b.control.index});
      }
    }
    if (named) continue;
    for (const auto& [control, defaultAction] : kDefaults)
      if (defaultAction == action && control.kind == Kind::Button) out.push_back({d.node, control.index});
  }
  return out;
}

std::vector<PadCoinButton> PadCoinButtons(const PadSettings& pads, const std::vector<PadDevice>& devices) {
  std::vector<PadCoinButton> out;
  for (std::size_t coin = 0; coin < pads.coin.size(); ++coin) {
    for (const settings::PadBinding& b : settings::ParsePadBindings(pads.coin[coin])) {
      if (b.control.kind != Kind::Button) continue;  // a coin is a button's release
      for (const PadDevice& d : devices)
        if (!d.node.empty() && Names(b, d)) out.push_back({d.node, b.control.index, static_cast<int>(coin)});
    }
  }
  return out;
}

KeyAction PadActionInInfoPanel(KeyAction action, bool quitAssigned) {
  switch (action) {
    case KeyAction::None: return KeyAction::None;
    case KeyAction::Quit: return KeyAction::Infos;
    case KeyAction::Infos:
    case KeyAction::Up:
    case KeyAction::Down: return action;
    default: return quitAssigned ? KeyAction::None : KeyAction::Infos;
  }
}

}  // namespace shell
