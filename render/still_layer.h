// The layout's still objects composed once into a texture of their own. While nothing in
// it changes, a frame puts the regions of the moving objects (scrolling pictures, the
// scroll text, the pulsing selection bar) back from it and draws only those objects over
// them: without a GPU, composing every picture and text of the layout is most of a frame.
// What it does not compare frame by frame (pictures, fonts, the layout's styles, the
// display) it knows from the drawing's generation counts, so nobody has to tell it.
#pragma once

namespace render {

struct RenderState;

// The layout objects in draw order into the current target (the layout target), pixel
// for pixel what DrawLayoutPass draws (e as for DrawQuad).
void ComposeLayout(RenderState& rs, float e);

// Off: every frame composes every object (tests compare both ways).
void SetStillLayerEnabled(bool enabled);
// Frames composed from the layer since the program started (tests).
long FramesFromStillLayer();

}  // namespace render
