// The render size cap: the back buffer a frame is composed in, for screens and layouts of
// every shape, and whether the screen is a whole multiple of it.
#include <gtest/gtest.h>

#include "render/render_size.h"

namespace {

struct Case {
  const char* what;
  int screenW, screenH, layoutW, layoutH, cap;
  int width, height, wholeFactor;
  float layoutScale;
};

TEST(RenderSize, BackBufferForScreensLayoutsAndCaps) {
  const Case cases[] = {
      {"16:9 4K, small layout", 3840, 2160, 800, 600, 1080, 1920, 1080, 2, 1.0f},
      {"16:9 at the cap: unchanged", 1920, 1080, 800, 600, 1080, 1920, 1080, 1, 1.0f},
      {"1024x768 below the cap: unchanged", 1024, 768, 800, 600, 1080, 1024, 768, 1, 1.0f},
      {"16:9 1440p: not a whole multiple", 2560, 1440, 800, 600, 1080, 1920, 1080, 0, 1.0f},
      {"16:9 three times", 5760, 3240, 800, 600, 1080, 1920, 1080, 3, 1.0f},
      {"4:3 smooth", 1600, 1200, 800, 600, 1080, 1440, 1080, 0, 1.0f},
      {"4:3 twice", 2048, 1536, 800, 600, 768, 1024, 768, 2, 1.0f},
      {"21:9 twice", 5120, 2160, 2560, 1080, 1080, 2560, 1080, 2, 1.0f},
      {"vertical: the cap is on the short side", 2160, 3840, 1080, 1920, 1080, 1080, 1920, 2, 1.0f},
      {"vertical screen, landscape layout", 2160, 3840, 1920, 1080, 1080, 1080, 1920, 2, 0.5625f},
      {"4K layout on 4K: drawn at the cap", 3840, 2160, 3840, 2160, 1080, 1920, 1080, 2, 0.5f},
      {"4:3 layout above the cap", 3840, 2160, 1600, 1200, 1080, 1920, 1080, 2, 0.9f},
      {"wide layout above the cap", 3840, 2160, 2560, 1080, 1080, 1920, 1080, 2, 0.75f},
      {"screen below the cap: never enlarged", 1280, 720, 1920, 1080, 1080, 1280, 720, 1, 1.0f},
      {"odd width rounded", 1366, 768, 800, 600, 720, 1281, 720, 0, 1.0f},
      {"cap 0: the screen's own size", 3840, 2160, 3840, 2160, 0, 3840, 2160, 1, 1.0f},
      {"negative cap: none", 3840, 2160, 800, 600, -5, 3840, 2160, 1, 1.0f},
      {"tiny cap", 3840, 2160, 800, 600, 1, 2, 1, 0, 0.0016666667f},
      {"no screen", 0, -3, 800, 600, 1080, 1, 1, 1, 1.0f},
  };
  for (const Case& c : cases) {
    const render::RenderSize s = render::CappedRenderSize(c.screenW, c.screenH, c.layoutW, c.layoutH, c.cap);
    EXPECT_EQ(s.width, c.width) << c.what;
    EXPECT_EQ(s.height, c.height) << c.what;
    EXPECT_EQ(s.wholeFactor, c.wholeFactor) << c.what;
    EXPECT_NEAR(s.layoutScale, c.layoutScale, 1e-5) << c.what;
  }
}

}  // namespace
