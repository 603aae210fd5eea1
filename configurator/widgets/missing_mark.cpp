#include "configurator/widgets/missing_mark.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>

namespace cfg {

QAction* MarkMissing(QLineEdit* edit, std::function<std::string(const QString&)> missing) {
  QAction* mark = edit->addAction(edit->style()->standardIcon(QStyle::SP_MessageBoxWarning), QLineEdit::TrailingPosition);
  mark->setObjectName(edit->objectName() + QStringLiteral("missing"));
  const QPalette normal = edit->palette();
  auto show = [edit, mark, normal, missing = std::move(missing)](const QString& text) {
    const QString what = QString::fromStdString(missing(text));
    mark->setVisible(!what.isEmpty());
    mark->setToolTip(what);
    QPalette palette = normal;
    if (!what.isEmpty()) palette.setColor(QPalette::Text, QColor(0xB0, 0x50, 0x00));
    edit->setPalette(palette);
  };
  QObject::connect(edit, &QLineEdit::textChanged, mark, show);
  show(edit->text());
  return mark;
}

}  // namespace cfg
