#include "configurator/widgets/binders.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "configurator/pagemodel/installation.h"
#include "configurator/widgets/common_dialogs.h"
#include "configurator/widgets/page.h"
#include "configurator/widgets/setting_text.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/setting_fields.h"

namespace cfg {

using settings::SettingId;

std::string& Binders::TextField(SettingId id) const {
  return *std::get<std::string*>(settings::Key(id).field(record_));
}

void Binders::Text(QLineEdit* edit, SettingId id) {
  const int maxLength = int(settings::Key(id).size) - 1;
  std::string& field = TextField(id);
  edit->setMaxLength(maxLength);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [&field, maxLength](const QString& text) {
    field = ToSettingText(text, std::size_t(maxLength));
  });
  shows_.push_back([edit, &field] { edit->setText(FromSettingText(field)); });
}

void Binders::Number(QLineEdit* edit, SettingId id) {
  int& field = *std::get<int*>(settings::Key(id).field(record_));
  QObject::connect(edit, &QLineEdit::textEdited, edit, [&field](const QString& text) {
    field = platform::ParseInt(ToSettingText(text.left(19)));
  });
  shows_.push_back([edit, &field] { edit->setText(QString::number(field)); });
}

void Binders::Check(QCheckBox* box, SettingId id) {
  bool& field = *std::get<bool*>(settings::Key(id).field(record_));
  QObject::connect(box, &QCheckBox::toggled, box, [&field](bool on) { field = on; });
  shows_.push_back([box, &field] {
    const QSignalBlocker block(box);
    box->setChecked(field);
  });
}

void Binders::Choice(QComboBox* list, SettingId id, int emptyEntry) {
  std::string& field = TextField(id);
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

void Binders::Radio(QButtonGroup* group, QWidget* parent, SettingId id, std::initializer_list<RadioChoice> choices) {
  std::vector<std::string> values;
  for (const RadioChoice& c : choices) {
    auto* radio = Named(new QRadioButton(QString::fromUtf8(c.text), parent), c.objectId);
    group->addButton(radio, int(values.size()));
    values.emplace_back(c.value);
  }
  Settings& record = record_;
  const settings::SettingKey& key = settings::Key(id);
  QObject::connect(group, &QButtonGroup::idClicked, group, [&record, &key, values](int index) {
    settings::SetFieldText(record, key, values[std::size_t(index)]);
  });
  shows_.push_back([group, &record, &key, values] {
    const QSignalBlocker block(group);
    int shown = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
      if (settings::FieldText(record, key) == values[i]) shown = int(i);
    group->button(shown)->setChecked(true);
  });
}

std::string FolderToOpen(const std::string& base, const std::string& value) {
  return value.empty() ? base : ExpandPath(base, value);
}

void Binders::Folder(QPushButton* browse, QLineEdit* edit, SettingId id, const char* title) {
  Text(edit, id);
  std::string& field = TextField(id);
  QObject::connect(browse, &QPushButton::clicked, browse, [owner = owner_, edit, title, &field, base = base_] {
    if (auto chosen = AskFolder(owner, FolderToOpen(base, field), title))
      SetText(edit, field, platform::MakeRelativePath(base, *chosen));
  });
}

void Binders::File(QPushButton* browse, QLineEdit* edit, SettingId id, const char* filter, const char* title) {
  Text(edit, id);
  std::string& field = TextField(id);
  QObject::connect(browse, &QPushButton::clicked, browse, [owner = owner_, edit, filter, title, &field, base = base_] {
    std::string path = field.empty() ? base + "/" : ExpandPath(base, field);
    if (AskOpenFile(owner, base, path, filter, title))
      SetText(edit, field, platform::MakeRelativePath(base, path));
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
