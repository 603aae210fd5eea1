// OrvanelConfig: the configurator. The command-line forms run without a display.
//   OrvanelConfig [--base DIR]   the window, on the installation the frontend would use
//                                (the one rule of settings/installation_base.h)
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QApplication>

#include "configurator/books/stats_command.h"
#include "configurator/layouteditor/import_command.h"
#include "configurator/listgen/create_list_command.h"
#include "configurator/listgen/filter_command.h"
#include "configurator/listgen/game_list_generator.h"
#include "configurator/listgen/listing_watch.h"
#include "configurator/config_window.h"
#include "configurator/pagemodel/check_command.h"
#include "configurator/pagemodel/new_config_command.h"
#include "configurator/widgets/message_boxes.h"
#include "platform/debug_log.h"
#include "platform/message_catalogue.h"
#include "settings/installation_base.h"
#include "settings/message_language.h"
#include "settings/start_options.h"

namespace {

const char* Usage() {
  return Tr(
      "Usage : orvanel-config [--base DOSSIER]\n"
      "        orvanel-config --create-list --emulator PROG --output LISTE [--rom-dir DOSSIER] [--all]\n"
      "        orvanel-config --import mamewah|atomicfe SOURCE DESTINATION.cfg\n"
      "        orvanel-config --new-config NOM [--emulator PROG] [--rom-dir DOSSIER] [--params TEXTE] [--base "
      "DOSSIER]\n"
      "        orvanel-config --filter --list LISTE --output config/NOM/Liste.ini [critères...]\n"
      "        orvanel-config --stats [--config NOM] [--from AAAA-MM-JJ] [--to AAAA-MM-JJ] [--per-day] --csv FICHIER\n"
      "        orvanel-config --stats-reset [--base DOSSIER]\n"
      "        orvanel-config --check [--json] [--base DOSSIER]\n"
      "Le configurateur de la borne : réglages, générateur de listes, éditeur de layouts.\n"
      "\n"
      "  --base DOSSIER  l'installation à modifier (par défaut celle du menu)\n"
      "  --create-list   crée la liste de jeux d'une configuration depuis l'émulateur, sans fenêtre\n"
      "  --import        convertit un layout MAMEWAH ou AtomicFe, sans fenêtre\n"
      "  --new-config    crée la configuration config/NOM/ avec les réglages par défaut et sa liste\n"
      "                  config/NOM/NOM.txt ; --emulator, --rom-dir et --params la remplissent\n"
      "  --filter        écrit la liste des jeux à montrer (Liste.ini) d'après des critères, sans fenêtre\n"
      "                  (--filter seul : la liste des critères)\n"
      "  --stats         écrit les comptes (pièces, parties) d'une période en CSV, par jeu ou par jour\n"
      "  --stats-reset   archive les compteurs et le journal dans stats/archive-..., puis les remet à zéro\n"
      "  --check         vérifie la borne comme orvanel --check (installation, écran, entrées, son)\n"
      "  --help, -h      affiche cette aide\n"
      "  --version       affiche la version\n");
}

// The installation whose Langue the texts follow: the one the window would open (a
// command's own --base DIR counts too).
void UseLanguageOfArguments(const std::vector<std::string>& args) {
  std::optional<std::string> base;
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == "--base") base = args[i + 1];
  const auto inputs = settings::InputsOfThisProcess(base);
  settings::UseLanguageOfInstallation(settings::ChooseInstallation(inputs).directory, inputs.programDirectory);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  UseLanguageOfArguments(args);
  if (!args.empty() && args[0] == "--create-list") return cfg::RunCreateListCommand(args);
  if (!args.empty() && args[0] == "--import") return cfg::RunImportCommand(args);
  if (!args.empty() && args[0] == "--filter") return cfg::RunFilterCommand(args);
  if (!args.empty() && (args[0] == "--stats" || args[0] == "--stats-reset")) return cfg::RunStatsCommand(args);
  if (!args.empty() && args[0] == "--check") return cfg::RunCheckCommand(args);
  if (!args.empty() && args[0] == "--new-config")
    return cfg::RunNewConfigCommand(args, [](const std::string& emulator) {
      return cfg::ListsAsMame(emulator) ? std::string(cfg::kMameEmuParams) : std::string();
    });

  const settings::StartOptions options = settings::ParseStartOptions(std::span(args));
  if (options.unknown) {
    std::fputs(platform::FormatText(Tr("orvanel-config : option inconnue « %1 »\n"), {*options.unknown}).c_str(),
               stderr);
    std::fputs(Usage(), stderr);
    return 2;
  }
  if (options.help) {
    std::fputs(Usage(), stdout);
    return 0;
  }
  if (options.version) {
    std::puts(settings::VersionLine("OrvanelConfig").c_str());
    return 0;
  }
  const auto inputs = settings::InputsOfThisProcess(options.base);
  const auto choice = settings::ChooseInstallation(inputs);
  const auto prepared = settings::PrepareInstallation(choice, settings::ShippedDemoDirectory(inputs.programDirectory));
  platform::SetLogDirectory(choice.directory);
  // Opening and closing the window must write nothing: only a start that made the
  // installation says so.
  if (prepared.made) platform::WriteLog(prepared.logLine, 1, 1);
  // Every argument was ours: Qt gets none (its platform comes from QT_QPA_PLATFORM).
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  cfg::InstallTranslations(app, platform::MessageLanguageInUse(), platform::MessageCatalogueDirectoryInUse());
  cfg::InstallQtMessageBoxes();
  cfg::ConfigWindow window(choice.directory);
  window.show();
  return app.exec();
}
