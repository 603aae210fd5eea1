#include "platform/keyboard_state.h"

#include "platform/keycodes.h"

#include <SDL.h>
#include <fcntl.h>
#include <glob.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#ifdef ORV_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace platform {
namespace {

void Add(std::vector<int>& codes, int linuxKey) {
  const int code = KeyCodeFromLinuxKey(linuxKey);
  if (code != kNoKey && std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
}

bool UnderX11() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver && std::strcmp(driver, "x11") == 0;
}

#ifdef ORV_HAVE_X11
// X keycodes are the kernel's key codes + 8 (the evdev rules every Linux X server uses).
std::vector<int> FromX11() {
  std::vector<int> codes;
  Display* display = ::XOpenDisplay(nullptr);
  if (!display) return codes;
  std::vector<char> keys(32);  // the keymap's size: one bit for each of the 256 keycodes
  ::XQueryKeymap(display, keys.data());
  ::XCloseDisplay(display);
  for (int keycode = 8; keycode < 256; ++keycode)
    if (keys[static_cast<std::size_t>(keycode / 8)] & (1 << (keycode % 8))) Add(codes, keycode - 8);
  return codes;
}
#else
std::vector<int> FromX11() { return {}; }
#endif

// Every readable input device's keys (on the console SDL reads the same devices).
std::vector<int> FromDevices() {
  std::vector<int> codes;
  glob_t found{};
  if (::glob("/dev/input/event*", 0, nullptr, &found) == 0) {
    for (std::size_t i = 0; i < found.gl_pathc; ++i) {
      const int fd = ::open(found.gl_pathv[i], O_RDONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0) continue;
      std::vector<unsigned char> bits((KEY_MAX + 8) / 8);
      if (::ioctl(fd, EVIOCGKEY(bits.size()), bits.data()) >= 0) {
        for (int key = 0; key < static_cast<int>(bits.size() * 8); ++key)
          if (bits[static_cast<std::size_t>(key / 8)] & (1 << (key % 8))) Add(codes, key);
      }
      ::close(fd);
    }
  }
  ::globfree(&found);
  return codes;
}

}  // namespace

std::vector<int> KeysDownNow() { return UnderX11() ? FromX11() : FromDevices(); }

}  // namespace platform
