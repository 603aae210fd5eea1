#include "frontend/render/animation_clock.h"

FrameClocks gFrameClocks;
