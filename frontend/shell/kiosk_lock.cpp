#include "frontend/shell/kiosk_lock.h"

#include "settings/key_code_list.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

namespace shell {

bool KioskLockSet(const std::optional<std::vector<int>>& sequence) { return !sequence || !sequence->empty(); }

bool InstallationKioskLocked(const std::string& baseDirectory) {
  const Settings s = settings::LoadWrittenSettings(settings::MainSettingsPath(baseDirectory), settings::SettingFile::Main);
  return KioskLockSet(settings::ParseKeyCodeList(s.verrouillage));
}

LockStep StepKioskLock(KioskLockState& state, const std::optional<std::vector<int>>& sequence, int code,
                       bool isQuit, std::uint32_t now) {
  if (!KioskLockSet(sequence)) return LockStep::kPass;
  if (state.armed && now - state.armedAt > kLockWindowMs) state = {};
  // The next key of the sequence counts before QuitKey re-arms, so a sequence may use it.
  if (state.armed && sequence && code == (*sequence)[state.matched]) {
    if (++state.matched < sequence->size()) return LockStep::kSwallow;
    state = {};
    return LockStep::kQuit;
  }
  if (isQuit) {
    state = {true, now, 0};
    return LockStep::kSwallow;
  }
  // A wrong key ends the try and acts as always (MenuGenKey, configuration switches, moves).
  state = {};
  return LockStep::kPass;
}

}  // namespace shell
