#include "platform/renderer_choice.h"

#include "platform/debug_log.h"
#include "platform/device.h"
#include "platform/output_pipe.h"
#include "platform/process.h"
#include "platform/renderer_choice_child.h"
#include "platform/video_driver_choice.h"

#include <SDL.h>

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kChooseArgument = "--choose-renderer";
constexpr std::string_view kCheckArgument = "check";
// Loading a GL driver and timing a few frames takes well under a second on a quiet machine.
constexpr std::uint32_t kChoiceTimeoutMs = 15000;
// Nobody waits for a choice beside the start: only a hung child is given up.
constexpr std::uint32_t kBackgroundChoiceTimeoutMs = 120000;

bool gChildAllowed = false;

// A remembered software verdict loads no GL driver, so its driver is checked beside the
// menu once the window shows: the size to check, until then.
struct PendingCheck {
  int width = 0, height = 0;
  bool scheduled = false;
} gCheck;

std::string MinimalContextGlDriver() {
  SDL_Window* window = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
  if (!window) return {};
  std::string name;
  if (SDL_GLContext context = SDL_GL_CreateContext(window)) {
    using GetString = const unsigned char* (*)(unsigned int);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    constexpr unsigned int kGlRenderer = 0x1F01;
    const unsigned char* text = getString ? getString(kGlRenderer) : nullptr;
    if (text) name = reinterpret_cast<const char*>(text);
    SDL_GL_DeleteContext(context);
  }
  SDL_DestroyWindow(window);
  return name;
}

bool ParseSize(const char* text, int& out) {
  const std::string_view s(text);
  out = 0;
  for (char c : s) {
    if (c < '0' || c > '9' || out > 100000) return false;
    out = out * 10 + (c - '0');
  }
  return out > 0;
}

int RunChoice(int width, int height, bool check) {
  // The check of a remembered verdict must not take the CPU from the menu's opening; a
  // first choice runs at the menu's priority, as the menu may be waiting for its verdict.
  if (check) ::setpriority(PRIO_PROCESS, 0, 5);
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  const RendererProbe probe{MinimalContextGlDriver, [&] { return Device::TimeRenderers(width, height); }};
  const RendererDecision decision = DecideRenderer(probe, SdlVersion(), width, height, RendererCachePath());
  SDL_Quit();
  const std::string out = std::string(decision.fromCache ? "cache" : decision.remembered ? "remembered" : "new") +
                          "\n" + FormatVerdict(decision.verdict);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
  return 0;
}

std::vector<std::string> ChoiceArguments(int width, int height, bool check) {
  std::vector<std::string> args{"Orvanel", std::string(kChooseArgument), std::to_string(width),
                                std::to_string(height)};
  if (check) args.emplace_back(kCheckArgument);
  return args;
}

}  // namespace

std::string SdlVersion() {
  SDL_version v{};
  SDL_GetVersion(&v);
  return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.patch);
}

// On the console the display device has one master, the menu: a child could not open it.
bool RendererChoiceInChild() { return gChildAllowed && !KmsVideoDriverRunning(); }

namespace {

// A choice running in the program started again for it, with the pipe of its verdict.
struct ChoiceChild {
  ProcessHandle process;
  OutputPipe pipe;
};

std::optional<ChoiceChild> SpawnChoice(int width, int height, bool check) {
  auto pipe = OutputPipe::Create();
  if (!pipe) return std::nullopt;
  ChildStreams streams;
  streams.output = pipe->writeEnd();
  streams.error = ChildStreams::kDiscard;
  // The running program's own file, even when a newer one was installed since it started.
  auto child = SpawnProcess("/proc/self/exe", ChoiceArguments(width, height, check), {}, nullptr, streams);
  pipe->CloseWriteEnd();
  if (!child) return std::nullopt;
  return ChoiceChild{std::move(*child), std::move(*pipe)};
}

// Reads the child's verdict to its end; `stop` (checked every 100 ms) gives up at once.
std::optional<RendererDecision> CollectChoice(ChoiceChild& child, const std::atomic<bool>* stop,
                                             std::uint32_t timeoutMs) {
  std::string out;
  std::vector<char> buffer(4096);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (stop && stop->load()) {
      TerminateProcessGroup(child.process, 0);
      return std::nullopt;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    const std::uint32_t slice = left.count() > 0 ? std::uint32_t(std::min<long long>(left.count(), 100)) : 0;
    const auto read = child.pipe.Read(buffer, slice);
    if (read.status == OutputPipe::Status::kData && out.size() < 65536) {
      out.append(buffer.data(), read.bytes);
      continue;
    }
    if (read.status == OutputPipe::Status::kEnd) break;
    if (read.status == OutputPipe::Status::kTimedOut && left.count() > 0) continue;
    TerminateProcessGroup(child.process, 0);
    return std::nullopt;
  }
  // A verdict printed whole counts, whatever the end of the child (a leak checker's exit code).
  if (WaitProcess(child.process, 2000) != WaitResult::kExited) TerminateProcessGroup(child.process, 0);
  const auto nl = out.find('\n');
  if (nl == std::string::npos) return std::nullopt;
  auto verdict = ParseVerdict(std::string_view(out).substr(nl + 1));
  if (!verdict) return std::nullopt;
  const std::string_view how = std::string_view(out).substr(0, nl);
  return RendererDecision{*verdict, how == "cache", how == "remembered"};
}

// A choice beside the menu (the first ever, or the check of a remembered one): its verdict
// arrives as an event of its own. At most one per run: the display is made again after
// every game, and the verdict is known by then.
struct BackgroundChoice {
  std::thread worker;
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::optional<RendererDecision> decision;  // under `mutex`
  bool started = false;
  bool check = false;
  std::uint32_t eventType = 0;
} gBackground;

bool StartBackground(int width, int height, bool check) {
  if (gBackground.started) return false;
  if (gBackground.eventType == 0) {
    const Uint32 type = SDL_RegisterEvents(1);
    if (type == Uint32(-1)) return false;
    gBackground.eventType = type;
  }
  auto child = SpawnChoice(width, height, check);
  if (!child) return false;
  gBackground.started = true;
  gBackground.check = check;
  gBackground.stop = false;
  gBackground.worker = std::thread([c = std::move(*child)]() mutable {
    auto decision = CollectChoice(c, &gBackground.stop, kBackgroundChoiceTimeoutMs);
    {
      std::lock_guard lock(gBackground.mutex);
      gBackground.decision = std::move(decision);
    }
    SDL_Event e{};
    e.type = gBackground.eventType;
    SDL_PushEvent(&e);
  });
  return true;
}

}  // namespace

std::optional<RendererDecision> ChooseInChild(int width, int height) {
  auto child = SpawnChoice(width, height, false);
  if (!child) return std::nullopt;
  return CollectChoice(*child, nullptr, kChoiceTimeoutMs);
}

bool StartChoiceInBackground(int width, int height) { return StartBackground(width, height, false); }

bool IsBackgroundChoiceEvent(std::uint32_t type) {
  return gBackground.eventType != 0 && type == gBackground.eventType;
}

std::optional<BackgroundVerdict> TakeBackgroundChoice() {
  if (gBackground.worker.joinable()) gBackground.worker.join();
  std::lock_guard lock(gBackground.mutex);
  auto decision = std::exchange(gBackground.decision, std::nullopt);
  if (!decision) return std::nullopt;
  return BackgroundVerdict{*decision, gBackground.check};
}

void StopBackgroundChoice() {
  gBackground.stop = true;
  if (gBackground.worker.joinable()) gBackground.worker.join();
}

void ScheduleRendererCheck(int width, int height) {
  gCheck.width = width;
  gCheck.height = height;
  gCheck.scheduled = gChildAllowed && !gBackground.started;
}

std::optional<int> RunRendererChoiceIfAsked(int argc, char** argv) {
  if (argc >= 4 && argv[1] == kChooseArgument) {
    int width = 0, height = 0;
    if (!ParseSize(argv[2], width) || !ParseSize(argv[3], height)) return 2;
    return RunChoice(width, height, argc >= 5 && argv[4] == kCheckArgument);
  }
  gChildAllowed = true;
  return std::nullopt;
}

void StartPendingRendererCheck() {
  if (!gCheck.scheduled) return;
  gCheck.scheduled = false;
  StartBackground(gCheck.width, gCheck.height, true);
}

}  // namespace platform
