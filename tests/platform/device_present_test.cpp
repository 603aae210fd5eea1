// A back buffer smaller than its window, shown by the software renderer: enlarged pixel for
// pixel, and after a small change the screen is the new frame everywhere (the bands sent
// again and the ones kept).
#include "platform/device.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

using platform::Device;

class EnlargedPresentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("SDL_VIDEODRIVER", "offscreen", 1);  // a window surface without a display
    ::setenv("SDL_RENDER_DRIVER", "software", 1);
    ASSERT_TRUE(platform::CreateMainWindow(true, 128, 96));
    std::string error;
    device = Device::CreateForMainWindow({64, 48, false}, &error);
    ASSERT_TRUE(device) << error;
  }
  void TearDown() override {
    device.reset();
    platform::DestroyMainWindow();
    platform::QuitVideo();
    ::unsetenv("SDL_VIDEODRIVER");
    ::unsetenv("SDL_RENDER_DRIVER");
  }
  // Every screen pixel is the back buffer's pixel under it, 2 x 2 each.
  void ExpectScreenIs(const std::function<std::uint32_t(int, int)>& frame) {
    int w = 0, h = 0;
    const std::vector<std::uint8_t> screen = device->ReadScreenRgba(&w, &h);
    ASSERT_EQ(w, 128);
    ASSERT_EQ(h, 96);
    int wrong = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint8_t* p = &screen[(std::size_t(y) * w + x) * 4];
        const std::uint32_t got = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
        if (got != frame(x / 2, y / 2)) ++wrong;
      }
    EXPECT_EQ(wrong, 0);
  }
  std::unique_ptr<Device> device;
};

TEST_F(EnlargedPresentTest, ScreenFollowsEveryFrameTwiceAsLarge) {
  ASSERT_TRUE(device->SetTarget(nullptr));
  device->Clear(0xFFFF0000);
  device->FillRect({0, 0, 4, 4}, 0xFF0000FF);
  device->Present();
  ExpectScreenIs([](int x, int y) { return x < 4 && y < 4 ? 0x0000FFu : 0xFF0000u; });
  // One pixel changes in a band of its own, one at the far corner: the rest stays.
  device->FillRect({30, 20, 1, 1}, 0xFF00FF00);
  device->FillRect({63, 47, 1, 1}, 0xFFFFFFFF);
  device->Present();
  ExpectScreenIs([](int x, int y) {
    if (x == 30 && y == 20) return 0x00FF00u;
    if (x == 63 && y == 47) return 0xFFFFFFu;
    return x < 4 && y < 4 ? 0x0000FFu : 0xFF0000u;
  });
  // A frame that changes nothing leaves the screen as it is.
  device->Present();
  ExpectScreenIs([](int x, int y) {
    if (x == 30 && y == 20) return 0x00FF00u;
    if (x == 63 && y == 47) return 0xFFFFFFu;
    return x < 4 && y < 4 ? 0x0000FFu : 0xFF0000u;
  });
  // A single pixel in each of the first eight of a row: every word of a piece is compared.
  for (int x = 0; x < 8; ++x) {
    device->FillRect({float(x), 40, 1, 1}, 0xFF000000u | std::uint32_t(0x10 * (x + 1)));
    device->Present();
    ExpectScreenIs([x](int px, int py) {
      if (py == 40 && px <= x) return std::uint32_t(0x10 * (px + 1));
      if (px == 30 && py == 20) return 0x00FF00u;
      if (px == 63 && py == 47) return 0xFFFFFFu;
      return px < 4 && py < 4 ? 0x0000FFu : 0xFF0000u;
    });
  }
}

}  // namespace
