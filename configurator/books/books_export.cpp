#include "configurator/books/books_export.h"

#include "catalogue/csv.h"

namespace cfg {

std::string GamesCsv(const Books& books) {
  std::string out = catalogue::CsvRecord({"Configuration", "Jeu", "Nom", "Parties", "C1", "C2", "C3", "C4",
                                          "Pièces", "Temps de jeu (s)", "Dernière partie"});
  for (const GameBooks& g : books.games) {
    std::vector<std::string> f{g.configuration, g.romName, g.fullName, std::to_string(g.plays)};
    for (const std::int64_t c : g.coins) f.push_back(std::to_string(c));
    f.push_back(std::to_string(g.CoinTotal()));
    f.push_back(std::to_string(g.playSeconds));
    f.push_back(g.lastPlayed);
    out += catalogue::CsvRecord(f);
  }
  return out;
}

std::string DaysCsv(const Books& books) {
  std::string out = catalogue::CsvRecord({"Date", "Parties", "Pièces"});
  for (const DayBooks& d : books.days)
    out += catalogue::CsvRecord({catalogue::FormatIsoDate(catalogue::DateOfDay(d.day)), std::to_string(d.plays),
                                 std::to_string(d.coins)});
  return out;
}

}  // namespace cfg
