// Writing a large scratch file block by block (a listing copied from a pipe), where
// holding it in memory for one atomic write is out of the question.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class FileWriter {
 public:
  // Creates or empties the file; nothing when it cannot be (*error: the errno value).
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
