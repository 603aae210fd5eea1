// The bridge between SDL's button numbers and the kernel's key codes, so that the key
// tracker, which reads the event node itself, counts the button the player bound.
#include "platform/joysticks.h"

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

namespace platform {

std::vector<int> ButtonCodesInSdlOrder(std::vector<int> codes) {
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  std::erase_if(codes, [](int c) { return c < 0 || c >= KEY_MAX; });
  std::stable_partition(codes.begin(), codes.end(), [](int c) { return c >= BTN_JOYSTICK; });
  return codes;
}

int JoystickButtonCode(const std::string& node, int button) {
  const int fd = ::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  constexpr int kBitsPerLong = 8 * sizeof(unsigned long);
  std::vector<unsigned long> bits(KEY_MAX / kBitsPerLong + 1, 0);
  const bool known = ::ioctl(fd, EVIOCGBIT(EV_KEY, bits.size() * sizeof(unsigned long)), bits.data()) >= 0;
  ::close(fd);
  if (!known) return -1;
  std::vector<int> codes;
  for (int c = 0; c < KEY_MAX; ++c)
    if ((bits[c / kBitsPerLong] >> (c % kBitsPerLong)) & 1UL) codes.push_back(c);
  const std::vector<int> ordered = ButtonCodesInSdlOrder(std::move(codes));
  return button >= 0 && static_cast<std::size_t>(button) < ordered.size() ? ordered[button] : -1;
}

}  // namespace platform
