// What orvanel-config --stats and --stats-reset say, in one place (UTF-8).
#pragma once

#include <string>
#include <string_view>

#include "platform/message_catalogue.h"

namespace cfg::stats_text {

inline const char* Usage() {
  return Tr("usage : orvanel-config --stats [--base DOSSIER] [--config NOM] [--from AAAA-MM-JJ] [--to AAAA-MM-JJ] "
            "[--per-day] --csv FICHIER\n"
            "        orvanel-config --stats-reset [--base DOSSIER]\n");
}

inline std::string BadDate(std::string_view text) {
  return platform::FormatText(Tr("date invalide « %1 » (attendu AAAA-MM-JJ)"), {text});
}
inline std::string UnreadableJournal(std::string_view folder) {
  return platform::FormatText(Tr("journal des parties illisible : %1"), {folder});
}
inline std::string CannotWrite(std::string_view file) {
  return platform::FormatText(Tr("écriture impossible : %1"), {file});
}
inline std::string Exported(std::string_view file, std::size_t lines) {
  return platform::FormatText(Tr("Exporté : %1 (%2 lignes)"), {file, std::to_string(lines)});
}
inline std::string SkippedLines(int count) {
  return platform::FormatText(Tr("%1 ligne(s) du journal ignorée(s) (coupée(s) ou illisible(s))"),
                              {std::to_string(count)});
}
inline std::string NoJournal() {
  return Tr("pas de journal des parties : totaux des fichiers .sta, sans détail par jour");
}
inline std::string ResetDone(std::string_view archive) {
  return platform::FormatText(Tr("Compteurs remis à zéro ; l'ancienne période est archivée dans %1"), {archive});
}
inline std::string ResetFailed(std::string_view file, bool restored) {
  return platform::FormatText(restored ? Tr("Remise à zéro impossible (%1) : rien n'a été modifié")
                                       : Tr("Remise à zéro impossible (%1) : l'archive garde l'ancienne période"),
                              {file});
}

}  // namespace cfg::stats_text
