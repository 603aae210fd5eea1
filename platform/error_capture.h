// The last words a child wrote to its standard error: an emulator that cannot start says why
// there, and the menu shows the player that line. Everything read is also passed on to our
// own standard error, so the owner's terminal or journal still sees it all.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class ErrorCapture {
 public:
  static constexpr std::size_t kKeptBytes = 4096;

  // Nothing when the system has no pipe to give; the child then keeps our standard error.
  static std::unique_ptr<ErrorCapture> Start();
  ~ErrorCapture();
  ErrorCapture(const ErrorCapture&) = delete;
  ErrorCapture& operator=(const ErrorCapture&) = delete;

  // The descriptor to hand the child as its standard error (ChildStreams::error).
  int writeEnd() const;
  // Once the child holds its copy (or could not start), ours must go, or the end of its
  // output is never seen.
  void ChildStarted();
  // Stops reading and gives the last kKeptBytes bytes. A grandchild that keeps the stream
  // open cannot hold the menu: reading stops drainMs after this call at the latest.
  std::string Finish(std::uint32_t drainMs = 200);

  struct Impl;

 private:
  explicit ErrorCapture(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// The last non-blank line of a text (CR LF or LF), without its line end; empty when none.
std::string LastLine(const std::string& text);

}  // namespace platform
