// The screen's record: the transition's spin and the slide show's cross-fade.
#pragma once

namespace render {

struct ScreenState {
  float angle = 0.0f;         // spin of the layout during a transition, radians
  int crossFadeAlpha = 255;   // alpha of the layout over the backdrop
  int crossFadeStep = 0;      // added after each frame while below 255
  int drawnCrossFadeAlpha = 255;  // the alpha the last frame was drawn with
  bool slideShowActive = false;  // the slide show replaces the layout
};

}  // namespace render
