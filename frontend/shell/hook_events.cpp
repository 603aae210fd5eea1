#include "frontend/shell/hook_events.h"

#include "catalogue/game_list.h"
#include "frontend/shell/event_hooks.h"
#include "frontend/shell/launch_command.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/selection_debounce.h"
#include "frontend/shell/shell_state.h"
#include "platform/text.h"

namespace shell {

namespace {

// The list's entry of that ROM name, when the list holds it.
std::optional<catalogue::GameEntry> EntryNamed(const Shell& shell, const catalogue::CatalogueState& catalogue,
                                               std::string_view romName) {
  if (romName.empty()) return SelectedEntry(shell.listWindow, catalogue);
  if (catalogue.games.entryCount < 1) return std::nullopt;
  const catalogue::GameEntry e = catalogue.games.AtPosition(catalogue::FindEntryByName(catalogue.games, romName));
  if (!platform::EqualsNoCase(e.romName, romName)) return std::nullopt;
  return e;
}

HookContext ContextOf(const Shell& shell, const catalogue::CatalogueState& catalogue, std::string_view event,
                      std::string_view romName) {
  const Settings& s = shell.settings;
  HookContext c;
  c.event = event;
  c.configuration = s.currentConfig;
  c.emulator = EmulatorPath(s);
  const std::optional<catalogue::GameEntry> entry = EntryNamed(shell, catalogue, romName);
  c.game = std::string(romName.empty() ? (entry ? entry->romName : std::string_view()) : romName);
  c.gameName = entry ? std::string(entry->fullName) : c.game;
  // A configuration entry of a menu list names no ROM file.
  if (!c.game.empty() && !s.typeMenu) c.rom = RomPath(s, c.game);
  return c;
}

// The selection as the debounce compares it: a switch to another configuration with the
// same ROM name selected is another selection.
std::string SelectionKey(const Shell& shell, const catalogue::CatalogueState& catalogue) {
  const std::optional<catalogue::GameEntry> entry = SelectedEntry(shell.listWindow, catalogue);
  if (!entry || entry->romName.empty()) return {};
  return shell.settings.currentConfig + '\n' + std::string(entry->romName);
}

}  // namespace

void FireHooks(Shell& shell, const catalogue::CatalogueState& catalogue, std::string_view event,
               std::string_view romName, std::optional<int> coins) {
  HookContext c = ContextOf(shell, catalogue, event, romName);
  c.coins = coins;
  StartHooks(shell.hooks, shell.baseDirectory, c);
}

void HookStep(Shell& shell, const catalogue::CatalogueState& catalogue, std::uint32_t now) {
  if (shell.listShown && SelectionRested(shell.hooks.selection, SelectionKey(shell, catalogue), now))
    FireHooks(shell, catalogue, kHookGameSelected);
  StepHooks(shell.hooks, now);
}

std::optional<std::uint32_t> HookStepDue(const Shell& shell, std::uint32_t now) {
  const std::optional<std::uint32_t> rest = SelectionRestDue(shell.hooks.selection);
  const std::optional<std::uint32_t> look = HooksDue(shell.hooks, now);
  if (rest && look) return static_cast<std::int32_t>(*rest - *look) < 0 ? rest : look;
  return rest ? rest : look;
}

void FireScreensaverStart(Shell& shell, const catalogue::CatalogueState& catalogue) {
  FireHooks(shell, catalogue, kHookScreensaverStart);
  shell.hooks.screensaverShown = true;
}

void FireScreensaverEnd(Shell& shell, const catalogue::CatalogueState& catalogue) {
  if (!shell.hooks.screensaverShown) return;
  shell.hooks.screensaverShown = false;
  FireHooks(shell, catalogue, kHookScreensaverEnd);
}

}  // namespace shell
