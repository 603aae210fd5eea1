#include "configurator/listgen/ui/status_box.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace cfg {

void ShowStatusBox(const std::string& text, QWidget* owner) {
  static QPointer<QDialog> box;
  static QPointer<QLabel> label;
  if (text.empty()) {
    if (box) box->close();
    return;
  }
  if (!box) {
    box = new QDialog(owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName("statusBox");
    box->setWindowTitle("Infos");
    label = new QLabel(box);
    label->setMinimumWidth(320);
    (new QVBoxLayout(box))->addWidget(label);
  }
  label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  box->show();
  box->raise();
  label->repaint();
  // Lets the window system show the box; the owner's clicks wait for the end of the run.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace cfg
