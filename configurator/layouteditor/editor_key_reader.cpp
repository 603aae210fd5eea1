#include "configurator/layouteditor/editor_key_reader.h"

#include "configurator/layouteditor/editor_text_lines.h"
#include "platform/text.h"
#include "settings/setting_fields.h"

namespace cfg {

EditorKeyReader::EditorKeyReader(std::string_view text) {
  bool inside = true;  // the lines before any header belong to the nameless section
  for (std::string& line : SplitEditorLines(text)) {
    if (!line.empty() && line[0] == '[') {
      inside = line == "[]";
      continue;
    }
    if (inside) lines_.push_back(std::move(line));
  }
}

std::string_view EditorKeyReader::Raw(std::string_view key) const { return Find(key).value_or(std::string_view()); }

std::optional<std::string_view> EditorKeyReader::Find(std::string_view key) const {
  if (key.empty()) return std::nullopt;
  for (const std::string& line : lines_) {
    if (line.size() <= key.size() || !platform::EqualsNoCase(std::string_view(line).substr(0, key.size()), key)) {
      continue;
    }
    const char after = line[key.size()];
    if (after != '=' && after != ' ') continue;
    // After "=" the value follows at once; after a blank it starts one character further.
    // A key and a single blank ends the line: the value is empty, not past its end.
    const std::size_t start = key.size() + (after == '=' ? 1 : 2);
    return start < line.size() ? std::string_view(line).substr(start) : std::string_view();
  }
  return std::nullopt;
}

std::string_view EditorKeyReader::Value(std::string_view key, std::string_view def) const {
  const std::string_view value = Raw(key);
  return value.empty() ? def : value;
}

int EditorKeyReader::Integer(std::string_view key, std::string_view def) const {
  return platform::ParseInt(Value(key, def));
}

bool EditorKeyReader::Flag(std::string_view key) const { return settings::IsFlagText(Raw(key)); }

std::string EditorKeyReader::Text(std::string_view key, std::string_view def, std::size_t field) const {
  return platform::CutToField(Value(key, def), field);
}

}  // namespace cfg
