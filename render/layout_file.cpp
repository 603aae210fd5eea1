#include "render/layout_file.h"

#include <span>

#include "platform/text_file.h"
#include "platform/text.h"
#include "settings/setting_fields.h"

namespace render {

namespace {
constexpr std::size_t kValueField = 100;  // the reader's buffer: values up to 99 bytes
}

LayoutKeyReader::LayoutKeyReader(std::string_view text, const std::vector<std::string>& keys) {
  TextFile file{std::string(text), 0};
  std::vector<std::string_view> names(keys.begin(), keys.end());
  std::vector<std::string> values(keys.size());
  ReadKeyValues("", names, "", kValueField, file, values);
  for (std::size_t i = 0; i < keys.size(); ++i) values_.emplace(platform::ToLowerCopy(keys[i]), std::move(values[i]));
}

std::string_view LayoutKeyReader::ValueOr(std::string_view key, std::string_view def) const {
  auto it = values_.find(platform::ToLowerCopy(key));
  return it != values_.end() && !it->second.empty() ? std::string_view(it->second) : def;
}

int LayoutKeyReader::Integer(std::string_view key, std::string_view def) const {
  return platform::ParseInt(ValueOr(key, def));
}

bool LayoutKeyReader::Boolean(std::string_view key) const {
  return settings::IsFlagText(ValueOr(key, "NO"));
}

}  // namespace render
