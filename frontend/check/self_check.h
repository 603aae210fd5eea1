// orvanel --check: what the menu would find on this machine, without opening it. The
// installation and its settings, the screen, the input devices, the sound, the key tracker,
// the kiosk lock and the power-off, one sentence each with OK / ATTENTION / ERREUR.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/check/check_report.h"
#include "frontend/check/probe_runner.h"
#include "platform/system_probes.h"
#include "settings/settings.h"

namespace check {

// What the probes look at; a test hands in a made-up machine.
struct CheckInputs {
  std::string base;  // the installation
  std::string display;         // $DISPLAY
  std::string waylandDisplay;  // $WAYLAND_DISPLAY
  std::string drmDirectory = "/dev/dri";
  platform::InputDeviceRoots input;
  std::string rendererCache;  // the remembered renderer verdict
  std::string user;           // for the command that joins a group
  std::function<platform::AudioProbe()> audio = platform::ProbeAudio;
  std::function<std::optional<std::string>()> canPowerOff;
  std::function<std::string()> keyTracker;  // the loaded library's file; empty: not loaded
};

CheckInputs CheckInputsOfThisProcess(const std::string& base);

// Orvanel.ini of the installation as the menu reads it (the defaults when it cannot be read).
Settings GeneralSettingsOf(const std::string& base);

// Each part of the check, as its own probe.
CheckLines CheckInstallation(const CheckInputs& in);
CheckLines CheckDisplay(const CheckInputs& in);
CheckLines CheckInput(const CheckInputs& in);
CheckLines CheckSound(const CheckInputs& in);
CheckLines CheckKeyTracker(const CheckInputs& in);
CheckLines CheckSession(const CheckInputs& in);

std::vector<Probe> SelfCheckProbes(const CheckInputs& in);

inline constexpr std::chrono::milliseconds kProbeLimit{2000};

// The whole check: the report (text or JSON) in `report`; the exit status.
int RunSelfCheck(const CheckInputs& in, bool json, std::string& report,
                 std::chrono::milliseconds limit = kProbeLimit);

}  // namespace check
