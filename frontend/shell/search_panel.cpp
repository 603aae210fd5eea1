#include "frontend/shell/search_panel.h"

#include <optional>

#include "frontend/shell/shell_state.h"
#include "catalogue/game_list.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/search_ring.h"
#include "frontend/shell/selection_refresh.h"
#include "frontend/shell/wiring_render_state.h"

namespace shell {

namespace {

std::optional<SearchRing> gSearch;

char Shown(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// While typing, the pictures and texts follow the first match.
void FollowFirstMatch() {
  if (gSearch->selection() >= 0) {
    SelectPosition(gShell.listWindow, gCatalogue, wire::Render(), gSearch->selection());
    RefreshAfterMove(wire::Render(), gShell.input, gShell.sounds);
  } else {
    AskForFrame(wire::Render().clocks);
  }
}

}  // namespace

bool SearchOpen() { return gSearch.has_value(); }

void OpenSearch() {
  if (gCatalogue.games.entryCount < 1) return;
  gSearch.emplace(gCatalogue.games);
  AskForFrame(wire::Render().clocks);
}

void CloseSearch() {
  if (!gSearch) return;
  const std::int32_t match = gSearch->selection();
  gSearch.reset();
  if (match >= 0) SelectPosition(gShell.listWindow, gCatalogue, wire::Render(), match);
  RefreshAfterMove(wire::Render(), gShell.input, gShell.sounds);
}

void SearchKey(KeyAction action) {
  if (!gSearch) return;
  switch (action) {
    case KeyAction::Down:
      gSearch->Turn(1);
      AskForFrame(wire::Render().clocks);
      break;
    case KeyAction::Up:
      gSearch->Turn(-1);
      AskForFrame(wire::Render().clocks);
      break;
    case KeyAction::Right:
    case KeyAction::LaunchGame:
      if (gSearch->Append()) FollowFirstMatch();
      break;
    case KeyAction::Left:
      if (gSearch->RemoveLast()) FollowFirstMatch();
      break;
    case KeyAction::Quit:
    case KeyAction::Search:
      CloseSearch();
      break;
    default:
      break;
  }
}

int SearchMatchCount() { return gSearch ? static_cast<int>(gSearch->matches().size()) : 0; }

std::int32_t SearchMatchAt(int i) { return gSearch->matches()[static_cast<std::size_t>(i)]; }

std::string SearchLine() {
  if (!gSearch) return {};
  std::string line;
  for (char c : gSearch->typed()) line += Shown(c);
  if (gSearch->current() != '\0') {
    line += '[';
    line += Shown(gSearch->current());
    line += ']';
  }
  return line;
}

}  // namespace shell
