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
#include "settings/emulator_program.h"
#include "settings/setting_fields.h"

namespace cfg {

using settings::SettingId;

std::string& Binders::TextField(SettingId id) const {
  return *std::get<std::string*>(settings::Key(id).field(*record_));
}

template <class Sender, class Signal>
void Binders::Bind(Sender* sender, Signal signal, std::function<void()> commit, std::function<void()> show) {
  if (mode_ == CommitMode::kOnEdit)
    QObject::connect(sender, signal, sender, [commit] { commit(); });
  else
    commits_.push_back(std::move(commit));
  shows_.push_back(std::move(show));
}

void Binders::Text(QLineEdit* edit, SettingId id) {
  const int maxLength = int(settings::Key(id).size) - 1;
  std::string& field = TextField(id);
  edit->setMaxLength(maxLength);
  Bind(
      edit, &QLineEdit::textEdited,
      [edit, &field, maxLength] { field = ToSettingText(edit->text(), std::size_t(maxLength)); },
      [edit, &field] { edit->setText(FromSettingText(field)); });
}

void Binders::Number(QLineEdit* edit, SettingId id) {
  int& field = *std::get<int*>(settings::Key(id).field(*record_));
  Bind(
      edit, &QLineEdit::textEdited,
      [edit, &field] { field = platform::ParseInt(ToSettingText(edit->text().left(19))); },
      [edit, &field] { edit->setText(QString::number(field)); });
}

void Binders::Check(QCheckBox* box, SettingId id) {
  bool& field = *std::get<bool*>(settings::Key(id).field(*record_));
  Bind(
      box, &QCheckBox::toggled, [box, &field] { field = box->isChecked(); },
      [box, &field] {
        const QSignalBlocker block(box);
        box->setChecked(field);
      });
}

void Binders::Choice(QComboBox* list, SettingId id, int emptyEntry) {
  std::string& field = TextField(id);
  // No selection (a value missing from the list) keeps the value.
  auto commit = [list, &field, emptyEntry] {
    const int index = list->currentIndex();
    if (index >= 0) field = index == emptyEntry ? std::string() : ToSettingText(list->itemText(index));
  };
  Bind(list, &QComboBox::activated, commit, [list, &field, emptyEntry] {
    int found = field.empty() ? emptyEntry : -1;
    for (int i = 0; i < list->count() && found < 0; ++i)
      if (i != emptyEntry && platform::EqualsNoCase(ToSettingText(list->itemText(i)), field)) found = i;
    list->setCurrentIndex(found);
  });
}

void Binders::Values(QComboBox* list, SettingId id, std::initializer_list<ListChoice> choices) {
  std::string& field = TextField(id);
  for (const ListChoice& c : choices) list->addItem(c.text, QString::fromUtf8(c.value));
  auto commit = [list, &field] {
    if (list->currentIndex() >= 0) field = list->currentData().toString().toStdString();
  };
  Bind(list, &QComboBox::activated, commit, [list, &field] {
    int found = -1;
    for (int i = 0; i < list->count() && found < 0; ++i)
      if (platform::EqualsNoCase(list->itemData(i).toString().toStdString(), field)) found = i;
    list->setCurrentIndex(found);
  });
}

void Binders::Radio(QButtonGroup* group, QWidget* parent, SettingId id, std::initializer_list<RadioChoice> choices) {
  std::vector<std::string> values;
  for (const RadioChoice& c : choices) {
    auto* radio = Named(new QRadioButton(c.text, parent), c.objectId);
    group->addButton(radio, int(values.size()));
    values.emplace_back(c.value);
  }
  Settings& record = *record_;
  const settings::SettingKey& key = settings::Key(id);
  auto commit = [group, &record, &key, values] {
    if (group->checkedId() >= 0) settings::SetFieldText(record, key, values[std::size_t(group->checkedId())]);
  };
  Bind(group, &QButtonGroup::idClicked, commit, [group, &record, &key, values] {
    const QSignalBlocker block(group);
    int shown = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
      if (settings::FieldText(record, key) == values[i]) shown = int(i);
    group->button(shown)->setChecked(true);
  });
}

void Binders::Number(QLineEdit* edit, std::function<int*()> field) {
  Bind(
      edit, &QLineEdit::textEdited,
      [edit, field] {
        if (int* f = field()) *f = platform::ParseInt(ToSettingText(edit->text().left(19)));
      },
      [edit, field] {
        if (int* f = field()) edit->setText(QString::number(*f));
        else edit->clear();
      });
}

void Binders::Check(QCheckBox* box, std::function<int*()> field) {
  Bind(
      box, &QCheckBox::toggled,
      [box, field] {
        if (int* f = field()) *f = box->isChecked() ? 1 : 0;
      },
      [box, field] {
        const QSignalBlocker block(box);
        if (int* f = field()) box->setChecked(*f != 0);
      });
}

void Binders::Custom(std::function<void()> commit, std::function<void()> show) {
  commits_.push_back(std::move(commit));
  shows_.push_back(std::move(show));
}

void Binders::Apply() const {
  for (const auto& commit : commits_) commit();
}

std::string FolderToOpen(const std::string& base, const std::string& value) {
  return value.empty() ? base : ExpandPath(base, value);
}

void Binders::Folder(QPushButton* browse, QLineEdit* edit, SettingId id, const QString& title) {
  Text(edit, id);
  std::string& field = TextField(id);
  QObject::connect(browse, &QPushButton::clicked, browse, [owner = owner_, edit, title, &field, base = base_] {
    if (auto chosen = AskFolder(owner, FolderToOpen(base, field), title))
      SetText(edit, field, platform::MakeRelativePath(base, *chosen));
  });
}

void Binders::File(QPushButton* browse, QLineEdit* edit, SettingId id, const QString& filter, const QString& title) {
  Text(edit, id);
  std::string& field = TextField(id);
  QObject::connect(browse, &QPushButton::clicked, browse, [owner = owner_, edit, id, filter, title, &field, base = base_] {
    std::string path = field.empty() ? base + "/" : ExpandPath(base, field);
    if (AskOpenFile(owner, base, path, filter, title))
      SetText(edit, field,
              id == SettingId::EmuExe ? settings::StoredEmulatorPath(base, path) : platform::MakeRelativePath(base, path));
  });
}

void Binders::ShowAll() const {
  for (const auto& show : shows_) show();
}

void SetText(QLineEdit* edit, std::string& field, const std::string& value) {
  field = value;
  // setText raises textChanged only (a missing path's mark follows it), never textEdited.
  edit->setText(FromSettingText(value));
}

}  // namespace cfg
