#include "platform/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

std::unique_ptr<FileStream> FileStream::Open(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<FileStream>(new FileStream(fd));
}

FileStream::~FileStream() { ::close(fd_); }

std::size_t FileStream::ReadInto(std::string& out, std::size_t count) {
  const std::size_t start = out.size();
  out.resize(start + count);
  ssize_t n;
  do n = ::read(fd_, out.data() + start, count);
  while (n < 0 && errno == EINTR);
  const std::size_t got = n > 0 ? static_cast<std::size_t>(n) : 0;
  out.resize(start + got);
  return got;
}

}  // namespace platform
