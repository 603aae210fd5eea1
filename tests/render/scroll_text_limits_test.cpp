// A hand-edited layout may give the scroll text box any int: the text stays short, the
// steps stay quick and the drawn box saturates instead of wrapping around.
#include <gtest/gtest.h>

#include <climits>

#include "render/scroll_text.h"

using render::PrepareScrollText;
using render::ScrollBox;
using render::ScrollText;
using render::ScrollTextDrawing;
using render::StepScrollText;

TEST(ScrollTextLimits, BoxesAtTheEdgesOfInt) {
  struct Case {
    int left, top, width, height;
  };
  for (const Case c : {Case{0, 0, INT_MAX, 20}, Case{INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                       Case{INT_MIN, INT_MIN, 2000000000, INT_MAX}, Case{-5, 10, 1, 1}}) {
    SCOPED_TRACE(std::to_string(c.left) + " " + std::to_string(c.width));
    ScrollBox box{true, c.left, c.top, c.width, c.height, 0xFFFFFF, 255};
    ScrollText st;
    st.charWidths.fill(1);
    st.source = "Hello [p=1] [nomjeux]";
    PrepareScrollText(st, box);
    EXPECT_LE(st.working.size(), 16384u + 32u);
    StepScrollText(st, box, 1000, nullptr);
    const ScrollTextDrawing d = ScrollTextToDraw(st, box);
    ASSERT_TRUE(d.visible);
    EXPECT_EQ(d.bottom, static_cast<int>(std::clamp<long long>(0LL + c.top + c.height, INT_MIN, INT_MAX)));
    EXPECT_EQ(d.right, static_cast<int>(std::clamp<long long>(0LL + c.left + c.width - st.pixelOffset, INT_MIN, INT_MAX)));
  }
}
