#include "frontend/shell/search_panel.h"

#include <optional>

#include "frontend/shell/shell_state.h"
#include "catalogue/game_list.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/search_ring.h"
#include "frontend/shell/selection_refresh.h"
#include "render/render_state.h"
#include "platform/text.h"
#include "platform/utf8.h"

namespace shell {

namespace {

std::optional<SearchRing> gSearch;

// Letters are shown in capitals (folding left only lower-case ASCII, Greek and Cyrillic).
char32_t Shown(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if ((c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) || (c >= 0x430 && c <= 0x44F)) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

// While typing, the pictures and texts follow the first match.
void FollowFirstMatch(Shell& shell, const catalogue::CatalogueState& catalogue, render::RenderState& render) {
  if (gSearch->selection() >= 0) {
    SelectPosition(shell.listWindow, catalogue, render, gSearch->selection());
    RefreshAfterMove(render, shell.input, shell.sounds);
  } else {
    AskForFrame(render.clocks);
  }
}

}  // namespace

bool SearchOpen() { return gSearch.has_value(); }

void OpenSearch(const catalogue::CatalogueState& catalogue, render::RenderState& render) {
  if (catalogue.games.entryCount < 1) return;
  gSearch.emplace(catalogue.games);
  AskForFrame(render.clocks);
}

void CloseSearch(Shell& shell, const catalogue::CatalogueState& catalogue, render::RenderState& render) {
  if (!gSearch) return;
  const std::int32_t match = gSearch->selection();
  gSearch.reset();
  if (match >= 0) SelectPosition(shell.listWindow, catalogue, render, match);
  RefreshAfterMove(render, shell.input, shell.sounds);
}

void SearchKey(Shell& shell, const catalogue::CatalogueState& catalogue, render::RenderState& render,
               KeyAction action) {
  if (!gSearch) return;
  switch (action) {
    case KeyAction::Down:
      gSearch->Turn(1);
      AskForFrame(render.clocks);
      break;
    case KeyAction::Up:
      gSearch->Turn(-1);
      AskForFrame(render.clocks);
      break;
    case KeyAction::Right:
    case KeyAction::LaunchGame:
      if (gSearch->Append()) FollowFirstMatch(shell, catalogue, render);
      break;
    case KeyAction::Left:
      if (gSearch->RemoveLast()) FollowFirstMatch(shell, catalogue, render);
      break;
    case KeyAction::Quit:
    case KeyAction::Search:
      CloseSearch(shell, catalogue, render);
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
  const std::string& typed = gSearch->typed();
  for (std::size_t i = 0; i < typed.size();) platform::AppendUtf8(line, Shown(platform::NextCodePoint(typed, i)));
  if (gSearch->current() != U'\0') {
    line += '[';
    platform::AppendUtf8(line, Shown(gSearch->current()));
    line += ']';
  }
  return line;
}

}  // namespace shell
