// Small binders that tie one widget to one field of a page's record: a user's edit goes
// straight into the field; ShowAll() puts every field back into its widget without
// raising the widgets' signals.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace cfg {

class Binders {
 public:
  // Text cut to maxLength characters (the field's size minus its terminator).
  void Text(QLineEdit* edit, std::string& field, int maxLength);
  // A decimal number: what the first 19 characters give (no digit gives 0).
  void Number(QLineEdit* edit, int& field);
  void Check(QCheckBox* box, bool& field);
  // A name chosen in a list; a value missing from the list shows no selection and stays
  // until another entry is picked. `emptyEntry`, when not negative, is the entry that
  // stands for an empty value.
  void Choice(QComboBox* list, std::string& field, int emptyEntry = -1);
  // Anything else a page shows from its record.
  void Show(std::function<void()> show) { shows_.push_back(std::move(show)); }

  void ShowAll() const;

 private:
  std::vector<std::function<void()>> shows_;
};

// Puts a value chosen by a dialog into a field and its widget.
void SetText(QLineEdit* edit, std::string& field, const std::string& value);

}  // namespace cfg
