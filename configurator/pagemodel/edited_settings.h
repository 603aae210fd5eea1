// A settings page's record with the snapshot it was last loaded or saved as: the page
// counts as modified while the two differ on the page's keys.
#pragma once

#include <string>

#include "configurator/pagemodel/page_keys.h"
#include "settings/settings.h"

namespace cfg {

class EditedSettings {
 public:
  explicit EditedSettings(const PageKeys& keys) : keys_(keys) {}

  Settings value;
  Settings snapshot;

  const PageKeys& keys() const { return keys_; }
  bool IsModified() const;
  void TakeSnapshot() { snapshot = value; }
  void Load(const Settings& s) {
    value = s;
    snapshot = s;
  }
  // Reads the page's file as written (the defaults when it cannot be opened).
  void LoadFile(const std::string& path);
  // Writes the page's keys into the file and takes the snapshot. A file that cannot be
  // written says so (its path, under "Impossible de créer ce fichier !") and the page
  // stays modified.
  bool Save(const std::string& path);
  // "Enregistrer sous": a copy of `current` (the page's file; none when empty) with the
  // page's values, replacing whatever `path` held.
  bool SaveCopy(const std::string& current, const std::string& path);

 private:
  bool Write(const std::string& path, std::span<const settings::SettingId> ids, const std::string* from);

  const PageKeys& keys_;
};

}  // namespace cfg
