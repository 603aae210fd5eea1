// The screensaver: when no key has been pressed for ScrTimeOut seconds, ScrType '1'
// starts a random game for ScrDuration seconds, '2' shows a slide show until the next
// key, '3' puts the monitor to sleep; anything else does nothing.
#pragma once

#include "catalogue/catalogue_state.h"
#include "frontend/shell/slide_show.h"

#include <cstdint>
#include <string>

namespace shell {

struct Shell;

// The action of the timer, once per idle period (the timer is already killed).
void RunScreensaver(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, char scrType);

// A random entry is selected, shown for a second and run as a screensaver game (in a
// menu configuration: switched to). Nothing for an empty list.
void RandomGameScreensaver(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render);


// The key that ends the slide show does nothing else: the selection's pictures come back.
void EndSlideShow(render::RenderState& render, SlideShow& slideShow);

}  // namespace shell
