// "Config Emus": one configuration's config/<name>/config.ini.
#pragma once

#include <string>

#include "configurator/pagemodel/edited_settings.h"
#include "configurator/widgets/binders.h"
#include "configurator/widgets/page.h"

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace cfg {

class EmusPage : public Page {
  Q_OBJECT

 public:
  // Lists the installation's configurations and templates; no configuration is loaded yet.
  EmusPage(const std::string& base, EditedSettings& settings, QWidget* parent = nullptr);

  bool IsModified() const override { return settings_.IsModified(); }
  bool Save() override;
  void SaveAs() override;
  bool AsksWhenLeft() const override { return false; }
  // Names the folders and the emulator that are not on disk.
  std::string SaveQuestion() const override;

  // Chooses a configuration as the list 1053 does (with the save question when the one
  // shown was modified). False when the owner cancelled, or the name is not listed.
  bool SelectConfiguration(const std::string& name);
  const std::string& path() const { return path_; }
  // A list the generator has just written becomes the page's, as if typed (saving it is the
  // owner's choice); a MAME listing also proposes MAME's arguments when the page has none.
  void TakeCreatedList(const std::string& listFile, bool mameListing);
  // "Nouvelle": makes config/<name>/ with the defaults, lists it everywhere and shows it. A
  // refused name (or a failed write) is said in a message box; false then.
  bool NewConfiguration(const std::string& name);

 signals:
  void ConfigurationCreated(const std::string& name);

 private:
  bool ChooseConfiguration(int index);
  // Asks for the name of a new configuration.
  void AskNewConfiguration();
  // "Filtre": the window that writes the configuration's Liste.ini from its list.
  void OpenFilter();
  bool SaveTo(const std::string& path);
  void CreateConfigurationRow(QGridLayout* grid);
  void CreateEmulatorRows(QGridLayout* grid);
  void CreateMediaRows(QGridLayout* grid);
  void CreateCustomRow(QGridLayout* grid);
  void CreateListBox(QGridLayout* grid);
  void CreateScreensaver(QGridLayout* grid);
  void CreateSwitches(QGridLayout* grid);
  void CreateVolumeAndRotation(QGridLayout* grid);
  // A row of a browse button (object id buttonId) and its folder field (fieldId).
  void FolderRow(QGridLayout* grid, int row, const QString& button, int buttonId, int fieldId, settings::SettingId id,
                 const QString& title);
  void ShowCustom();
  // Marks the field while its folder or program is not on disk.
  void MarkMissing(QLineEdit* edit, settings::SettingId id);

  std::string base_;
  std::string path_;
  EditedSettings& settings_;
  Binders binders_;
  QComboBox* configs_ = nullptr;
  QComboBox* menus_ = nullptr;
  QPushButton* filter_ = nullptr;
  QLineEdit* listFile_ = nullptr;
  QLineEdit* params_ = nullptr;
  QComboBox* customNumber_ = nullptr;
  QLineEdit* customField_ = nullptr;
  int configIndex_ = -1;
  int customShown_ = 0;
};

}  // namespace cfg
