// Copying an emulator's listing from its output pipe into the scratch file.
#pragma once

#include <cstdint>
#include <string>

namespace platform {
class OutputPipe;
}

namespace cfg {

struct GeneratorHooks;
class ListingWatch;

enum class CopyResult {
  kCopied = 0,          // the emulator printed its listing and closed its output
  kFileFailed = 1,      // the scratch file could not be created or written (said once)
  kTimeLimit = 2,       // the emulator went silent for longer than the limit
  kNothingReceived = 3, // not one byte came
  kStopped = 4,         // the owner stopped the generation
};

// Copies until the emulator closes its output. The limit counts from the last output
// received, so a slow machine still printing its listing is never cut off, and one that
// hangs without a word is given up on after silenceLimitMs even while no read returns.
// A failed read other than the end says "Erreur PIPE" and keeps what was copied. A stop
// asked through the hooks is seen within a status interval. With a watch, the status says
// how many machines the listing has described so far.
CopyResult CopyPipeToFile(platform::OutputPipe& pipe, const std::string& fileName, std::uint32_t silenceLimitMs,
                          const GeneratorHooks& hooks, ListingWatch* watch = nullptr);

}  // namespace cfg
