// The fonts of the layout's text styles.
#pragma once

#include <string>

namespace render {

struct RenderState;

// (Re)creates font `index` (a layout object index) at `height` pixels; weight 600 and
// above is bold. 0 (and no font) for a height below 6, an empty face or a failure.
// Font 14 also gives the scroll text its character widths.
int CreateTextStyleFont(RenderState& rs, int index, int height, const std::string& face, int weight);

}  // namespace render
