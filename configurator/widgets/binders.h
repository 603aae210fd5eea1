// Binders that tie one widget to one field of a settings page's record, named by its key:
// the field, its type and its text size come from the key's row in the settings table. A
// user's edit goes straight into the field, or, in the commit-on-Apply mode, only when
// Apply() is called; ShowAll() puts every field back into its widget without raising the
// widgets' signals.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <QString>

#include "settings/setting_keys.h"
#include "settings/settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace cfg {

// One radio button: its text and the value it stands for, as file text.
struct RadioChoice {
  int objectId;
  QString text;
  const char* value;
};

// One entry of a list of fixed values: its text and the value it stands for, as file text.
struct ListChoice {
  QString text;
  const char* value;
};

enum class CommitMode { kOnEdit, kOnApply };

class Binders {
 public:
  // `owner` (the page) owns the dialogs of the browse buttons.
  Binders(Settings& record, std::string base, QWidget* owner, CommitMode mode = CommitMode::kOnEdit)
      : record_(&record), base_(std::move(base)), owner_(owner), mode_(mode) {}
  // Binders over a record of the page's own, through the field binders below only.
  explicit Binders(CommitMode mode) : record_(nullptr), owner_(nullptr), mode_(mode) {}

  // Text cut to the key's text size.
  void Text(QLineEdit* edit, settings::SettingId id);
  // A decimal number: what the first 19 characters give (no digit gives 0).
  void Number(QLineEdit* edit, settings::SettingId id);
  void Check(QCheckBox* box, settings::SettingId id);
  // A name chosen in a list; a value missing from the list shows no selection and stays
  // until another entry is picked. `emptyEntry`, when not negative, is the entry that
  // stands for an empty value.
  void Choice(QComboBox* list, settings::SettingId id, int emptyEntry = -1);
  // A list of fixed values, each shown by its text; a value none stands for (letter case
  // aside) shows no selection and stays until an entry is picked.
  void Values(QComboBox* list, settings::SettingId id, std::initializer_list<ListChoice> choices);
  // Radio buttons made in `parent` and put in `group` (ids in the group: their order); a
  // value none stands for shows the first and stays until one is clicked.
  void Radio(QButtonGroup* group, QWidget* parent, settings::SettingId id,
             std::initializer_list<RadioChoice> choices);
  // A folder field with its browse button: the chosen folder is stored relative to the
  // installation when below it.
  void Folder(QPushButton* browse, QLineEdit* edit, settings::SettingId id, const QString& title);
  // A file field with its browse button, stored the same way (a program as EmuExe is).
  void File(QPushButton* browse, QLineEdit* edit, settings::SettingId id, const QString& filter, const QString& title);
  // Anything else a page shows from its record.
  void Show(std::function<void()> show) { shows_.push_back(std::move(show)); }

  // A field the page finds anew at each show and commit (the selected object's): `field`
  // gives it, or nullptr when there is none now (the number shows empty, the box as it
  // was, and nothing is committed).
  void Number(QLineEdit* edit, std::function<int*()> field);
  void Check(QCheckBox* box, std::function<int*()> field);
  // Anything else a page commits on Apply and shows, in the order of the binders.
  void Custom(std::function<void()> commit, std::function<void()> show);

  void ShowAll() const;
  // Commit-on-Apply: every widget's value into its field.
  void Apply() const;

  std::string& TextField(settings::SettingId id) const;
  const std::string& base() const { return base_; }

 private:
  template <class Sender, class Signal>
  void Bind(Sender* sender, Signal signal, std::function<void()> commit, std::function<void()> show);

  Settings* record_;
  std::string base_;
  QWidget* owner_;
  CommitMode mode_;
  std::vector<std::function<void()>> shows_;
  std::vector<std::function<void()>> commits_;
};

// Puts a value chosen by a dialog into a field and its widget.
void SetText(QLineEdit* edit, std::string& field, const std::string& value);
// A stored folder as a path to open a dialog on: the installation when empty.
std::string FolderToOpen(const std::string& base, const std::string& value);

}  // namespace cfg
