// The slide-show screensaver in the running frontend: after ScrTimeOut seconds without a
// key the screen shows the slides, a new one every ScrDuration seconds, and a key only
// ends the show.
#include "frontend_fixture.h"

#include "solid_png.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <set>
#include <thread>

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;

class SlideShowTest : public systest::DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    if (!systest::HasProgram("import")) GTEST_SKIP() << "ImageMagick missing (scripts/install-deps.sh installs it)";
    systest::WriteWindowedArcade(inst, "Plain", "ScrType=2\r\nScrTimeOut=1\r\nScrDuration=1\r\n"
                                 "SlideShowDir=.\\slides\r\n");
    inst.Write("lists/arcade.txt", "[galaga]\r\nFullName=Galaga\r\n[asteroid]\r\nFullName=Asteroids\r\n");
    inst.Write("Templates/Plain/Layout.cfg", "RESOLUTIONX=640\r\nRESOLUTIONY=480\r\nList_NbItems=9\r\n"
                                             "List_left=20\r\nList_top=20\r\nList_width=300\r\nList_height=441\r\n"
                                             "List_visible=YES\r\n");
    inst.Write("slides/red.png", testfiles::SolidPng(64, 64, kRed));
    inst.Write("slides/blue.png", testfiles::SolidPng(64, 64, kBlue));
  }
  // The colour at the middle of the window, centred on the 1280 x 1024 test screen.
  std::optional<std::uint32_t> Middle() const { return systest::ScreenPixel(display(), 640, 512); }
  void Key(const std::string& id, const std::string& key) const {
    std::system(("DISPLAY=" + display() + " xdotool windowfocus --sync " + id + " key " + key + " >/dev/null 2>&1")
                    .c_str());
  }

  systest::Installation inst;
};

TEST_F(SlideShowTest, SlidesFollowEachOtherAndAKeyOnlyEndsTheShow) {
  systest::Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  // Both slides come up, one after the other, once a second.
  std::set<std::uint32_t> seen;
  std::string colours;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (seen.size() < 2 && std::chrono::steady_clock::now() < end) {
    const auto c = Middle();
    if (c && (*c == kRed || *c == kBlue)) seen.insert(*c);
    if (c) colours += " " + std::to_string(*c);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_EQ(seen.size(), 2u) << "colours seen:" << colours;

  // A key ends the show and does nothing else: Down would have moved to Galaga.
  Key(id, "Down");
  // However long a loaded machine takes to draw the menu again.
  std::optional<std::uint32_t> menu;
  const auto menuBy = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  do {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    menu = Middle();
  } while ((!menu || *menu == kRed || *menu == kBlue) && std::chrono::steady_clock::now() < menuBy);
  ASSERT_TRUE(menu.has_value());
  EXPECT_NE(*menu, kRed);
  EXPECT_NE(*menu, kBlue);
  Key(id, "Escape");
  ASSERT_TRUE(f.Wait(10000).has_value()) << "the frontend did not end after the quit key";
  EXPECT_NE(inst.Read("config/arcade/config.ini").find("LastGame=asteroid"), std::string::npos)
      << inst.Read("config/arcade/config.ini");
}

}  // namespace
