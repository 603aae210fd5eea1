#include "configurator/pagemodel/check_command.h"

#include <array>
#include <cstdio>

#include "platform/files.h"
#include "platform/message_catalogue.h"
#include "platform/output_pipe.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace cfg {
namespace {

constexpr std::uint32_t kAnswerMs = 10000;  // the probes give up at 2 s each, side by side

}  // namespace

std::string MenuProgram() {
  const std::string here = platform::ProgramDirectory();
  for (const char* name : {"Orvanel", "orvanel"}) {
    const std::string path = platform::JoinPath(here, name);
    if (platform::FileExists(path)) return path;
  }
  return {};
}

std::optional<CheckRun> RunMenuCheck(const std::string& menu, const std::string& base, bool json) {
  std::vector<std::string> argv{menu, "--check"};
  if (json) argv.push_back("--json");
  if (!base.empty()) {
    argv.push_back("--base");
    argv.push_back(base);
  }
  auto pipe = platform::OutputPipe::Create();
  if (!pipe) return std::nullopt;
  auto child = platform::SpawnProcess(menu, argv, "", nullptr,
                                      {.output = pipe->writeEnd(), .error = platform::ChildStreams::kDiscard});
  pipe->CloseWriteEnd();
  if (!child) return std::nullopt;
  CheckRun run;
  std::array<char, 4096> buffer{};
  for (;;) {
    const auto r = pipe->Read(buffer, kAnswerMs);
    if (r.status != platform::OutputPipe::Status::kData) {
      if (r.status != platform::OutputPipe::Status::kEnd) {
        platform::TerminateProcessGroup(*child, 100);
        return std::nullopt;
      }
      break;
    }
    run.report.append(buffer.data(), r.bytes);
  }
  if (platform::WaitProcess(*child, kAnswerMs) != platform::WaitResult::kExited) {
    platform::TerminateProcessGroup(*child, 100);
    return std::nullopt;
  }
  run.status = child->exitCode();
  return run;
}

int RunCheckCommand(const std::vector<std::string>& args) {
  bool json = false;
  std::string base;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i] == "--base" && i + 1 < args.size()) {
      base = args[++i];
    } else {
      std::fputs(platform::FormatText(Tr("orvanel-config --check : option inconnue « %1 »\n"), {args[i]}).c_str(), stderr);
      return 2;
    }
  }
  const std::string menu = MenuProgram();
  const auto run = menu.empty() ? std::nullopt : RunMenuCheck(menu, base, json);
  if (!run) {
    std::fputs(Tr("orvanel-config --check : le menu (orvanel) est introuvable à côté du configurateur ou ne répond pas\n"),
               stderr);
    return 1;
  }
  std::fputs(run->report.c_str(), stdout);
  return run->status;
}

}  // namespace cfg
