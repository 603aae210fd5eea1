// The generator's own texts (French, as the configurator shows them).
#pragma once

#include <string>

namespace cfg {

inline constexpr const char* kGeneratorCaption = "Configurateur Orvanel";
inline constexpr const char* kCreatingList = "Création de la liste en cours ...";
// Said while the emulator prints its listing: kCreatingList, then "<n> machines lues".
inline std::string MachinesReadStatus(int machines) {
  return std::string(kCreatingList) + " " + std::to_string(machines) + " machines lues";
}
// Followed by "<written> / <seen>".
inline constexpr const char* kGamesProgress = "Récupération des roms en cours : ";
inline constexpr const char* kGamesWritten = " ROM(S) récupèrée(s).";
inline constexpr const char* kListNotCreated = "Erreur de création de la liste !";
// The cause, said after kListNotCreated.
inline constexpr const char* kEmulatorNotStarted = "L'émulateur n'a pas pu être lancé.";
inline constexpr const char* kNoListing = "L'émulateur n'a fourni aucune liste.";
inline constexpr const char* kNoRomMatched = "Aucune ROM ne correspond.";
inline constexpr const char* kListNotWritten = "Le fichier n'a pas pu être écrit.";
inline constexpr const char* kGenerationStopped = "Création de la liste arrêtée : l'ancienne liste est conservée.";
inline constexpr const char* kNoRomFolder = "Répertoire des ROMS introuvable : liste non créée !";
// kNoRomFolder naming the folder (or saying none was given).
inline std::string NoRomFolderMessage(const std::string& folder) {
  if (folder.empty()) return "Répertoire des ROMS non indiqué : liste non créée !";
  return "Répertoire des ROMS introuvable : " + folder + " : liste non créée !";
}
inline constexpr const char* kCannotCreateFile = "ERREUR D'OUVERTURE DU FICHIER";
inline constexpr const char* kWriteFailed = "Erreur d'écriture du fichier ! Disque plein ?";
inline constexpr const char* kPipeFailed = "Erreur PIPE";
inline constexpr const char* kCannotRead = "Impossible d'ouvrir le fichier en lecture";
inline constexpr const char* kCannotWrite = "Impossible d'ouvrir le fichier en écriture (w2)";

}  // namespace cfg
