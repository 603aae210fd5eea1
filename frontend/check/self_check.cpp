#include "frontend/check/self_check.h"

#include <dlfcn.h>

#include <cstdlib>

#include "keytracker/key_tracker.h"
#include "platform/message_catalogue.h"
#include "platform/renderer_verdict.h"

namespace check {
namespace {

std::string Variable(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// The file the program's key tracker was loaded from (it is linked in, so it is there).
std::string LoadedKeyTracker() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&KeyTrackerInit), &info) == 0 || !info.dli_fname) return {};
  return info.dli_fname;
}

}  // namespace

CheckInputs CheckInputsOfThisProcess(const std::string& base) {
  CheckInputs in;
  in.base = base;
  in.display = Variable("DISPLAY");
  in.waylandDisplay = Variable("WAYLAND_DISPLAY");
  in.rendererCache = platform::RendererCachePath();
  in.user = Variable("USER").empty() ? std::string("$USER") : Variable("USER");
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
