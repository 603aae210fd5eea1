#include "configurator/layouteditor/ui/order_dialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "configurator/layouteditor/object_numbering.h"
#include "configurator/widgets/setting_text.h"

namespace cfg {

OrderDialog::OrderDialog(EditorLayout& layout, QWidget* parent) : QDialog(parent), layout_(layout) {
  setWindowTitle(QCoreApplication::translate("cfg::OrderDialog", "Ordre d'affichage des objets"));
  setModal(true);
  // The rows stand as the cabinet stacks the objects; the layout changes only with OK.
  const auto drawOrder = EditorDrawOrder(layout_);
  list_ = new QListWidget(this);
  list_->setObjectName("id1034");
  for (int slot = kEditorObjectCount - 1; slot >= 0; --slot) {
    const int index = drawOrder[slot];
    auto* item = new QListWidgetItem(FromSettingText(EditorListName(index)), list_);
    item->setData(Qt::UserRole, index);
  }
  auto* spin = new QWidget(this);
  spin->setObjectName("id1035");
  auto* spinColumn = new QVBoxLayout(spin);
  auto* up = new QToolButton(spin);
  up->setObjectName("up");
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(spin);
  down->setObjectName("down");
  down->setArrowType(Qt::DownArrow);
  spinColumn->addWidget(up);
  spinColumn->addWidget(down);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName("id1036");
  auto* cancel = new QPushButton(QCoreApplication::translate("cfg::OrderDialog", "&Annuler"), this);
  cancel->setObjectName("id1037");

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::OrderDialog", "Premier plan"), this), 0, 0);
  grid->addWidget(list_, 1, 0);
  grid->addWidget(spin, 1, 1);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::OrderDialog", "Arrière-plan"), this), 2, 0);
  grid->addWidget(ok, 3, 0);
  grid->addWidget(cancel, 3, 1);
  connect(up, &QToolButton::clicked, this, [this] { MoveSelected(-1); });
  connect(down, &QToolButton::clicked, this, [this] { MoveSelected(+1); });
  connect(ok, &QPushButton::clicked, this, [this] {
    Apply();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OrderDialog::MoveSelected(int delta) {
  const int row = list_->currentRow();
  const int to = row + delta;
  if (row < 0 || list_->selectedItems().isEmpty() || to < 0 || to >= list_->count()) return;
  QListWidgetItem* item = list_->takeItem(row);
  list_->insertItem(to, item);
  list_->setCurrentRow(to);
}

void OrderDialog::Apply() {
  const int rows = list_->count();
  for (int row = 0; row < rows; ++row) {
    const int index = list_->item(row)->data(Qt::UserRole).toInt();
    layout_.objects[index].order = rows - row;
  }
}

}  // namespace cfg
