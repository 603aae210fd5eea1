#include "frontend/shell/screensaver.h"

#include "catalogue/game_list.h"
#include "catalogue/random.h"
#include "render/picture_loading.h"
#include "render/video_snap.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/hook_events.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/shell_state.h"
#include "render/render_state.h"
#include "platform/clock.h"
#include "platform/monitor_power.h"

namespace shell {

using catalogue::DrawPosition;
using catalogue::GameEntry;

using render::LoadSelectionMedia;
using render::StopVideoSnap;
using render::kClipExtensions;
using render::kImageExtensions;

namespace {
constexpr std::uint32_t kShowChosenGameMs = 1000;

}  // namespace

void RunScreensaver(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, char scrType) {
  if (scrType >= '1' && scrType <= '3') FireScreensaverStart(shell, catalogue);
  switch (scrType) {
    case '1':
      RandomGameScreensaver(shell, catalogue, render);
      FireScreensaverEnd(shell, catalogue);  // the menu is back when the game ends
      break;
    case '2':
      StopVideoSnap(render);  // the menu's clip does not play under the slides
      shell.slideShow.running = true;
      break;
    case '3':
      // Also in full screen, where a cabinet runs: the request is not dropped there. The
      // screen saver is let act meanwhile, or the video layer would wake the monitor.
      platform::SetScreenSaverAllowed(true);
      platform::SetMonitorLowPower();
      break;
    default:
      break;
  }
}

void RandomGameScreensaver(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render) {
  const int count = CurrentListShape(catalogue, render).count;
  if (count < 1) return;
  SelectPosition(shell.listWindow, catalogue, render, DrawPosition(catalogue.random, count));
  LoadSelectionMedia(render);
  DrawMenuFrame(render, shell.slideShow, 0);
  platform::Sleep(kShowChosenGameMs);
  const std::optional<GameEntry> entry = SelectedEntry(shell.listWindow, catalogue);
  if (!entry || entry->romName.empty()) return;
  const std::string name(entry->romName);  // the launch may reload the list
  LaunchEntry({shell, catalogue, render}, name, 1, shell.settings.typeMenu ? 1 : 0);
}

void EndSlideShow(render::RenderState& render, SlideShow& slideShow) {
  LoadSelectionMedia(render);
  DrawMenuFrame(render, slideShow, 3);
  slideShow.running = false;
  AskForFrame(render.clocks);  // the menu comes back now, not at the next once-a-second redraw
}

}  // namespace shell
