// "Config Générale": config/Orvanel.ini.
#pragma once

#include <cstddef>
#include <string>

#include "configurator/pagemodel/edited_settings.h"
#include "configurator/widgets/binders.h"
#include "configurator/widgets/page.h"

class QComboBox;
class QGridLayout;

namespace cfg {

class KeyCaptureDialog;
class KeyTableModel;

class GeneralPage : public Page {
  Q_OBJECT

 public:
  // Loads the installation's Orvanel.ini into `settings` (owned by the window).
  GeneralPage(const std::string& base, EditedSettings& settings, QWidget* parent = nullptr);

  bool IsModified() const override { return settings_.IsModified(); }
  bool Save() override { return settings_.Save(path_); }
  void SaveAs() override;
  bool AsksWhenLeft() const override { return true; }

  const std::string& path() const { return path_; }
  // "Config. touches": every key in turn.
  void OpenKeyCapture();
  // "Changer la touche": the key of kKeyPrompts[action] alone.
  void CaptureKey(std::size_t action);
  KeyTableModel* keyTable() const { return keyTable_; }
  // A configuration made meanwhile joins the main menu's list.
  void AddConfiguration(const std::string& name);

 private:
  void CreateWindowRows(QGridLayout* grid);
  void CreateExitRow(QGridLayout* grid);
  void CreateMenuRows(QGridLayout* grid);
  // The kiosk lock: the panel keys that must follow QuitKey to leave the menu.
  void CreateLockRow(QGridLayout* grid);
  void CreateGameExitRows(QGridLayout* grid);
  void CreateLanguageRow(QGridLayout* grid);
  void CreatePictureMemoryRow(QGridLayout* grid);
  // Every action with its current key, each one capturable alone.
  void CreateKeyTable(QGridLayout* grid);
  void CreateRenderHeightRow(QGridLayout* grid);
  void ShowCapture(KeyCaptureDialog* dialog);

  std::string base_;
  std::string path_;
  EditedSettings& settings_;
  Binders binders_;
  KeyTableModel* keyTable_ = nullptr;
  QComboBox* emuBase_ = nullptr;
};

}  // namespace cfg
