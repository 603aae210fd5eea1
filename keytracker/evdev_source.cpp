// Keyboards and mice read straight from the kernel's event devices: they see every key,
// whichever program has the focus, also without an X server. A device plugged in while
// the source runs is picked up as well, as a system-wide hook would see it.
#include "keytracker/event_source.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
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

bool IsEventNode(const char* name) { return std::strncmp(name, "event", 5) == 0; }

// The device's descriptor when it is readable and of the kind wanted, else -1 (and
// `unopenable` set when it could not be opened at all).
int OpenDevice(const std::string& path, DeviceKind kind, const EvdevPlace& place, bool* unopenable = nullptr) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (unopenable) *unopenable = true;
    return -1;
  }
  if (!place.checkKind || IsKind(fd, kind)) return fd;
  ::close(fd);
  return -1;
}

struct Device {
  std::string path;
  int fd;
};

std::vector<Device> OpenDevices(DeviceKind kind, const EvdevPlace& place, int& unreadable) {
  std::vector<Device> devices;
  DIR* dir = ::opendir(place.directory.c_str());
  if (!dir) return devices;
  while (dirent* e = ::readdir(dir)) {
    if (!IsEventNode(e->d_name)) continue;
    const std::string path = place.directory + "/" + e->d_name;
    bool unopenable = false;
    if (const int fd = OpenDevice(path, kind, place, &unopenable); fd >= 0) devices.push_back({path, fd});
    if (unopenable) ++unreadable;
  }
  ::closedir(dir);
  return devices;
}

class EvdevSource : public EventSource {
 public:
  EvdevSource(DeviceKind kind, EvdevPlace place, std::vector<Device> devices, int stopRead, int stopWrite,
              EventHandler handler, std::shared_ptr<ReadNodes> nodes)
      : kind_(kind), place_(std::move(place)), devices_(std::move(devices)), stopRead_(stopRead),
        stopWrite_(stopWrite), handler_(handler), nodes_(std::move(nodes)) {
    for (const Device& d : devices_) nodes_->Add(d.path);
    watch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    // Permissions of a new node are set after its creation: watch both.
    if (watch_ >= 0 && ::inotify_add_watch(watch_, place_.directory.c_str(), IN_CREATE | IN_ATTRIB) < 0) {
      ::close(watch_);
      watch_ = -1;
    }
    thread_ = std::thread([this] { Run(); });
  }
  ~EvdevSource() override {
    const char byte = 0;
    [[maybe_unused]] ssize_t n = ::write(stopWrite_, &byte, 1);
    thread_.join();
    for (const Device& d : devices_) {
      if (d.fd >= 0) ::close(d.fd);
    }
    if (watch_ >= 0) ::close(watch_);
    ::close(stopRead_);
    ::close(stopWrite_);
  }

 private:
  void Run() {
    for (;;) {
      // polls: the stop pipe, the directory watch, then one entry per device.
      std::vector<pollfd> polls = {{stopRead_, POLLIN, 0}, {watch_, POLLIN, 0}};
      for (const Device& d : devices_) polls.push_back({d.fd, POLLIN, 0});
      if (::poll(polls.data(), polls.size(), -1) < 0) continue;  // EINTR
      if (polls[0].revents) return;
      for (std::size_t i = 2; i < polls.size(); ++i) {
        Device& d = devices_[i - 2];
        if (polls[i].revents & (POLLERR | POLLHUP | POLLNVAL)) {
          ::close(d.fd);  // unplugged: forget it, a replug opens it again
          d.fd = -1;
          nodes_->Remove(d.path);
        } else if (polls[i].revents & POLLIN) {
          Drain(d.fd);
        }
      }
      std::erase_if(devices_, [](const Device& d) { return d.fd < 0; });
      if (polls[1].revents & POLLIN) AddNewDevices();
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

  void AddNewDevices() {
    alignas(inotify_event) char buffer[4096];
    for (;;) {
      const ssize_t n = ::read(watch_, buffer, sizeof buffer);
      if (n <= 0) return;
      for (ssize_t at = 0; at < n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
        at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
        if (e->len == 0 || !IsEventNode(e->name)) continue;
        const std::string path = place_.directory + "/" + e->name;
        const bool known = std::any_of(devices_.begin(), devices_.end(),
                                       [&](const Device& d) { return d.path == path; });
        if (known) continue;
        if (const int fd = OpenDevice(path, kind_, place_); fd >= 0) {
          devices_.push_back({path, fd});
          nodes_->Add(path);
        }
      }
    }
  }

  DeviceKind kind_;
  EvdevPlace place_;
  std::vector<Device> devices_;  // touched by the thread only while it runs
  int watch_ = -1;
  int stopRead_;
  int stopWrite_;
  EventHandler handler_;
  std::shared_ptr<ReadNodes> nodes_;
  std::thread thread_;
};

class CombinedSource : public EventSource {
 public:
  CombinedSource(std::unique_ptr<EventSource> first, std::unique_ptr<EventSource> second)
      : first_(std::move(first)), second_(std::move(second)) {}
  ~CombinedSource() override {
    second_.reset();
    first_.reset();
  }

 private:
  std::unique_ptr<EventSource> first_;
  std::unique_ptr<EventSource> second_;
};

}  // namespace

std::unique_ptr<EventSource> CombineSources(std::unique_ptr<EventSource> first, std::unique_ptr<EventSource> second) {
  if (!first) return second;
  if (!second) return first;
  return std::make_unique<CombinedSource>(std::move(first), std::move(second));
}

std::unique_ptr<EventSource> StartEvdevSource(DeviceKind kind, EventHandler handler, const EvdevPlace& place,
                                              std::shared_ptr<ReadNodes> nodes, int* unreadable) {
  int unopenable = 0;
  std::vector<Device> devices = OpenDevices(kind, place, unopenable);
  if (unreadable) *unreadable = unopenable;
  if (!nodes) nodes = std::make_shared<ReadNodes>();
  if (devices.empty()) return nullptr;
  int stop[2];
  if (::pipe2(stop, O_CLOEXEC) != 0) {
    for (const Device& d : devices) ::close(d.fd);
    return nullptr;
  }
  return std::make_unique<EvdevSource>(kind, place, std::move(devices), stop[0], stop[1], handler,
                                       std::move(nodes));
}

}  // namespace keytracker
