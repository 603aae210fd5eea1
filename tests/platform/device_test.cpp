#include "platform/device.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using platform::Device;

std::vector<std::uint8_t> Solid(int w, int h, std::uint32_t argb) {
  std::vector<std::uint8_t> px;
  for (int i = 0; i < w * h; ++i) {
    px.push_back(std::uint8_t(argb >> 16));
    px.push_back(std::uint8_t(argb >> 8));
    px.push_back(std::uint8_t(argb));
    px.push_back(std::uint8_t(argb >> 24));
  }
  return px;
}

// Quadrants of n x n texels each: red, green / blue, white.
std::vector<std::uint8_t> Quadrants(int n = 1) {
  std::vector<std::uint8_t> px;
  for (int y = 0; y < 2 * n; ++y)
    for (int x = 0; x < 2 * n; ++x) {
      const bool right = x >= n, bottom = y >= n;
      const std::uint32_t c = bottom ? (right ? 0xFFFFFF : 0x0000FF) : (right ? 0x00FF00 : 0xFF0000);
      px.insert(px.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c), 255});
    }
  return px;
}

bool Near(std::uint32_t a, std::uint32_t b, int tol = 8) {
  for (int s = 0; s < 24; s += 8)
    if (std::abs(int((a >> s) & 255) - int((b >> s) & 255)) > tol) return false;
  return true;
}

class DeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    device = Device::CreateOffscreen(100, 80, &error);
    ASSERT_TRUE(device) << error;
    device->Clear(0xFF000000);
  }
  std::uint32_t Pixel(int x, int y) { return device->ReadPixels(x, y, 1, 1).at(0); }
  std::unique_ptr<Device> device;
};

TEST_F(DeviceTest, StretchedQuadPlacesTexelsExactly) {
  auto tex = device->CreateTexture(2, 2, Quadrants(), nullptr);
  ASSERT_TRUE(tex);
  EXPECT_TRUE(tex.Opaque());
  device->DrawTexture(tex, {10, 10, 40, 40}, {}, 0xFFFFFFFF);
  EXPECT_TRUE(Near(Pixel(10, 10), 0xFF0000));
  EXPECT_TRUE(Near(Pixel(49, 10), 0x00FF00));
  EXPECT_TRUE(Near(Pixel(10, 49), 0x0000FF));
  EXPECT_TRUE(Near(Pixel(49, 49), 0xFFFFFF));
  EXPECT_TRUE(Near(Pixel(9, 9), 0x000000));
  EXPECT_TRUE(Near(Pixel(50, 50), 0x000000));
}

TEST_F(DeviceTest, WrapAddressingRepeatsTheTextureAcrossTheSeam) {
  auto tex = device->CreateTexture(2, 2, Quadrants(), nullptr);
  // Half a texture to the right: the right column comes first, then the left one.
  device->DrawTexture(tex, {0, 0, 40, 40}, {0.5f, 0, 1.5f, 1}, 0xFFFFFFFF);
  EXPECT_TRUE(Near(Pixel(5, 5), 0x00FF00));
  EXPECT_TRUE(Near(Pixel(35, 5), 0xFF0000));
  // A quarter of a texel inside a texel: the seam moves by a sub-texel amount.
  device->Clear(0xFF000000);
  device->DrawTexture(tex, {0, 0, 40, 40}, {-0.25f, -0.25f, 0.75f, 0.75f}, 0xFFFFFFFF);
  EXPECT_TRUE(Near(Pixel(5, 5), 0xFFFFFF));    // wrapped bottom-right texel
  EXPECT_TRUE(Near(Pixel(15, 15), 0xFF0000));  // top-left texel starts at 10
  EXPECT_TRUE(Near(Pixel(9, 15), 0x00FF00));
  EXPECT_TRUE(Near(Pixel(35, 35), 0xFFFFFF));
  EXPECT_TRUE(Near(Pixel(45, 5), 0x000000));   // nothing outside the quad
}

TEST_F(DeviceTest, ColourModulatesAndAlphaBlends) {
  auto tex = device->CreateTexture(4, 4, Solid(4, 4, 0xFFFFFFFF), nullptr);
  device->Clear(0xFF0000FF);
  device->DrawTexture(tex, {0, 0, 20, 20}, {}, 0x80FF0000);
  const std::uint32_t p = Pixel(5, 5);
  EXPECT_NEAR(int((p >> 16) & 255), 128, 3);
  EXPECT_NEAR(int(p & 255), 127, 3);
  device->FillRect({30, 30, 10, 10}, 0xFF00FF00);
  EXPECT_TRUE(Near(Pixel(30, 30), 0x00FF00));
  EXPECT_TRUE(Near(Pixel(39, 39), 0x00FF00));
  EXPECT_TRUE(Near(Pixel(40, 40), 0x0000FF));
}

TEST_F(DeviceTest, TransparentTexelsLeaveTheTargetAlone) {
  auto px = Solid(2, 1, 0xFFFFFFFF);
  px[3] = 0;  // first texel transparent
  auto tex = device->CreateTexture(2, 1, px, nullptr);
  EXPECT_FALSE(tex.Opaque());
  device->Clear(0xFF102030);
  device->DrawTexture(tex, {0, 0, 20, 10}, {}, 0xFFFFFFFF);
  EXPECT_TRUE(Near(Pixel(5, 5), 0x102030));
  EXPECT_TRUE(Near(Pixel(15, 5), 0xFFFFFF));
}

TEST_F(DeviceTest, HalfTurnAndFanTurnTheTexture) {
  auto tex = device->CreateTexture(2, 2, Quadrants(), nullptr);
  device->DrawTextureHalfTurn(tex, {0, 0, 40, 40}, {}, 0xFFFFFFFF);
  EXPECT_TRUE(Near(Pixel(5, 5), 0xFFFFFF));
  EXPECT_TRUE(Near(Pixel(35, 35), 0xFF0000));
  device->Clear(0xFF000000);
  tex = device->CreateTexture(20, 20, Quadrants(10), nullptr);
  // Corners take the coordinates of the corner before them: a quarter turn clockwise.
  device->DrawTextureFan(tex, {{{0, 0, 0, 1}, {40, 0, 0, 0}, {40, 40, 1, 0}, {0, 40, 1, 1}}}, 0xFFFFFFFF);
  EXPECT_TRUE(Near(Pixel(5, 5), 0x0000FF));
  EXPECT_TRUE(Near(Pixel(34, 5), 0xFF0000));
  EXPECT_TRUE(Near(Pixel(34, 34), 0x00FF00));
  EXPECT_TRUE(Near(Pixel(5, 34), 0xFFFFFF));
}

TEST_F(DeviceTest, ClipAndTargetsAndBackBufferCopies) {
  std::string error;
  auto target = device->CreateTarget(30, 30, &error);
  ASSERT_TRUE(target) << error;
  ASSERT_TRUE(device->SetTarget(&target));
  device->Clear(0xFF00FF00);
  device->SetClip(platform::FRect{0, 0, 10, 10});
  device->FillRect({0, 0, 30, 30}, 0xFFFF0000);
  EXPECT_TRUE(Near(Pixel(5, 5), 0xFF0000));
  EXPECT_TRUE(Near(Pixel(15, 15), 0x00FF00));
  ASSERT_TRUE(device->SetTarget(nullptr));
  device->DrawTexture(target, {50, 40, 30, 30}, {}, 0xFFFFFFFF);
  EXPECT_TRUE(Near(Pixel(51, 41), 0xFF0000));
  EXPECT_TRUE(Near(Pixel(70, 60), 0x00FF00));
  auto copy = device->CreateTarget(100, 80, nullptr);
  ASSERT_TRUE(device->CopyBackBuffer(copy));
  device->Present();
  auto rgba = device->ReadBackBufferRgba();
  ASSERT_EQ(rgba.size(), 100u * 80u * 4u);
  const std::size_t at = (41u * 100u + 51u) * 4u;
  EXPECT_EQ(rgba[at], 255);
  EXPECT_EQ(rgba[at + 3], 255);
  ASSERT_TRUE(device->SetTarget(&copy));
  EXPECT_TRUE(Near(Pixel(70, 60), 0x00FF00));
}

TEST_F(DeviceTest, TexturesOutlivingTheirDeviceAreHarmless) {
  auto tex = device->CreateTexture(2, 2, Quadrants(), nullptr);
  device.reset();
  EXPECT_FALSE(tex);
  EXPECT_FALSE(Device::CreateOffscreen(10, 10, nullptr)->CreateTexture(0, 0, {}, nullptr));
}

TEST(RendererChoiceTest, MesaCpuRasterisersAreToldFromGpus) {
  struct Case {
    const char* glRenderer;
    bool cpu;
  };
  const Case cases[] = {
      {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
      {"softpipe", true},
      {"Mesa X11 swrast", true},
      {"Software Rasterizer", true},
      {"LLVMPIPE (LLVM 11.0.1, 128 bits)", true},
      {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
      {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)", false},
      {"NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2", false},
      {"", false},  // not an OpenGL renderer: nothing to judge
  };
  for (const Case& c : cases) EXPECT_EQ(platform::IsSoftwareRasteriser(c.glRenderer), c.cpu) << c.glRenderer;
}

}  // namespace

TEST(DeviceFit, AnotherBackBufferSizeKeepsItsProportionsWithBlackBars) {
  struct Case {
    int srcW, srcH, outW, outH;
    platform::FRect fit;
  } cases[] = {
      {640, 480, 1920, 1080, {240, 0, 1440, 1080}},   // 4:3 on 16:9: bars left and right
      {1920, 1080, 1280, 1024, {0, 152, 1280, 720}},  // 16:9 on 5:4: bars above and below
      {800, 600, 1600, 1200, {0, 0, 1600, 1200}},     // same proportions: the whole output
      {1024, 768, 1024, 768, {0, 0, 1024, 768}},
      {0, 480, 1920, 1080, {0, 0, 1920, 1080}},       // nothing sensible: the whole output
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.srcW) + "x" + std::to_string(c.srcH) + " on " + std::to_string(c.outW));
    const platform::FRect f = platform::FitKeepingAspect(c.srcW, c.srcH, c.outW, c.outH);
    EXPECT_FLOAT_EQ(f.x, c.fit.x);
    EXPECT_FLOAT_EQ(f.y, c.fit.y);
    EXPECT_FLOAT_EQ(f.w, c.fit.w);
    EXPECT_FLOAT_EQ(f.h, c.fit.h);
  }
}
