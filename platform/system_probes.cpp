#include "platform/system_probes.h"

#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xf86drm.h>
#include <xf86drmMode.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <array>
#include <sstream>

#include "platform/files.h"
#include "platform/output_pipe.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"

namespace platform {
namespace {

constexpr int kKeyA = 30, kKeyZ = 44, kKeySpace = 57;  // linux/input-event-codes.h
constexpr int kBtnJoystick = 0x120, kBtnGamepad = 0x130, kBtnDigi = 0x140;

std::vector<std::string> NamesStartingWith(const std::string& directory, std::string_view prefix) {
  std::vector<std::string> names;
  for (const DirEntry& e : ListDirectory(directory))
    if (e.name.starts_with(prefix)) names.push_back(e.name);
  // event10 after event9: by the number, then by the text
  std::sort(names.begin(), names.end(), [prefix](const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
  });
  return names;
}

std::string FirstLine(const std::string& path) {
  std::string text = ReadWholeFile(path).value_or("");
  const auto end = text.find('\n');
  if (end != std::string::npos) text.resize(end);
  return text;
}

std::string ModeText(const drmModeModeInfo& m) {
  return std::to_string(m.hdisplay) + "x" + std::to_string(m.vdisplay) + "@" + std::to_string(m.vrefresh);
}

DrmCard ReadCard(const std::string& node) {
  DrmCard card;
  card.node = node;
  const int fd = ::open(node.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    card.error = std::strerror(errno);
    return card;
  }
  if (drmVersionPtr v = drmGetVersion(fd)) {
    card.driver = v->name ? v->name : "";
    drmFreeVersion(v);
  }
  drmModeResPtr res = drmModeGetResources(fd);
  if (!res) {
    ::close(fd);
    return card;
  }
  card.modeSetting = true;
  for (int i = 0; i < res->count_connectors; ++i) {
    drmModeConnectorPtr c = drmModeGetConnector(fd, res->connectors[i]);
    if (!c) continue;
    DrmConnector out;
    const char* type = drmModeGetConnectorTypeName(c->connector_type);
    out.name = std::string(type ? type : "Unknown") + "-" + std::to_string(c->connector_type_id);
    out.connected = c->connection == DRM_MODE_CONNECTED;
    for (int m = 0; m < c->count_modes; ++m)
      if (c->modes[m].type & DRM_MODE_TYPE_PREFERRED) {
        out.preferredMode = ModeText(c->modes[m]);
        break;
      }
    if (out.preferredMode.empty() && c->count_modes > 0) out.preferredMode = ModeText(c->modes[0]);
    card.connectors.push_back(std::move(out));
    drmModeFreeConnector(c);
  }
  drmModeFreeResources(res);
  ::close(fd);
  return card;
}

// The kernel's capability bitmap: hex words, the most significant first.
bool HasBit(const std::string& bitmap, int bit) {
  std::vector<std::string> words;
  std::istringstream in(bitmap);
  for (std::string w; in >> w;) words.push_back(w);
  const std::size_t index = static_cast<std::size_t>(bit / 64);
  if (index >= words.size()) return false;
  const std::string& word = words[words.size() - 1 - index];
  unsigned long long value = 0;
  for (char ch : word) {
    const int d = (ch >= '0' && ch <= '9') ? ch - '0' : (ch >= 'a' && ch <= 'f') ? ch - 'a' + 10 : -1;
    if (d < 0) return false;
    value = (value << 4) | static_cast<unsigned>(d);
  }
  return (value >> (bit % 64)) & 1ULL;
}

void ClassifyByUdev(const std::string& record, InputDevice& device) {
  for (std::string_view line : SplitLines(record)) {
    if (line == "E:ID_INPUT_KEYBOARD=1") device.keyboard = true;
    if (line == "E:ID_INPUT_JOYSTICK=1") device.joystick = true;
  }
}

void ClassifyByCapabilities(const std::string& keyBits, InputDevice& device) {
  device.keyboard = HasBit(keyBits, kKeyA) && HasBit(keyBits, kKeyZ) && HasBit(keyBits, kKeySpace);
  device.joystick = HasBit(keyBits, kBtnJoystick) || HasBit(keyBits, kBtnGamepad) || HasBit(keyBits, kBtnDigi - 1);
}

std::string GroupName(gid_t gid) {
  std::vector<char> buffer(16384);
  group g{};
  group* found = nullptr;
  if (::getgrgid_r(gid, &g, buffer.data(), buffer.size(), &found) == 0 && found) return found->gr_name;
  return std::to_string(gid);
}

}  // namespace

std::vector<DrmCard> ProbeDrmCards(const std::string& directory) {
  std::vector<DrmCard> cards;
  for (const std::string& name : NamesStartingWith(directory, "card")) cards.push_back(ReadCard(JoinPath(directory, name)));
  return cards;
}

std::vector<InputDevice> ProbeInputDevices(const InputDeviceRoots& roots) {
  std::vector<InputDevice> devices;
  for (const std::string& name : NamesStartingWith(roots.dev, "event")) {
    InputDevice d;
    d.node = JoinPath(roots.dev, name);
    d.readable = ::access(d.node.c_str(), R_OK) == 0;
    struct stat st {};
    if (::stat(d.node.c_str(), &st) == 0) d.group = GroupName(st.st_gid);
    const std::string sys = JoinPath(roots.sys, name);
    d.name = FirstLine(JoinPath(sys, "device/name"));
    // "13:67": the udev record of the node is c13:67
    const std::string numbers = FirstLine(JoinPath(sys, "dev"));
    const auto udev = ReadWholeFile(JoinPath(roots.udev, "c" + numbers));
    if (!numbers.empty() && udev)
      ClassifyByUdev(*udev, d);
    else
      ClassifyByCapabilities(FirstLine(JoinPath(sys, "device/capabilities/key")), d);
    devices.push_back(std::move(d));
  }
  return devices;
}

AudioProbe ProbeAudio() {
  AudioProbe probe;
  for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) probe.drivers.emplace_back(SDL_GetAudioDriver(i));
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    probe.error = SDL_GetError();
    return probe;
  }
  if (const char* d = SDL_GetCurrentAudioDriver()) probe.driver = d;
  if (SDL_GetNumAudioDevices(0) > 0)
    if (const char* name = SDL_GetAudioDeviceName(0, 0)) probe.device = name;
  SDL_AudioSpec want{};
  want.freq = 48000;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (id != 0) {
    probe.opened = true;
    SDL_CloseAudioDevice(id);
  } else {
    probe.error = SDL_GetError();
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return probe;
}

std::string CheckSharedLibrary(const std::string& path, const std::string& symbol) {
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = ::dlerror();
    return why ? why : "dlopen";
  }
  const bool has = ::dlsym(handle, symbol.c_str()) != nullptr;
  ::dlclose(handle);
  return has ? std::string() : "no " + symbol;
}

std::optional<std::string> AskCanPowerOff(unsigned timeoutMs) {
  const std::string busctl = FindProgram("busctl");
  if (busctl.empty()) return std::nullopt;
  auto pipe = OutputPipe::Create();
  if (!pipe) return std::nullopt;
  const std::string seconds = std::to_string(std::max(1u, timeoutMs / 1000));
  auto child = SpawnProcess(busctl,
                            {"busctl", "--timeout=" + seconds, "call", "org.freedesktop.login1", "/org/freedesktop/login1",
                             "org.freedesktop.login1.Manager", "CanPowerOff"},
                            "", nullptr, {.output = pipe->writeEnd(), .error = ChildStreams::kDiscard});
  pipe->CloseWriteEnd();
  if (!child) return std::nullopt;
  std::string out;
  std::array<char, 256> buffer{};
  for (;;) {
    const auto r = pipe->Read(buffer, timeoutMs);
    if (r.status != OutputPipe::Status::kData) break;
    out.append(buffer.data(), r.bytes);
    if (out.size() > 4096) break;
  }
  TerminateProcessGroup(*child, 100);
  // busctl answers: s "yes"
  const auto open = out.find('"');
  const auto close = open == std::string::npos ? open : out.find('"', open + 1);
  if (close == std::string::npos) return std::nullopt;
  return out.substr(open + 1, close - open - 1);
}

bool DirectoryWritable(const std::string& directory) { return ::access(directory.c_str(), W_OK | X_OK) == 0; }

}  // namespace platform
