// The games of the period as a table: sorted by any column (numbers as numbers), filtered by
// the words typed in the filter box through a proxy.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <vector>

#include "configurator/books/books_tally.h"

namespace cfg {

class GamesTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kConfiguration, kGame, kName, kPlays, kC1, kC2, kC3, kC4, kCoins, kPlayTime, kLastPlayed, kColumns };

  using QAbstractTableModel::QAbstractTableModel;

  // The games in the order of the last sort asked.
  void SetGames(std::vector<GameBooks> games);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Sorts on the values themselves: tens of thousands of games in a few milliseconds.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  std::vector<std::size_t> SortedOrder() const;
  void MovePersistentRows(const std::vector<std::size_t>& before);

  std::vector<GameBooks> games_;
  std::vector<std::size_t> order_;  // row -> index into games_
  int sortColumn_ = -1;             // -1: the tally's order
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

// Filters the games by the words typed; the sort is left to the games' model, which
// compares numbers without going through QVariant.
class GamesFilterModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
};

}  // namespace cfg
