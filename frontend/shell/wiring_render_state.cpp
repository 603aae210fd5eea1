#include "frontend/shell/wiring_render_state.h"

render::RenderState gRender;

namespace shell::wire {

render::RenderState& Render() { return gRender; }

}  // namespace shell::wire
