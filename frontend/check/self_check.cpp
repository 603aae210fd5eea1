#include "frontend/check/self_check.h"

#include <dlfcn.h>

#include <cstdlib>

#include "keytracker/key_tracker.h"
#include "platform/child_environment.h"
#include "platform/message_catalogue.h"
#include "platform/profile.h"
#include "platform/renderer_verdict.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

namespace check {
namespace {

// The file the program's key tracker was loaded from (it is linked in, so it is there).
std::string LoadedKeyTracker() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&KeyTrackerInit), &info) == 0 || !info.dli_fname) return {};
  return info.dli_fname;
}

}  // namespace

Settings GeneralSettingsOf(const std::string& base) {
  Settings s;
  if (const auto file = platform::ProfileFile::Load(settings::MainSettingsPath(base)))
    settings::ReadGeneralSettings(*file, s);
  return s;
}

CheckInputs CheckInputsOfThisProcess(const std::string& base) {
  CheckInputs in;
  in.base = base;
  in.display = platform::EnvironmentValue("DISPLAY");
  in.waylandDisplay = platform::EnvironmentValue("WAYLAND_DISPLAY");
  in.rendererCache = platform::RendererCachePath();
  in.user = platform::EnvironmentValue("USER").empty() ? std::string("$USER") : platform::EnvironmentValue("USER");
  in.canPowerOff = [] { return platform::AskCanPowerOff(static_cast<unsigned>(kProbeLimit.count())); };
  in.keyTracker = LoadedKeyTracker;
  return in;
}

std::vector<Probe> SelfCheckProbes(const CheckInputs& in) {
  return {
      {"installation", Tr("L'installation"), [in] { return CheckInstallation(in); }},
      {"display", Tr("L'écran"), [in] { return CheckDisplay(in); }},
      {"input", Tr("Les entrées"), [in] { return CheckInput(in); }},
      {"sound", Tr("Le son"), [in] { return CheckSound(in); }},
      {"keytracker", Tr("Le suivi des touches"), [in] { return CheckKeyTracker(in); }},
      {"session", Tr("La session"), [in] { return CheckSession(in); }},
  };
}

int RunSelfCheck(const CheckInputs& in, bool json, std::string& report, std::chrono::milliseconds limit) {
  const CheckLines lines = RunProbes(SelfCheckProbes(in), limit);
  report = json ? FormatJson(lines, "Orvanel") : FormatReport(lines);
  return ExitCodeOf(lines);
}

}  // namespace check
