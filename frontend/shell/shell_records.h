// The three records a key press works on, handed down together from the accessor files:
// the shell's, the catalogue's and the drawing's.
#pragma once

#include "catalogue/catalogue_state.h"

namespace render {
struct RenderState;
}

namespace shell {

struct Shell;

struct ShellRecords {
  Shell& shell;
  catalogue::CatalogueState& catalogue;
  render::RenderState& render;
};

}  // namespace shell
