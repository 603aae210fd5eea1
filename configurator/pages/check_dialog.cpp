#include "configurator/pages/check_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "configurator/pagemodel/check_command.h"

namespace cfg {

void ShowSelfCheck(QWidget* owner, const std::string& base) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::string menu = MenuProgram();
  const auto run = menu.empty() ? std::nullopt : RunMenuCheck(menu, base, false);
  QApplication::restoreOverrideCursor();

  QDialog dialog(owner);
  dialog.setObjectName(QStringLiteral("selfCheck"));
  dialog.setWindowTitle(QCoreApplication::translate("SelfCheck", "Vérification de la borne"));
  auto* column = new QVBoxLayout(&dialog);
  auto* text = new QPlainTextEdit(&dialog);
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text->setPlainText(run ? QString::fromStdString(run->report)
                         : QCoreApplication::translate("SelfCheck",
                                                       "Le menu (orvanel) est introuvable à côté du configurateur ou "
                                                       "ne répond pas."));
  column->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  column->addWidget(buttons);
  dialog.resize(900, 480);
  dialog.exec();
}

}  // namespace cfg
