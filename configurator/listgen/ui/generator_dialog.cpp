#include "configurator/listgen/ui/generator_dialog.h"

#include <QDialog>
#include <QPointer>

namespace cfg {

void OpenGeneratorDialog(QWidget* owner, const std::string&, std::function<GeneratorSources()>) {
  static QPointer<QDialog> dialog;
  if (!dialog) {
    dialog = new QDialog(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QString::fromUtf8("Création listes de ROMS"));
  }
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

}  // namespace cfg
