#include "configurator/listgen/create_list_command.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

#include "configurator/listgen/game_list_generator.h"
#include "configurator/listgen/generator_messages.h"
#include "platform/copy_tree.h"
#include "platform/files.h"
#include "platform/message_catalogue.h"
#include "platform/paths.h"

namespace cfg {
namespace {

constexpr unsigned kProgressEveryMs = 1000;
constexpr int kProgressEveryMachines = 1000;

struct CreateListOptions {
  std::string emulator;
  std::string output;
  std::string romDirectory;
  bool all = false;
};

std::optional<CreateListOptions> ParseOptions(const std::vector<std::string>& args) {
  CreateListOptions o;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--all") o.all = true;
    else if (a == "--emulator" && hasValue) o.emulator = args[++i];
    else if (a == "--output" && hasValue) o.output = args[++i];
    else if (a == "--rom-dir" && hasValue) o.romDirectory = args[++i];
    else return std::nullopt;
  }
  if (o.emulator.empty() || o.output.empty()) return std::nullopt;
  return o;
}

// The configurator keeps its scratch listing in the config folder of the directory it runs
// in; a set-up script may run it elsewhere, and then the list's own folder serves.
std::string ScratchFile(const std::string& output) {
  const std::string base = std::filesystem::current_path().string();
  const std::string config = platform::ResolvePath(platform::JoinPath(base, "config"));
  if (platform::DirectoryExists(config)) return platform::JoinPath(config, "Infos.tmp");
  const std::string_view dir = platform::DirectoryPart(output);
  return platform::JoinPath(dir.empty() ? std::string_view(".") : dir, "Infos.tmp");
}

}  // namespace

int RunCreateListCommand(const std::vector<std::string>& args) {
  const std::optional<CreateListOptions> options = ParseOptions(args);
  if (!options) {
    std::fputs(Tr("usage : orvanel-config --create-list --emulator PROG --output LISTE [--rom-dir DOSSIER] [--all]\n"),
               stderr);
    return 1;
  }
  // "--output config/MAME/MAME.txt" for a configuration not made yet: its folder is made.
  if (const std::string_view folder = platform::DirectoryPart(options->output);
      !folder.empty() && !platform::MakeDirectories(platform::ResolvePath(folder))) {
    std::fputs(platform::FormatText(Tr("Impossible de créer le dossier de la liste : %1\n"), {folder}).c_str(), stderr);
    return 1;
  }
  GeneratorRequest request;
  request.emulator = options->emulator;
  request.outputFile = options->output;
  request.romDirectory = options->romDirectory;
  request.existingOnly = !options->all && !options->romDirectory.empty();
  request.temporaryFile = ScratchFile(options->output);

  GeneratorHooks hooks;
  hooks.message = [](std::string_view text, std::string_view caption) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
  };
  // Where the work is: a whole listing takes a while. While it comes, a line every thousand
  // machines or every second; while it is converted, a line a second.
  std::fprintf(stderr, "%s\n", CreatingList());
  int shown = 0;
  StatusThrottle readClock(kProgressEveryMs);
  hooks.machinesRead = [&shown, &readClock](int machines) {
    if (machines / kProgressEveryMachines == shown / kProgressEveryMachines && !(machines > shown && readClock.Due()))
      return;
    std::fprintf(stderr, "%s\n", MachinesReadStatus(machines).c_str());
    shown = machines;
  };
  StatusThrottle convertClock(kProgressEveryMs);
  hooks.status = [&convertClock](const std::string& text) {
    if (IsGamesProgress(text) && convertClock.Due()) std::fprintf(stderr, "%s\n", text.c_str());
  };
  const GenerationResult result = GenerateGameList(request, hooks);
  if (result.machinesRead > 0)
    std::fputs(platform::FormatText(Tr("%1 machines lues.\n"), {std::to_string(result.machinesRead)}).c_str(), stderr);
  std::printf("%s\n", result.message.c_str());
  std::fflush(stdout);
  return result.ok() ? 0 : 1;
}

}  // namespace cfg
