#include "platform/durable_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/copy_tree.h"
#include "platform/files.h"

namespace platform {
namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

void SyncDirectory(const std::string& dir) {
  const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd < 0) return;
  ::fsync(dfd);
  ::close(dfd);
}

// One write(2) call: a regular file's write is not split by a signal, so a record is
// either all there or (cut by the power itself) a prefix of it.
AppendResult WriteOnce(int fd, std::string_view bytes) {
  for (;;) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n >= 0 && std::size_t(n) == bytes.size()) return AppendResult::kWritten;
    if (n < 0 && errno == EINTR) continue;
    if (n >= 0 || errno == ENOSPC || errno == EDQUOT) return AppendResult::kNoSpace;
    return AppendResult::kFailed;
  }
}

bool EndsWithLineEnd(int fd, off_t size) {
  char last = '\n';
  return size == 0 || (::pread(fd, &last, 1, size - 1) == 1 && last == '\n');
}

}  // namespace

AppendResult AppendRecordDurably(const std::string& path, std::string_view record, std::string_view header) {
  const WriteFault fault = TakeWriteFault();
  if (fault == WriteFault::kWriteNoSpace) return AppendResult::kNoSpace;
  if (fault != WriteFault::kNone) return AppendResult::kFailed;
  const std::string dir = DirectoryOf(path);
  if (!MakeDirectories(dir)) return AppendResult::kFailed;
  // Read-write: the last byte is read back to see whether the file ends in a cut line.
  const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) return AppendResult::kFailed;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return AppendResult::kFailed;
  }
  std::string bytes;
  if (st.st_size == 0) bytes = header;
  else if (!EndsWithLineEnd(fd, st.st_size)) bytes = "\r\n";
  bytes += record;
  AppendResult result = WriteOnce(fd, bytes);
  if (result == AppendResult::kWritten && ::fsync(fd) != 0) result = AppendResult::kFailed;
  ::close(fd);
  if (st.st_size == 0) SyncDirectory(dir);
  return result;
}

bool RenameDurably(const std::string& from, const std::string& to) {
  if (TakeWriteFault() != WriteFault::kNone) return false;
  if (::rename(from.c_str(), to.c_str()) != 0) return false;
  SyncDirectory(DirectoryOf(to));
  return true;
}

bool RemoveEmptyDirectory(const std::string& path) { return ::rmdir(path.c_str()) == 0; }

}  // namespace platform
