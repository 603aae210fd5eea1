// Reading a file block by block, for large files that are scanned once (the history
// database) and need not be held in memory whole.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace platform {

class FileStream {
 public:
  // Nothing when the file cannot be opened for reading (or is a directory).
  static std::unique_ptr<FileStream> Open(const std::string& path);
  ~FileStream();
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  // Appends up to `count` bytes to `out`; returns how many (0 at the end or on an error).
  std::size_t ReadInto(std::string& out, std::size_t count);

 private:
  explicit FileStream(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace platform
