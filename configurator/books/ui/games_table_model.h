// The games of the period as a table: sorted by any column (numbers as numbers), filtered by
// the words typed in the filter box through a proxy.
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "configurator/books/books_tally.h"

namespace cfg {

class GamesTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kConfiguration, kGame, kName, kPlays, kC1, kC2, kC3, kC4, kCoins, kPlayTime, kLastPlayed, kColumns };
  // What the proxy sorts by: a number for the counted columns.
  static constexpr int kSortRole = Qt::UserRole + 1;

  using QAbstractTableModel::QAbstractTableModel;

  void SetGames(std::vector<GameBooks> games);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<GameBooks> games_;
};

}  // namespace cfg
