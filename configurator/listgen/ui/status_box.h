#pragma once
#include <string>

class QWidget;

namespace cfg {

// The small modeless box "Infos" shown over `owner` while a list is made. A text opens the
// box when needed, sets the text and repaints it at once; an empty text closes it.
void ShowStatusBox(const std::string& text, QWidget* owner);

}  // namespace cfg
