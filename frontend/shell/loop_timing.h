// The main loop's decisions about time, as pure functions of the tick. Ticks wrap after
// 49.7 days, so "a has reached b" is a signed look at the unsigned difference.
#pragma once

#include <cstdint>
#include <optional>

namespace shell {

inline bool TickReached(std::uint32_t now, std::uint32_t due) {
  return static_cast<std::int32_t>(now - due) >= 0;
}

// The frame step runs when the tick has reached NextFrameTime and the layout is ready.
bool FrameDue(std::uint32_t now, std::uint32_t nextFrameTime, bool layoutReady);

// The look at the music: music configured, volume above 0, a second since the last look,
// and the last look not in the future.
bool MusicCheckDue(std::uint32_t now, std::uint32_t musicCheckTime, bool hasMusic, int musicVolume);

// The periodic save of the playing times: more than 30 s since the last one.
bool StatisticsSaveDue(std::uint32_t now, std::uint32_t statisticsSaveTime);

// What the idle path waits for; a missing deadline is nothing to wait for.
struct LoopDeadlines {
  std::optional<std::uint32_t> frame;        // NextFrameTime, when frames are drawn
  std::optional<std::uint32_t> musicCheck;   // last music look, when music is configured
  std::uint32_t statisticsSave = 0;          // last periodic save
  std::optional<std::uint32_t> screensaver;  // the screensaver's due tick
  std::optional<std::uint32_t> video;        // the Snap object's clip's next step
  std::optional<std::uint32_t> slideClip;    // the slide show's clip's next step
  std::optional<std::uint32_t> padRepeat;    // a held joystick control's next repeat
  std::optional<std::uint32_t> heldKeys;     // the next look at keys held since a game
  std::optional<std::uint32_t> hooks;        // a selection resting, or hooks running
};

// How long the idle path may wait for an event before a step falls due: 0 when one is
// due now, never more than one second.
std::uint32_t IdleTimeout(std::uint32_t now, const LoopDeadlines& d);

}  // namespace shell
