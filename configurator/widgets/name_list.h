// The lists of configuration names (the Emus page's configurations and menus, the General
// page's main menu): a name made while the window is open joins them at once.
#pragma once

#include <string>

class QComboBox;

namespace cfg {

// Inserts `name` in the sorted order the lists are filled in, after the first `fixedEntries`
// (an entry such as "=== PAS DE MENU ==="). The selection stays on its entry. Returns the
// new entry's index.
int InsertName(QComboBox* list, const std::string& name, int fixedEntries = 0);

}  // namespace cfg
