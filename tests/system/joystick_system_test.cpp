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
#include <optional>
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
    for (int i = 0; i < 100; ++i) {
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
  // One line to the virtual device, and the program's acknowledgement that it has handled
  // it: its clock then, or nothing (a failure is recorded) when it never came.
  std::optional<long long> Pad(const std::string& line) {
    Send(line);
    return Sync();
  }
  // The program's acknowledgement of every line sent so far (tools/virtual_pad): waited for,
  // not guessed, however loaded the machine is.
  std::optional<long long> Sync() {
    const long asked = ++syncs_;
    Send("sync " + std::to_string(asked));
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < end) {
      long got = 0;
      long long tick = 0;
      if (std::sscanf(inst.Read("pad.ack").c_str(), "%ld %lld", &got, &tick) == 2 && got == asked) return tick;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ADD_FAILURE() << "no acknowledgement of sync " << asked << "\n" << inst.Read("debug.txt");
    return std::nullopt;
  }
  void Send(const std::string& line) {
    const std::string text = line + "\n";
    ASSERT_EQ(::write(fd_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  std::vector<std::string> PadEnvironment(std::vector<std::string> more = {}) const {
    // In the sanitizer build the preloaded library comes before the sanitizer's runtime,
    // which that runtime would otherwise refuse.
    const char* asan = std::getenv("ASAN_OPTIONS");
    more.push_back("LD_PRELOAD=" ORV_BINARY_DIR "/tools/virtual_pad/libvirtual_pad.so");
    more.push_back("ORV_VIRTUAL_PAD=" + fifo_);
    more.push_back("ORV_VIRTUAL_PAD_ACK=" + inst / "pad.ack");
    more.push_back(std::string("ASAN_OPTIONS=") + (asan && *asan ? std::string(asan) + ":" : "") +
                   "verify_asan_link_order=0");
    return more;
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
  long syncs_ = 0;
};

TEST_F(JoystickSystemTest, HatAndStickMoveAHeldStickRepeatsAReplugWorksAndButtonZeroLaunches) {
  Frontend f(inst, display(), PadEnvironment());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  ASSERT_TRUE(WaitForLog("Manette : Orvanel virtual pad", 30000)) << inst.Read("debug.txt");
  ASSERT_TRUE(Sync());  // the device is the menu's
  Pad("hat 0 4");       // down: rom01
  Pad("hat 0 0");
  Pad("axis 1 32767");  // down: rom02
  Pad("axis 1 0");
  // Held for 1.2 s of the program's own clock: one move, then the keyboard's repeat after
  // its first delay. However slowly the program runs, it has seen the stick held that long.
  const std::optional<long long> pressed = Pad("axis 1 32767");
  ASSERT_TRUE(pressed);
  for (std::optional<long long> tick = pressed; tick && *tick < *pressed + 1200; tick = Sync())
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  Pad("axis 1 0");
  Pad("unplug");
  Pad("plug");
  Pad("hat 0 4");  // one more, on the device plugged again
  Pad("hat 0 0");
  Pad("button 0 1");  // LaunchGameKey
  Pad("button 0 0");
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 30000)) << inst.Read("debug.txt");
  const int launched = LaunchedIndex();
  EXPECT_GE(launched, 2 + 2 + 1) << "the held stick did not repeat";
  EXPECT_LE(launched, 98);  // however long the hold, room left for the move after the game
  // The joystick is taken again after the game: a move once the menu is back.
  ASSERT_TRUE(Sync());
  Pad("hat 0 4");
  Pad("hat 0 0");
  f.Close(id);
  ASSERT_TRUE(f.Wait(30000).has_value()) << inst.Read("debug.txt");
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
  inst.Write("Emu/test_emulator.script", "until=" + inst / "game.end" + "\n");  // the game ends when we say
  const std::string audio = inst / "audio.raw", handles = inst / "pad.handles";
  Frontend f(inst, display(),
             PadEnvironment({"ORV_VIRTUAL_PAD_OPEN=" + handles, "SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + audio}));
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  ASSERT_TRUE(WaitForLog("Manette : Orvanel virtual pad", 30000)) << inst.Read("debug.txt");
  const auto eventually = [](const std::function<bool()>& check) {
    for (int i = 0; i < 600 && !check(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return check();
  };
  EXPECT_TRUE(eventually([&] { return Holds(f.pid(), audio); }))
      << "the intro never opened the sound device " << audio << " " << std::filesystem::exists(audio) << "\n"
      << inst.Read("debug.txt");
  ASSERT_TRUE(Sync());
  EXPECT_EQ(inst.Read("pad.handles"), "1\n");

  // LaunchGameKey, held until the game runs (the device is only sampled): the emulator's
  // own record says when it does, the menu acknowledges nothing while it waits for the game.
  Send("button 0 1");
  ASSERT_EQ(WaitForEmulatorRuns(inst / "Emu/test_emulator.record", 1, 30000).size(), 1u) << inst.Read("debug.txt");
  Send("button 0 0");
  EXPECT_FALSE(Holds(f.pid(), audio)) << "the sound device is held during the game";
  EXPECT_EQ(inst.Read("pad.handles"), "0\n") << "a joystick is held during the game";
  inst.Write("game.end", "");

  ASSERT_TRUE(WaitForLog("Retour lancement OK", 30000)) << inst.Read("debug.txt");
  ASSERT_TRUE(Sync());  // the menu's loop again: the pads are taken back by then
  EXPECT_EQ(inst.Read("pad.handles"), "1\n") << "the joystick was not taken back";
  Pad("hat 0 4");  // a move, with its sound
  Pad("hat 0 0");
  EXPECT_TRUE(eventually([&] { return Holds(f.pid(), audio); })) << "the sound device was not taken back";
  f.Close(id);
  ASSERT_TRUE(f.Wait(30000).has_value()) << inst.Read("debug.txt");
}

}  // namespace
