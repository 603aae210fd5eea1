#include "configurator/pagemodel/new_config_command.h"

#include <cstdio>
#include <optional>

#include "configurator/pagemodel/installation.h"
#include "configurator/pagemodel/new_configuration.h"
#include "platform/message_catalogue.h"
#include "platform/paths.h"
#include "settings/installation_base.h"

namespace cfg {
namespace {

struct NewConfigOptions {
  NewConfiguration config;
  std::optional<std::string> emulator;
  std::optional<std::string> romDir;
  std::optional<std::string> base;
  bool paramsGiven = false;
};

// A path typed on the command line counts from the current directory; below the
// installation it is kept relative to it, as the window keeps a chosen one.
std::string PathSetting(std::string_view base, const std::string& typed) {
  return platform::MakeRelativePath(base, platform::AbsolutePath(typed));
}

std::optional<NewConfigOptions> ParseOptions(const std::vector<std::string>& args) {
  if (args.size() < 2) return std::nullopt;
  NewConfigOptions o;
  o.config.name = args[1];
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return std::nullopt;
    if (a == "--emulator") o.emulator = args[++i];
    else if (a == "--rom-dir") o.romDir = args[++i];
    else if (a == "--params") {
      o.config.emuParams = args[++i];
      o.paramsGiven = true;
    }
    else if (a == "--base") o.base = args[++i];
    else return std::nullopt;
  }
  return o;
}

}  // namespace

int RunNewConfigCommand(const std::vector<std::string>& args, const ProposeEmuParams& propose) {
  std::optional<NewConfigOptions> options = ParseOptions(args);
  if (!options) {
    std::fputs(Tr("usage : orvanel-config --new-config NOM [--emulator PROG] [--rom-dir DOSSIER] [--params TEXTE] "
                  "[--base DOSSIER]\n"),
               stderr);
    return 1;
  }
  const auto inputs = settings::InputsOfThisProcess(options->base);
  const auto choice = settings::ChooseInstallation(inputs);
  settings::PrepareInstallation(choice, settings::ShippedDemoDirectory(inputs.programDirectory));
  const std::string& base = choice.directory;
  // A bare program name stays one: the frontend looks it up in PATH.
  if (options->emulator)
    options->config.emuExe =
        options->emulator->find('/') == std::string::npos ? *options->emulator : PathSetting(base, *options->emulator);
  if (options->romDir) options->config.romDir = PathSetting(base, *options->romDir);
  // A refused name runs no emulator.
  std::string failure = RefusedConfigurationName(base, options->config.name);
  if (failure.empty() && options->emulator && !options->paramsGiven && propose)
    options->config.emuParams = propose(*options->emulator);
  if (failure.empty()) failure = CreateConfiguration(base, options->config);
  if (!failure.empty()) {
    std::fputs(platform::FormatText(Tr("orvanel-config : %1\n"), {failure}).c_str(), stderr);
    return 1;
  }
  const std::string file = ConfigurationFile(base, options->config.name);
  std::fputs(platform::FormatText(Tr("Configuration « %1 » créée : %2\n"), {options->config.name, file}).c_str(),
             stdout);
  return 0;
}

}  // namespace cfg
