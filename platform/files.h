// File-system access for the rooms above platform/: whole-file reads, atomic
// replacement, appends and directory listings. Paths are Linux paths; callers that
// hold setting values pass them through ResolvePath (paths.h) first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The whole content of a file, or nothing when it cannot be opened or read.
// maxBytes guards against absurd files: a larger file is read up to that size.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t maxBytes = std::size_t(1) << 31);
// The same into `content`, whose memory is reused: for reading many files one after the
// other. False (and `content` empty) when the file cannot be opened or read.
bool ReadWholeFileInto(const std::string& path, std::string& content,
                       std::size_t maxBytes = std::size_t(1) << 31);

// Replaces a file so that a power cut leaves either the old or the new content:
// temporary file in the same directory, write, fsync, rename, fsync of the directory.
// Returns false (and leaves the old file whole) when any step fails. A good write also
// removes this file's temporaries left over five minutes ago by writes that were cut off.
// A symbolic link stays a link: the file it leads to is replaced, in that file's directory
// (a link that cannot be followed is replaced in place, and the log says so).
// The new content keeps the replaced file's permission bits and group (and owner, when we
// run as root); a new file gets 0666 less the umask.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// Test seam: from now on every atomic write fails at this step as the system would fail
// it (opening the temporary, a write that finds the disk full half-way, fsync reporting
// EIO, the rename). A full disk also fails every write of a FileWriter (file_writer.h).
// kNone writes normally again.
// goodWritesFirst: that many atomic writes (and durable renames, durable_files.h) succeed
// before the fault strikes, so a test can fail a sequence of writes at each step in turn;
// then faultyWrites fail (-1: every one after) and the disk is good again.
enum class WriteFault { kNone, kOpen, kWriteNoSpace, kFsyncIo, kRename };
void InjectWriteFault(WriteFault fault, int goodWritesFirst = 0, int faultyWrites = -1);
WriteFault InjectedWriteFault();
// The fault the write about to be made meets (kNone while good writes are left): each call
// spends one good write.
WriteFault TakeWriteFault();

// Appends bytes, creating the file when missing (0666 less the umask). Returns false when
// it cannot be opened.
bool AppendToFile(const std::string& path, std::string_view content);

bool FileExists(const std::string& path);       // a regular file (or link to one)
bool DirectoryExists(const std::string& path);  // a directory (or link to one)
std::int64_t FileSize(const std::string& path); // -1 when missing
bool IsExecutableFile(const std::string& path); // a regular file this user may run

// What tells two names of one file or directory apart from two files: links and bind
// mounts give one directory many paths.
struct FileId {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  auto operator<=>(const FileId&) const = default;
};
std::optional<FileId> FileIdOf(const std::string& path);  // links followed

// Size and modification time (nanoseconds) of a file or directory, links followed: what
// tells a cache that something changed.
struct FileStamp {
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> FileStampOf(const std::string& path);

struct DirEntry {
  std::string name;
  bool isDirectory = false;
};
// The entries of a directory without "." and "..", in the order the system gives them.
// Empty when the directory cannot be read.
std::vector<DirEntry> ListDirectory(const std::string& path);

}  // namespace platform
