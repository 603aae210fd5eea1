#include "configurator/books/ui/games_table_model.h"

namespace cfg {

void GamesTableModel::SetGames(std::vector<GameBooks> games) {
  beginResetModel();
  games_ = std::move(games);
  endResetModel();
}

int GamesTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(games_.size()); }

int GamesTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant GamesTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || std::size_t(index.row()) >= games_.size()) return {};
  const GameBooks& g = games_[std::size_t(index.row())];
  const int column = index.column();
  if (role == Qt::TextAlignmentRole)
    return column >= kPlays && column <= kPlayTime ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
  if (role != Qt::DisplayRole && role != kSortRole) return {};
  switch (column) {
    case kConfiguration: return QString::fromStdString(g.configuration);
    case kGame: return QString::fromStdString(g.romName);
    case kName: return QString::fromStdString(g.fullName);
    case kPlays: return qlonglong(g.plays);
    case kC1: case kC2: case kC3: case kC4: return qlonglong(g.coins[std::size_t(column - kC1)]);
    case kCoins: return qlonglong(g.CoinTotal());
    case kPlayTime:
      return role == kSortRole ? QVariant(qulonglong(g.playSeconds)) : QString::fromStdString(FormatDuration(g.playSeconds));
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

}  // namespace cfg
