#include "frontend/shell/game_end.h"

#include <string>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/process.h"

namespace shell {

namespace {

const char* HowItEnded(platform::EndedBy by) {
  switch (by) {
    case platform::EndedBy::kItself:
      return "Jeu d\xE9j\xE0 termin\xE9";
    case platform::EndedBy::kCloseRequest:
      return "Jeu ferm\xE9 par la demande de fermeture de ses fen\xEAtres";
    case platform::EndedBy::kTerminate:
      return "Jeu termin\xE9 par SIGTERM";
    case platform::EndedBy::kKill:
      break;
  }
  return "Jeu arr\xEAt\xE9 par SIGKILL";
}

}  // namespace

void EndGame(platform::ProcessHandle& process, std::uint32_t closeGraceMs, std::uint32_t termGraceMs) {
  const std::uint32_t start = platform::GetTickCount();
  int asked = 0;
  const platform::EndedBy by =
      platform::EndProcessGroup(process, closeGraceMs, termGraceMs, &asked);
  const std::uint32_t took = platform::GetTickCount() - start;
  std::string text = std::string(HowItEnded(by)) + " en " + std::to_string(took) + " ms";
  // A game still closing when its grace is over ends under the next step.
  if (asked > 0 && by != platform::EndedBy::kCloseRequest)
    text += " (fermeture demand\xE9" "e \xE0 " + std::to_string(asked) + " fen\xEAtre" + (asked > 1 ? "s)" : ")");
  platform::WriteLog(text, 1, 1);
}

}  // namespace shell
