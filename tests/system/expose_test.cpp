// A still menu draws nothing while nothing changes; when another window has covered it
// and goes away, the menu is drawn again at once.
#include "frontend_fixture.h"

#include "solid_png.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00;

class ExposeTest : public systest::DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    if (!systest::HasProgram("import")) GTEST_SKIP() << "ImageMagick missing (scripts/install-deps.sh installs it)";
    systest::WriteWindowedArcade(inst, "Red", "");
    inst.Write("lists/arcade.txt", "[galaga]\r\nFullName=Galaga\r\n");
    inst.Write("Templates/Red/Layout.cfg", "RESOLUTIONX=640\r\nRESOLUTIONY=480\r\nBackGround_visible=YES\r\n"
                                           "BackGround_Alpha=255\r\n");
    // A background is drawn at its own size.
    inst.Write("Templates/Red/layout.png", testfiles::SolidPng(640, 480, kRed));
  }
  // The colour in the middle of the screen, where the window is centred.
  std::optional<std::uint32_t> Middle() const { return systest::ScreenPixel(display(), 640, 512); }
  // Polls the middle of the screen until it shows the colour (true) or the time is up.
  bool WaitForMiddle(std::uint32_t colour, int ms, std::string* seen) const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
      const auto c = Middle();
      if (c && *c == colour) return true;
      if (c && seen) *seen += " " + std::to_string(*c);
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

  systest::Installation inst;
};

TEST_F(ExposeTest, TheMenuComesBackWhenAWindowThatCoveredItGoesAway) {
  systest::Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  std::string seen;
  ASSERT_TRUE(WaitForMiddle(kRed, 10000, &seen)) << "the menu never showed:" << seen;
  // Still for a few seconds: nothing is drawn any more, so only the window system's
  // expose can bring the menu back.
  std::this_thread::sleep_for(std::chrono::seconds(2));
  const std::string cover = std::string(ORV_BINARY_DIR) + "/tools/cover_window/cover_window";
  std::system(("DISPLAY=" + display() + " " + cover + " 0 0 1280 1024 1500 0x00FF00 &").c_str());
  ASSERT_TRUE(WaitForMiddle(kGreen, 5000, &seen)) << "the cover never showed:" << seen;
  seen.clear();
  EXPECT_TRUE(WaitForMiddle(kRed, 6000, &seen)) << "the menu did not come back:" << seen;
  f.Close(id);
  EXPECT_TRUE(f.Wait(10000).has_value());
}

TEST_F(ExposeTest, FullScreenGetsTheCheaperRendererWithoutMakingItsWindowAgain) {
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=arcade\r\nModeFenetre=NON\r\nLargFen=640\r\n"
                                   "HautFen=480\r\nTransitions=NO\r\n");
  systest::Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  std::string seen;
  ASSERT_TRUE(WaitForMiddle(kRed, 10000, &seen)) << "the menu never showed:" << seen;
  EXPECT_EQ(systest::WindowSize(display(), id), std::make_pair(1280, 1024));
  // The window first shown is the one that stays: the renderers were timed elsewhere.
  EXPECT_EQ(f.WaitForWindow(1000), id);
  // The first start ever takes its verdict beside the menu's start.
  const std::string log = inst.WaitForLog("verdict pris a cote du demarrage", 120000);
  EXPECT_NE(log.find("mesure sur une fenetre cachee pour le plein ecran"), std::string::npos) << log;
  // Xvfb draws OpenGL on the CPU: both renderers were timed.
  EXPECT_NE(log.find("avec le rendu logiciel"), std::string::npos) << log;
  f.Close(id);
  EXPECT_TRUE(f.Wait(10000).has_value());
}

}  // namespace
