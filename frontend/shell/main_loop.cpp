#include "frontend/shell/main_loop.h"

#include "catalogue/statistics.h"
#include "render/animation_clock.h"
#include "render/animations.h"
#include "render/display.h"
#include "render/render_state.h"
#include "render/screen.h"
#include "render/slide_clip.h"
#include "render/video_snap.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/display_handover.h"
#include "frontend/shell/display_recovery.h"
#include "frontend/shell/hook_events.h"
#include "frontend/shell/kiosk_lock.h"
#include "frontend/shell/loop_timing.h"
#include "frontend/shell/music.h"
#include "frontend/shell/pad_input.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/slide_show.h"
#include "frontend/shell/volume_ramp.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_input.h"
#include "frontend/shell/wiring_launch.h"
#include "frontend/shell/wiring_render_state.h"
#include "frontend/shell/wiring_sound.h"
#include "platform/clock.h"
#include "platform/keyboard_state.h"
#include "platform/debug_log.h"
#include "platform/window.h"
#include "settings/key_code_list.h"

using render::ClockDue;
using render::CrossFadeRunning;
using render::FrameClocks;
using render::SlideClipDeadline;
using render::SlideClipStep;
using render::UpdateAnimations;
using render::VideoSnapDeadline;
using render::VideoSnapStep;
namespace shell {

using catalogue::SaveTotalTimes;

namespace {
// NextFrameTime this far ahead means that no clock asked for a frame.
constexpr std::uint32_t kNoFrameMark = 1000000;
constexpr std::uint32_t kIdleRedraw = 1000;
// A slide fades in over 16 frames. At the pace of the other clocks (none in a still
// template: one frame a second) that would take 16 seconds, and a slide shown for less
// would never be seen whole; the fade asks for its frames itself.
constexpr std::uint32_t kCrossFadeFrame = 20;
// A held key's release that the window never reported (SDL drops the release of a key it
// did not see go down, as when it did not auto-repeat) is found on the keyboard itself.
void LookAtHeldKeys(std::uint32_t now) {
  InputState& input = gShell.input;
  if (input.heldSinceGame.HoldsNone() || !TickReached(now, input.heldKeysLook)) return;
  input.heldSinceGame.KeepOnly(platform::KeysDownNow());
  input.heldKeysLook = now + kHeldKeysLookMs;
}

}  // namespace

void FrameStep(std::uint32_t now) {
  FrameClocks& c = gRender.clocks;
  const std::uint32_t mark = now + kNoFrameMark;
  c.nextFrameTime = mark;
  const bool ramped = StepVolumeRamp(gShell.volumeRamp, gShell.music, gRender, now);
  const bool moved = UpdateAnimations(gRender, now) || ramped;
  if (const auto due = VolumeRampDue(gShell.volumeRamp); due && ClockDue(c.nextFrameTime, *due)) c.nextFrameTime = *due;
  // A frame identical to the one on screen is not drawn. A transition or a slide's fade
  // changes every frame; the slide show picks its next slide while drawing.
  const bool changes = moved || c.frameAsked || c.fadeDelta != 0.0f || CrossFadeRunning(gRender) || gShell.slideShow.running;
  if (changes && DrawMenuFrame(gRender, gShell.slideShow, 0)) {
    c.frameAsked = false;
    NoteMenuFrameShown();
  }
  if (gShell.runState == kRunQuitting && c.fadeDelta == 0.0f) gShell.runState = kRunStopped;
  // After the frame, which may have begun a fade. With ScrDuration 0 every frame brings a
  // new slide: quick frames would only flash pictures, so those keep the usual pace.
  const bool fading = CrossFadeRunning(gRender) && gShell.settings.scrDuration > 0;
  if (fading && !TickReached(now + kCrossFadeFrame, c.nextFrameTime))
    c.nextFrameTime = now + kCrossFadeFrame;
  if (c.nextFrameTime == mark) c.nextFrameTime = now + kIdleRedraw;
}

void IdleStep(std::uint32_t now) {
  const Settings& s = gShell.settings;
  // The quit ends in a frame step once the closing transition is over; with no layout
  // (a switch that left none) no frame runs, so it ends here.
  if (gShell.runState == kRunQuitting && !gRender.display.deviceReady) gShell.runState = kRunStopped;
  if (gShell.pendingReset != DisplayReset::None) {
    RecoverDisplay(gShell, gRender);
  } else {
    gShell.launched = false;
    // A new clip frame redraws the Snap object (or the slide) only: the still layer stays
    // as it is.
    const bool ready = gRender.display.deviceReady;
    const bool snapFrame = ready && VideoSnapStep(gRender, now);
    const bool slideFrame = ready && SlideClipStep(gRender, now);
    if (snapFrame || slideFrame) {
      gRender.clocks.frameAsked = true;
      gRender.clocks.nextFrameTime = now;
    }
    PadRepeatStep(gShell, gCatalogue, gRender, now);  // before the frame, which shows what it did
    LookAtHeldKeys(now);
    if (FrameDue(now, gRender.clocks.nextFrameTime, gRender.display.deviceReady)) FrameStep(now);
    if (MusicCheckDue(now, gShell.musicCheckTime, !s.musicFond.empty(), s.musicVolume)) {
      gShell.musicCheckTime = platform::GetTickCount();
      if (MusicStopped(gShell.music)) {
        wire::StartConfiguredMusic(s.musicFond);
        if (!s.modeFenetre) platform::SetPointerVisible(false);
      }
    }
    if (auto due = ScreensaverDeadline(gShell.screensaverTimer); due && TickReached(now, *due)) wire::ScreensaverStep(now);
    if (ExpireScreenNotice(gShell.notice, gRender.sources.notice, now)) AskForFrame(gRender.clocks);
    HookStep(gShell, gCatalogue, now);
  }
  if (StatisticsSaveDue(now, gShell.statisticsSaveTime)) {
    SaveTotalTimes(gCatalogue.statistics, now);
    gShell.statisticsSaveTime = now;
  }
}

std::uint32_t NextIdleTimeout(std::uint32_t now) {
  const Settings& s = gShell.settings;
  LoopDeadlines d;
  if (gShell.pendingReset != DisplayReset::None) return 0;
  if (gRender.display.deviceReady) d.frame = gRender.clocks.nextFrameTime;
  if (!s.musicFond.empty() && s.musicVolume > 0) d.musicCheck = gShell.musicCheckTime;
  d.statisticsSave = gShell.statisticsSaveTime;
  d.screensaver = ScreensaverDeadline(gShell.screensaverTimer);
  if (gRender.display.deviceReady) {
    d.video = VideoSnapDeadline(now);
    d.slideClip = SlideClipDeadline(now);
  }
  d.padRepeat = PadRepeatDue(gShell.pads);
  if (!gShell.input.heldSinceGame.HoldsNone()) d.heldKeys = gShell.input.heldKeysLook;
  d.hooks = HookStepDue(gShell, now);
  return IdleTimeout(now, d);
}

void DispatchEvent(const platform::WindowEvent& event) {
  using Type = platform::WindowEvent::Type;
  switch (event.type) {
    case Type::Close:
      // A window manager's close (Alt+F4) is a door out like QuitKey: the lock keeps it shut.
      if (KioskLockSet(settings::ParseKeyCodeList(gShell.settings.verrouillage))) {
        platform::WriteLog("Fermeture de la fenetre refusee : verrouillage de la borne", 1, 1);
        break;
      }
      gShell.runState = kRunStopped;
      break;
    case Type::Quit:  // the system's stop (shutdown, systemctl stop) is never refused
      gShell.runState = kRunStopped;
      break;
    case Type::RenderTargetsReset:
      if (gShell.pendingReset == DisplayReset::None) gShell.pendingReset = DisplayReset::Targets;
      break;
    case Type::RenderDeviceReset:
      gShell.pendingReset = DisplayReset::Device;
      break;
    case Type::Exposed:
    case Type::Shown:
      AskForFrame(gRender.clocks);  // the window system lost what was on screen
      break;
    case Type::KeyDown:
      AskForFrame(gRender.clocks);  // every key shows its frame at once, whatever it did
      wire::HandleWindowEvent(event);
      break;
    default:
      wire::HandleWindowEvent(event);
      break;
  }
}

void RunMainLoop() {
  platform::WindowEvent event;
  while (gShell.runState > 0) {
    if (platform::PollEvent(event)) {
      DispatchEvent(event);
      continue;
    }
    IdleStep(platform::GetTickCount());
    if (gShell.runState <= 0) break;
    // Sleep until the next step is due; an event that arrives meanwhile is this pass's.
    const std::uint32_t timeout = NextIdleTimeout(platform::GetTickCount());
    if (timeout > 0 && platform::WaitEvent(timeout, event)) DispatchEvent(event);
  }
}

}  // namespace shell
