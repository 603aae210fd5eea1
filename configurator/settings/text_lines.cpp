#include "configurator/settings/text_lines.h"

#include "platform/text.h"

#include <algorithm>

namespace cfg {

int ReadTextLine(std::string_view text, std::size_t& position, std::string& line) {
  line.clear();
  if (position >= text.size()) return -1;
  while (position < text.size()) {
    const char c = text[position++];
    if (c == '\n') break;
    if (c == '\r') continue;
    line.push_back(c);
    if (line.size() == kTextLineLimit) break;
  }
  return static_cast<int>(line.size());
}

void WriteTextLine(std::string& out, std::string_view text, bool newline) {
  if (newline && !text.empty() && text.back() == '=') return;
  out.append(text);
  if (newline) out += "\r\n";
}

std::string ReadIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view def, std::size_t size) {
  const std::string header = "[" + std::string(section) + "]";
  bool inside = section.empty();
  std::size_t position = 0;
  std::string line;
  while (ReadTextLine(text, position, line) >= 0) {
    if (!line.empty() && line.front() == '[') {
      inside = platform::EqualsNoCase(line, header);
      continue;
    }
    if (!inside || key.empty() || line.size() <= key.size()) continue;
    if (!platform::EqualsNoCase(std::string_view(line).substr(0, key.size()), key)) continue;
    const char next = line[key.size()];
    if (next != '=' && next != ' ') continue;
    // "Key " with nothing after the blank: the value is empty, never read past the line.
    const std::size_t start = std::min(line.size(), key.size() + (next == '=' ? 1 : 2));
    std::string value = platform::CutToField(std::string_view(line).substr(start), size);
    return value.empty() ? std::string(def) : value;
  }
  return std::string(def);
}

bool ParseFlag(std::string_view text) { return text == "YES" || text == "OUI"; }

}  // namespace cfg
