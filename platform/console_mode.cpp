#include "platform/console_mode.h"

#include <fcntl.h>
#include <linux/kd.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>

namespace platform {
namespace {

int RealGetMode(int fd, int* mode) { return ::ioctl(fd, KDGETMODE, mode); }
int RealSetMode(int fd, int mode) { return ::ioctl(fd, KDSETMODE, static_cast<unsigned long>(mode)); }

ConsoleModeCalls gCalls = RealConsoleModeCalls();

// Read by the signal handler: plain values only.
volatile sig_atomic_t gFd = -1;
volatile sig_atomic_t gGraphics = 0;

// The crashes, and the requests to end that a program may leave to the default action.
constexpr std::array kSignals{SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGTERM, SIGINT, SIGHUP};
std::array<struct sigaction, NSIG> gPrevious{};
bool gHandlersInstalled = false;

// Clear screen, cursor home and hidden; the cursor shown again.
constexpr char kBlankConsole[] = "\033[2J\033[H\033[?25l";
constexpr char kShowCursor[] = "\033[?25h";

void SetText() {
  if (!gGraphics || gFd < 0) return;
  gCalls.setMode(gFd, KD_TEXT);
  [[maybe_unused]] ssize_t n = ::write(gFd, kShowCursor, sizeof kShowCursor - 1);
  gGraphics = 0;
}

// Text mode first, then whatever handled the signal before us: SDL turns SIGTERM and SIGINT
// into a close request, a sanitizer reports a crash. With no handler before us, the default
// action ends the program as it would have.
void OnSignal(int signal, siginfo_t* info, void* context) {
  const int savedErrno = errno;
  const bool wasGraphics = gGraphics;
  SetText();
  const struct sigaction& previous = gPrevious[static_cast<std::size_t>(signal)];
  if (previous.sa_flags & SA_SIGINFO) {
    previous.sa_sigaction(signal, info, context);
  } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
    previous.sa_handler(signal);
  } else {
    // Delivered once this handler returns (a fault's instruction faults again at once).
    ::sigaction(signal, &previous, nullptr);
    ::raise(signal);
    errno = savedErrno;
    return;
  }
  // The program goes on (its handler asked for a normal end): the terminal stays ours.
  if (wasGraphics && gFd >= 0 && gCalls.setMode(gFd, KD_GRAPHICS) == 0) gGraphics = 1;
  errno = savedErrno;
}

void InstallHandlers() {
  if (gHandlersInstalled) return;
  gHandlersInstalled = true;
  for (int signal : kSignals) {
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0) continue;
    // An ignored signal stays ignored (nohup).
    if (!(previous.sa_flags & SA_SIGINFO) && previous.sa_handler == SIG_IGN) continue;
    gPrevious[static_cast<std::size_t>(signal)] = previous;
    struct sigaction mine {};
    mine.sa_sigaction = OnSignal;
    mine.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&mine.sa_mask);
    ::sigaction(signal, &mine, nullptr);
  }
  std::atexit(LeaveConsoleGraphics);
}

}  // namespace

ConsoleModeCalls RealConsoleModeCalls() { return {"/dev/tty", RealGetMode, RealSetMode}; }

void SetConsoleModeCalls(const ConsoleModeCalls& calls) { gCalls = calls; }

bool EnterConsoleGraphics() {
  // Again after a game: an emulator may have put the terminal back in text mode at its end.
  if (gGraphics) {
    gCalls.setMode(gFd, KD_GRAPHICS);
    return true;
  }
  // The controlling terminal: only there may a process without privileges set the mode.
  const int fd = ::open(gCalls.terminal, O_RDWR | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  int mode = KD_TEXT;
  // Only a virtual terminal answers the mode question.
  if (gCalls.getMode(fd, &mode) != 0) {
    ::close(fd);
    return false;
  }
  // Whenever no program drives the display (between the menu and a game) the kernel shows the
  // console's own framebuffer, frozen in graphics mode: blank it first, so that shows black.
  [[maybe_unused]] ssize_t n = ::write(fd, kBlankConsole, sizeof kBlankConsole - 1);
  if (gCalls.setMode(fd, KD_GRAPHICS) != 0) {
    ::close(fd);
    return false;
  }
  if (gFd >= 0) ::close(gFd);
  gFd = fd;
  gGraphics = 1;
  InstallHandlers();
  return true;
}

void LeaveConsoleGraphics() { SetText(); }

bool ConsoleInGraphics() { return gGraphics != 0; }

}  // namespace platform
