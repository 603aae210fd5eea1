// Which files run for an event: the executables of hooks/<event>/ of the installation,
// then those of config/<name>/hooks/<event>/ of the configuration, each folder in name order.
#pragma once

#include "platform/files.h"

#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The folders of an event's hooks, relative to the installation, in the order they run;
// only the installation's when no configuration is loaded.
std::vector<std::string> HookFolders(std::string_view configuration, std::string_view event);

// The names of one folder's hooks in the order they run: by their bytes ("10-x" before
// "20-x", "B" before "a"), folders and hidden files (editor leftovers) left out.
std::vector<std::string> HookNamesInOrder(std::vector<platform::DirEntry> entries);

}  // namespace shell
