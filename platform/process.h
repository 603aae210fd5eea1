// Starting and ending other programs: the emulator a game runs in, and the program the
// frontend may start at exit. Command lines are one text, as the settings write them; they
// are cut into arguments by the Windows quoting rules and never handed to a shell, so a
// ROM name with ';', '$()' or '&' in it is just text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Cuts a command line into arguments as the Windows C runtime does:
//  - blanks (space, tab) separate arguments outside double quotes;
//  - the first argument (the program) ends at the first blank outside quotes; quotes in it
//    only group, and backslashes are plain characters;
//  - in the other arguments, 2n backslashes before a quote give n backslashes and the quote
//    opens or closes a quoted part; 2n+1 backslashes before a quote give n backslashes and
//    a literal quote; backslashes before anything else are plain characters;
//  - inside a quoted part, "" gives one literal quote and the part goes on;
//  - "" on its own gives an empty argument.
// Leading blanks are skipped; an empty or blank line gives no argument at all.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

enum class WaitResult {
  kExited,    // the child has ended and is reaped
  kTimedOut,  // still running after timeoutMs
  kFailed,    // no such child
};

// Which step ended a process group (EndProcessGroup).
enum class EndedBy {
  kItself,        // it had already ended (or never started)
  kCloseRequest,  // its windows' close request
  kTerminate,     // SIGTERM
  kKill,          // SIGKILL
};

// A child process started by SpawnProcess or SpawnDetached. Move-only; the destructor
// reaps the child when it has already ended, and otherwise leaves it running.
class ProcessHandle {
 public:
  ProcessHandle() = default;
  ProcessHandle(int pid, int pidfd) : pid_(pid), pidfd_(pidfd) {}
  ProcessHandle(ProcessHandle&& other) noexcept;
  ProcessHandle& operator=(ProcessHandle&& other) noexcept;
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  ~ProcessHandle();

  int pid() const { return pid_; }
  bool running() const { return pid_ > 0 && !reaped_; }
  bool reaped() const { return reaped_; }
  // Exit code of a child that ended normally; 128 + signal number when a signal ended it.
  int exitCode() const { return exitCode_; }

 private:
  friend WaitResult WaitProcess(ProcessHandle& process, std::uint32_t timeoutMs);
  friend EndedBy EndProcessGroup(ProcessHandle& process, std::uint32_t closeGraceMs, std::uint32_t termGraceMs,
                                 int* windowsAsked);
  void Release();
  int pid_ = -1;
  int pidfd_ = -1;  // -1 where the kernel has no process descriptors: waits then poll
  bool reaped_ = false;
  int exitCode_ = -1;
};

// Where a child's standard output and standard error go: inherited from us, discarded
// (/dev/null), or a descriptor of ours (a pipe's write end) that becomes that stream.
struct ChildStreams {
  static constexpr int kInherit = -1;
  static constexpr int kDiscard = -2;
  int output = kInherit;
  int error = kInherit;
};

// Starts program with the given argument vector (args[0] included) in its own process
// group, with workingDirectory as its current directory (none: the frontend's own),
// `environment` ("NAME=value" entries; none: ChildEnvironment()), default signal handling
// and /dev/null as standard input, so a stopped terminal read can never hang the frontend.
// A program name without '/' is looked up in PATH. Nothing when it cannot be started
// (missing program or directory, not executable); *error then holds the errno value.
std::optional<ProcessHandle> SpawnProcess(const std::string& program, const std::vector<std::string>& args,
                                          const std::string& workingDirectory, int* error = nullptr,
                                          ChildStreams streams = {},
                                          const std::optional<std::vector<std::string>>& environment = std::nullopt);

// The path of the program a spawn of `name` would start: `name` itself when it holds a
// '/', else the first executable file of that name in the directories of PATH; empty when
// there is none.
std::string FindProgram(const std::string& name);

// Starts a command line (split by SplitCommandLine) in a session of its own, for a
// program that outlives the frontend. False when the line is empty or cannot be started.
bool SpawnDetached(std::string_view commandLine, ProcessHandle* started = nullptr);
// The same with the arguments already split (argv[0] is the program).
bool SpawnDetached(const std::vector<std::string>& argv, ProcessHandle* started = nullptr);

// Waits up to timeoutMs (0: just a look) for the child to end, without busy waiting.
WaitResult WaitProcess(ProcessHandle& process, std::uint32_t timeoutMs);

// Ends the child's whole process group: SIGTERM, then SIGKILL when the child has not ended
// after graceMs (emulators running without a window often ignore SIGTERM), and reaps it.
// Only the group the frontend created is signalled; the child's pid stays reserved until
// it is reaped, so the group id cannot have been taken by another program.
void TerminateProcessGroup(ProcessHandle& process, std::uint32_t graceMs = 2000);

// Ends the child's whole process group as gently as it allows: first its windows are asked
// to close (platform/window_close.h; skipped when closeGraceMs is 0 or it has no window to
// ask), then SIGTERM, then SIGKILL, each step after the previous one's grace. Once the child
// has ended, whatever is left of its group is killed, and the child is reaped. A game still
// closing when its close grace is over may end during the next step: *windowsAsked (when
// given) says how many windows were asked.
EndedBy EndProcessGroup(ProcessHandle& process, std::uint32_t closeGraceMs, std::uint32_t termGraceMs,
                        int* windowsAsked = nullptr);

}  // namespace platform
