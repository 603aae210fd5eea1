// The editor's layout as the frontend's drawing code takes it, for the preview: each object
// goes to the frontend's number for it, and the draw order follows the frontend's rule.
#pragma once

#include "configurator/layouteditor/editor_layout.h"
#include "render/layout.h"

namespace cfg {

// Copies rectangles, fit modes, alphas, visibility, scroll speeds, text styles (whole
// faces), the draw order and the list settings. Media directories, texture slots, scroll
// offsets, the selector's current opacity and pulse direction and the history panel's
// style stay as `frontend` holds them: they belong to the drawing side and its clocks.
void CopyToFrontendLayout(const EditorLayout& editor, render::Layout& frontend);

}  // namespace cfg
