#include "frontend/shell/launch_outcome.h"

#include <cerrno>

#include "frontend/shell/launch_log.h"
#include "platform/message_catalogue.h"
#include "platform/text.h"

namespace shell {

namespace {

// A line an emulator wrote may be long or hold anything; the screen gets a readable piece.
constexpr std::size_t kShownLineBytes = 64;

}  // namespace

bool IsFailedStart(int exitCode, std::uint32_t ranMs, bool endedByMenu) {
  return !endedByMenu && exitCode != 0 && ranMs < kFailedStartMs;
}

std::string FailedStartNotice(std::string_view romName, int exitCode, std::string_view lastErrorLine) {
  const std::string name = platform::ToUtf8ForDisplay(Printable(romName));
  std::string text = exitCode > 128
                         ? platform::FormatText(Tr("Échec du lancement de %1 (signal %2)"),
                                                {name, std::to_string(exitCode - 128)})
                         : platform::FormatText(Tr("Échec du lancement de %1 (code %2)"), {name, std::to_string(exitCode)});
  if (lastErrorLine.empty()) return text;
  // The emulator's words on a second row, cut to what fits a small screen.
  std::string line = Printable(lastErrorLine);
  if (line.size() > kShownLineBytes) line = platform::CutToField(line, kShownLineBytes - 2) + "...";
  return text + "\n" + platform::ToUtf8ForDisplay(line);
}

const char* StartErrorMessage(int error) {
  switch (error) {
    case ENOENT: return TrLater("Erreur lancement\n%1 : introuvable");
    case EACCES: return TrLater("Erreur lancement\n%1 : non exécutable (droits)");
    case ENOEXEC: return TrLater("Erreur lancement\n%1 : format de programme inconnu");
    case ENOTDIR: return TrLater("Erreur lancement\n%1 : répertoire introuvable");
    default: return TrLater("Erreur lancement\n%1 : erreur %2");
  }
}

std::string RefusedNameNotice(std::string_view romName, std::string_view reason) {
  return platform::FormatText(Tr("Lancement refusé : le nom « %1 » %2"),
                              {platform::ToUtf8ForDisplay(Printable(romName)), Tr(std::string(reason).c_str())});
}

}  // namespace shell
