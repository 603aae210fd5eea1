#include "configurator/widgets/name_list.h"

#include <QComboBox>

#include "configurator/widgets/setting_text.h"

namespace cfg {

int InsertName(QComboBox* list, const std::string& name, int fixedEntries) {
  int at = fixedEntries;
  while (at < list->count() && ToSettingText(list->itemText(at)) < name) ++at;
  list->insertItem(at, FromSettingText(name));
  return at;
}

}  // namespace cfg
