// The console's virtual terminal while the menu draws on the display itself (KMS/DRM): in
// graphics mode the kernel draws no text on it, so the console's text never shows between
// the menu's frames and a game's. Text mode comes back when the program ends, also through
// a crash or a signal that ends it.
#pragma once

namespace platform {

// Graphics mode on the controlling terminal when it is a virtual terminal the process may
// set (its own); nothing otherwise (an X session, a terminal emulator, no terminal). True
// when the terminal is in graphics mode for us. Asked again, graphics mode is set again (a
// game may have left text mode behind).
bool EnterConsoleGraphics();
// Text mode again after EnterConsoleGraphics; any number of times, in a signal handler too.
void LeaveConsoleGraphics();
bool ConsoleInGraphics();

// Test seam: the terminal opened and the two mode requests (KDGETMODE, KDSETMODE).
struct ConsoleModeCalls {
  const char* terminal = "/dev/tty";
  int (*getMode)(int fd, int* mode) = nullptr;
  int (*setMode)(int fd, int mode) = nullptr;
};
void SetConsoleModeCalls(const ConsoleModeCalls& calls);
ConsoleModeCalls RealConsoleModeCalls();

}  // namespace platform
