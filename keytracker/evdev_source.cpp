// Keyboards and mice read straight from the kernel's event devices: they see every key,
// whichever program has the focus, also without an X server.
#include "keytracker/event_source.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace keytracker {
namespace {

constexpr int kBitsPerLong = 8 * sizeof(unsigned long);

bool TestBit(const std::vector<unsigned long>& bits, int bit) {
  return (bits[bit / kBitsPerLong] >> (bit % kBitsPerLong)) & 1UL;
}

std::vector<unsigned long> EventBits(int fd, int type, int maxCode) {
  std::vector<unsigned long> bits(maxCode / kBitsPerLong + 1, 0);
  if (::ioctl(fd, EVIOCGBIT(type, bits.size() * sizeof(unsigned long)), bits.data()) < 0) {
    std::fill(bits.begin(), bits.end(), 0);
  }
  return bits;
}

bool IsKind(int fd, DeviceKind kind) {
  const auto keys = EventBits(fd, EV_KEY, KEY_MAX);
  if (kind == DeviceKind::Mouse) return TestBit(keys, BTN_LEFT);
  // A keyboard has keys of the main block (power and lid buttons, joysticks have none).
  for (int k = KEY_ESC; k <= KEY_KPDOT; ++k) {
    if (TestBit(keys, k)) return true;
  }
  return false;
}

std::vector<int> OpenDevices(DeviceKind kind) {
  std::vector<int> fds;
  DIR* dir = ::opendir("/dev/input");
  if (!dir) return fds;
  while (dirent* e = ::readdir(dir)) {
    if (std::strncmp(e->d_name, "event", 5) != 0) continue;
    const std::string path = std::string("/dev/input/") + e->d_name;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    if (IsKind(fd, kind)) {
      fds.push_back(fd);
    } else {
      ::close(fd);
    }
  }
  ::closedir(dir);
  return fds;
}

class EvdevSource : public EventSource {
 public:
  EvdevSource(std::vector<int> fds, int stopRead, int stopWrite, EventHandler handler)
      : fds_(std::move(fds)), stopRead_(stopRead), stopWrite_(stopWrite), handler_(handler) {
    thread_ = std::thread([this] { Run(); });
  }
  ~EvdevSource() override {
    const char byte = 0;
    [[maybe_unused]] ssize_t n = ::write(stopWrite_, &byte, 1);
    thread_.join();
    for (int fd : fds_) ::close(fd);
    ::close(stopRead_);
    ::close(stopWrite_);
  }

 private:
  void Run() {
    std::vector<pollfd> polls;
    polls.push_back({stopRead_, POLLIN, 0});
    for (int fd : fds_) polls.push_back({fd, POLLIN, 0});
    for (;;) {
      if (::poll(polls.data(), polls.size(), -1) < 0) continue;  // EINTR
      if (polls[0].revents) return;
      for (std::size_t i = 1; i < polls.size(); ++i) {
        if (polls[i].revents & (POLLERR | POLLHUP | POLLNVAL)) {
          polls[i].fd = -1;  // unplugged: poll ignores negative descriptors
        } else if (polls[i].revents & POLLIN) {
          Drain(polls[i].fd);
        }
      }
    }
  }

  void Drain(int fd) {
    input_event events[64];
    for (;;) {
      const ssize_t n = ::read(fd, events, sizeof events);
      if (n <= 0) return;
      for (ssize_t i = 0; i < n / static_cast<ssize_t>(sizeof(input_event)); ++i) {
        handler_(events[i].type, events[i].code, events[i].value);
      }
    }
  }

  std::vector<int> fds_;
  int stopRead_;
  int stopWrite_;
  EventHandler handler_;
  std::thread thread_;
};

}  // namespace

std::unique_ptr<EventSource> StartEvdevSource(DeviceKind kind, EventHandler handler) {
  std::vector<int> fds = OpenDevices(kind);
  if (fds.empty()) return nullptr;
  int stop[2];
  if (::pipe2(stop, O_CLOEXEC) != 0) {
    for (int fd : fds) ::close(fd);
    return nullptr;
  }
  return std::make_unique<EvdevSource>(std::move(fds), stop[0], stop[1], handler);
}

}  // namespace keytracker
