// The frames shown, for measuring scripts: with ORV_FRAME_COUNT_FILE set, that file holds
// "<frames shown since the start> <monotonic milliseconds>", rewritten at most once a
// second (never at the end: a close must not wait for it). Without it nothing is counted.
#pragma once

namespace platform {

// One frame was shown.
void CountShownFrame();

}  // namespace platform
