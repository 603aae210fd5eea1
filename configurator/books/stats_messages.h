// What orvanel-config --stats and --stats-reset say, in one place (UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace cfg::stats_text {

inline constexpr const char* kUsage =
    "usage : orvanel-config --stats [--base DOSSIER] [--config NOM] [--from AAAA-MM-JJ] [--to AAAA-MM-JJ] "
    "[--per-day] --csv FICHIER\n"
    "        orvanel-config --stats-reset [--base DOSSIER]\n";

inline std::string BadDate(std::string_view text) {
  return "date invalide « " + std::string(text) + " » (attendu AAAA-MM-JJ)";
}
inline std::string UnreadableJournal(std::string_view folder) {
  return "journal des parties illisible : " + std::string(folder);
}
inline std::string CannotWrite(std::string_view file) { return "écriture impossible : " + std::string(file); }
inline std::string Exported(std::string_view file, std::size_t lines) {
  return "Exporté : " + std::string(file) + " (" + std::to_string(lines) + " lignes)";
}
inline std::string SkippedLines(int count) {
  return std::to_string(count) + " ligne(s) du journal ignorée(s) (coupée(s) ou illisible(s))";
}
inline std::string NoJournal() {
  return "pas de journal des parties : totaux des fichiers .sta, sans détail par jour";
}
inline std::string ResetDone(std::string_view archive) {
  return "Compteurs remis à zéro ; l'ancienne période est archivée dans " + std::string(archive);
}
inline std::string ResetFailed(std::string_view file, bool restored) {
  return "Remise à zéro impossible (" + std::string(file) + ") : " +
         (restored ? std::string("rien n'a été modifié") : std::string("l'archive garde l'ancienne période"));
}

}  // namespace cfg::stats_text
