// The whole display given to a game and taken back, as on the console (KMS/DRM), run through
// the same code under X11 and offscreen (ORVANEL_FULL_HANDOVER=1): while the game runs the
// frontend has no window and no connection to the display; after it, the menu is drawn
// again in the same mode with the same selection, and takes the keys.
#include "frontend_fixture.h"

#include "emulator_record.h"
#include "solid_png.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>

namespace {

using systest::Frontend;
using systest::Installation;

// A full-screen cabinet on a 1280 x 1024 screen: a red 800 x 600 layout in the middle, its
// list of four games with a green selection bar, one line of 100 pixels each.
void WriteCabinet(const Installation& inst, const std::string& generalLines, const std::string& configLines) {
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=emu\r\nModeFenetre=NO\r\nLargFen=1280\r\nHautFen=1024\r\n"
                                   "Transitions=NO\r\n" + generalLines);
  inst.Write("config/emu/config.ini",
             "[Config]\r\nTemplateDir=Plain\r\nEmuExe=.\\Emu\\mame\r\nRomDir=.\\Emu\\roms\r\n"
             "FichierDescription=.\\lists\\games.txt\r\nSons=NO\r\nLastGame=rom1\r\n" + configLines);
  inst.Write("lists/games.txt", "[rom1]\r\nFullName=Rom 1\r\n[rom2]\r\nFullName=Rom 2\r\n[rom3]\r\nFullName=Rom 3\r\n"
                                "[rom4]\r\nFullName=Rom 4\r\n");
  inst.Write("Templates/Plain/Layout.cfg",
             "RESOLUTIONX=800\r\nRESOLUTIONY=600\r\nBackGround_visible=YES\r\nBackGround_Ordre=1\r\n"
             "List_left=30\r\nList_top=100\r\nList_width=360\r\nList_height=400\r\nList_visible=YES\r\n"
             "List_Alpha=255\r\nList_Ordre=2\r\nList_font_color=16777215\r\nList_font_sizey=22\r\nList_Aligne=1\r\n"
             "List_NbItems=4\r\nList_selection_alpha=255\r\n");
  inst.Write("Templates/Plain/layout.png", testfiles::SolidPng(800, 600, 0xC80000));
  inst.Write("Templates/Plain/ListSelection.png", testfiles::SolidPng(8, 8, 0x00C800));
  std::filesystem::create_directories(inst / "Emu/roms");
  std::filesystem::copy_file(TestEmulatorPath(), inst / "Emu/mame");
}

// The frontend's open sockets (its display connection among them), "socket:[inode]".
std::set<std::string> Sockets(pid_t pid) {
  std::set<std::string> sockets;
  std::error_code error;
  for (const auto& fd : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    const auto target = std::filesystem::read_symlink(fd.path(), error);
    if (!error && target.string().rfind("socket:", 0) == 0) sockets.insert(target.string());
  }
  return sockets;
}

class HandoverSystemTest : public systest::DisplayTest {
 protected:
  void SetUp() override {
    systest::DisplayTest::SetUp();
    if (!IsSkipped() && !systest::HasProgram("import")) GTEST_SKIP() << "import (ImageMagick) missing";
  }
  void Key(const std::string& args) {
    std::system(("DISPLAY=" + display() + " xdotool " + args + " >/dev/null 2>&1").c_str());
  }
  std::string Screen(int x, int y, int w, int h) {
    return systest::Capture("DISPLAY=" + display() + " import -window root -crop " + std::to_string(w) + "x" +
                            std::to_string(h) + "+" + std::to_string(x) + "+" + std::to_string(y) +
                            " -depth 8 rgb:- 2>/dev/null");
  }
  std::uint32_t Pixel(int x, int y) { return systest::ScreenPixel(display(), x, y).value_or(0xDEAD); }
  // The selection bar's colour at the left end of list line `line` (the layout is at 240, 212).
  std::uint32_t LineStart(int line) { return Pixel(240 + 32, 212 + 100 + 100 * line + 50); }

  Installation inst;
};

TEST_F(HandoverSystemTest, TheGameGetsTheWholeDisplayAndTheMenuComesBackAsItWas) {
  WriteCabinet(inst, "", "");
  inst.Write("Emu/test_emulator.script", "run_ms=3000\n");
  // Software drawing before and after the game: the two screens compare pixel for pixel.
  Frontend f(inst, display(), {"ORVANEL_FULL_HANDOVER=1", "SDL_RENDER_DRIVER=software"});
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  for (int i = 0; i < 100 && LineStart(0) != 0x00C800; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_EQ(LineStart(0), 0x00C800u) << "the selection is not on the first line";
  EXPECT_EQ(LineStart(1), 0xC80000u);
  const std::string before = Screen(240, 212, 800, 600);
  const std::set<std::string> socketsBefore = Sockets(f.pid());
  ASSERT_FALSE(socketsBefore.empty());

  Key("key --window " + id + " 1");
  ASSERT_EQ(WaitForEmulatorRuns(inst / "Emu/test_emulator.record", 1, 10000).size(), 1u) << inst.Read("debug.txt");
  // No window of the frontend's, shown or not, and SDL's connection to the X server is closed
  // (the key tracker may open connections of its own meanwhile).
  EXPECT_EQ(systest::Capture("DISPLAY=" + display() + " xdotool search --name '^Orvanel$' 2>/dev/null"), "");
  const std::set<std::string> socketsDuring = Sockets(f.pid());
  std::vector<std::string> closed;
  std::set_difference(socketsBefore.begin(), socketsBefore.end(), socketsDuring.begin(), socketsDuring.end(),
                      std::back_inserter(closed));
  EXPECT_FALSE(closed.empty()) << "every socket of the menu is still open";

  ASSERT_NE(inst.WaitForLog("Menu affiche", 15000).find("Menu affiche"), std::string::npos) << inst.Read("debug.txt");
  const std::string back = f.WaitForWindow(5000);
  ASSERT_FALSE(back.empty()) << "the menu did not come back";
  EXPECT_EQ(systest::WindowSize(display(), back), std::make_pair(1280, 1024));
  for (int i = 0; i < 100 && Screen(240, 212, 800, 600) != before; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(Screen(240, 212, 800, 600) == before) << "the menu is not drawn as it was";

  // The new window takes the keys: Down moves the selection, Escape quits on rom2.
  Key("windowfocus --sync " + back + " key Down");
  for (int i = 0; i < 100 && LineStart(1) != 0x00C800; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(LineStart(1), 0x00C800u) << "Down did not move the selection";
  Key("key Escape");
  ASSERT_TRUE(f.Wait(10000).has_value()) << "the frontend did not end after the quit key";
  EXPECT_NE(inst.Read("config/emu/config.ini").find("LastGame=rom2"), std::string::npos)
      << inst.Read("config/emu/config.ini");
  EXPECT_NE(inst.Read("debug.txt").find("Video : pilote x11"), std::string::npos) << inst.Read("debug.txt");
}

}  // namespace

// The same release and take-back under SDL's offscreen driver, twice in a row: the
// screensaver's random games come back to a drawn menu each time, and a SIGTERM still ends
// the frontend through its normal end (SDL's handler survives the video system's restarts).
TEST(HandoverOffscreenTest, TheMenuComesBackAfterEachGameAndEndsNormally) {
  Installation inst;
  WriteCabinet(inst, "", "ScrType=1\r\nScrTimeOut=1\r\nScrDuration=30\r\n");
  inst.Write("Emu/test_emulator.script", "run_ms=500\n");
  const pid_t pid = systest::Spawn({inst.program()},
                                   {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy",
                                    "ORVANEL_MESSAGES=log", "ORVANEL_FULL_HANDOVER=1", inst.CacheVariable(),
                                    "XDG_DATA_HOME=" + inst.path() + "/user-data"},
                                   "/");
  ASSERT_GT(pid, 0);
  // Two games, each followed by a frame of the menu drawn again.
  const auto count = [&](const std::string& text) {
    const std::string log = inst.Read("debug.txt");
    std::size_t n = 0;
    for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++n;
    return n;
  };
  for (int i = 0; i < 600 && count("apres la fin du jeu") < 2; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ::kill(pid, SIGTERM);
  const auto code = systest::WaitExit(pid, 15000);
  if (!code) ::kill(pid, SIGKILL);
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 0);
  const std::string all = inst.Read("debug.txt");
  EXPECT_EQ(ReadEmulatorRuns(inst / "Emu/test_emulator.record").size(), count("Retour lancement OK")) << all;
  EXPECT_GE(count("Retour lancement OK"), 2u) << all;
  EXPECT_GE(count("apres la fin du jeu"), 2u) << all;
  EXPECT_NE(all.find("Video : pilote offscreen (SDL_VIDEODRIVER)"), std::string::npos) << all;
  EXPECT_NE(all.find("=== Fin ==="), std::string::npos) << all;
}
