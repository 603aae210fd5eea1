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
#include <fcntl.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
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
};

void ApplyItem(Script& s, const std::string& item) {
  auto eq = item.find('=');
  if (eq == std::string::npos) return;
  std::string key = item.substr(0, eq);
  long value = std::strtol(item.c_str() + eq + 1, nullptr, 10);
  if (key == "run_ms") s.runMs = value;
  else if (key == "exit_code") s.exitCode = static_cast<int>(value);
  else if (key == "ignore_term") s.ignoreTerm = value != 0;
  else if (key == "child") s.child = value != 0;
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

}  // namespace

int main(int argc, char** argv) {
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

  SleepMs(script.runMs);
  if (child > 0) ::waitpid(child, nullptr, 0);
  Record("exit code=" + std::to_string(script.exitCode) + "\n");
  return script.exitCode;
}
