#include "frontend/shell/startup.h"

#include "catalogue/random.h"
#include "render/animation_clock.h"
#include "render/display.h"
#include "render/picture_loading.h"
#include "render/render_state.h"
#include "render/texture_table.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/count_run.h"
#include "frontend/shell/event_hooks.h"
#include "frontend/shell/hook_events.h"
#include "frontend/shell/input_notice.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/main_loop.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/shutdown.h"
#include "frontend/shell/sounds.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_input.h"
#include "frontend/shell/wiring_render.h"
#include "frontend/shell/wiring_sound.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/joysticks.h"
#include "platform/message_box.h"
#include "platform/message_catalogue.h"
#include "platform/window.h"

using render::LoadSelectionMedia;
using render::ReleaseAll;
namespace shell {

using catalogue::SeedRandom;

namespace {
constexpr std::uint32_t kFirstMusicDelay = 2000;
}

int RunFrontendIn(const std::string& baseDirectory, const std::string& installationNote) {
  gShell.startTick = platform::GetTickCount();
  gShell.baseDirectory = baseDirectory;
  gShell.statisticsSaveTime = gShell.startTick;
  platform::SetLogDirectory(baseDirectory);
  platform::WriteLog("", 1, 1);
  platform::WriteLog("=== Lancement ===", 1, 1);
  if (!installationNote.empty()) platform::WriteLog(installationNote, 1, 1);

  if (!LoadConfiguration(gShell, gCatalogue, "")) {
    platform::ShowTranslatedMessageBox(TrLater("Fichier Orvanel.ini non trouvé !"), {}, "Orvanel");
    return kFailureStatus;
  }
  const Settings& s = gShell.settings;
  CountRun(baseDirectory);
  wire::OpenGlobalStatistics();
  gRender.textures = {};

  if (!CreateMainWindow(gShell.settings) || wire::CreateMainDisplay() < 0) {
    platform::ShowTranslatedMessageBox(TrLater("Problème durant l'initialisation de DirectX"), {}, "");
    gShell.exitStatus = kFailureStatus;
    return Shutdown(gShell, gCatalogue, gRender);
  }
  gRender.sources.notice = CheckInputDevices();
  if (!s.transitions) {
    gRender.clocks.fadeDelta = 0.0f;
    gRender.clocks.fadeLevel = 1.0f;
  }
  if (!wire::LoadConfiguredLayout(s.templateDir)) {
    ReleaseAll(gRender);
    platform::ShowTranslatedMessageBox("%1", {s.templateDir}, TrLater("Erreur de lecture !"));
    gShell.runState = kRunStopped;
    gShell.exitStatus = kFailureStatus;
    return Shutdown(gShell, gCatalogue, gRender);
  }
  ResetClocks(gRender, gShell.volumeRamp, platform::GetTickCount());
  wire::SelectLastGame();
  platform::ShowMainWindow();
  platform::StartJoysticks();  // the devices connected now arrive as events
  LoadSelectionMedia(gRender);
  gShell.musicCheckTime = platform::GetTickCount() + kFirstMusicDelay;
  PlaySound(gShell.sounds, kSoundIntro, 0);
  platform::SetPointerVisible(false);
  if (!s.modeFenetre) platform::ParkPointer(s.largFen, s.hautFen);
  SeedRandom(gCatalogue.random, platform::GetTickCount());

  FireHooks(gShell, gCatalogue, kHookStartup);

  RunMainLoop();
  WaitForRunningHooks(gShell.hooks, kHookWaitMs);
  FireHooks(gShell, gCatalogue, kHookQuit);
  WaitForHooks(gShell.hooks, kHookQuit, kHookWaitMs);
  EndHooks(gShell.hooks);
  return Shutdown(gShell, gCatalogue, gRender);
}

}  // namespace shell
