// A path field that shows, as the owner types, that its folder or program is not on disk:
// its text in a warning colour and a warning icon inside it whose tooltip says what is
// missing. The field's own tooltip stays.
#pragma once

#include <QString>

#include <functional>
#include <string>

class QAction;
class QLineEdit;

namespace cfg {

// `missing` gives what is missing for a text of the field, empty when nothing is. The mark
// follows every change of the field's text, typed or set. Returns the icon's action
// (object name "<field>missing").
QAction* MarkMissing(QLineEdit* edit, std::function<std::string(const QString&)> missing);

}  // namespace cfg
