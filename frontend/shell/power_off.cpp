#include "frontend/shell/power_off.h"

#include "platform/process.h"

namespace shell {

std::string RunPowerOff(const std::vector<std::string>& command, std::uint32_t timeoutMs) {
  if (command.empty()) return {};
  const std::string what = "Extinction impossible (" + command.front() + ") : ";
  int error = 0;
  auto process = platform::SpawnProcess(command.front(), command, "", &error,
                                        {platform::ChildStreams::kDiscard, platform::ChildStreams::kDiscard});
  if (!process) return what + "programme introuvable ou non ex\xE9\x63utable";
  switch (platform::WaitProcess(*process, timeoutMs)) {
    case platform::WaitResult::kExited:
      if (process->exitCode() == 0) return {};
      return what + "refus\xE9\x65 (code " + std::to_string(process->exitCode()) +
             "), logind ne l'autorise pas \xE0 cet utilisateur sans mot de passe";
    case platform::WaitResult::kTimedOut:
      // Still asking: the system may yet power off; the menu ends as it would anyway.
      return what + "pas de r\xE9ponse apr\xE8s " + std::to_string(timeoutMs / 1000) + " s";
    case platform::WaitResult::kFailed:
      break;
  }
  return what + "\xE9\x63hec";
}

}  // namespace shell
