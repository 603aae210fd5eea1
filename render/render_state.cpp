#include "render/render_state.h"

RenderState gRender;
