// "Config Générale": config/Orvanel.ini.
#pragma once

#include <string>

#include "configurator/settings/edited.h"
#include "configurator/settings/main_settings.h"
#include "configurator/widgets/binders.h"
#include "configurator/widgets/page.h"

class QComboBox;

namespace cfg {

class GeneralPage : public Page {
  Q_OBJECT

 public:
  // Loads the installation's Orvanel.ini into `settings` (owned by the window).
  GeneralPage(const std::string& base, Edited<MainSettings>& settings, QWidget* parent = nullptr);

  bool IsModified() const override { return settings_.IsModified(); }
  bool Save() override { return SaveTo(path_); }
  void SaveAs() override;
  bool AsksWhenLeft() const override { return true; }

  const std::string& path() const { return path_; }
  // "Config. touches".
  void OpenKeyCapture();

 private:
  bool SaveTo(const std::string& path);

  std::string base_;
  std::string path_;
  Edited<MainSettings>& settings_;
  Binders binders_;
};

}  // namespace cfg
