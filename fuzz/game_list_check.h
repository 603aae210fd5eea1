// What every listing reader promises for any bytes: a game list whose text is whole lines
// ended by CR LF, one "[name]" header per game written, and no byte that could end a
// line or open a section inside a value.
#pragma once

#include <string_view>

#include "configurator/listgen/game_list_builder.h"
#include "fuzz_input.h"

namespace fuzz {

inline void CheckGameList(const cfg::GameListBuilder& games) {
  Require(games.written() >= 0 && games.written() <= games.seen());
  std::string_view text = games.text();
  int headers = 0;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    Require(end != std::string_view::npos);
    const std::string_view line = text.substr(0, end);
    Require(line.find_first_of("\r\n") == std::string_view::npos);
    if (line.starts_with('[')) {
      Require(line.size() > 2 && line.ends_with(']'));
      ++headers;
    } else {
      const std::size_t equals = line.find('=');
      Require(equals != std::string_view::npos && equals + 1 < line.size());
    }
    text.remove_prefix(end + 2);
  }
  Require(headers == games.written());
}

}  // namespace fuzz
