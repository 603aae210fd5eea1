// The fields one object of Layout.cfg carries, as both programs read them: the editor edits
// its objects in this record, and the frontend's reader and the editor's preview hand it
// to the drawing side's records (ApplyObjectFields, render/layout.h). Each field is filled
// by one row of the key table (render/layout_keys.cpp).
#pragma once

#include <string>

namespace render {

struct LayoutObjectFields {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int stretch = 0;  // 0 natural size, 1 stretched keeping proportions, 2 stretched
  int alpha = 0;
  int visible = 0;  // 0 or 1
  std::string fontFace;
  int fontSize = 0;
  int fontColour = 0;          // 0xRRGGBB
  int alignment = 0;           // 0 left, 1 centre, 2 right
  int order = 0;               // 1 (back) ... 15 (front) once normalised
  float scrollSpeedX = 0.0f;  // whole numbers; X > 0 scrolls left, Y > 0 scrolls up
  float scrollSpeedY = 0.0f;
};

}  // namespace render
