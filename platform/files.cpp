#include "platform/files.h"

#include "platform/debug_log.h"
#include "platform/file_creation.h"

#include <dirent.h>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace platform {
namespace {

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::atomic<WriteFault> gInjectedFault{WriteFault::kNone};
std::mutex gFaultMutex;
int gGoodWritesLeft = 0;
int gFaultyWritesLeft = -1;

bool Injected(WriteFault active, WriteFault fault, int error) {
  if (active != fault) return false;
  errno = error;
  return true;
}

// The content, or with an injected full disk only its first half.
bool WriteContent(int fd, std::string_view content, WriteFault active) {
  if (active != WriteFault::kWriteNoSpace) return WriteAll(fd, content);
  WriteAll(fd, content.substr(0, content.size() / 2));
  return !Injected(active, WriteFault::kWriteNoSpace, ENOSPC);
}

std::string DirectoryOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A write killed by a power cut leaves its temporary beside the intact file. Those of this
// file that are old enough cannot belong to a write still going on, so the next good write
// of the same file takes them away; temporaries cannot pile up over years of power cuts.
constexpr time_t kStaleTemporarySeconds = 300;

void RemoveStaleTemporaries(const std::string& dir, const std::string& path) {
  const std::string prefix = BaseNameOf(path) + ".tmp";
  const std::size_t suffixLength = kTemporarySuffixLength;
  const time_t now = ::time(nullptr);
  DIR* d = ::opendir(dir.c_str());
  if (!d) return;
  while (dirent* e = ::readdir(d)) {
    const std::string_view name = e->d_name;
    if (name.size() != prefix.size() + suffixLength || name.substr(0, prefix.size()) != prefix) continue;
    const std::string stale = dir + "/" + std::string(name);
    struct stat st {};
    if (::lstat(stale.c_str(), &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime > kStaleTemporarySeconds)
      ::unlink(stale.c_str());
  }
  ::closedir(d);
}

// Data files are often links into a writable partition (a read-only root is common on
// cabinets): a rename over the link would replace it with a plain file, so the write
// goes to the file the link leads to, with its temporary beside that file. A link whose
// target does not exist yet leads to a new file in the target's directory.
constexpr int kMaxLinkHops = 40;

std::optional<std::string> LinkTargetOf(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0) {
      if (errno != ENOENT) return std::nullopt;
      std::vector<char> dir(PATH_MAX + 1);
      if (!::realpath(DirectoryOf(current).c_str(), dir.data())) return std::nullopt;
      return std::string(dir.data()) + "/" + BaseNameOf(current);
    }
    if (!S_ISLNK(st.st_mode)) return current;
    std::vector<char> target(PATH_MAX + 1);
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size() - 1);
    if (n <= 0) return std::nullopt;
    std::string next(target.data(), static_cast<std::size_t>(n));
    current = next.front() == '/' ? next : DirectoryOf(current) + "/" + next;
  }
  return std::nullopt;  // a loop of links
}

std::string WriteTargetOf(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  if (auto target = LinkTargetOf(path)) return *target;
  WriteLog("Lien non resolu, ecrit a sa place : " + path, 1, 1);
  return path;
}

}  // namespace

namespace {

// Reads from `fd` straight into `out` until the end of the file or maxBytes, growing it
// by doubling once the size it was given is full. False on a read error.
bool ReadInto(int fd, std::string& out, std::size_t maxBytes) {
  std::size_t got = 0;
  while (got < maxBytes) {
    if (got == out.size()) out.resize(std::min(maxBytes, std::max<std::size_t>(got * 2, 65536)));
    const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  return true;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  std::string out;
  if (!ReadWholeFileInto(path, out, maxBytes)) return std::nullopt;
  return out;
}

bool ReadWholeFileInto(const std::string& path, std::string& content, std::size_t maxBytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    if (fd >= 0) ::close(fd);
    content.clear();
    return false;
  }
  // One byte more than the file holds, so its end is seen without growing the string;
  // a size within the one the string had before costs no filling.
  const std::size_t size = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 0;
  content.resize(std::min(size, maxBytes));
  const bool read = ReadInto(fd, content, maxBytes);
  ::close(fd);
  if (!read) content.clear();
  return read;
}

bool WriteFileAtomically(const std::string& requested, std::string_view content) {
  const std::string path = WriteTargetOf(requested);
  const std::string dir = DirectoryOf(path);
  const WriteFault active = TakeWriteFault();
  if (Injected(active, WriteFault::kOpen, EACCES)) return false;
  // A fresh name made with O_EXCL: a link planted at a temporary name is never followed.
  const std::optional<TemporaryFile> temporary = CreateTemporaryBeside(path);
  if (!temporary) return false;
  const int fd = temporary->fd;
  const std::string& tmp = temporary->path;
  TakeOverOwnership(fd, path);
  bool ok = WriteContent(fd, content, active) && !Injected(active, WriteFault::kFsyncIo, EIO) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && !Injected(active, WriteFault::kRename, EXDEV);
  if (!ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
    ::unlink(tmp.c_str());
    return false;
  }
  int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  RemoveStaleTemporaries(dir, path);
  return true;
}

void InjectWriteFault(WriteFault fault, int goodWritesFirst, int faultyWrites) {
  const std::lock_guard lock(gFaultMutex);
  gGoodWritesLeft = goodWritesFirst;
  gFaultyWritesLeft = faultyWrites;
  gInjectedFault.store(fault);
}

WriteFault TakeWriteFault() {
  const std::lock_guard lock(gFaultMutex);
  const WriteFault fault = gInjectedFault.load();
  if (fault == WriteFault::kNone) return fault;
  if (gGoodWritesLeft > 0) {
    --gGoodWritesLeft;
    return WriteFault::kNone;
  }
  if (gFaultyWritesLeft == 0) return WriteFault::kNone;
  if (gFaultyWritesLeft > 0) --gFaultyWritesLeft;
  return fault;
}

WriteFault InjectedWriteFault() { return gInjectedFault.load(); }

bool AppendToFile(const std::string& path, std::string_view content) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, content);
  ::close(fd);
  return ok;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsExecutableFile(const std::string& path) {
  return FileExists(path) && ::access(path.c_str(), X_OK) == 0;
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::int64_t FileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

std::optional<FileId> FileIdOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

std::optional<FileStamp> FileStampOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return FileStamp{static_cast<std::int64_t>(st.st_size),
                   static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::vector<DirEntry> ListDirectory(const std::string& path) {
  std::vector<DirEntry> out;
  DIR* d = ::opendir(path.empty() ? "." : path.c_str());
  if (!d) return out;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    bool isDir = false;
    if (e->d_type == DT_DIR) {
      isDir = true;
    } else if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
      isDir = DirectoryExists(path + "/" + name);
    }
    out.push_back({std::move(name), isDir});
  }
  ::closedir(d);
  return out;
}

}  // namespace platform
