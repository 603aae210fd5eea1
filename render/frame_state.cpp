#include "render/frame_state.h"

FrameState gFrame;
