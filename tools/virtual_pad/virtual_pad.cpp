// Preloaded into the frontend (LD_PRELOAD=libvirtual_pad.so): when the program starts
// SDL's joysticks, a virtual device with 2 axes, 12 buttons and 1 hat is plugged in, and
// it is then driven by lines written to the FIFO named by ORV_VIRTUAL_PAD:
//
//   button N 0|1    hat N BITS    axis N VALUE    unplug    plug
//
// Each line wakes the program's event queue, as a real device's report would.
//
// With ORV_VIRTUAL_PAD_OPEN naming a file, the program's own joystick opens and closes are
// counted there (how many handles it holds), as a real device's open nodes would show.
//
// The line "sync N" asks for the program's acknowledgement: once its main loop has read
// the devices afresh (SDL_JoystickUpdate) and then found its queue empty (SDL_PollEvent),
// every control sent before has been taken and handled. The file named by
// ORV_VIRTUAL_PAD_ACK then holds "N TICK", TICK being the program's clock at that moment
// (CLOCK_MONOTONIC in ms, the clock of its timers and repeats). A test waits for that
// instead of guessing how long the program takes.
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

namespace {

std::mutex gLock;
SDL_Joystick* gPad = nullptr;
int gIndex = -1;

using OpenFunction = SDL_Joystick* (*)(int);
using CloseFunction = void (*)(SDL_Joystick*);
OpenFunction RealOpen() {
  static const auto real = reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, "SDL_JoystickOpen"));
  return real;
}
CloseFunction RealClose() {
  static const auto real = reinterpret_cast<CloseFunction>(dlsym(RTLD_NEXT, "SDL_JoystickClose"));
  return real;
}

std::mutex gCountLock;
int gProgramHandles = 0;

// A small file replaced whole, so that a reader never sees it half written.
void ReplaceFile(const char* path, const std::string& text) {
  // A fresh temporary (O_EXCL): a leftover or a link at its name is never written through.
  const std::string temp = std::string(path) + ".tmp" + std::to_string(::getpid());
  ::unlink(temp.c_str());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return;
  const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ::close(fd);
  if (!written || std::rename(temp.c_str(), path) != 0) ::unlink(temp.c_str());
}

void CountHandles(int change) {
  std::lock_guard lock(gCountLock);
  gProgramHandles += change;
  const char* path = std::getenv("ORV_VIRTUAL_PAD_OPEN");
  if (!path) return;
  ReplaceFile(path, std::to_string(gProgramHandles) + "\n");
}

void Plug() {
  if (gPad) return;
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
  desc.naxes = 2;
  desc.nbuttons = 12;
  desc.nhats = 1;
  desc.name = "Orvanel virtual pad";
  gIndex = SDL_JoystickAttachVirtualEx(&desc);
  if (gIndex >= 0) gPad = RealOpen()(gIndex);
}

void Unplug() {
  if (!gPad) return;
  // The device's index may have moved since it was plugged.
  const SDL_JoystickID id = SDL_JoystickInstanceID(gPad);
  RealClose()(gPad);
  gPad = nullptr;
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
}

// The acknowledgement asked for and not given yet (0: none), and how far the program's
// main loop has come since it was asked.
std::atomic<long> gSyncAsked{0};
std::atomic<bool> gReadSinceAsked{false};

long long MonotonicMs() {
  timespec ts{};
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void Command(const std::string& line) {
  std::istringstream in(line);
  std::string what;
  int index = 0, value = 0;
  in >> what >> index >> value;
  if (what == "sync") {
    gReadSinceAsked.store(false);
    gSyncAsked.store(index);
    return;
  }
  std::lock_guard lock(gLock);
  if (what == "plug") Plug();
  if (what == "unplug") Unplug();
  if (!gPad) return;
  if (what == "button") SDL_JoystickSetVirtualButton(gPad, index, static_cast<Uint8>(value));
  if (what == "hat") SDL_JoystickSetVirtualHat(gPad, index, static_cast<Uint8>(value));
  if (what == "axis") SDL_JoystickSetVirtualAxis(gPad, index, static_cast<Sint16>(value));
}

void Listen(std::string fifo) {
  // Read and write, so that the FIFO never reads as ended between two writers.
  const int fd = ::open(fifo.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return;
  std::string pending;
  char buffer[256];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) return;
    pending.append(buffer, static_cast<std::size_t>(n));
    for (auto nl = pending.find('\n'); nl != std::string::npos; nl = pending.find('\n')) {
      Command(pending.substr(0, nl));
      pending.erase(0, nl + 1);
      SDL_Event wake{};
      wake.type = SDL_USEREVENT;
      SDL_PushEvent(&wake);
    }
  }
}

}  // namespace

extern "C" int SDL_InitSubSystem(Uint32 flags) {
  using Init = int (*)(Uint32);
  static const auto real = reinterpret_cast<Init>(dlsym(RTLD_NEXT, "SDL_InitSubSystem"));
  const int result = real(flags);
  static std::once_flag once;
  if (result == 0 && (flags & SDL_INIT_JOYSTICK)) {
    std::call_once(once, [] {
      {
        std::lock_guard lock(gLock);
        Plug();
      }
      if (const char* fifo = std::getenv("ORV_VIRTUAL_PAD")) std::thread(Listen, std::string(fifo)).detach();
    });
  }
  return result;
}

extern "C" SDL_Joystick* SDL_JoystickOpen(int deviceIndex) {
  SDL_Joystick* pad = RealOpen()(deviceIndex);
  if (pad) CountHandles(+1);
  return pad;
}

extern "C" void SDL_JoystickClose(SDL_Joystick* pad) {
  RealClose()(pad);
  if (pad) CountHandles(-1);
}

// The program's main loop reads the devices, then empties its queue: the two steps that
// make a sync's acknowledgement.
extern "C" void SDL_JoystickUpdate(void) {
  using Update = void (*)(void);
  static const auto real = reinterpret_cast<Update>(dlsym(RTLD_NEXT, "SDL_JoystickUpdate"));
  const bool asked = gSyncAsked.load() != 0;
  real();
  if (asked) gReadSinceAsked.store(true);
}

extern "C" int SDL_PollEvent(SDL_Event* event) {
  using Poll = int (*)(SDL_Event*);
  static const auto real = reinterpret_cast<Poll>(dlsym(RTLD_NEXT, "SDL_PollEvent"));
  const bool read = gReadSinceAsked.exchange(false);
  const int got = real(event);
  if (got || !read) return got;
  const long asked = gSyncAsked.exchange(0);
  const char* path = std::getenv("ORV_VIRTUAL_PAD_ACK");
  if (asked != 0 && path) ReplaceFile(path, std::to_string(asked) + " " + std::to_string(MonotonicMs()) + "\n");
  return got;
}
