// "Ordre d'affichage des objets": the objects from the front (top row) to the back, moved
// one row at a time; OK numbers them again from the bottom row (1) to the top row (15).
#pragma once

#include <QDialog>

#include "configurator/layouteditor/editor_layout.h"

class QListWidget;

namespace cfg {

class OrderDialog : public QDialog {
  Q_OBJECT

 public:
  // Normalises the orders first; that stays even when the dialog is cancelled.
  OrderDialog(EditorLayout& layout, QWidget* parent = nullptr);

  // Moves the selected row up (-1) or down (+1), keeping it selected.
  void MoveSelected(int delta);
  QListWidget* list() const { return list_; }

 private:
  void Apply();

  EditorLayout& layout_;
  QListWidget* list_ = nullptr;
};

}  // namespace cfg
