// The help shown over the controls, looked up by control id (the object name "idNNNN").
#pragma once

#include <QString>

class QWidget;

namespace cfg {

// The control id of a widget named "idNNNN", or -1.
int ControlId(const QWidget* widget);

// The text of a control id; empty when the id has none.
QString TooltipText(int controlId);

// Gives every control of the page but its labels the text of its id.
void InstallTooltips(QWidget* page);

}  // namespace cfg
