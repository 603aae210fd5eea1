// The renderer is chosen in a process of its own and its verdict remembered: a start that
// chose the software renderer never holds the GL driver, and the next start takes the
// verdict from the cache until the GL driver changes.
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

class RememberedRendererTest : public systest::DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    systest::WriteWindowedArcade(inst, "Plain", "");
    inst.Write("lists/arcade.txt", "[galaga]\r\nFullName=Galaga\r\n");
    inst.Write("Templates/Plain/Layout.cfg", "RESOLUTIONX=640\r\nRESOLUTIONY=480\r\n");
  }

  // One start: its log lines and whether it mapped a GL driver once its window showed.
  struct Start {
    std::string log;
    bool glDriverMapped = true;
  };
  // `untilLog`: stays until the log has it (at most 2 min: a loaded machine starves the
  // choice's process) before the stay.
  Start StartAndClose(int stayMs, const std::string& untilLog = "") {
    const std::size_t logBefore = inst.Read("debug.txt").size();
    systest::Frontend f(inst, display());
    Start start;
    const std::string id = f.WaitForWindow();
    EXPECT_FALSE(id.empty()) << inst.Read("debug.txt");
    if (id.empty()) return start;
    if (!untilLog.empty()) inst.WaitForLog(untilLog, 120000, logBefore);
    std::this_thread::sleep_for(std::chrono::milliseconds(stayMs));
    std::ifstream maps("/proc/" + std::to_string(f.pid()) + "/maps");
    start.glDriverMapped = false;
    for (std::string line; std::getline(maps, line);)
      if (line.find("_dri.so") != std::string::npos) start.glDriverMapped = true;
    f.Close(id);
    EXPECT_EQ(f.Wait(10000), 0);
    start.log = inst.Read("debug.txt").substr(logBefore);
    return start;
  }

  systest::Installation inst;
};

TEST_F(RememberedRendererTest, ASoftwareVerdictLeavesNoGlDriverAndServesUntilTheDriverChanges) {
  const std::string cache = inst.path() + "/cache/orvanel/renderer";
  // Xvfb draws OpenGL on the CPU, where SDL's software renderer costs a fraction.
  // The first start opens with the software renderer at once and takes its verdict beside.
  const Start first = StartAndClose(500, "verdict pris a cote du demarrage");
  EXPECT_NE(first.log.find("Rendu : software, pas encore de verdict"), std::string::npos) << first.log;
  ASSERT_NE(first.log.find("verdict pris a cote du demarrage, llvmpipe"), std::string::npos) << first.log;
  EXPECT_NE(first.log.find("rendu logiciel choisi"), std::string::npos) << first.log;
  EXPECT_NE(first.log.find("verdict retenu dans " + cache), std::string::npos) << first.log;
  EXPECT_EQ(first.log.find("l'affichage est refait"), std::string::npos) << first.log;
  EXPECT_FALSE(first.glDriverMapped);

  const Start second = StartAndClose(500);
  EXPECT_NE(second.log.find("rendu logiciel choisi, verdict du cache " + cache), std::string::npos) << second.log;
  EXPECT_FALSE(second.glDriverMapped);

  // The verdict names a driver the machine no longer has: it still serves this start (no GL
  // driver is loaded to find out), is checked once the window shows and taken again.
  std::string text = inst.Read("cache/orvanel/renderer");
  const auto gl = text.find("gl=llvmpipe");
  ASSERT_NE(gl, std::string::npos) << text;
  text.replace(gl, 11, "gl=Some GPU of yesterday");
  inst.Write("cache/orvanel/renderer", text);
  const Start changed = StartAndClose(500, "le pilote GL n'est plus celui du verdict du cache");
  EXPECT_NE(changed.log.find("verdict du cache"), std::string::npos) << changed.log;
  EXPECT_FALSE(changed.glDriverMapped);
  EXPECT_NE(changed.log.find("le pilote GL n'est plus celui du verdict du cache"), std::string::npos)
      << changed.log;
  EXPECT_NE(inst.Read("cache/orvanel/renderer").find("gl=llvmpipe"), std::string::npos);
}

}  // namespace
