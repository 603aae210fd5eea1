// Joystick buttons counted as keys: the event nodes of the joysticks whose buttons were
// named, read on a thread of their own as the keyboards are. Only the named codes of
// each node count; a node that goes (unplugged) is let go.
#include "keytracker/event_source.h"

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <thread>
#include <utility>

namespace keytracker {
namespace {

struct Node {
  std::string path;
  int fd = -1;
  std::vector<JoystickKey> keys;
};

class JoystickSource : public EventSource {
 public:
  JoystickSource(std::vector<Node> nodes, int stopRead, int stopWrite, JoystickKeyHandler handler)
      : nodes_(std::move(nodes)), stopRead_(stopRead), stopWrite_(stopWrite), handler_(handler) {
    thread_ = std::thread([this] { Run(); });
  }
  ~JoystickSource() override {
    const char byte = 0;
    [[maybe_unused]] ssize_t n = ::write(stopWrite_, &byte, 1);
    thread_.join();
    for (const Node& d : nodes_)
      if (d.fd >= 0) ::close(d.fd);
    ::close(stopRead_);
    ::close(stopWrite_);
  }

 private:
  void Run() {
    for (;;) {
      std::vector<pollfd> polls = {{stopRead_, POLLIN, 0}};
      for (const Node& d : nodes_) polls.push_back({d.fd, POLLIN, 0});
      if (::poll(polls.data(), polls.size(), -1) < 0) continue;  // EINTR
      if (polls[0].revents) return;
      for (std::size_t i = 1; i < polls.size(); ++i) {
        Node& d = nodes_[i - 1];
        if (polls[i].revents & POLLIN) Drain(d);
        if (polls[i].revents & (POLLERR | POLLHUP | POLLNVAL)) {
          ::close(d.fd);
          d.fd = -1;
        }
      }
      std::erase_if(nodes_, [](const Node& d) { return d.fd < 0; });
    }
  }

  void Drain(const Node& d) {
    input_event events[64];
    for (;;) {
      const ssize_t n = ::read(d.fd, events, sizeof events);
      if (n <= 0) return;
      for (ssize_t i = 0; i < n / static_cast<ssize_t>(sizeof(input_event)); ++i) {
        const input_event& e = events[i];
        if (e.type != EV_KEY || e.value == 2) continue;  // a held button's repeat says nothing new
        for (const JoystickKey& k : d.keys)
          if (k.linuxCode == e.code) handler_(k, e.value);
      }
    }
  }

  std::vector<Node> nodes_;  // touched by the thread only while it runs
  int stopRead_;
  int stopWrite_;
  JoystickKeyHandler handler_;
  std::thread thread_;
};

}  // namespace

std::unique_ptr<EventSource> StartJoystickSource(const std::vector<JoystickKey>& keys, JoystickKeyHandler handler) {
  std::vector<Node> nodes;
  for (const JoystickKey& k : keys) {
    auto it = std::find_if(nodes.begin(), nodes.end(), [&](const Node& n) { return n.path == k.node; });
    if (it == nodes.end()) {
      const int fd = ::open(k.node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0) continue;
      it = nodes.insert(nodes.end(), Node{k.node, fd, {}});
    }
    it->keys.push_back(k);
  }
  if (nodes.empty()) return nullptr;
  int stop[2];
  if (::pipe2(stop, O_CLOEXEC) != 0) {
    for (const Node& n : nodes) ::close(n.fd);
    return nullptr;
  }
  return std::make_unique<JoystickSource>(std::move(nodes), stop[0], stop[1], handler);
}

}  // namespace keytracker
