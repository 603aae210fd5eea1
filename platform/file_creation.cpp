#include "platform/file_creation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <mutex>
#include <random>

namespace platform {
namespace {

// Enough draws that only a name taken on purpose, again and again, runs out of them.
constexpr int kMaxDraws = 100;

std::mutex gDrawLock;
std::vector<std::string> gSuffixesForTest;

std::string DrawSuffix() {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::lock_guard lock(gDrawLock);
  if (!gSuffixesForTest.empty()) {
    std::string next = std::move(gSuffixesForTest.front());
    gSuffixesForTest.erase(gSuffixesForTest.begin());
    return next;
  }
  static std::mt19937_64 draw(std::random_device{}() ^
                              static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                              static_cast<std::uint64_t>(::getpid()));
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string suffix(kTemporarySuffixLength, 'A');
  for (char& c : suffix) c = kLetters[pick(draw)];
  return suffix;
}

}  // namespace

int CreateNewFile(const std::string& path) {
  // O_EXCL refuses any existing name, a dangling link included; O_NOFOLLOW says so twice.
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

std::optional<TemporaryFile> CreateTemporaryBeside(const std::string& path) {
  for (int draw = 0; draw < kMaxDraws; ++draw) {
    std::string name = path + ".tmp" + DrawSuffix();
    const int fd = CreateNewFile(name);
    if (fd >= 0) return TemporaryFile{fd, std::move(name)};
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

void TakeOverOwnership(int fd, const std::string& replaced) {
  struct stat old {};
  struct stat made {};
  if (::stat(replaced.c_str(), &old) != 0 || ::fstat(fd, &made) != 0) return;
  mode_t mode = old.st_mode & 07777;
  const uid_t owner = ::geteuid() == 0 ? old.st_uid : static_cast<uid_t>(-1);
  const bool ownerDiffers = owner != static_cast<uid_t>(-1) && owner != made.st_uid;
  if (ownerDiffers || old.st_gid != made.st_gid) {
    const bool kept = ::fchown(fd, owner, old.st_gid) == 0 ||
                      (ownerDiffers && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0);
    if (!kept) mode &= ~static_cast<mode_t>(S_IRWXG | S_ISGID);
  }
  // After the change of owner, which clears the set-id bits.
  ::fchmod(fd, mode);
}

void SetTemporarySuffixesForTest(std::vector<std::string> suffixes) {
  std::lock_guard lock(gDrawLock);
  gSuffixesForTest = std::move(suffixes);
}

}  // namespace platform
