#include "frontend/shell/event_hooks.h"

#include "frontend/shell/hook_files.h"
#include "frontend/shell/hook_output.h"
#include "frontend/shell/launch_outcome.h"
#include "frontend/shell/loop_timing.h"
#include "platform/child_environment.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/files.h"
#include "platform/paths.h"

#include <algorithm>
#include <array>

namespace shell {

namespace {

std::string Record(std::string_view event, std::string_view name, std::string_view what) {
  return "Hook " + std::string(event) + " : " + std::string(name) + " " + std::string(what);
}

// Logged once per file and run: a hook left without its x bit must not fill the log at
// every move of the selection.
void Refuse(HookState& hooks, std::string_view event, const std::string& name, std::string_view why) {
  if (hooks.refused.insert(name).second) platform::WriteLog(Record(event, name, why), 1, 1);
}

std::optional<RunningHook> Start(HookState& hooks, const HookRun& run, const std::string& name) {
  const std::string path = platform::ResolvePath(run.baseDirectory + "/" + name);
  if (!platform::IsExecutableFile(path)) {
    Refuse(hooks, run.event, name, "n'est pas ex\xE9" "cutable (chmod +x) : ignor\xE9");
    return std::nullopt;
  }
  std::optional<platform::OutputPipe> pipe = platform::OutputPipe::Create();
  platform::ChildStreams streams;
  streams.output = streams.error = pipe ? pipe->writeEnd() : platform::ChildStreams::kDiscard;
  int error = 0;
  std::optional<platform::ProcessHandle> process =
      platform::SpawnProcess(path, {path}, run.baseDirectory, &error, streams, run.environment);
  if (pipe) pipe->CloseWriteEnd();
  if (!process) {
    Refuse(hooks, run.event, name, "ne peut pas d\xE9marrer (erreur " + std::to_string(error) + ")");
    return std::nullopt;
  }
  platform::WriteLog(Record(run.event, name, "lanc\xE9"), 1, 1);
  RunningHook hook;
  hook.name = name;
  hook.startTick = platform::GetTickCount();
  hook.process = std::move(*process);
  hook.output = std::move(pipe);
  return hook;
}

// Takes what the pipe holds now. A hook that writes more than is kept is still read, so it
// never blocks on a full pipe; a bounded number of reads keeps one pass short.
void ReadOutput(RunningHook& hook) {
  if (!hook.output) return;
  std::array<char, 4096> buffer{};
  for (int reads = 0; reads < 16; ++reads) {
    const auto r = hook.output->Read(buffer, 0);
    if (r.status == platform::OutputPipe::Status::kData) {
      KeepHookOutput(hook.kept, std::string_view(buffer.data(), r.bytes));
      continue;
    }
    if (r.status != platform::OutputPipe::Status::kTimedOut) hook.output.reset();  // its end, or a broken pipe
    return;
  }
}

void LogEnd(std::string_view event, RunningHook& hook, std::string_view how) {
  ReadOutput(hook);
  for (const std::string& line : HookOutputRecords(event, hook.name, hook.kept)) platform::WriteLog(line, 1, 1);
  platform::WriteLog(Record(event, hook.name, how), 1, 1);
}

std::string ExitText(const RunningHook& hook) {
  return "termin\xE9 (code " + std::to_string(hook.process.exitCode()) + ")";
}

// True when the hook is over: ended by itself, or ended now for outliving its limit.
bool Settle(std::string_view event, RunningHook& hook, std::uint32_t now) {
  ReadOutput(hook);
  if (platform::WaitProcess(hook.process, 0) == platform::WaitResult::kExited) {
    LogEnd(event, hook, ExitText(hook));
    return true;
  }
  if (!TickReached(now, hook.startTick + kHookLimitMs)) return false;
  // With whatever it started in its group; no grace: it has had its time.
  platform::EndProcessGroup(hook.process, 0, 0);
  LogEnd(event, hook, "arr\xEAt\xE9 apr\xE8s " + std::to_string(kHookLimitMs / 1000) + " s");
  return true;
}

// The run's current hook settled, the next started; true when all of its hooks are over.
bool Advance(HookState& hooks, HookRun& run, std::uint32_t now) {
  if (run.current && Settle(run.event, *run.current, now)) run.current.reset();
  while (!run.current && run.next < run.files.size()) run.current = Start(hooks, run, run.files[run.next++]);
  return !run.current;
}

}  // namespace

void StartHooks(HookState& hooks, const std::string& baseDirectory, const HookContext& context) {
  HookRun run;
  run.event = context.event;
  for (const std::string& folder : HookFolders(context.configuration, context.event)) {
    const std::string directory = platform::ResolvePath(baseDirectory + "/" + folder);
    if (!platform::DirectoryExists(directory)) continue;
    for (const std::string& name : HookNamesInOrder(platform::ListDirectory(directory)))
      run.files.push_back(folder + "/" + name);
  }
  if (run.files.empty()) return;
  run.baseDirectory = baseDirectory;
  run.startTick = platform::GetTickCount();
  run.environment = platform::ChildEnvironment(HookVariables(context));
  if (!Advance(hooks, run, run.startTick)) hooks.runs.push_back(std::move(run));
}

void StepHooks(HookState& hooks, std::uint32_t now) {
  std::erase_if(hooks.runs, [&](HookRun& run) { return Advance(hooks, run, now); });
}

std::optional<std::uint32_t> HooksDue(const HookState& hooks, std::uint32_t now) {
  if (hooks.runs.empty()) return std::nullopt;
  return now + kHookLookMs;
}

void PauseWithHooks(HookState& hooks, std::uint32_t pauseMs) {
  const std::uint32_t end = platform::GetTickCount() + pauseMs;
  for (;;) {
    StepHooks(hooks, platform::GetTickCount());
    const std::uint32_t now = platform::GetTickCount();
    if (TickReached(now, end)) return;
    const std::uint32_t step = std::min<std::uint32_t>(end - now, 20);
    if (hooks.runs.empty()) platform::Sleep(end - now);
    else platform::WaitProcess(hooks.runs.front().current->process, step);
  }
}

namespace {

// Waits until no hook `waitsFor` runs, or until the deadline `deadlineOf` gives the first
// of those still running.
template <typename Which, typename Deadline>
void WaitWhile(HookState& hooks, const Which& waitsFor, const Deadline& deadlineOf) {
  for (;;) {
    StepHooks(hooks, platform::GetTickCount());
    const auto waiting = std::find_if(hooks.runs.begin(), hooks.runs.end(), waitsFor);
    if (waiting == hooks.runs.end()) return;
    const std::uint32_t now = platform::GetTickCount();
    const std::uint32_t deadline = deadlineOf(*waiting);
    if (TickReached(now, deadline)) return;
    // Woken as soon as it ends; a short step keeps the others' output read meanwhile.
    platform::WaitProcess(waiting->current->process, std::min<std::uint32_t>(deadline - now, 20));
  }
}

}  // namespace

void WaitForHooks(HookState& hooks, std::string_view event, std::uint32_t limitMs) {
  WaitWhile(hooks, [event](const HookRun& run) { return run.event == event; },
            [limitMs](const HookRun& run) { return run.startTick + limitMs; });
}

void WaitForRunningHooks(HookState& hooks, std::uint32_t limitMs) {
  const std::uint32_t deadline = platform::GetTickCount() + limitMs;
  WaitWhile(hooks, [](const HookRun&) { return true; }, [deadline](const HookRun&) { return deadline; });
}

void EndHooks(HookState& hooks) {
  for (HookRun& run : hooks.runs) {
    RunningHook& hook = *run.current;
    if (platform::WaitProcess(hook.process, 0) == platform::WaitResult::kExited) {
      LogEnd(run.event, hook, ExitText(hook));
    } else {
      platform::EndProcessGroup(hook.process, 0, 0);
      LogEnd(run.event, hook, "arr\xEAt\xE9 \xE0 la fermeture");
    }
  }
  hooks.runs.clear();
}

}  // namespace shell
