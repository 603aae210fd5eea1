// The frontend program: the command line and the installation it works on, then everything
// happens in the start-up of the shell.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "frontend/check/self_check.h"
#include "frontend/shell/kiosk_lock.h"
#include "frontend/shell/startup.h"
#include "platform/memory.h"
#include "platform/message_catalogue.h"
#include "platform/renderer_choice.h"
#include "settings/installation_base.h"
#include "settings/message_language.h"
#include "settings/start_options.h"

using shell::InstallationKioskLocked;
using shell::RunFrontendIn;

namespace {

// The usage in the language in use (called once the language is chosen).
const char* Usage() {
  return Tr("Usage : orvanel [--base DOSSIER]\n"
            "Le menu de jeux de la borne, en plein écran ou en fenêtre selon config/Orvanel.ini.\n"
            "\n"
            "  --base DOSSIER  l'installation à utiliser (réglages, listes, statistiques, debug.txt)\n"
            "  --help, -h      affiche cette aide\n"
            "  --version       affiche la version\n"
            "  --kiosk-locked  ne démarre pas : statut 0 si le verrouillage de la borne est mis, 1 sinon\n"
            "  --check [--json]  ne démarre pas : vérifie l'installation, l'écran, les entrées, le son,\n"
            "                  le suivi des touches et l'extinction ; statut 1 si une ligne est ERREUR\n"
            "\n"
            "Sans --base : le dossier du programme s'il contient config/Orvanel.ini, sinon\n"
            "$XDG_DATA_HOME/orvanel (~/.local/share/orvanel), créé au premier lancement avec la démo.\n");
}

}  // namespace

int main(int argc, char** argv) {
  // Started again by itself to choose its renderer in a process of its own.
  if (const auto code = platform::RunRendererChoiceIfAsked(argc, argv)) return *code;
  std::vector<std::string> args(argv + 1, argv + argc);
  // orvanel-session's question before it starts X: the lock also shuts X's own doors.
  const bool lockQuestion = std::erase(args, std::string("--kiosk-locked")) > 0;
  const bool selfCheck = std::erase(args, std::string("--check")) > 0;
  const bool json = std::erase(args, std::string("--json")) > 0;
  const settings::StartOptions options = settings::ParseStartOptions(args);
  const auto inputs = settings::InputsOfThisProcess(options.base);
  const auto choice = settings::ChooseInstallation(inputs);
  settings::UseLanguageOfInstallation(choice.directory, inputs.programDirectory);
  if (options.unknown || (json && !selfCheck)) {
    std::fputs(platform::FormatText(Tr("orvanel : option inconnue « %1 »\n"), {options.unknown.value_or("--json")}).c_str(), stderr);
    std::fputs(Usage(), stderr);
    return 2;
  }
  if (options.help) {
    std::fputs(Usage(), stdout);
    return 0;
  }
  if (options.version) {
    std::puts(settings::VersionLine("Orvanel").c_str());
    return 0;
  }
  if (lockQuestion) return InstallationKioskLocked(choice.directory) ? 0 : 1;
  if (selfCheck) {
    std::string report;
    const int status = check::RunSelfCheck(check::CheckInputsOfThisProcess(choice.directory), json, report);
    std::fputs(report.c_str(), stdout);
    std::fflush(stdout);
    // A probe stuck on a device keeps its thread: leave without waiting for it.
    std::_Exit(status);
  }
  platform::KeepFreedMemoryForReuse();
  const auto prepared = settings::PrepareInstallation(choice, settings::ShippedDemoDirectory(inputs.programDirectory));
  return RunFrontendIn(choice.directory, prepared.logLine);
}
