#include "platform/joysticks.h"

#include "platform/debug_log.h"
#include "platform/joysticks_native.h"
#include "platform/window_native.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#ifdef ORV_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace platform {
namespace {

// Watches the open joysticks' event nodes and the device directory on a thread of its
// own; whatever they report wakes the event queue once, and the main thread's next look
// (UpdateJoysticks) lets SDL read it. The nodes are opened a second time for this, so
// SDL's own reads are not disturbed.
class NodeWatch {
 public:
  explicit NodeWatch(std::uint32_t wakeType) : wakeType_(wakeType) {
    if (::pipe2(signal_, O_CLOEXEC | O_NONBLOCK) != 0) signal_[0] = signal_[1] = -1;
    inotify_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    // A node appears, gets its permissions (udev is done with it) or goes.
    if (inotify_ >= 0 && ::inotify_add_watch(inotify_, "/dev/input", IN_CREATE | IN_ATTRIB | IN_DELETE) < 0) {
      ::close(inotify_);
      inotify_ = -1;
    }
    thread_ = std::thread([this] { Run(); });
  }
  ~NodeWatch() {
    stop_ = true;
    Signal();
    thread_.join();
    for (auto& [node, fd] : fds_) ::close(fd);
    for (int fd : {signal_[0], signal_[1], inotify_})
      if (fd >= 0) ::close(fd);
  }

  void SetNodes(std::set<std::string> nodes) {
    {
      std::lock_guard lock(mutex_);
      wanted_ = std::move(nodes);
    }
    Signal();
  }
  // The main thread takes the wake-up: the next report wakes the queue again.
  void Taken() { pending_ = false; }

 private:
  void Signal() {
    const char byte = 0;
    if (signal_[1] >= 0) [[maybe_unused]] ssize_t n = ::write(signal_[1], &byte, 1);
  }

  void Wake() {
    if (pending_.exchange(true)) return;
    SDL_Event e{};
    e.type = wakeType_;
    SDL_PushEvent(&e);
  }

  static void Drain(int fd) {
    char buffer[1024];
    while (::read(fd, buffer, sizeof buffer) > 0) {
    }
  }

  // Opens the nodes newly wanted and closes those no longer wanted; a node that failed
  // (unplugged) is not tried again while it stays wanted.
  void Follow() {
    std::set<std::string> wanted;
    {
      std::lock_guard lock(mutex_);
      wanted = wanted_;
    }
    for (auto it = fds_.begin(); it != fds_.end();) {
      if (wanted.count(it->first)) {
        ++it;
      } else {
        ::close(it->second);
        it = fds_.erase(it);
      }
    }
    std::erase_if(failed_, [&](const std::string& n) { return !wanted.count(n); });
    for (const std::string& node : wanted) {
      if (fds_.count(node) || failed_.count(node)) continue;
      const int fd = ::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) fds_[node] = fd;
      else failed_.insert(node);
    }
  }

  void Run() {
    while (!stop_) {
      Follow();
      std::vector<pollfd> polls{{signal_[0], POLLIN, 0}, {inotify_, POLLIN, 0}};
      std::vector<std::string> order;
      for (const auto& [node, fd] : fds_) {
        polls.push_back({fd, POLLIN, 0});
        order.push_back(node);
      }
      if (::poll(polls.data(), polls.size(), -1) < 0) continue;  // EINTR
      if (polls[0].revents) Drain(signal_[0]);
      bool wake = false;
      if (polls[1].revents) {
        Drain(inotify_);
        wake = true;
      }
      for (std::size_t i = 2; i < polls.size(); ++i) {
        if (!polls[i].revents) continue;
        wake = true;
        const std::string& node = order[i - 2];
        if (polls[i].revents & (POLLERR | POLLHUP | POLLNVAL)) {
          ::close(fds_[node]);
          fds_.erase(node);
          failed_.insert(node);
        } else {
          Drain(polls[i].fd);
        }
      }
      if (wake && !stop_) Wake();
    }
  }

  std::uint32_t wakeType_;
  int signal_[2] = {-1, -1};
  int inotify_ = -1;
  std::atomic<bool> stop_{false};
  std::atomic<bool> pending_{false};
  std::mutex mutex_;
  std::set<std::string> wanted_;         // under mutex_
  std::map<std::string, int> fds_;       // the thread's own
  std::set<std::string> failed_;         // the thread's own
  std::thread thread_;
};

struct OpenJoystick {
  SDL_Joystick* handle = nullptr;
  JoystickIdentity identity;
};

std::map<int, OpenJoystick> gOpen;
std::unique_ptr<NodeWatch> gWatch;
std::uint32_t gWakeType = 0;

void WatchOpenNodes() {
  if (!gWatch) return;
  std::set<std::string> nodes;
  for (const auto& [id, j] : gOpen)
    if (!j.identity.node.empty()) nodes.insert(j.identity.node);
  gWatch->SetNodes(std::move(nodes));
}

}  // namespace

JoystickIdentity IdentityOfJoystick(SDL_Joystick* j) {
  JoystickIdentity out;
  if (const char* name = SDL_JoystickName(j)) out.name = name;
  char guid[33] = {};
  SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(j), guid, sizeof guid);
  out.guid = guid;
  // Devices of SDL's other drivers (virtual ones) have no event node.
  if (const char* path = SDL_JoystickPath(j); path && std::string_view(path).starts_with("/dev/input/event"))
    out.node = path;
  if (!out.node.empty()) out.physicalPath = PhysicalPathOfNode(out.node);
  return out;
}

namespace {

void CloseAll() {
  for (auto& [id, j] : gOpen) SDL_JoystickClose(j.handle);
  gOpen.clear();
  WatchOpenNodes();
}

}  // namespace

std::uint32_t JoystickWakeEventType() { return gWakeType; }

bool StartJoysticks() {
  if (JoysticksStarted()) return true;
  // SDL must not read the joysticks on every look at the queue (a wait would turn into
  // a poll every millisecond): UpdateJoysticks does it when a device has spoken.
  SDL_SetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS, "0");
  // Every device through the kernel's event interface, whose button numbers the key
  // tracker shares; no driver of SDL's that keeps a device open behind our back.
  SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
  // A cabinet's panel drives the menu whether or not the window manager gave it the focus.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_EVENTS) != 0) {
    WriteLog(std::string("Manettes indisponibles : ") + SDL_GetError(), 1, 1);
    return false;
  }
  if (gWakeType == 0) gWakeType = SDL_RegisterEvents(1);
  if (gWakeType != static_cast<std::uint32_t>(-1)) gWatch = std::make_unique<NodeWatch>(gWakeType);
  return true;
}

void StopJoysticks() {
  if (!JoysticksStarted()) return;
  gWatch.reset();
  CloseAll();
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_EVENTS);
}

bool JoysticksStarted() { return SDL_WasInit(SDL_INIT_JOYSTICK) != 0; }

void CloseJoysticks() { CloseAll(); }

std::vector<int> ReopenJoysticks() {
  std::vector<int> ids;
  if (!JoysticksStarted()) return ids;
  CloseAll();
  UpdateJoysticks();  // devices plugged or unplugged during the game
  // Their arrivals and departures are answered here, all at once.
  SDL_FlushEvents(SDL_JOYDEVICEADDED, SDL_JOYDEVICEREMOVED);
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (const int id = OpenJoystickAt(i); id >= 0) ids.push_back(id);
  return ids;
}

int OpenJoystickAt(int deviceIndex) {
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (id < 0) return -1;
  if (gOpen.count(id)) return id;
  SDL_Joystick* j = SDL_JoystickOpen(deviceIndex);
  if (!j) return -1;
  OpenJoystick& open = gOpen[id];
  open.handle = j;
  open.identity = IdentityOfJoystick(j);
  WriteLog("Manette : " + open.identity.name + " (" +
               (open.identity.physicalPath.empty() ? open.identity.guid : open.identity.physicalPath) + ")",
           1, 1);
  WatchOpenNodes();
  return id;
}

bool CloseJoystickId(int id) {
  const auto it = gOpen.find(id);
  if (it == gOpen.end()) return false;
  SDL_JoystickClose(it->second.handle);
  gOpen.erase(it);
  WatchOpenNodes();
  return true;
}

void UpdateJoysticks() {
  if (!JoysticksStarted()) return;
  if (gWatch) gWatch->Taken();
  SDL_JoystickUpdate();
}

std::optional<JoystickIdentity> JoystickIdentityOf(int id) {
  const auto it = gOpen.find(id);
  if (it == gOpen.end()) return std::nullopt;
  return it->second.identity;
}

JoystickState JoystickStateOf(int id) {
  JoystickState s;
  const auto it = gOpen.find(id);
  if (it == gOpen.end()) return s;
  SDL_Joystick* j = it->second.handle;
  for (int a = 0; a < SDL_JoystickNumAxes(j); ++a) s.axes.push_back(SDL_JoystickGetAxis(j, a));
  for (int h = 0; h < SDL_JoystickNumHats(j); ++h) s.hats.push_back(SDL_JoystickGetHat(j, h));
  for (int b = 0; b < SDL_JoystickNumButtons(j); ++b) s.buttons.push_back(SDL_JoystickGetButton(j, b) != 0);
  return s;
}

KeyRepeat KeyboardRepeat() {
  KeyRepeat r;
#ifdef ORV_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  SDL_Window* window = MainSdlWindow();
  if (window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
    unsigned delay = 0, interval = 0;
    if (XkbGetAutoRepeatRate(info.info.x11.display, XkbUseCoreKbd, &delay, &interval) && interval > 0) {
      r.delayMs = delay;
      r.intervalMs = interval;
    }
  }
#endif
  return r;
}

}  // namespace platform
