// "Filtre": builds a configuration's Liste.ini from its game list and, when chosen,
// catver.ini and nplayers.ini. The choices are offered from what the list's games hold,
// with their counts; the number of games that pass follows every change.
#pragma once

#include <QDialog>

#include <string>

#include "configurator/listgen/filter_inputs.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace cfg {

class FilterDialog : public QDialog {
  Q_OBJECT

 public:
  // `listFile`: the game list as the page names it, made absolute; `output`: the
  // configuration's Liste.ini. catver.ini and nplayers.ini are proposed when found beside
  // the list, in the installation or in its config folder.
  FilterDialog(QWidget* owner, const std::string& base, std::string listFile, std::string output);

  // Reads the list and the category files again and offers their choices.
  void Reload();
  // The filter the controls describe.
  catalogue::GameFilter Filter() const;
  // How many of the list's games pass.
  int Passing() const;
  // "Enregistrer": writes Liste.ini. False when nothing passes or it cannot be written (said
  // in a message box; the old file stays).
  bool Save();

 private:
  QLineEdit* FileRow(QGridLayout* grid, int row, const char* label, const char* name);
  // The choices beside the categories, and the count with the buttons below.
  void AddChoices(QGridLayout* grid);
  void AddButtons(QGridLayout* grid);
  void ShowChoices();
  void Count();

  std::string base_;
  std::string listFile_;
  std::string output_;
  FilterInputs inputs_;
  QLineEdit* catver_;
  QLineEdit* nplayers_;
  QTreeWidget* categories_;
  QCheckBox* noMature_;
  QComboBox* players_;
  QComboBox* orientation_;
  QListWidget* controls_;
  QCheckBox* parentsOnly_;
  QSpinBox* yearFrom_;
  QSpinBox* yearTo_;
  QLabel* count_;
};

}  // namespace cfg
