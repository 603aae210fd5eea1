// The platform's message boxes and questions shown as Qt boxes, in French.
#pragma once

#include <string>

class QApplication;

namespace cfg {

// Routes platform::ShowMessageBox and platform::AskQuestion to QMessageBox (owned by the
// active window, question icon, "Oui"/"Non"/"Annuler"/"OK").
void InstallQtMessageBoxes();

// The texts of the configurator and of Qt's own dialogs in `language` ("fr", "en"): ours
// from <directory>/<language>/LC_MESSAGES/orvanel-config.qm, Qt's from its translations.
void InstallTranslations(QApplication& app, const std::string& language, const std::string& directory);

}  // namespace cfg
