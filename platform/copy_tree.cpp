#include "platform/copy_tree.h"

#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace platform {
namespace fs = std::filesystem;

namespace {

// Read-only shipped files would make the copy impossible to edit with the configurator.
void MakeOwnerWritable(const fs::path& p) {
  std::error_code ec;
  fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
}

}  // namespace

bool CopyDirectoryTree(const std::string& from, const std::string& to, const std::string& lastFile) {
  std::error_code ec;
  const fs::path source(from);
  const fs::path target(to);
  if (!fs::is_directory(source, ec)) return false;
  fs::create_directories(target, ec);
  if (ec) return false;
  const fs::path last = fs::path(lastFile).lexically_normal();
  bool ok = true;
  for (auto it = fs::recursive_directory_iterator(source, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    const fs::path relative = it->path().lexically_relative(source);
    const fs::path dest = target / relative;
    std::error_code step;
    if (it->is_directory(step)) {
      fs::create_directories(dest, step);
      if (!step) fs::permissions(dest, fs::perms::owner_all, fs::perm_options::add, step);
    } else if (relative != last) {
      fs::copy_file(it->path(), dest, fs::copy_options::overwrite_existing, step);
      if (!step) MakeOwnerWritable(dest);
    }
    if (step) ok = false;
  }
  if (ec) return false;
  if (!lastFile.empty()) {
    const auto content = ReadWholeFile((source / last).string());
    if (!content || !WriteFileAtomically((target / last).string(), *content)) return false;
  }
  return ok;
}

bool MakeDirectories(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return fs::is_directory(path, ec);
}

}  // namespace platform
