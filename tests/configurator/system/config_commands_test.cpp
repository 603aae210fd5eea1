// The configurator's command-line forms as a set-up script meets them: the built program,
// its exit code, what it prints and the files it leaves.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "emulator_record.h"
#include "temp_dir.h"

namespace {

struct Ran {
  int code = -1;
  std::string out, err;
};

std::string Quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

class ConfigCommands : public ::testing::Test {
 protected:
  TempDir inst;
  TempDir scratch;

  void SetUp() override { inst.Write("config/Demo/config.ini", "[Config]\r\nLastGame=pacman\r\n"); }

  Ran Run(const std::vector<std::string>& args) const {
    std::string command = Quoted(std::string(ORV_BINARY_DIR) + "/OrvanelConfig");
    for (const std::string& a : args) command += " " + Quoted(a);
    command += " >" + Quoted(scratch / "out") + " 2>" + Quoted(scratch / "err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, scratch.Read("out"), scratch.Read("err")};
  }
  std::size_t FileCount() const {
    std::size_t n = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(inst.path())) n += e.is_regular_file() ? 1 : 0;
    return n;
  }
};

}  // namespace

TEST_F(ConfigCommands, NewConfigMakesTheDefaultsWithTheValuesGiven) {
  inst.Write("roms/pinball/.keep", "");
  const Ran r = Run({"--new-config", "Pinball", "--base", inst.path(), "--emulator", "mame", "--rom-dir",
                     inst / "roms/pinball", "--params", "-rompath \"%ROMDIR%\" %NAME%"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Pinball"), std::string::npos) << r.out;
  const std::string text = inst.Read("config/Pinball/config.ini");
  for (const char* line : {"[Config]\r\n", "LastGame=0\r\n", "EmuExe=mame\r\n", "RomDir=roms/pinball\r\n",
                           "EmuParams=-rompath \"%ROMDIR%\" %NAME%\r\n",
                           "FichierDescription=.\\config\\Pinball\\Pinball.txt\r\n", "MusicVolume=300\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;

  // Without values: the defaults and the list alone.
  ASSERT_EQ(Run({"--new-config", "Flippers", "--base", inst.path()}).code, 0);
  EXPECT_EQ(inst.Read("config/Flippers/config.ini").find("EmuExe"), std::string::npos);
}

// An emulator given without arguments is asked for its listing's start: MAME's gets MAME's
// arguments, and it is ended once its root element is read, though it would print on.
TEST_F(ConfigCommands, NewConfigProposesMameArgumentsFromTheEmulatorsListing) {
  const std::string record = scratch / "record.txt";
  const std::string emulator = inst / "emu/mame";
  std::filesystem::create_directories(inst / "emu");
  std::filesystem::copy_file(TestEmulatorPath(), emulator);
  const std::string mame = inst.Write("mame.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE mame [\n<!ELEMENT mame (machine+)>\n]>\n"
                                                  "<mame build=\"0.251\">\n<machine name=\"pacman\"/>\n</mame>\n");
  const std::string other = inst.Write("other.xml", "<datafile>\n<game name=\"pacman\"/>\n</datafile>\n");
  ::setenv("ORV_TEST_EMULATOR_RECORD", record.c_str(), 1);
  const struct {
    std::string name, listing;
    std::vector<std::string> more;
    const char* params;  // the line expected, or nullptr for none
    std::size_t runs;
  } cases[] = {
      {"Mame", mame, {}, "EmuParams=-rompath \"%ROMDIR%\" -skip_gameinfo %NAME%\r\n", 1},
      {"Other", other, {}, nullptr, 1},
      {"Given", mame, {"--params", "-x %ROM%"}, "EmuParams=-x %ROM%\r\n", 0},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(record);
    ::setenv("ORV_TEST_EMULATOR_SCRIPT", ("listxml=" + c.listing + ";run_ms=60000").c_str(), 1);
    std::vector<std::string> args{"--new-config", c.name, "--base", inst.path(), "--emulator", emulator};
    args.insert(args.end(), c.more.begin(), c.more.end());
    const Ran r = Run(args);
    ASSERT_EQ(r.code, 0) << c.name << ": " << r.err;
    const std::string text = inst.Read("config/" + c.name + "/config.ini");
    if (c.params) {
      EXPECT_NE(text.find(c.params), std::string::npos) << c.name << "\n" << text;
    } else {
      EXPECT_EQ(text.find("EmuParams"), std::string::npos) << c.name << "\n" << text;
    }
    const auto runs = ReadEmulatorRuns(record);
    ASSERT_EQ(runs.size(), c.runs) << c.name;
    for (const EmulatorRun& run : runs) {
      EXPECT_EQ(run.argv.at(1), "-listxml");
      EXPECT_TRUE(ProcessIsGone(run.pid)) << c.name;
    }
  }
  ::unsetenv("ORV_TEST_EMULATOR_SCRIPT");
  ::unsetenv("ORV_TEST_EMULATOR_RECORD");
}

TEST_F(ConfigCommands, NewConfigRefusesAndWritesNothing) {
  const std::size_t before = FileCount();
  const struct {
    std::vector<std::string> args;
    const char* said;
  } cases[] = {
      {{"--new-config", "Demo"}, "existe"},
      {{"--new-config", "demo"}, "existe"},
      {{"--new-config", ""}, "nom vide"},
      {{"--new-config", "../evil"}, "contient .."},
      {{"--new-config", "a/b"}, "contient /"},
      {{"--new-config", "a\\b"}, "contient /"},
      {{"--new-config", "line\nbreak"}, "contr\xC3\xB4le"},
      {{"--new-config", "Ok", "--emulator"}, "usage"},
      {{"--new-config", "Ok", "--unknown", "x"}, "usage"},
      {{"--new-config"}, "usage"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--base", inst.path()});
    const Ran r = Run(args);
    EXPECT_EQ(r.code, 1) << c.args.back();
    EXPECT_NE(r.err.find(c.said), std::string::npos) << c.args.back() << ": " << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(FileCount(), before);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(inst.path()).parent_path() / "evil"));
  EXPECT_EQ(inst.Read("config/Demo/config.ini"), "[Config]\r\nLastGame=pacman\r\n");
}

TEST_F(ConfigCommands, HelpListsEveryCommandLineForm) {
  const Ran r = Run({"--help"});
  EXPECT_EQ(r.code, 0);
  for (const char* form : {"--create-list", "--import", "--new-config", "--filter", "--params"})
    EXPECT_NE(r.out.find(form), std::string::npos) << form;
  std::string page;
  if (FILE* f = std::fopen(ORV_SOURCE_DIR "/data/orvanel-config.6", "r")) {
    for (int c; (c = std::fgetc(f)) != EOF;) page += char(c);
    std::fclose(f);
  }
  for (const char* form : {"new-config", "\\-\\-filter", "\\-\\-params"})
    EXPECT_NE(page.find(form), std::string::npos) << form;
}
