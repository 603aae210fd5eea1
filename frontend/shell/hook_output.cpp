#include "frontend/shell/hook_output.h"

#include <algorithm>

namespace shell {

void KeepHookOutput(std::string& kept, std::string_view more) {
  if (kept.size() >= kHookOutputKept) return;
  kept.append(more.substr(0, kHookOutputKept - kept.size()));
}

std::vector<std::string> HookOutputRecords(std::string_view event, std::string_view name, std::string_view kept) {
  std::vector<std::string> records;
  const std::string prefix = "Hook " + std::string(event) + " : " + std::string(name) + " : ";
  while (!kept.empty()) {
    const std::size_t end = std::min(kept.find('\n'), kept.size());
    std::string line(kept.substr(0, end));
    kept.remove_prefix(std::min(end + 1, kept.size()));
    std::erase(line, '\0');
    std::erase(line, '\r');
    if (line.find_first_not_of(" \t") != std::string::npos) records.push_back(prefix + line);
  }
  return records;
}

}  // namespace shell
