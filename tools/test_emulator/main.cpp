// An emulator stand-in for the launch tests. It appends to a record file how it was
// started (pid, process group, working directory, every argument) and then behaves as
// its script says.
//
// Record file: $ORV_TEST_EMULATOR_RECORD, else "test_emulator.record" beside the program.
// Script: $ORV_TEST_EMULATOR_SCRIPT ("key=value;key=value"), else the lines of
// "test_emulator.script" beside the program. Keys:
//   run_ms=N       run N milliseconds, then end (default 0: end at once)
//   exit_code=N    exit code of a normal end (default 0)
//   ignore_term=1  note SIGTERM in the record and go on running
//   child=1        start a child in the same process group that runs just as long
//   until=PATH     after run_ms, run on until PATH exists (at most a minute): the test
//                  ends the game once it has seen what it looks for during it
//   grab=PATH      start PATH (tools/grab_keyboard) to hold the keyboard grabbed, as a
//                  full-screen emulator does, and note "grabbed" once it holds it
// Listing modes (the game list generator's runs); the listing is printed before run_ms:
//   listxml=PATH   print the file to standard output when started with -listxml
//   listinfo=PATH  the same for -listinfo
//   chunk_bytes=N  print the listing N bytes at a time (default: all at once) ...
//   chunk_ms=N     ... with N milliseconds between the pieces
//   noise=1        also write some text to standard error
//   say=TEXT       write TEXT and a line end to standard error as it starts ("|" ends a line)
// The record also notes where standard output and standard error lead, and when the run
// began on the monotonic clock (started_ms), so that tests time the launch from what
// happened rather than from when they noticed it.
#include <fcntl.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

int recordFd = -1;

std::string ProgramDirectory(const char* argv0) {
  std::string p = argv0 ? argv0 : "";
  if (p.find('/') == std::string::npos) {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    p = n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string(".");
  }
  auto slash = p.find_last_of('/');
  return slash == std::string::npos ? "." : p.substr(0, slash == 0 ? 1 : slash);
}

void Record(const std::string& text) {
  if (recordFd >= 0) {
    ssize_t ignored = ::write(recordFd, text.data(), text.size());
    (void)ignored;
  }
}

void OnTerm(int) {
  static const char kText[] = "sigterm ignored\n";
  ssize_t ignored = ::write(recordFd, kText, sizeof kText - 1);
  (void)ignored;
}

struct Script {
  long runMs = 0;
  int exitCode = 0;
  bool ignoreTerm = false;
  bool child = false;
  std::string grab;
  std::string listxml;
  std::string listinfo;
  long chunkBytes = 0;
  long chunkMs = 0;
  bool noise = false;
  std::string say;
  std::string until;
};

void ApplyItem(Script& s, const std::string& item) {
  auto eq = item.find('=');
  if (eq == std::string::npos) return;
  std::string key = item.substr(0, eq);
  std::string text = item.substr(eq + 1);
  long value = std::strtol(text.c_str(), nullptr, 10);
  if (key == "run_ms") s.runMs = value;
  else if (key == "exit_code") s.exitCode = static_cast<int>(value);
  else if (key == "ignore_term") s.ignoreTerm = value != 0;
  else if (key == "child") s.child = value != 0;
  else if (key == "grab") s.grab = text;
  else if (key == "listxml") s.listxml = text;
  else if (key == "listinfo") s.listinfo = text;
  else if (key == "chunk_bytes") s.chunkBytes = value;
  else if (key == "chunk_ms") s.chunkMs = value;
  else if (key == "noise") s.noise = value != 0;
  else if (key == "say") s.say = text;
  else if (key == "until") s.until = text;
}

Script ReadScript(const std::string& dir) {
  Script s;
  std::string text;
  if (const char* env = std::getenv("ORV_TEST_EMULATOR_SCRIPT")) {
    text = env;
  } else {
    std::ifstream in(dir + "/test_emulator.script");
    std::stringstream ss;
    ss << in.rdbuf();
    text = ss.str();
  }
  std::string item;
  for (char c : text) {
    if (c == ';' || c == '\n' || c == '\r') {
      ApplyItem(s, item);
      item.clear();
    } else {
      item += c;
    }
  }
  ApplyItem(s, item);
  return s;
}

void SleepMs(long ms) {
  timespec ts{ms / 1000, (ms % 1000) * 1000000};
  while (::nanosleep(&ts, &ts) != 0 && errno == EINTR) {
  }
}

void WaitForFile(const std::string& path) {
  for (int i = 0; i < 3000 && !path.empty() && ::access(path.c_str(), F_OK) != 0; ++i) SleepMs(20);
}

std::string LinkTarget(const char* path) {
  char buf[PATH_MAX];
  ssize_t n = ::readlink(path, buf, sizeof buf - 1);
  return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string("?");
}

// Prints the listing the script names for the option the program was started with.
void PrintListing(const Script& script, int argc, char** argv) {
  std::string path;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-listxml") == 0) path = script.listxml;
    if (std::strcmp(argv[i], "-listinfo") == 0) path = script.listinfo;
  }
  if (!script.say.empty()) {
    std::string text = script.say + "\n";
    std::replace(text.begin(), text.end(), '|', '\n');
    ssize_t ignored = ::write(STDERR_FILENO, text.data(), text.size());
    (void)ignored;
  }
  if (script.noise) {
    static const char kNoise[] = "this goes to standard error, not into the listing\n";
    ssize_t ignored = ::write(STDERR_FILENO, kNoise, sizeof kNoise - 1);
    (void)ignored;
  }
  if (path.empty()) return;
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string listing = ss.str();
  const std::size_t piece = script.chunkBytes > 0 ? static_cast<std::size_t>(script.chunkBytes) : listing.size();
  for (std::size_t at = 0; at < listing.size(); at += piece) {
    if (at > 0) SleepMs(script.chunkMs);
    std::size_t n = std::min(piece, listing.size() - at);
    const char* p = listing.data() + at;
    while (n > 0) {
      ssize_t w = ::write(STDOUT_FILENO, p, n);
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return;
      p += w;
      n -= static_cast<std::size_t>(w);
    }
  }
}

// Starts the grabbing program in our process group; it keeps the grab while its standard
// input stays open, that is for as long as we (and our children) live.
void StartGrab(const std::string& program) {
  int in[2], out[2];
  if (::pipe(in) != 0 || ::pipe(out) != 0) return;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  std::string said;
  char c;
  while (pid > 0 && ::read(out[0], &c, 1) == 1 && c != '\n') said += c;
  ::close(out[0]);
  Record(said == "grabbed" ? "grabbed\n" : "grab failed\n");
}

long long MonotonicMs() {
  timespec ts{};
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace

int main(int argc, char** argv) {
  const long long startedMs = MonotonicMs();
  const std::string dir = ProgramDirectory(argc > 0 ? argv[0] : nullptr);
  const char* recordEnv = std::getenv("ORV_TEST_EMULATOR_RECORD");
  const std::string recordPath = recordEnv ? recordEnv : dir + "/test_emulator.record";
  recordFd = ::open(recordPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  const Script script = ReadScript(dir);
  if (script.ignoreTerm) {
    struct sigaction sa {};
    sa.sa_handler = OnTerm;
    ::sigaction(SIGTERM, &sa, nullptr);
  }

  char cwd[PATH_MAX];
  std::string text = "run pid=" + std::to_string(::getpid()) + " pgid=" + std::to_string(::getpgrp()) +
                     " sid=" + std::to_string(::getsid(0)) + "\n";
  text += std::string("cwd=") + (::getcwd(cwd, sizeof cwd) ? cwd : "?") + "\n";
  text += "argc=" + std::to_string(argc) + "\n";
  for (int i = 0; i < argc; ++i) text += "argv[" + std::to_string(i) + "]=" + argv[i] + "\n";
  text += "stdout=" + LinkTarget("/proc/self/fd/1") + "\n";
  text += "stderr=" + LinkTarget("/proc/self/fd/2") + "\n";
  text += "started_ms=" + std::to_string(startedMs) + "\n";

  pid_t child = -1;
  if (script.child) {
    child = ::fork();
    if (child == 0) {
      SleepMs(script.runMs);
      _exit(0);
    }
    text += "child=" + std::to_string(child) + "\n";
  }
  Record(text);
  if (!script.grab.empty()) StartGrab(script.grab);

  PrintListing(script, argc, argv);
  SleepMs(script.runMs);
  WaitForFile(script.until);
  if (child > 0) ::waitpid(child, nullptr, 0);
  Record("exit code=" + std::to_string(script.exitCode) + "\n");
  return script.exitCode;
}
