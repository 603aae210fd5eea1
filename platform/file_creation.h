// How platform/ makes the files it writes: never through a name that something else put
// there first. A link planted at a scratch or temporary name (in a folder others can
// write to) would otherwise have us empty and overwrite the file it leads to.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// A new file at exactly this name, open for writing, with the mode 0666 less the umask
// (and the folder's default ACL): what the owner expects of a file a program made.
// -1 with errno EEXIST when anything (a file, a link, a device) already has the name.
int CreateNewFile(const std::string& path);

// A new file named path + ".tmp" + six letters or digits, beside path: another name is
// drawn while the one drawn exists.
struct TemporaryFile {
  int fd = -1;
  std::string path;
};
std::optional<TemporaryFile> CreateTemporaryBeside(const std::string& path);
constexpr std::size_t kTemporarySuffixLength = 6;

// The file open at fd takes over what the file at `replaced` had: its permission bits,
// its group, and its owner when we run as root. A group that cannot be taken over (we
// are not in it) takes the group's bits with it, so the new file never opens itself to
// a group that had no access. Nothing when `replaced` does not exist.
void TakeOverOwnership(int fd, const std::string& replaced);

// Test seam: the next temporaries drawn take these suffixes, in order, before drawing
// at random again.
void SetTemporarySuffixesForTest(std::vector<std::string> suffixes);

}  // namespace platform
