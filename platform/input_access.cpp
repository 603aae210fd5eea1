#include "platform/input_access.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace platform {

InputNodes SurveyInputNodes(const std::string& directory) {
  InputNodes nodes;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("event", 0) != 0) continue;
    // Access rights as the kernel applies them, access lists included.
    if (::access(entry.path().c_str(), R_OK) == 0) ++nodes.readable;
    else nodes.unreadable.push_back(name);
  }
  std::sort(nodes.unreadable.begin(), nodes.unreadable.end());
  return nodes;
}

}  // namespace platform
