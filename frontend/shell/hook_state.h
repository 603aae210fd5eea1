// The event hooks' record (Shell::hooks): the events whose hooks still run, the files already
// reported as not executable, and the selection the game-selected hooks wait on.
#pragma once

#include "platform/output_pipe.h"
#include "platform/process.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace shell {

// A hook started and not yet reaped.
struct RunningHook {
  std::string name;  // its path in the installation, for the log
  std::uint32_t startTick = 0;
  platform::ProcessHandle process;
  std::optional<platform::OutputPipe> output;  // its standard output and error
  std::string kept;                            // the first KiB of what it wrote
};

// One event's hooks, run one after the other: a hook may rely on the one before it.
struct HookRun {
  std::string event;
  std::uint32_t startTick = 0;
  std::string baseDirectory;  // the installation: the files' base, the hooks' working directory
  std::vector<std::string> environment;
  std::vector<std::string> files;  // paths in the installation, in the order they run
  std::size_t next = 0;            // the first file not started yet
  std::optional<RunningHook> current;
};

// The selection as the game-selected hooks see it: they run once it has rested.
struct SelectionDebounce {
  std::string seen;            // the selection now ("" when there is none)
  std::uint32_t seenTick = 0;  // when it became the selection
  std::string announced;       // the last selection the hooks ran for
};

struct HookState {
  std::vector<HookRun> runs;  // events whose hooks have not all ended
  std::set<std::string> refused;  // files that could not run, logged once each
  SelectionDebounce selection;
  bool screensaverShown = false;  // screensaver-start ran: screensaver-end is owed
};

}  // namespace shell
