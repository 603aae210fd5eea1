#include "platform/file_writer.h"

#include "platform/file_creation.h"
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

// Whoever plants a name again between our removal and our creation wins only this often.
constexpr int kMaxAttempts = 5;

// A leftover scratch file or a link goes (the link only, never what it leads to); a
// device or a folder at the name is no leftover of ours and stays.
bool RemoveLeftover(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
  if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
    errno = EEXIST;
    return false;
  }
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

}  // namespace

std::unique_ptr<FileWriter> FileWriter::Create(const std::string& path, int* error) {
  int fd = -1;
  for (int attempt = 0; attempt < kMaxAttempts && fd < 0; ++attempt) {
    fd = CreateNewFile(path);
    if (fd < 0 && (errno != EEXIST || !RemoveLeftover(path))) break;
  }
  if (error) *error = fd < 0 ? errno : 0;
  if (fd < 0) return nullptr;
  return std::unique_ptr<FileWriter>(new FileWriter(fd));
}

FileWriter::~FileWriter() { Close(); }

bool FileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) return false;
  if (InjectedWriteFault() == WriteFault::kWriteNoSpace) {
    errno = ENOSPC;
    return false;
  }
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool FileWriter::Close() {
  if (fd_ < 0) return true;
  const bool ok = ::close(fd_) == 0;
  fd_ = -1;
  return ok;
}

bool RemoveRegularFile(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return ::unlink(path.c_str()) == 0;
}

}  // namespace platform
