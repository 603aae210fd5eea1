#include "settings/setting_fields.h"

#include "platform/text.h"

namespace settings {
namespace {

// The table's accessors take a mutable record; reading through them changes nothing.
SettingField FieldOf(const Settings& s, const SettingKey& key) { return key.field(const_cast<Settings&>(s)); }

}  // namespace

bool IsFlagText(std::string_view text) { return text == "YES" || text == "OUI"; }

std::string FieldText(const Settings& s, const SettingKey& key) {
  if (!key.field) return std::string(key.def);
  const SettingField f = FieldOf(s, key);
  if (auto p = std::get_if<std::string*>(&f)) return **p;
  if (auto p = std::get_if<int*>(&f)) return std::to_string(**p);
  if (auto p = std::get_if<bool*>(&f)) return **p ? "YES" : "NO";
  const char c = *std::get<char*>(f);
  return c ? std::string(1, c) : std::string();
}

void SetFieldText(Settings& s, const SettingKey& key, std::string_view text) {
  if (!key.field) return;
  const SettingField f = key.field(s);
  switch (key.type) {
    case SettingType::Text:
    case SettingType::Path:
      *std::get<std::string*>(f) = std::string(text);
      break;
    case SettingType::Int:
    case SettingType::Key:
      *std::get<int*>(f) = platform::ParseInt(text);
      break;
    case SettingType::Flag:
      *std::get<bool*>(f) = IsFlagText(text);
      break;
    case SettingType::Char:
      *std::get<char*>(f) = text.empty() ? '\0' : text[0];
      break;
  }
}

bool SameSettings(const Settings& a, const Settings& b, std::span<const SettingId> ids) {
  for (SettingId id : ids) {
    const SettingKey& key = Key(id);
    const bool text = key.type == SettingType::Text || key.type == SettingType::Path;
    const std::string x = FieldText(a, key);
    const std::string y = FieldText(b, key);
    if (text ? !platform::EqualsNoCase(x, y) : x != y) return false;
  }
  return true;
}

bool SharesField(SettingId id) {
  const SettingKey& key = Key(id);
  if (!key.field) return false;
  Settings probe;
  for (const SettingKey& other : SettingKeys())
    if (other.id != id && other.field && other.field(probe) == key.field(probe)) return true;
  return false;
}

int QuarterTurns(int rotation) { return rotation >= 0 && rotation <= 3 ? rotation : 0; }

}  // namespace settings
