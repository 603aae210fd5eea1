#include "render/render_state.h"

namespace render {

RenderState gRender;

}  // namespace render
