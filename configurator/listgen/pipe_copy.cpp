#include "configurator/listgen/pipe_copy.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "configurator/listgen/generator_hooks.h"
#include "configurator/listgen/generator_messages.h"
#include "configurator/listgen/listing_watch.h"
#include "platform/file_writer.h"
#include "platform/output_pipe.h"

namespace cfg {
namespace {

constexpr std::size_t kReadBytes = 1 << 20;
// How often the status is refreshed while the emulator prints (or is silent).
constexpr std::uint32_t kStatusEveryMs = 250;

}  // namespace

CopyResult CopyPipeToFile(platform::OutputPipe& pipe, const std::string& fileName, std::uint32_t silenceLimitMs,
                          const GeneratorHooks& hooks, ListingWatch* watch) {
  using Clock = std::chrono::steady_clock;
  std::unique_ptr<platform::FileWriter> file = platform::FileWriter::Create(fileName);
  if (!file) {
    hooks.Message(fileName, CannotCreateFile());
    return CopyResult::kFileFailed;
  }
  std::vector<char> buffer(kReadBytes);
  std::uint64_t total = 0;
  bool silentTooLong = false;
  Clock::time_point lastOutput = Clock::now();
  StatusThrottle throttle(kStatusEveryMs);
  for (;;) {
    const auto silentMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - lastOutput).count();
    if (silentMs >= silenceLimitMs) {
      silentTooLong = true;
      break;
    }
    const auto wait = std::min<long long>(silenceLimitMs - silentMs, kStatusEveryMs);
    const platform::OutputPipe::ReadResult r = pipe.Read(buffer, static_cast<std::uint32_t>(wait));
    if (throttle.Due()) hooks.Status(watch ? MachinesReadStatus(watch->machines()) : std::string(CreatingList()));
    if (hooks.Stopped()) {
      file->Close();
      return CopyResult::kStopped;
    }
    if (r.status == platform::OutputPipe::Status::kTimedOut) continue;
    if (r.status == platform::OutputPipe::Status::kEnd) break;
    if (r.status == platform::OutputPipe::Status::kFailed) {
      hooks.Message(PipeFailed(), GeneratorCaption());
      break;
    }
    lastOutput = Clock::now();
    total += r.bytes;
    if (watch) {
      watch->Feed(std::string_view(buffer.data(), r.bytes));
      hooks.MachinesRead(watch->machines());
    }
    if (!file->Write(std::string_view(buffer.data(), r.bytes))) {
      hooks.Message(WriteFailed(), GeneratorCaption());
      return CopyResult::kFileFailed;
    }
  }
  if (!file->Close()) {
    hooks.Message(WriteFailed(), GeneratorCaption());
    return CopyResult::kFileFailed;
  }
  if (total == 0) return CopyResult::kNothingReceived;
  return silentTooLong ? CopyResult::kTimeLimit : CopyResult::kCopied;
}

}  // namespace cfg
