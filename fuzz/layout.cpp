// Layout.cfg: any text gives a layout whose draw order names each object once, and whose
// scroll text box can be prepared.
// fuzz-links: orv_render
#include <algorithm>
#include <string_view>

#include "render/layout.h"
#include "render/scroll_text.h"
#include "fuzz_input.h"

using render::Layout;
using render::PrepareScrollText;
using render::ReadLayoutText;
using render::ScrollBoxOf;
using render::ScrollText;
using render::StepScrollText;
using render::kLayoutObjectCount;
using render::kMaxListItems;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Layout layout;
  ReadLayoutText(std::string_view(reinterpret_cast<const char*>(data), size), layout);
  auto order = layout.drawOrder;
  std::sort(order.begin(), order.end());
  for (int k = 0; k < kLayoutObjectCount; ++k) fuzz::Require(order[static_cast<std::size_t>(k)] == k);
  fuzz::Require(layout.listNbItems >= 1 && layout.listNbItems <= kMaxListItems);

  // A font of narrow glyphs: the smallest widths a real face gives.
  ScrollText st;
  st.source = "[nomjeux] [p=1]";
  st.charWidths.fill(1);
  PrepareScrollText(st, ScrollBoxOf(layout));
  StepScrollText(st, ScrollBoxOf(layout), 100, nullptr);
  return 0;
}
