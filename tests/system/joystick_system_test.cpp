// A joystick driving the running frontend: a virtual device plugged into the program by a
// preloaded test library (tools/virtual_pad), driven through a FIFO. Nothing of it is in
// the program itself. No binding is configured: the defaults must do.
#include "frontend_fixture.h"

#include "emulator_record.h"
#include "platform/wav.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <functional>
#include <regex>
#include <thread>

namespace {

using systest::Frontend;

class JoystickSystemTest : public systest::DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    std::string list;
    for (int i = 0; i < 30; ++i) {
      char rom[8];
      std::snprintf(rom, sizeof rom, "rom%02d", i);
      list += "[" + std::string(rom) + "]\r\nFullName=Game " + std::string(rom + 3) + "\r\n";
    }
    systest::WriteWindowedArcade(inst, "Plain", "EmuExe=.\\Emu\\emu\r\nLastGame=rom00\r\n");
    inst.Write("lists/arcade.txt", list);
    inst.Write("Templates/Plain/Layout.cfg",
               "RESOLUTIONX=640\r\nRESOLUTIONY=480\r\nList_NbItems=9\r\nList_left=20\r\nList_top=20\r\n"
               "List_width=400\r\nList_height=441\r\nList_visible=YES\r\n");
    std::filesystem::create_directories(inst / "Emu");
    std::filesystem::copy_file(TestEmulatorPath(), inst / "Emu/emu");
    inst.Write("Emu/test_emulator.script", "run_ms=300\n");
    fifo_ = inst / "pad.fifo";
    ASSERT_EQ(::mkfifo(fifo_.c_str(), 0600), 0);
    // Read and write: opening never waits for the other end.
    fd_ = ::open(fifo_.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd_, 0);
  }
  void TearDown() override {
    if (fd_ >= 0) ::close(fd_);
  }
  // One line to the virtual device, then time for the frontend to act on it.
  void Pad(const std::string& line, int thenMs = 150) {
    const std::string text = line + "\n";
    ASSERT_EQ(::write(fd_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    std::this_thread::sleep_for(std::chrono::milliseconds(thenMs));
  }
  bool WaitForLog(const std::string& text, int timeoutMs) const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
      if (inst.Read("debug.txt").find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  int LaunchedIndex() const {
    std::smatch m;
    const std::string log = inst.Read("debug.txt");
    return std::regex_search(log, m, std::regex("Lancement de rom([0-9]+)")) ? std::stoi(m[1]) : -1;
  }
  int LastGameIndex() const {
    std::smatch m;
    const std::string ini = inst.Read("config/arcade/config.ini");
    return std::regex_search(ini, m, std::regex("LastGame=rom([0-9]+)")) ? std::stoi(m[1]) : -1;
  }

  systest::Installation inst;
  std::string fifo_;
  int fd_ = -1;
};

TEST_F(JoystickSystemTest, HatAndStickMoveAHeldStickRepeatsAReplugWorksAndButtonZeroLaunches) {
  // In the sanitizer build the preloaded library comes before the sanitizer's runtime,
  // which that runtime would otherwise refuse.
  const char* asan = std::getenv("ASAN_OPTIONS");
  const std::string asanOptions =
      std::string("ASAN_OPTIONS=") + (asan && *asan ? std::string(asan) + ":" : "") + "verify_asan_link_order=0";
  Frontend f(inst, display(),
             {"LD_PRELOAD=" ORV_BINARY_DIR "/tools/virtual_pad/libvirtual_pad.so", "ORV_VIRTUAL_PAD=" + fifo_,
              asanOptions});
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  ASSERT_TRUE(WaitForLog("Manette : Orvanel virtual pad", 5000)) << inst.Read("debug.txt");
  Pad("hat 0 4");  // down: rom01
  Pad("hat 0 0");
  Pad("axis 1 32767");  // down: rom02
  Pad("axis 1 0");
  // Held for 1.2 s: one move, then the keyboard's repeat after its first delay.
  Pad("axis 1 32767", 1200);
  Pad("axis 1 0");
  Pad("unplug", 300);
  Pad("plug", 300);
  Pad("hat 0 4");  // one more, on the device plugged again
  Pad("hat 0 0");
  Pad("button 0 1");  // LaunchGameKey
  Pad("button 0 0");
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 15000)) << inst.Read("debug.txt");
  const int launched = LaunchedIndex();
  EXPECT_GE(launched, 2 + 2 + 1) << "the held stick did not repeat";
  EXPECT_LE(launched, 29);
  // The joystick is taken again after the game.
  Pad("hat 0 4", 300);
  Pad("hat 0 0");
  f.Close(id);
  ASSERT_TRUE(f.Wait(10000).has_value()) << inst.Read("debug.txt");
  EXPECT_EQ(LastGameIndex(), launched + 1) << inst.Read("debug.txt");
}

// Whether the process has the file open.
bool Holds(pid_t pid, const std::string& file) {
  const std::string dir = "/proc/" + std::to_string(pid) + "/fd";
  std::error_code error;
  for (const auto& fd : std::filesystem::directory_iterator(dir, error)) {
    std::error_code linkError;
    if (std::filesystem::read_symlink(fd.path(), linkError).string() == file) return true;
  }
  return false;
}

// While the emulator runs the frontend keeps neither the sound device (SDL's disk driver
// writes a file, so its descriptor shows it) nor a joystick, and takes both back after.
TEST_F(JoystickSystemTest, DuringAGameNoSoundDeviceNorJoystickIsHeld) {
  inst.Write("config/arcade/config.ini", "[Config]\r\nTemplateDir=Plain\r\nFichierDescription=lists\\arcade.txt\r\n"
                                         "Sons=YES\r\nEmuExe=.\\Emu\\emu\r\nLastGame=rom00\r\n");
  for (const char* sound : {"Intro", "GameLaunch", "Navigate"}) inst.Write(std::string("Sound/") + sound + ".wav", platform::MakeWav16(std::vector<std::int16_t>(2205), 22050, 1));
  inst.Write("Emu/test_emulator.script", "run_ms=3000\n");
  const std::string audio = inst / "audio.raw", handles = inst / "pad.handles";
  const char* asan = std::getenv("ASAN_OPTIONS");
  Frontend f(inst, display(),
             {"LD_PRELOAD=" ORV_BINARY_DIR "/tools/virtual_pad/libvirtual_pad.so", "ORV_VIRTUAL_PAD=" + fifo_,
              "ORV_VIRTUAL_PAD_OPEN=" + handles, "SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + audio,
              std::string("ASAN_OPTIONS=") + (asan && *asan ? std::string(asan) + ":" : "") + "verify_asan_link_order=0"});
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  ASSERT_TRUE(WaitForLog("Manette : Orvanel virtual pad", 5000)) << inst.Read("debug.txt");
  const auto eventually = [](const std::function<bool()>& check) {
    for (int i = 0; i < 100 && !check(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return check();
  };
  EXPECT_TRUE(eventually([&] { return Holds(f.pid(), audio); }))
      << "the intro never opened the sound device " << audio << " " << std::filesystem::exists(audio) << "\n"
      << inst.Read("debug.txt");
  EXPECT_EQ(inst.Read("pad.handles"), "1\n");

  Pad("button 0 1");  // LaunchGameKey, held until the game runs: the device is only sampled
  ASSERT_EQ(WaitForEmulatorRuns(inst / "Emu/test_emulator.record", 1, 10000).size(), 1u) << inst.Read("debug.txt");
  Pad("button 0 0", 0);
  EXPECT_FALSE(Holds(f.pid(), audio)) << "the sound device is held during the game";
  EXPECT_EQ(inst.Read("pad.handles"), "0\n") << "a joystick is held during the game";

  ASSERT_TRUE(WaitForLog("Retour lancement OK", 15000)) << inst.Read("debug.txt");
  EXPECT_TRUE(eventually([&] { return inst.Read("pad.handles") == "1\n"; })) << "the joystick was not taken back";
  Pad("hat 0 4", 300);  // a move, with its sound
  Pad("hat 0 0");
  EXPECT_TRUE(eventually([&] { return Holds(f.pid(), audio); })) << "the sound device was not taken back";
  f.Close(id);
  ASSERT_TRUE(f.Wait(10000).has_value()) << inst.Read("debug.txt");
}

}  // namespace
