#include "configurator/listgen/ui/status_box.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace cfg {

void ShowStatusBox(const std::string& text, QWidget* owner, std::function<void()> onStop) {
  static QPointer<QDialog> box;
  static QPointer<QLabel> label;
  if (text.empty()) {
    // Forgotten at once: the next run makes its own box, with its own stop.
    if (box) box->close();
    box = nullptr;
    return;
  }
  if (!box) {
    box = new QDialog(owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName("statusBox");
    box->setWindowTitle(QCoreApplication::translate("cfg::StatusBox", "Infos"));
    box->setWindowModality(Qt::ApplicationModal);
    label = new QLabel(box);
    label->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(label);
    if (onStop) {
      auto* stop = new QPushButton(QCoreApplication::translate("cfg::StatusBox", "Arrêter"), box);
      stop->setObjectName("stop");
      QObject::connect(stop, &QPushButton::clicked, box, [stop, onStop = std::move(onStop)] {
        stop->setEnabled(false);
        onStop();
      });
      layout->addWidget(stop, 0, Qt::AlignRight);
    }
  }
  label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  box->show();
  box->raise();
  label->repaint();
  // Lets the window system show the box and the box take its button's click; the box is
  // modal, so the owner's other windows take none until the end of the run.
  QCoreApplication::processEvents(box->findChild<QPushButton*>("stop") ? QEventLoop::AllEvents
                                                                       : QEventLoop::ExcludeUserInputEvents);
}

}  // namespace cfg
