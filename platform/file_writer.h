// Writing a large scratch file block by block (a listing copied from a pipe), where
// holding it in memory for one atomic write is out of the question.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class FileWriter {
 public:
  // Creates the file afresh, 0666 less the umask: a leftover file or a link already at
  // the name is removed first, never emptied nor followed (a link planted there cannot
  // lead the write to another file). Nothing when it cannot be created, or when a device
  // or folder has the name (*error: the errno value).
  static std::unique_ptr<FileWriter> Create(const std::string& path, int* error = nullptr);
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  // False when not every byte could be written (a full disk).
  bool Write(std::string_view bytes);
  // False when the data could not be flushed to the file.
  bool Close();

 private:
  explicit FileWriter(int fd) : fd_(fd) {}
  int fd_;
};

// Removes a regular file (never a device or a directory). False when there was none.
bool RemoveRegularFile(const std::string& path);

}  // namespace platform
