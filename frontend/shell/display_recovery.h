// The lost-display path: SDL reports that target textures or the whole renderer were
// lost; the resources are released and reloaded, or the display re-created.
#pragma once

namespace render {
struct RenderState;
}

namespace shell {

struct Shell;

void RecoverDisplay(Shell& shell, render::RenderState& render);

}  // namespace shell
