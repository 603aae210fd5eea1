#pragma once
#include <functional>
#include <string>

class QWidget;

namespace cfg {

// The small modeless box "Infos" shown over `owner` while a list is made. A text opens the
// box when needed, sets the text and repaints it at once; an empty text closes it. With
// `onStop`, the box opened has an "Arrêter" button calling it; while the box is open only
// it takes clicks.
void ShowStatusBox(const std::string& text, QWidget* owner, std::function<void()> onStop = {});

}  // namespace cfg
