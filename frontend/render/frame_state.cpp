#include "frontend/render/frame_state.h"

FrameState gFrame;
