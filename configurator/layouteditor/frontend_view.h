// The editor's layout as the frontend's drawing code takes it, for the preview: each object
// goes to the frontend's number for it, and the draw order follows the preview's rule.
#pragma once

#include "configurator/layouteditor/editor_layout.h"
#include "render/layout.h"

namespace cfg {

// Copies rectangles, fit modes, alphas, visibility, scrolling, text styles (whole faces),
// the draw order and the list settings. Media directories, texture slots and the history
// panel's style stay as `frontend` holds them: they belong to the drawing side.
void CopyToFrontendLayout(const EditorLayout& editor, Layout& frontend);

}  // namespace cfg
