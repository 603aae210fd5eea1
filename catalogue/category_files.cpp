#include "catalogue/category_files.h"

#include <algorithm>
#include <utility>

#include "platform/text.h"
#include "platform/utf8.h"

namespace catalogue {

namespace {

using platform::TrimBlanks;

// Calls add(name, value) for every "name=value" line of `section` (letter case ignored),
// in file order. Lines end at CR, LF or both; ";" and "#" begin comments; a line written
// in Windows-1252 is turned into the UTF-8 of the game lists.
template <typename Add>
void ForEachValue(std::string text, std::string_view section, Add add) {
  text = platform::TextAsUtf8(std::move(text));
  const std::string_view all(text);
  bool inside = false;
  std::size_t pos = 0;
  while (pos < all.size()) {
    std::size_t end = all.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view line = TrimBlanks(all.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      const std::string_view name = TrimBlanks(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      inside = platform::EqualsNoCase(name, section);
      continue;
    }
    if (!inside) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view name = TrimBlanks(line.substr(0, eq));
    if (!name.empty()) add(platform::ToLowerCopy(name), TrimBlanks(line.substr(eq + 1)));
  }
}

// "Shooter / Flying Vertical * Mature *": the mark at the end, the category before it.
GameCategory ParseCategory(std::string_view value) {
  GameCategory c;
  constexpr std::string_view kMature = "* Mature *";
  const std::size_t mark = value.find(kMature);
  if (mark != std::string_view::npos) {
    c.mature = true;
    value = TrimBlanks(value.substr(0, mark));
  }
  c.name = value;
  return c;
}

}  // namespace

CategoryTable ReadCatver(std::string text) {
  CategoryTable table;
  ForEachValue(std::move(text), "Category",
               [&](std::string name, std::string_view value) { table.try_emplace(std::move(name), ParseCategory(value)); });
  return table;
}

PlayersTable ReadNPlayers(std::string text) {
  PlayersTable table;
  ForEachValue(std::move(text), "NPlayers",
               [&](std::string name, std::string_view value) { table.try_emplace(std::move(name), value); });
  return table;
}

int PlayerCount(std::string_view text) {
  int most = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9' || (i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9')) continue;
    int n = 0;
    std::size_t j = i;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9' && n < 1000) n = n * 10 + (text[j++] - '0');
    if (j < text.size() && (text[j] == 'P' || text[j] == 'p')) most = std::max(most, n);
  }
  return most;
}

}  // namespace catalogue
