#include "render/media_files.h"

#include "platform/files.h"
#include "platform/paths.h"

namespace render {

int FindImageFile(std::string& path, std::string_view extensions) {
  std::size_t start = 0;
  while (start <= extensions.size()) {
    std::size_t end = extensions.find(';', start);
    if (end == std::string_view::npos) end = extensions.size();
    const std::string_view ext = extensions.substr(start, end - start);
    std::string candidate = path;
    if (!ext.empty()) candidate += "." + std::string(ext);
    const std::string file = platform::ResolvePath(candidate);
    if (platform::FileExists(file)) {
      path = file;
      return 1;
    }
    start = end + 1;
  }
  return 0;
}

std::string FindGameMedia(const std::string& dir, const ShownGame& game, std::string_view extensions) {
  if (dir.empty()) return {};
  for (std::string_view name : {game.romName, game.romOf}) {
    if (name.empty()) continue;
    std::string path = platform::JoinPath(dir, name);
    if (FindImageFile(path, extensions)) return path;
  }
  return {};
}

}  // namespace render
