// A page's record with the snapshot it was last loaded or saved as: the page counts as
// modified while the two differ (each record's == says which fields count).
#pragma once

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

}  // namespace cfg
