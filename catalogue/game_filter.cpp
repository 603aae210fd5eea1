#include "catalogue/game_filter.h"

#include <algorithm>

#include "platform/text.h"

namespace catalogue {

namespace {

// Lower case, without the blanks next to a "/".
std::string Folded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ' || c == '\t') {
      std::size_t j = i;
      while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
      if ((j < text.size() && text[j] == '/') || (!out.empty() && out.back() == '/')) {
        i = j - 1;
        continue;
      }
    }
    out += platform::ToLowerAscii(c);
  }
  return out;
}

// Glob with "*" only, iterative: a pattern of many stars cannot make it explode.
bool Glob(std::string_view pattern, std::string_view text) {
  std::size_t p = 0, t = 0, star = std::string_view::npos, resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = t;
    } else if (p < pattern.size() && pattern[p] == text[t]) {
      ++p;
      ++t;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

int Year(std::string_view infos1) {
  if (infos1.size() < 4) return 0;
  int year = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (infos1[i] < '0' || infos1[i] > '9') return 0;  // "198?" has no year to compare
    year = year * 10 + (infos1[i] - '0');
  }
  return year;
}

template <typename Table>
const typename Table::mapped_type* Lookup(const Table* table, std::string_view romName) {
  if (!table) return nullptr;
  auto it = table->find(platform::ToLowerCopy(romName));
  return it == table->end() ? nullptr : &it->second;
}

}  // namespace

std::string ControlOf(std::string_view infos3) {
  std::string control;
  std::size_t pos = 0;
  while (pos < infos3.size()) {
    const std::size_t end = std::min(infos3.find(' ', pos), infos3.size());
    const std::string_view word = infos3.substr(pos, end - pos);
    pos = end + 1;
    std::size_t digits = 0;
    while (digits < word.size() && word[digits] >= '0' && word[digits] <= '9') ++digits;
    const bool count = digits > 0 && digits + 1 == word.size() && std::string_view("PBCpbc").find(word.back()) != word.npos;
    if (word.empty() || count) continue;
    if (!control.empty()) control += ' ';
    control += word;
  }
  return control;
}

bool CategoryMatches(std::string_view pattern, std::string_view category) {
  // Category names are read in UTF-8: a pattern saved in Windows-1252 is read so too.
  return Glob(Folded(platform::ToUtf8ForDisplay(pattern)), Folded(category));
}

bool PassesFilter(const GameEntry& game, const GameFilter& filter, const FilterSources& sources) {
  if (filter.parentsOnly && !game.romOf.empty()) return false;
  if (filter.orientation && platform::ToLowerAscii(game.infos2.empty() ? '\0' : game.infos2.front()) != filter.orientation)
    return false;
  if (filter.yearFrom || filter.yearTo) {
    const int year = Year(game.infos1);
    if (!year || (filter.yearFrom && year < filter.yearFrom) || (filter.yearTo && year > filter.yearTo)) return false;
  }
  if (filter.players) {
    const std::string* players = Lookup(sources.nplayers, game.romName);
    const int count = sources.nplayers ? (players ? PlayerCount(*players) : 0) : PlayerCount(game.infos3);
    if (count != filter.players) return false;
  }
  if (!filter.controls.empty()) {
    const std::string control = ControlOf(game.infos3);
    bool any = false;
    for (const std::string& c : filter.controls) any = any || platform::EqualsNoCase(c, control);
    if (!any) return false;
  }
  if (!filter.categories.empty() || filter.noMature) {
    const GameCategory* category = Lookup(sources.catver, game.romName);
    if (filter.noMature && category && category->mature) return false;
    if (!filter.categories.empty()) {
      if (!category) return false;
      bool any = false;
      for (const std::string& pattern : filter.categories) any = any || CategoryMatches(pattern, category->name);
      if (!any) return false;
    }
  }
  return true;
}

std::vector<std::string> FilterGameList(const GameList& list, const GameFilter& filter, const FilterSources& sources) {
  std::vector<std::string> names;
  for (const GameEntry& game : list.entries)
    if (PassesFilter(game, filter, sources)) names.emplace_back(game.romName);
  return names;
}

std::string FilterFileText(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    text += name;
    text += "\r\n";
  }
  return text;
}

}  // namespace catalogue
