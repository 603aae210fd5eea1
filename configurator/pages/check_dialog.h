// "Vérifier": the menu's self-check (orvanel --check) shown in a window.
#pragma once

#include <string>

class QWidget;

namespace cfg {

// Runs the check on the installation at `base` and shows its report; says so when the menu
// program cannot be found or does not answer.
void ShowSelfCheck(QWidget* owner, const std::string& base);

}  // namespace cfg
