#include "configurator/widgets/binders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "configurator/widgets/setting_text.h"
#include "platform/text.h"

namespace cfg {

void Binders::Text(QLineEdit* edit, std::string& field, int maxLength) {
  edit->setMaxLength(maxLength);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [&field, maxLength](const QString& text) {
    field = ToSettingText(text, std::size_t(maxLength));
  });
  shows_.push_back([edit, &field] { edit->setText(FromSettingText(field)); });
}

void Binders::Number(QLineEdit* edit, int& field) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [&field](const QString& text) {
    field = platform::ParseInt(ToSettingText(text.left(19)));
  });
  shows_.push_back([edit, &field] { edit->setText(QString::number(field)); });
}

void Binders::Check(QCheckBox* box, bool& field) {
  QObject::connect(box, &QCheckBox::toggled, box, [&field](bool on) { field = on; });
  shows_.push_back([box, &field] {
    const QSignalBlocker block(box);
    box->setChecked(field);
  });
}

void Binders::Choice(QComboBox* list, std::string& field, int emptyEntry) {
  QObject::connect(list, &QComboBox::activated, list, [list, &field, emptyEntry](int index) {
    field = index == emptyEntry || index < 0 ? std::string() : ToSettingText(list->itemText(index));
  });
  shows_.push_back([list, &field, emptyEntry] {
    int found = field.empty() ? emptyEntry : -1;
    for (int i = 0; i < list->count() && found < 0; ++i)
      if (i != emptyEntry && platform::EqualsNoCase(ToSettingText(list->itemText(i)), field)) found = i;
    list->setCurrentIndex(found);
  });
}

void Binders::ShowAll() const {
  for (const auto& show : shows_) show();
}

void SetText(QLineEdit* edit, std::string& field, const std::string& value) {
  field = value;
  const QSignalBlocker block(edit);
  edit->setText(FromSettingText(value));
}

}  // namespace cfg
