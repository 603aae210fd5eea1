#include "render/animation_clock.h"

FrameClocks gFrameClocks;
