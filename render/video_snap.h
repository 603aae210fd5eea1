// The selected game's clip in the Snap object. A selection that rests for a moment
// starts the clip (found in VideoDir like the snapshot in SnapDir); its first frame
// replaces the snapshot, and each newer due frame goes into one streaming texture. The
// clip is drawn as the snapshot is: same fit or stretch, opacity, rotation, transitions.
// With VideoSon its sound plays along, starting over with each pass, and the music is
// lowered until the clip stops.
#pragma once

#include <cstdint>
#include <optional>

namespace render {

struct RenderState;

// The selection has rested this long when its clip starts.
constexpr std::uint32_t kVideoRestMs = 300;

// The selection changed (or its media were loaded again): the clip playing stops at
// once and the new selection's clip starts after the rest.
void VideoSnapSelectionChanged(RenderState& rs, std::uint32_t now);
// Starts the clip when the rest is over and puts the newest due frame into the Snap
// object. True when the Snap object shows something new (a frame must be drawn).
bool VideoSnapStep(RenderState& rs, std::uint32_t now);
// When VideoSnapStep has something to do next; nothing while no clip waits or plays.
std::optional<std::uint32_t> VideoSnapDeadline(std::uint32_t now);
// A clip's frame is in the Snap object: it changes from frame to frame.
bool VideoSnapShown();
// Stops the clip and forgets the selection (a launch, a switch, the end).
void StopVideoSnap(RenderState& rs);

}  // namespace render
