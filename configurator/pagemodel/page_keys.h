// The keys each settings page edits, in the order a save writes them: adding a control
// to a page is one line here beside its row in the settings table.
#pragma once

#include <span>

#include "settings/setting_keys.h"

namespace cfg {

struct PageKeys {
  settings::SettingFile file;
  std::span<const settings::SettingId> ids;  // the page's controls; a key without one is never written
};

extern const PageKeys kGeneralPageKeys;  // "Config Générale": config/Orvanel.ini
extern const PageKeys kEmusPageKeys;     // "Config Emus": config/<name>/config.ini

}  // namespace cfg
