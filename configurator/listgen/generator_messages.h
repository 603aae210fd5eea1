// The generator's own texts, in the language in use.
#pragma once

#include <string>
#include <string_view>

#include "platform/message_catalogue.h"

namespace cfg {

inline const char* GeneratorCaption() { return Tr("Configurateur Orvanel"); }
inline const char* CreatingList() { return Tr("Création de la liste en cours..."); }
// Said while the emulator prints its listing.
inline std::string MachinesReadStatus(int machines) {
  return platform::FormatText(Tr("Création de la liste en cours... %1 machines lues"), {std::to_string(machines)});
}
// Said while the listing is converted: games written, entries seen.
inline const char* GamesProgressPattern() { return Tr("Récupération des ROM en cours : %1 / %2"); }
inline std::string GamesProgress(int written, int seen) {
  return platform::FormatText(GamesProgressPattern(), {std::to_string(written), std::to_string(seen)});
}
inline bool IsGamesProgress(std::string_view text) {
  const std::string_view pattern = GamesProgressPattern();
  return text.starts_with(pattern.substr(0, pattern.find("%1")));
}
// The end of a run that wrote the list.
inline std::string GamesWritten(int games) {
  return platform::FormatText(Tr("%1 ROM(S) récupérée(s)."), {std::to_string(games)});
}
// The end of a run that failed, with its cause.
inline std::string ListNotCreated(std::string_view cause) {
  return platform::FormatText(Tr("Erreur de création de la liste ! %1"), {cause});
}
inline const char* EmulatorNotStarted() { return Tr("L'émulateur n'a pas pu être lancé."); }
inline const char* NoListing() { return Tr("L'émulateur n'a fourni aucune liste."); }
inline const char* NoRomMatched() { return Tr("Aucune ROM ne correspond."); }
inline const char* ListNotWritten() { return Tr("Le fichier n'a pas pu être écrit."); }
inline const char* GenerationStopped() { return Tr("Création de la liste arrêtée : l'ancienne liste est conservée."); }
// A missing ROM folder, named (or said to be missing).
inline std::string NoRomFolderMessage(const std::string& folder) {
  if (folder.empty()) return Tr("Répertoire des ROMS non indiqué : liste non créée !");
  return platform::FormatText(Tr("Répertoire des ROMS introuvable : %1 : liste non créée !"), {folder});
}
inline const char* CannotCreateFile() { return Tr("Erreur d'ouverture du fichier"); }
inline const char* WriteFailed() { return Tr("Erreur d'écriture du fichier ! Disque plein ?"); }
inline const char* PipeFailed() { return Tr("Erreur de lecture de la sortie de l'émulateur"); }
inline const char* CannotRead() { return Tr("Impossible d'ouvrir le fichier en lecture"); }
inline const char* CannotWrite() { return Tr("Impossible d'ouvrir le fichier en écriture"); }

}  // namespace cfg
