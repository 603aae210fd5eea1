#include "configurator/pages/key_table_model.h"

#include <string>

#include <QCoreApplication>

#include "configurator/pagemodel/key_capture.h"
#include "configurator/pagemodel/key_names.h"
#include "platform/text.h"
#include "settings/pad_binding.h"
#include "settings/setting_fields.h"

namespace cfg {
namespace {

struct KeyColumn {
  const char* header;
  std::string (*text)(const Settings& settings, std::size_t action);
};

std::string ActionText(const Settings&, std::size_t action) { return KeyActionName(action); }

std::string KeyText(const Settings& settings, std::size_t action) {
  return KeyName(platform::ParseInt(settings::FieldText(settings, settings::Key(kKeyPrompts[action].key))));
}

// The controls alone; which device they belong to is in the file.
std::string PadText(const Settings& settings, std::size_t action) {
  std::string out;
  const auto bindings = settings::ParsePadBindings(
      settings::FieldText(settings, settings::Key(settings::PadKeyOf(kKeyPrompts[action].key))));
  for (const settings::PadBinding& b : bindings) out += (out.empty() ? "" : ", ") + settings::PadControlText(b.control);
  return out;
}

constexpr KeyColumn kColumns[] = {{QT_TRANSLATE_NOOP("cfg::KeyTableModel", "Action"), ActionText},
                                  {QT_TRANSLATE_NOOP("cfg::KeyTableModel", "Touche"), KeyText},
                                  {QT_TRANSLATE_NOOP("cfg::KeyTableModel", "Manette"), PadText}};

// The coin keys 5 to 8 (C1 to C4) the key tracker counts while a game runs, with the
// [Manettes] buttons that stand for them.
struct CoinRow {
  int number;
  int keyCode;
  settings::SettingId padKey;
};
constexpr CoinRow kCoinRows[] = {{1, 12, settings::SettingId::PadCoin1Key},
                                 {2, 14, settings::SettingId::PadCoin2Key},
                                 {3, 16, settings::SettingId::PadCoin3Key},
                                 {4, 18, settings::SettingId::PadCoin4Key}};

std::string CoinText(const Settings& settings, const CoinRow& coin, int column) {
  if (column == 0)
    return QCoreApplication::translate("cfg::KeyTableModel", "Pièce %1 (C%1, fixe)").arg(coin.number).toStdString();
  if (column == 1) return KeyName(coin.keyCode);
  std::string out;
  for (const settings::PadBinding& b : settings::ParsePadBindings(settings::FieldText(settings, settings::Key(coin.padKey))))
    out += (out.empty() ? "" : ", ") + settings::PadControlText(b.control);
  return out;
}

}  // namespace

KeyTableModel::KeyTableModel(const Settings& settings, QObject* parent)
    : QAbstractTableModel(parent), settings_(settings) {}

int KeyTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(kKeyCount + std::size(kCoinRows));
}

int KeyTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(std::size(kColumns));
}

QVariant KeyTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
    return {};
  if (!IsCapturable(index.row()))
    return QString::fromStdString(CoinText(settings_, kCoinRows[std::size_t(index.row()) - kKeyCount], index.column()));
  const KeyColumn& column = kColumns[std::size_t(index.column())];
  return QString::fromStdString(column.text(settings_, std::size_t(index.row())));
}

Qt::ItemFlags KeyTableModel::flags(const QModelIndex& index) const {
  if (index.isValid() && !IsCapturable(index.row())) return Qt::NoItemFlags;
  return QAbstractTableModel::flags(index);
}

QVariant KeyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
    return QAbstractTableModel::headerData(section, orientation, role);
  return QCoreApplication::translate("cfg::KeyTableModel", kColumns[std::size_t(section)].header);
}

void KeyTableModel::Refresh() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

}  // namespace cfg
