// The layout authors' screenshot: an installation's current configuration rendered
// headless into a PNG by orvanel-shot.
#include "frontend_fixture.h"

#include "platform/image.h"
#include "solid_png.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::array<int, 3> Rgb(const platform::Image& img, int x, int y) {
  const std::uint8_t* p = &img.rgba[(static_cast<std::size_t>(y) * img.width + x) * 4];
  return {p[0], p[1], p[2]};
}

TEST(OrvanelShot, RendersTheCurrentConfigurationCentredWithItsShadow) {
  const std::string tool = std::string(ORV_BINARY_DIR) + "/tools/orvanel_shot/orvanel-shot";
  if (!std::filesystem::exists(tool)) GTEST_SKIP() << "orvanel-shot is not built";
  TempDir inst;
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Demo\r\nLargFen=640\r\nHautFen=480\r\nTransitions=YES\r\n");
  inst.Write("config/Demo/config.ini",
             "[Config]\r\nTemplateDir=Small\r\nFichierDescription=.\\config\\Demo\\games.txt\r\nSnapDir=.\\snap\r\n");
  inst.Write("config/Demo/games.txt", "[alpha]\r\nFullName=Alpha\r\n");
  // A 320 x 240 layout: red background, the game's snapshot (green) at (20, 20).
  inst.Write("Templates/Small/Layout.cfg",
             "RESOLUTIONX=320\r\nRESOLUTIONY=240\r\nBackGround_visible=YES\r\nBackGround_Ordre=1\r\n"
             "Snap_visible=YES\r\nSnap_left=20\r\nSnap_top=20\r\nSnap_width=40\r\nSnap_height=30\r\nSnap_Stretch=2\r\n");
  inst.Write("Templates/Small/layout.png", testfiles::SolidPng(320, 240, 0xC80000));
  inst.Write("snap/alpha.png", testfiles::SolidPng(8, 8, 0x00C800));

  const std::string out = inst / "shot.png";
  const pid_t pid = systest::Spawn({tool, inst.path(), out}, {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"}, "/");
  ASSERT_GT(pid, 0);
  auto code = systest::WaitExit(pid, 30000);
  ASSERT_TRUE(code.has_value());
  ASSERT_EQ(*code, 0);
  std::string error;
  auto shot = platform::LoadImageFile(out, &error);
  ASSERT_TRUE(shot) << error;
  ASSERT_EQ(shot->width, 640);
  ASSERT_EQ(shot->height, 480);
  // Centred at (160, 120), at full size: no transition caught half-way.
  EXPECT_EQ(Rgb(*shot, 160 + 5, 120 + 5), (std::array<int, 3>{200, 0, 0}));
  EXPECT_EQ(Rgb(*shot, 160 + 40, 120 + 35), (std::array<int, 3>{0, 200, 0}));
  EXPECT_EQ(Rgb(*shot, 160 - 5, 120 + 5), (std::array<int, 3>{0, 0, 0}));
  // The drop shadow, 480 / 50 = 9 pixels off, lies over black.
  const auto shadow = Rgb(*shot, 160 + 320 + 4, 120 + 240 + 4);
  EXPECT_GT(shadow[0], 20);
  EXPECT_EQ(shadow[0], shadow[2]);
  EXPECT_EQ(Rgb(*shot, 160 + 320 + 12, 120 + 240 + 12), (std::array<int, 3>{0, 0, 0}));
}

}  // namespace
