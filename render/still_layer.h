// The layout's still objects composed once into a texture of their own. While nothing in
// it changes, a frame puts the regions of the moving objects (scrolling pictures, the
// scroll text, the pulsing selection bar) back from it and draws only those objects over
// them: without a GPU, composing every picture and text of the layout is most of a frame.
#pragma once

// The layout objects in draw order into the current target (the layout target), pixel
// for pixel what DrawLayoutPass draws (e as for DrawQuad).
void ComposeLayout(float e);

// Something the layer shows may have changed beyond what it compares frame by frame
// (pictures, fonts, the list's texts, the display): the next frame composes everything.
void InvalidateStillLayer();
// The same, and the layer's texture is given back (the display's textures are released).
void ReleaseStillLayer();

// Off: every frame composes every object (tests compare both ways).
void SetStillLayerEnabled(bool enabled);
// Frames composed from the layer since the program started (tests).
long FramesFromStillLayer();
