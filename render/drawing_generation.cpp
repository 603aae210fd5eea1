#include "render/drawing_generation.h"

namespace render {

namespace {
DrawingGeneration counts;
}  // namespace

void CountContentChange() { ++counts.content; }

void CountDeviceChange() {
  ++counts.device;
  ++counts.content;
}

DrawingGeneration CurrentDrawingGeneration() { return counts; }

}  // namespace render
