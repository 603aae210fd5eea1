#include "platform/renderer_choice.h"

#include "platform/debug_log.h"
#include "platform/device.h"
#include "platform/output_pipe.h"
#include "platform/process.h"
#include "platform/renderer_choice_child.h"

#include <SDL.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kChooseArgument = "--choose-renderer";
constexpr std::string_view kCheckArgument = "check";
constexpr int kCheckChangedExit = 3;
// Loading a GL driver and timing a few frames takes well under a second on a quiet machine.
constexpr std::uint32_t kChoiceTimeoutMs = 15000;

bool gChildAllowed = false;

struct PendingCheck {
  int width = 0, height = 0;
  bool scheduled = false;
  bool started = false;  // once per run: the display is made again after every game
  std::optional<ProcessHandle> process;
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
  // The background check must not take the CPU from the menu's opening.
  if (check) ::setpriority(PRIO_PROCESS, 0, 10);
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  const RendererProbe probe{MinimalContextGlDriver, [&] { return Device::TimeRenderers(width, height); }};
  const RendererDecision decision = DecideRenderer(probe, SdlVersion(), width, height, RendererCachePath());
  SDL_Quit();
  const std::string out = std::string(decision.fromCache ? "cache" : decision.remembered ? "remembered" : "new") +
                          "\n" + FormatVerdict(decision.verdict);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
  return check && !decision.fromCache ? kCheckChangedExit : 0;
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

bool RendererChoiceInChild() { return gChildAllowed; }

std::optional<RendererDecision> ChooseInChild(int width, int height) {
  auto pipe = OutputPipe::Create();
  if (!pipe) return std::nullopt;
  ChildStreams streams;
  streams.output = pipe->writeEnd();
  streams.error = ChildStreams::kDiscard;
  // The running program's own file, even when a newer one was installed since it started.
  auto child = SpawnProcess("/proc/self/exe", ChoiceArguments(width, height, false), {}, nullptr, streams);
  pipe->CloseWriteEnd();
  if (!child) return std::nullopt;
  std::string out;
  std::vector<char> buffer(4096);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kChoiceTimeoutMs);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    const auto read = pipe->Read(buffer, left.count() > 0 ? std::uint32_t(left.count()) : 0);
    if (read.status == OutputPipe::Status::kData && out.size() < 65536) {
      out.append(buffer.data(), read.bytes);
      continue;
    }
    if (read.status == OutputPipe::Status::kEnd) break;
    if (read.status != OutputPipe::Status::kData) {
      TerminateProcessGroup(*child, 0);
      return std::nullopt;
    }
  }
  // A verdict printed whole counts, whatever the end of the child (a leak checker's exit code).
  if (WaitProcess(*child, 2000) != WaitResult::kExited) TerminateProcessGroup(*child, 0);
  const auto nl = out.find('\n');
  if (nl == std::string::npos) return std::nullopt;
  auto verdict = ParseVerdict(std::string_view(out).substr(nl + 1));
  if (!verdict) return std::nullopt;
  const std::string_view how = std::string_view(out).substr(0, nl);
  return RendererDecision{*verdict, how == "cache", how == "remembered"};
}

void ScheduleRendererCheck(int width, int height) {
  gCheck.width = width;
  gCheck.height = height;
  gCheck.scheduled = gChildAllowed && !gCheck.started;
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
  gCheck.started = true;
  ChildStreams streams;
  streams.output = ChildStreams::kDiscard;
  streams.error = ChildStreams::kDiscard;
  gCheck.process = SpawnProcess("/proc/self/exe", ChoiceArguments(gCheck.width, gCheck.height, true), {}, nullptr,
                                streams);
}

void FinishRendererCheck() {
  if (!gCheck.process || WaitProcess(*gCheck.process, 0) != WaitResult::kExited) return;
  if (gCheck.process->exitCode() == kCheckChangedExit)
    WriteLog("Rendu : le pilote GL n'est plus celui du verdict du cache ; le rendu est choisi a nouveau, "
             "pour le prochain demarrage",
             1, 1);
  gCheck.process.reset();
}

}  // namespace platform
