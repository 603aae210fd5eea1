// The import of another frontend's line-numbered layout: any file is taken whole or
// refused without a trace.
// fuzz-links: orv_layouteditor
#include "configurator/layouteditor/layout_import.h"
#include "editor_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::CheckImport(&cfg::ImportMamewahLayout, data, size);
}
