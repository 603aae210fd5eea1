// The frontend program: the command line and the installation it works on, then everything
// happens in the start-up of the shell.
#include <cstdio>
#include <string>
#include <vector>

#include "frontend/shell/kiosk_lock.h"
#include "frontend/shell/startup.h"
#include "platform/memory.h"
#include "platform/renderer_choice.h"
#include "settings/installation_base.h"
#include "settings/start_options.h"

using shell::InstallationKioskLocked;
using shell::RunFrontendIn;

namespace {

constexpr const char* kUsage =
    "Usage : orvanel [--base DOSSIER]\n"
    "Le menu de jeux de la borne, en plein \xC3\xA9\x63ran ou en fen\xC3\xAAtre selon config/Orvanel.ini.\n"
    "\n"
    "  --base DOSSIER  l'installation \xC3\xA0 utiliser (r\xC3\xA9glages, listes, statistiques, debug.txt)\n"
    "  --help, -h      affiche cette aide\n"
    "  --version       affiche la version\n"
    "  --kiosk-locked  ne d\xC3\xA9marre pas : statut 0 si le verrouillage de la borne est mis, 1 sinon\n"
    "\n"
    "Sans --base : le dossier du programme s'il contient config/Orvanel.ini, sinon\n"
    "$XDG_DATA_HOME/orvanel (~/.local/share/orvanel), cr\xC3\xA9\xC3\xA9 au premier lancement avec la d\xC3\xA9mo.\n";

}  // namespace

int main(int argc, char** argv) {
  // Started again by itself to choose its renderer in a process of its own.
  if (const auto code = platform::RunRendererChoiceIfAsked(argc, argv)) return *code;
  std::vector<std::string> args(argv + 1, argv + argc);
  // orvanel-session's question before it starts X: the lock also shuts X's own doors.
  const bool lockQuestion = std::erase(args, std::string("--kiosk-locked")) > 0;
  const settings::StartOptions options = settings::ParseStartOptions(args);
  if (options.unknown) {
    std::fprintf(stderr, "orvanel : option inconnue \xC2\xAB %s \xC2\xBB\n%s", options.unknown->c_str(), kUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (options.version) {
    std::puts(settings::VersionLine("Orvanel").c_str());
    return 0;
  }
  if (lockQuestion) {
    const auto choice = settings::ChooseInstallation(settings::InputsOfThisProcess(options.base));
    return InstallationKioskLocked(choice.directory) ? 0 : 1;
  }
  platform::KeepFreedMemoryForReuse();
  const auto inputs = settings::InputsOfThisProcess(options.base);
  const auto choice = settings::ChooseInstallation(inputs);
  const auto prepared = settings::PrepareInstallation(choice, settings::ShippedDemoDirectory(inputs.programDirectory));
  return RunFrontendIn(choice.directory, prepared.logLine);
}
