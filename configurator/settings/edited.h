// A page's record with the snapshot it was last loaded or saved as: the page counts as
// modified while the two differ (each record's == says which fields count).
#pragma once

#include <string>

#include "platform/message_box.h"

namespace cfg {

template <class Record>
struct Edited {
  Record value;
  Record snapshot;

  bool IsModified() const { return !(value == snapshot); }
  void TakeSnapshot() { snapshot = value; }
  void Load(const Record& r) {
    value = r;
    snapshot = r;
  }
};

// Saves the record with `save` and takes the snapshot. A file that cannot be written says
// so (its path, under "Impossible de créer ce fichier !") and the page stays modified.
template <class Record>
bool SaveEdited(Edited<Record>& edited, const std::string& path,
                bool (*save)(const std::string&, const Record&)) {
  if (!save(path, edited.value)) {
    platform::ShowMessageBox(path, "Impossible de créer ce fichier !");
    return false;
  }
  edited.TakeSnapshot();
  return true;
}

}  // namespace cfg
