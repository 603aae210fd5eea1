#include "configurator/layouteditor/editor_text_lines.h"

namespace cfg {

std::vector<std::string> SplitEditorLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;  // a line has begun (so a final line without LF still counts)
  for (char c : text) {
    if (c == '\r') {
      open = true;
      continue;
    }
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      open = false;
      continue;
    }
    line.push_back(c);
    open = true;
    if (line.size() == kEditorLineLength) {
      lines.push_back(std::move(line));
      line.clear();
      open = false;
    }
  }
  if (open) lines.push_back(std::move(line));
  return lines;
}

}  // namespace cfg
