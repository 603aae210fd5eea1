// Small listings written in the tests, and the game list they should give.
#pragma once

#include <string>
#include <string_view>

#include "configurator/listgen/game_list_builder.h"
#include "configurator/listgen/listinfo_reader.h"
#include "configurator/listgen/listxml_reader.h"
#include "configurator/listgen/rom_folder.h"

// Lines joined with CR LF, each one ended: the game list's own layout.
inline std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (std::string_view l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

inline std::string ListFromXml(std::string_view xml, const cfg::RomFolder* folder = nullptr) {
  cfg::GameListBuilder games(folder);
  cfg::ReadListXmlText(xml, games);
  return games.text();
}

inline std::string ListFromInfo(std::string_view info, const cfg::RomFolder* folder = nullptr) {
  cfg::GameListBuilder games(folder);
  cfg::ReadListInfoText(info, games);
  return games.text();
}
