// The General page's table of the panel actions: one row per action of kKeyPrompts, one
// column per kind of control bound to it. A new kind of control (a joystick's) is one more
// row in the column table of the .cpp.
#pragma once

#include <QAbstractTableModel>

#include "settings/settings.h"

namespace cfg {

class KeyTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  KeyTableModel(const Settings& settings, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The record changed behind the model (a capture, a file loaded): every row is redrawn.
  void Refresh();

 private:
  const Settings& settings_;
};

}  // namespace cfg
