#include "platform/process.h"

#include "platform/child_environment.h"
#include "platform/window_close.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <chrono>
#include <thread>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

int OpenProcessDescriptor(int pid) {
#ifdef SYS_pidfd_open
  long fd = ::syscall(SYS_pidfd_open, pid, 0);
  if (fd >= 0) {
    ::fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
    return static_cast<int>(fd);
  }
#else
  (void)pid;
#endif
  return -1;
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

std::vector<char*> ArgvOf(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// Starts a child with default signal handling, no blocked signal and /dev/null as input.
// sessionLeader: a session of its own (detached); otherwise a process group of its own.
int AddStream(posix_spawn_file_actions_t* actions, int childFd, int ours) {
  if (ours == ChildStreams::kInherit) return 0;
  if (ours == ChildStreams::kDiscard)
    return ::posix_spawn_file_actions_addopen(actions, childFd, "/dev/null", O_WRONLY, 0);
  return ::posix_spawn_file_actions_adddup2(actions, ours, childFd);
}

int Spawn(const std::string& program, const std::vector<std::string>& args, const std::string& cwd,
          bool sessionLeader, int* pidOut, ChildStreams streams = {}) {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  if (int rc = ::posix_spawn_file_actions_init(&actions); rc != 0) return rc;
  if (int rc = ::posix_spawnattr_init(&attr); rc != 0) {
    ::posix_spawn_file_actions_destroy(&actions);
    return rc;
  }
  int rc = ::posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  if (rc == 0) rc = AddStream(&actions, STDOUT_FILENO, streams.output);
  if (rc == 0) rc = AddStream(&actions, STDERR_FILENO, streams.error);
  if (rc == 0 && !cwd.empty()) rc = ::posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());

  sigset_t none, all;
  sigemptyset(&none);
  sigfillset(&all);
  short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
  flags |= sessionLeader ? POSIX_SPAWN_SETSID : POSIX_SPAWN_SETPGROUP;
  if (rc == 0) rc = ::posix_spawnattr_setflags(&attr, flags);
  if (rc == 0) rc = ::posix_spawnattr_setsigmask(&attr, &none);
  if (rc == 0) rc = ::posix_spawnattr_setsigdefault(&attr, &all);
  if (rc == 0 && !sessionLeader) rc = ::posix_spawnattr_setpgroup(&attr, 0);

  if (rc == 0) {
    std::vector<char*> argv = ArgvOf(args);
    const std::vector<std::string> environment = ChildEnvironment();
    std::vector<char*> envp = ArgvOf(environment);
    pid_t pid = -1;
    const bool search = program.find('/') == std::string::npos;
    rc = search ? ::posix_spawnp(&pid, program.c_str(), &actions, &attr, argv.data(), envp.data())
                : ::posix_spawn(&pid, program.c_str(), &actions, &attr, argv.data(), envp.data());
    if (rc == 0) *pidOut = pid;
  }
  ::posix_spawnattr_destroy(&attr);
  ::posix_spawn_file_actions_destroy(&actions);
  return rc;
}

// True when the child has ended; it stays a zombie (not reaped), so its pid and process
// group id stay reserved while we decide whether to signal the group again.
bool HasEnded(int pid) {
  siginfo_t info{};
  info.si_pid = 0;
  if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) return true;
  return info.si_pid != 0;
}

// Waits up to timeoutMs for the child to end, without reaping it.
bool WaitForEnd(int pid, int pidfd, std::uint32_t timeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (HasEnded(pid)) return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    if (pidfd >= 0) {
      pollfd p{pidfd, POLLIN, 0};
      ::poll(&p, 1, static_cast<int>(left));  // EINTR or a wake-up: look again
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(std::min<long long>(left, 10)));
    }
  }
}

void Reap(int pid, bool& reaped, int& exitCode) {
  int status = 0;
  pid_t r;
  do {
    r = ::waitpid(pid, &status, 0);
  } while (r < 0 && errno == EINTR);
  reaped = true;
  exitCode = r == pid ? ExitCodeOf(status) : -1;
}

}  // namespace

ProcessHandle::ProcessHandle(ProcessHandle&& other) noexcept { *this = std::move(other); }

ProcessHandle& ProcessHandle::operator=(ProcessHandle&& other) noexcept {
  if (this != &other) {
    Release();
    pid_ = other.pid_;
    pidfd_ = other.pidfd_;
    reaped_ = other.reaped_;
    exitCode_ = other.exitCode_;
    other.pid_ = -1;
    other.pidfd_ = -1;
    other.reaped_ = false;
  }
  return *this;
}

ProcessHandle::~ProcessHandle() { Release(); }

void ProcessHandle::Release() {
  if (pid_ > 0 && !reaped_) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) reaped_ = true;
  }
  if (pidfd_ >= 0) ::close(pidfd_);
  pidfd_ = -1;
}

std::optional<ProcessHandle> SpawnProcess(const std::string& program, const std::vector<std::string>& args,
                                          const std::string& workingDirectory, int* error,
                                          ChildStreams streams) {
  int pid = -1;
  int rc = program.empty() ? ENOENT : Spawn(program, args, workingDirectory, false, &pid, streams);
  if (error) *error = rc;
  if (rc != 0) return std::nullopt;
  return ProcessHandle(pid, OpenProcessDescriptor(pid));
}

bool SpawnDetached(std::string_view commandLine, ProcessHandle* started) {
  return SpawnDetached(SplitCommandLine(commandLine), started);
}

bool SpawnDetached(const std::vector<std::string>& args, ProcessHandle* started) {
  if (args.empty() || args[0].empty()) return false;
  int pid = -1;
  if (Spawn(args[0], args, std::string(), true, &pid) != 0) return false;
  ProcessHandle handle(pid, OpenProcessDescriptor(pid));
  if (started) *started = std::move(handle);
  return true;
}

WaitResult WaitProcess(ProcessHandle& process, std::uint32_t timeoutMs) {
  if (process.pid_ <= 0) return WaitResult::kFailed;
  if (process.reaped_) return WaitResult::kExited;
  if (!WaitForEnd(process.pid_, process.pidfd_, timeoutMs)) return WaitResult::kTimedOut;
  Reap(process.pid_, process.reaped_, process.exitCode_);
  return WaitResult::kExited;
}

void TerminateProcessGroup(ProcessHandle& process, std::uint32_t graceMs) { EndProcessGroup(process, 0, graceMs); }

EndedBy EndProcessGroup(ProcessHandle& process, std::uint32_t closeGraceMs, std::uint32_t termGraceMs,
                        int* windowsAsked) {
  int asked = 0;
  if (windowsAsked) *windowsAsked = 0;
  if (process.pid_ <= 0 || process.reaped_) return EndedBy::kItself;
  const int group = process.pid_;  // spawned as the leader of its own group
  const auto endsWithin = [&](std::uint32_t ms) { return WaitForEnd(process.pid_, process.pidfd_, ms); };
  EndedBy by = EndedBy::kKill;
  if (HasEnded(process.pid_)) {
    by = EndedBy::kItself;
  } else if (closeGraceMs > 0 && (asked = AskGroupWindowsToClose(group)) > 0 && endsWithin(closeGraceMs)) {
    by = EndedBy::kCloseRequest;
  } else {
    ::kill(-group, SIGTERM);
    if (endsWithin(termGraceMs)) by = EndedBy::kTerminate;
  }
  // The leader may have gone while others of its group ignore SIGTERM; the group id is
  // still ours because the leader is not reaped yet.
  ::kill(-group, SIGKILL);
  Reap(process.pid_, process.reaped_, process.exitCode_);
  if (windowsAsked) *windowsAsked = asked;
  return by;
}

std::string FindProgram(const std::string& name) {
  if (name.empty()) return {};
  if (name.find('/') != std::string::npos) return name;
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  for (;;) {
    const auto colon = dirs.find(':');
    std::string dir(dirs.substr(0, colon));
    if (dir.empty()) dir = ".";  // an empty entry is the current directory
    const std::string candidate = dir + "/" + name;
    struct stat st {};
    if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
      return candidate;
    if (colon == std::string_view::npos) return {};
    dirs.remove_prefix(colon + 1);
  }
}

}  // namespace platform
