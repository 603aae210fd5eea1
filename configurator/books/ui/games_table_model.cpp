#include "configurator/books/ui/games_table_model.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace cfg {
namespace {

template <typename T>
int ThreeWay(const T& a, const T& b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

// What the column shows, compared as itself: counts as numbers, dates as their ISO text.
int Compare(const GameBooks& a, const GameBooks& b, int column) {
  switch (column) {
    case GamesTableModel::kConfiguration: return a.configuration.compare(b.configuration);
    case GamesTableModel::kGame: return a.romName.compare(b.romName);
    case GamesTableModel::kName: return a.fullName.compare(b.fullName);
    case GamesTableModel::kPlays: return ThreeWay(a.plays, b.plays);
    case GamesTableModel::kC1: case GamesTableModel::kC2: case GamesTableModel::kC3: case GamesTableModel::kC4: {
      const auto k = std::size_t(column - GamesTableModel::kC1);
      return ThreeWay(a.coins[k], b.coins[k]);
    }
    case GamesTableModel::kCoins: return ThreeWay(a.CoinTotal(), b.CoinTotal());
    case GamesTableModel::kPlayTime: return ThreeWay(a.playSeconds, b.playSeconds);
    case GamesTableModel::kLastPlayed: return a.lastPlayed.compare(b.lastPlayed);
    default: return 0;
  }
}

}  // namespace

void GamesTableModel::SetGames(std::vector<GameBooks> games) {
  beginResetModel();
  games_ = std::move(games);
  order_ = SortedOrder();
  endResetModel();
}

void GamesTableModel::sort(int column, Qt::SortOrder order) {
  sortColumn_ = column;
  sortOrder_ = order;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const std::vector<std::size_t> before = std::exchange(order_, SortedOrder());
  MovePersistentRows(before);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Equal values keep the tally's order (configuration, then game), both ways.
std::vector<std::size_t> GamesTableModel::SortedOrder() const {
  std::vector<std::size_t> order(games_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  if (sortColumn_ < 0) return order;
  const bool down = sortOrder_ == Qt::DescendingOrder;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const int c = Compare(games_[a], games_[b], sortColumn_);
    return down ? c > 0 : c < 0;
  });
  return order;
}

// The selection and the current row follow their games to their new rows.
void GamesTableModel::MovePersistentRows(const std::vector<std::size_t>& before) {
  std::vector<int> rowOf(order_.size());
  for (std::size_t row = 0; row < order_.size(); ++row) rowOf[order_[row]] = int(row);
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  to.reserve(from.size());
  for (const QModelIndex& i : from) to.append(index(rowOf[before[std::size_t(i.row())]], i.column()));
  changePersistentIndexList(from, to);
}

int GamesTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(games_.size()); }

int GamesTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant GamesTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || std::size_t(index.row()) >= games_.size()) return {};
  const GameBooks& g = games_[order_[std::size_t(index.row())]];
  const int column = index.column();
  if (role == Qt::TextAlignmentRole)
    return column >= kPlays && column <= kPlayTime ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
  if (role != Qt::DisplayRole) return {};
  switch (column) {
    case kConfiguration: return QString::fromStdString(g.configuration);
    case kGame: return QString::fromStdString(g.romName);
    case kName: return QString::fromStdString(g.fullName);
    case kPlays: return qlonglong(g.plays);
    case kC1: case kC2: case kC3: case kC4: return qlonglong(g.coins[std::size_t(column - kC1)]);
    case kCoins: return qlonglong(g.CoinTotal());
    case kPlayTime: return QString::fromStdString(FormatDuration(g.playSeconds));
    case kLastPlayed: return QString::fromStdString(g.lastPlayed);
    default: return {};
  }
}

QVariant GamesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  switch (section) {
    case kConfiguration: return tr("Configuration");
    case kGame: return tr("Jeu");
    case kName: return tr("Nom");
    case kPlays: return tr("Parties");
    case kC1: return tr("C1");
    case kC2: return tr("C2");
    case kC3: return tr("C3");
    case kC4: return tr("C4");
    case kCoins: return tr("Pièces");
    case kPlayTime: return tr("Temps de jeu");
    case kLastPlayed: return tr("Dernière partie");
    default: return {};
  }
}

void GamesFilterModel::sort(int column, Qt::SortOrder order) {
  if (sourceModel()) sourceModel()->sort(column, order);
}

}  // namespace cfg
