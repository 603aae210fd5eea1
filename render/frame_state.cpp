#include "render/frame_state.h"
