// Debian's emulator, when it is installed: its listing of today's form, tens of thousands of
// machines over a quarter of a gigabyte, made into a game list by the command-line form.
#include "configurator/listgen/create_list_command.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kRealEmulator = "/usr/games/mame";

std::string Section(const std::string& list, const std::string& name) {
  const std::string head = "[" + name + "]\r\n";
  const std::size_t at = list.find(head);
  if (at == std::string::npos) return {};
  const std::size_t end = list.find("\r\n[", at + head.size());
  return list.substr(at, end == std::string::npos ? std::string::npos : end + 2 - at);
}

}  // namespace

TEST(RealEmulator, ItsListingGivesTheGameList) {
  if (!std::filesystem::exists(kRealEmulator)) GTEST_SKIP() << kRealEmulator << " is not installed";
  TempDir dir;
  const std::string output = dir / "MAME.txt";
  testing::internal::CaptureStdout();
  const int code = cfg::RunCreateListCommand({"--create-list", "--emulator", kRealEmulator, "--output", output, "--all"});
  const std::string said = testing::internal::GetCapturedStdout();
  ASSERT_EQ(code, 0) << said;
  EXPECT_GT(std::stoi(said), 30000) << said;

  const std::string list = dir.Read("MAME.txt");
  EXPECT_EQ(Section(list, "pacman"),
            "[pacman]\r\nRomOf=puckman\r\nFullName=Pac-Man (Midway)\r\nInfos1=1980\r\nInfos2=v 224x288 60Hz\r\n"
            "Infos3=2P 2C joy4way\r\n");
  EXPECT_EQ(Section(list, "neogeo"), "") << "a BIOS is not a game";
  EXPECT_FALSE(std::filesystem::exists(dir / "Infos.tmp"));
}
