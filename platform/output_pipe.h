// A pipe that carries a child's standard output to us, read in large blocks with a time
// limit, so a child that hangs without a word can never hang the reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace platform {

class OutputPipe {
 public:
  // Nothing when the system has no descriptor left (*error: the errno value). Both ends
  // are closed on exec; SpawnProcess hands the write end to the child as one of its streams.
  static std::optional<OutputPipe> Create(int* error = nullptr);
  OutputPipe(OutputPipe&& other) noexcept;
  OutputPipe& operator=(OutputPipe&& other) noexcept;
  OutputPipe(const OutputPipe&) = delete;
  OutputPipe& operator=(const OutputPipe&) = delete;
  ~OutputPipe();

  int writeEnd() const { return write_; }
  // Once the child holds its copy, ours must go, or the end of its output is never seen.
  void CloseWriteEnd();

  enum class Status {
    kData,      // `bytes` bytes were read
    kEnd,       // every writer has closed its end (the child ended)
    kTimedOut,  // nothing came within the time given
    kFailed,    // the read failed; `error` holds the errno value
  };
  struct ReadResult {
    Status status = Status::kFailed;
    std::size_t bytes = 0;
    int error = 0;
  };
  // Waits up to timeoutMs for data and reads what is there, up to the buffer's size.
  ReadResult Read(std::span<char> buffer, std::uint32_t timeoutMs);

 private:
  OutputPipe(int readEnd, int writeEnd) : read_(readEnd), write_(writeEnd) {}
  void CloseBoth();
  int read_ = -1;
  int write_ = -1;
};

}  // namespace platform
