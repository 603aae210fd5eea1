// The Statistiques page's table of games: each column sorts on its values (counts and play
// time as numbers, not as the text shown), equal values keep the tally's order, the filter
// keeps the sort, and a selected game stays selected across a sort.
#include <QPersistentModelIndex>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "configurator/books/ui/games_table_model.h"

namespace {

using cfg::GamesTableModel;

std::vector<cfg::GameBooks> Games() {
  // In the tally's order: configuration, then game.
  return {
      {"Mame", "aa", "Galaga", 9, {2, 0, 0, 0}, 7200, "2026-12-02 10:00:00"},
      {"Mame", "bb", "Pac-Man", 10, {0, 0, 0, 0}, 36000, ""},
      {"Neo", "cc", "Metal Slug", 9, {0, 0, 1, 1}, 59, "2026-11-30 22:00:00"},
  };
}

std::vector<std::string> Shown(const QAbstractItemModel& m) {
  std::vector<std::string> games;
  for (int row = 0; row < m.rowCount(); ++row)
    games.push_back(m.data(m.index(row, GamesTableModel::kGame), Qt::DisplayRole).toString().toStdString());
  return games;
}

TEST(BooksTableTest, EachColumnSortsOnItsValues) {
  GamesTableModel model;
  cfg::GamesFilterModel filter;
  filter.setSourceModel(&model);
  model.SetGames(Games());
  EXPECT_EQ(Shown(filter), (std::vector<std::string>{"aa", "bb", "cc"}));
  const struct {
    int column;
    Qt::SortOrder order;
    std::vector<std::string> games;
  } kCases[] = {
      {GamesTableModel::kPlays, Qt::AscendingOrder, {"aa", "cc", "bb"}},   // 9 < 10, ties as tallied
      {GamesTableModel::kPlays, Qt::DescendingOrder, {"bb", "aa", "cc"}},
      {GamesTableModel::kPlayTime, Qt::AscendingOrder, {"cc", "aa", "bb"}},  // 0:00:59 < 2:00:00 < 10:00:00
      {GamesTableModel::kCoins, Qt::DescendingOrder, {"aa", "cc", "bb"}},
      {GamesTableModel::kC4, Qt::DescendingOrder, {"cc", "aa", "bb"}},
      {GamesTableModel::kName, Qt::AscendingOrder, {"aa", "cc", "bb"}},
      {GamesTableModel::kLastPlayed, Qt::AscendingOrder, {"bb", "cc", "aa"}},  // never played first
      {GamesTableModel::kConfiguration, Qt::DescendingOrder, {"cc", "aa", "bb"}},
  };
  for (const auto& c : kCases) {
    filter.sort(c.column, c.order);
    EXPECT_EQ(Shown(filter), c.games) << c.column << " " << c.order;
  }
  // New books keep the sort asked last.
  model.SetGames(Games());
  EXPECT_EQ(Shown(filter), (std::vector<std::string>{"cc", "aa", "bb"}));
}

TEST(BooksTableTest, FilterKeepsTheSortAndTheSelectionFollowsItsGame) {
  GamesTableModel model;
  cfg::GamesFilterModel filter;
  filter.setSourceModel(&model);
  filter.setFilterCaseSensitivity(Qt::CaseInsensitive);
  filter.setFilterKeyColumn(-1);
  model.SetGames(Games());
  filter.sort(GamesTableModel::kPlayTime, Qt::DescendingOrder);
  const QPersistentModelIndex selected = filter.index(1, GamesTableModel::kName);  // Galaga
  filter.sort(GamesTableModel::kPlayTime, Qt::AscendingOrder);
  ASSERT_TRUE(selected.isValid());
  EXPECT_EQ(selected.row(), 1);
  filter.sort(GamesTableModel::kLastPlayed, Qt::DescendingOrder);
  EXPECT_EQ(selected.row(), 0);
  EXPECT_EQ(selected.data().toString(), QStringLiteral("Galaga"));
  filter.setFilterFixedString(QStringLiteral("mame"));
  filter.sort(GamesTableModel::kPlayTime, Qt::DescendingOrder);
  EXPECT_EQ(Shown(filter), (std::vector<std::string>{"bb", "aa"}));
  EXPECT_EQ(selected.row(), 1);
  EXPECT_EQ(selected.data().toString(), QStringLiteral("Galaga"));
}

}  // namespace
