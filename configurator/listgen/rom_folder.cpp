#include "configurator/listgen/rom_folder.h"

#include "platform/files.h"
#include "platform/text.h"

namespace cfg {

RomFolder RomFolder::List(const std::string& directory) {
  RomFolder folder;
  if (directory.empty()) return folder;
  for (const platform::DirEntry& e : platform::ListDirectory(directory)) {
    std::string name = platform::ToLowerCopy(e.name);
    if (e.isDirectory) folder.folders_.insert(std::move(name));
    else if (name.ends_with(".zip") || name.ends_with(".7z")) folder.archives_.insert(std::move(name));
  }
  return folder;
}

bool RomFolder::HasGame(std::string_view name) const {
  if (name.empty()) return false;
  const std::string lower = platform::ToLowerCopy(name);
  return archives_.contains(lower + ".zip") || archives_.contains(lower + ".7z") || folders_.contains(lower);
}

}  // namespace cfg
