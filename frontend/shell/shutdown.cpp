#include "frontend/shell/shutdown.h"

#include "catalogue/statistics.h"
#include "render/display.h"
#include "render/slide_clip.h"
#include "render/video_snap.h"
#include "frontend/shell/music.h"
#include "frontend/shell/power_off.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_catalogue.h"
#include "render/render_state.h"
#include "frontend/shell/wiring_sound.h"
#include "platform/joysticks.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/process.h"
#include "platform/window.h"

using render::ReleaseAll;
using render::StopSlideClip;
using render::StopVideoSnap;
namespace shell {

using catalogue::SaveTotalTimes;

namespace {
// systemctl answers at once when logind decides; an authentication agent could keep it waiting.
constexpr std::uint32_t kPowerOffAnswerMs = 15000;
}  // namespace

std::vector<std::string> ExitModeCommand(int modeSortie, const std::string& appSortie) {
  if (modeSortie == 1) return {"systemctl", "poweroff"};
  if (modeSortie == 2) return platform::SplitCommandLine(appSortie);
  return {};
}

int Shutdown(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render) {
  const Settings& s = shell.settings;
  SaveTotalTimes(catalogue.statistics, platform::GetTickCount());  // S1
  wire::SaveFavouritesAndLastGame();               // S2
  CloseMusicWindow(shell.music);                   // S3
  wire::FreeSoundsAndAudio();
  StopVideoSnap(render);
  StopSlideClip();
  ReleaseAll(render);                              // S4
  platform::StopJoysticks();
  platform::QuitVideoAtExit();                     // S5
  platform::SetPointerVisible(true);
  platform::WriteLog("=== Fin ===", 1, 1);         // S6
  const auto command = ExitModeCommand(s.modeSortie, s.appSortie);  // S7
  if (s.modeSortie == 1) {
    // Its answer matters: a refused power-off must be said, the cabinet stays on.
    if (const std::string refused = RunPowerOff(command, kPowerOffAnswerMs); !refused.empty())
      platform::WriteLog(refused, 1, 1);
  } else if (!command.empty() && !platform::SpawnDetached(command)) {
    platform::WriteLog("Lancement impossible : " + command.front(), 1, 1);
  }
  // S8: the status the run ended with (a power-off, asked or refused, ends as the quit it was).
  return shell.exitStatus;
}

}  // namespace shell
