// The scroll text and its tags: any text, font widths, box and game texts scroll for a
// while without a fault.
// fuzz-links: orv_render
#include <fuzzer/FuzzedDataProvider.h>

#include "render/scroll_text.h"
#include "fuzz_input.h"

using render::GameTexts;
using render::PrepareScrollText;
using render::ScrollBox;
using render::ScrollText;
using render::ScrollTextDrawing;
using render::ScrollTextToDraw;
using render::StepScrollText;
using render::kScrollSourceMax;
using render::kScrollWorkingMax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  ScrollBox box;
  box.visible = true;
  box.left = in.ConsumeIntegral<int>();
  box.top = in.ConsumeIntegral<int>();
  box.width = in.ConsumeIntegralInRange<int>(-10, 4000);
  box.height = in.ConsumeIntegral<int>();
  box.fontColour = in.ConsumeIntegral<std::uint32_t>();
  box.alpha = in.ConsumeIntegral<int>();
  ScrollText st;
  for (int& w : st.charWidths) w = in.ConsumeIntegralInRange<int>(0, 40);
  const int wide = in.ConsumeIntegralInRange<int>(0, 40);  // code points from U+0100
  st.wideWidth = [wide](char32_t cp) { return cp % 3 == 0 ? 0 : wide; };
  GameTexts game;
  game.fullName = in.ConsumeRandomLengthString(120);
  for (auto& info : game.infos) info = in.ConsumeRandomLengthString(120);
  const bool withGame = in.ConsumeBool();
  const int steps = in.ConsumeIntegralInRange<int>(1, 300);
  std::vector<std::uint32_t> gaps;
  for (int k = 0; k < steps; ++k) gaps.push_back(in.ConsumeIntegralInRange<std::uint32_t>(0, 5000));
  st.source = in.ConsumeRemainingBytesAsString();
  st.source = st.source.substr(0, st.source.find('\0')).substr(0, kScrollSourceMax);

  PrepareScrollText(st, box);
  std::uint32_t now = 0;
  for (std::uint32_t gap : gaps) {
    now += gap;
    StepScrollText(st, box, now, withGame ? &game : nullptr);
    fuzz::Require(st.working.size() <= kScrollWorkingMax + kScrollSourceMax + 8192);
    const ScrollTextDrawing drawing = ScrollTextToDraw(st, box);
    if (drawing.visible) fuzz::Require(drawing.text.data() >= st.working.data() &&
                                       drawing.text.data() + drawing.text.size() <= st.working.data() + st.working.size());
  }
  return 0;
}
