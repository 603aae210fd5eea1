// The platform's message boxes and questions shown as Qt boxes, in French.
#pragma once

class QApplication;

namespace cfg {

// Routes platform::ShowMessageBox and platform::AskQuestion to QMessageBox (owned by the
// active window, question icon, "Oui"/"Non"/"Annuler"/"OK").
void InstallQtMessageBoxes();

// The French texts of Qt's own dialogs (file and colour choosers), when installed.
void InstallFrenchTranslation(QApplication& app);

}  // namespace cfg
