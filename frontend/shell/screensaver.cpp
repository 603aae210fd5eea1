#include "frontend/shell/screensaver.h"

#include "catalogue/directory_scan.h"
#include "catalogue/game_list.h"
#include "catalogue/random.h"
#include "render/picture_loading.h"
#include "render/video_snap.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render.h"
#include "platform/clock.h"
#include "platform/monitor_power.h"
#include "platform/video_module.h"

using render::LoadSelectionMedia;
using render::StopVideoSnap;
using render::kClipExtensions;
using render::kImageExtensions;

namespace {
constexpr std::uint32_t kShowChosenGameMs = 1000;

// Pictures, and clips unless the program found it cannot play any.
std::string SlideExtensions() {
  std::string extensions(kImageExtensions);
  if (!platform::VideoModuleMissing()) extensions += ";" + std::string(kClipExtensions);
  return extensions;
}
}  // namespace

void RunScreensaver(char scrType) {
  switch (scrType) {
    case '1':
      RandomGameScreensaver();
      break;
    case '2':
      StopVideoSnap(wire::Render());  // the menu's clip does not play under the slides
      gShell.slideShow.running = true;
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

void RandomGameScreensaver() {
  const int count = CurrentListShape().count;
  if (count < 1) return;
  SelectEntry(DrawPosition(count));
  LoadSelectionMedia(wire::Render());
  DrawMenuFrame(0);
  platform::Sleep(kShowChosenGameMs);
  const GameEntry* entry = SelectedEntry();
  if (!entry || entry->romName.empty()) return;
  const std::string name = entry->romName;  // the launch may reload the list
  LaunchEntry(name, 1, gShell.settings.typeMenu ? 1 : 0);
}

bool SlideDue(std::uint32_t now, std::uint32_t lastSlideTick, int scrDuration) {
  if (lastSlideTick == 0) return true;
  return static_cast<std::int64_t>(now - lastSlideTick) >= std::int64_t{scrDuration} * 1000;
}

std::string NextSlide(std::uint32_t now) {
  const Settings& s = gShell.settings;
  if (!SlideDue(now, gShell.slideShow.lastSlideTick, s.scrDuration)) return {};
  gShell.slideShow.lastSlideTick = now;
  std::string path = s.slideShowDir;
  if (!PickRandomFile(path, SlideExtensions(), s.slideShowSousRep)) return {};
  return path;
}

void EndSlideShow() {
  LoadSelectionMedia(wire::Render());
  DrawMenuFrame(3);
  gShell.slideShow.running = false;
  AskForFrame();  // the menu comes back now, not at the next once-a-second redraw
}
