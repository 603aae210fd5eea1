#include "render/animation_clock.h"
