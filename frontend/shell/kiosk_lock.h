// The kiosk lock ([General] Verrouillage): while it is set, QuitKey alone does not leave the
// menu; the secret sequence of panel keys must follow within a few seconds. The keys typed
// for it do nothing else, and nothing of it is ever shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

inline constexpr std::uint32_t kLockWindowMs = 5000;

struct KioskLockState {
  bool armed = false;          // QuitKey was pressed; the sequence may follow
  std::uint32_t armedAt = 0;   // tick of that press
  std::size_t matched = 0;     // keys of the sequence typed so far
};

enum class LockStep {
  kPass,     // not the lock's business: the key acts as always
  kSwallow,  // taken by the lock: the key does nothing else
  kQuit,     // the sequence is complete: leave now
};

// True while the lock is set: a sequence, or a setting that cannot be read.
bool KioskLockSet(const std::optional<std::vector<int>>& sequence);
// The lock as the installation in `baseDirectory` sets it (config/Orvanel.ini).
bool InstallationKioskLocked(const std::string& baseDirectory);

// One key press through the lock. isQuit: the key would quit the menu to the desktop.
// sequence: the setting as settings::ParseKeyCodeList reads it (empty: no lock; nothing:
// unreadable, and such a lock stays shut, as a cabinet must not open to a typing mistake).
LockStep StepKioskLock(KioskLockState& state, const std::optional<std::vector<int>>& sequence, int code,
                       bool isQuit, std::uint32_t now);

}  // namespace shell
