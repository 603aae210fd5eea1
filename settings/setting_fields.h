// A Settings field as file text, through the key table: what both programs' readers and
// writers, the configurator's controls and its modified test use, so a key's type and
// text size are known in one place.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/setting_keys.h"
#include "settings/settings.h"

namespace settings {

// A flag's file text: true only for exactly "YES" or "OUI" (letter case counts), the
// one rule of every settings and layout file.
bool IsFlagText(std::string_view text);

// The field's value as file text: "YES"/"NO", decimal, the character, the text. A key
// without a field gives its default.
std::string FieldText(const Settings& s, const SettingKey& key);
// Puts file text into the field by the key's rules (a Path stays as written).
void SetFieldText(Settings& s, const SettingKey& key, std::string_view text);

// Whether the fields of the given keys hold the same settings: names and paths without
// regard to letter case, everything else exactly.
bool SameSettings(const Settings& a, const Settings& b, std::span<const SettingId> ids);

// Whether the key's field is filled by another key as well (a custom folder is written
// under CustomNDir, which the frontend reads, and RepCustomN).
bool SharesField(SettingId id);

// A rotation in quarter turns 0-3; any other value is no rotation.
int QuarterTurns(int rotation);

}  // namespace settings
