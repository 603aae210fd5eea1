// The General page's table of the panel actions: one row per action of kKeyPrompts, one
// column per kind of control bound to it. A new kind of control (a joystick's) is one more
// row in the column table of the .cpp. Below them, read-only, the coin keys: fixed keys
// the owner cannot change but must know (their joystick buttons are the file's).
#pragma once

#include <QAbstractTableModel>

#include "configurator/pagemodel/key_capture.h"
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
  // The coin rows cannot be chosen: their key is not the owner's to change.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Whether a row is an action the capture can ask (not a fixed coin key).
  static bool IsCapturable(int row) { return row >= 0 && row < int(kKeyCount); }

  // The record changed behind the model (a capture, a file loaded): every row is redrawn.
  void Refresh();

 private:
  const Settings& settings_;
};

}  // namespace cfg
