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

// The books without a display: a period and a configuration as CSV, per game or per day;
// a wrong date or an unreadable journal is exit code 1 with a message; the reset archives
// before it clears.
TEST_F(ConfigCommands, StatsExportsAPeriodAndResetArchivesFirst) {
  inst.Write("config/Demo/config.ini", "[Config]\r\nFichierDescription=lists/demo.txt\r\n");
  inst.Write("lists/demo.sta", "[pacman]\r\nNb=3\r\nC1=3\r\n");
  inst.Write("Orvanel.sta", "[StatGen]\r\nNb=3\r\n");
  inst.Write("stats/journal-2026-11.csv", "2026-11-30 20:00:00,100,Demo,pacman,Pac-Man,1,0,0,0,normal\r\n");
  inst.Write("stats/journal-2026-12.csv", "2026-12-01 20:00:00,200,Demo,pacman,Pac-Man,2,0,0,0,normal\r\n"
                                          "2026-12-01 21:00:00,300,Other,sf2,\"SF II, \"\"WW\"\"\",0,1,0,0,exit-combo\r\n"
                                          "2026-12-03 21:00:00,300,Demo,pacman,Pac-Man,1,0,0,0,normal\r\n");
  const std::string csv = scratch / "books.csv";
  const struct {
    std::vector<std::string> args;
    int code;
    std::string file, err;
  } kCases[] = {
      {{"--from", "2026-12-01"}, 0,
       "Configuration,Jeu,Nom,Parties,C1,C2,C3,C4,Pièces,Temps de jeu (s),Dernière partie\r\n"
       "Demo,pacman,Pac-Man,2,3,0,0,0,3,500,2026-12-03 21:00:00\r\n"
       "Other,sf2,\"SF II, \"\"WW\"\"\",1,0,1,0,0,1,300,2026-12-01 21:00:00\r\n", ""},
      {{"--config", "Demo", "--to", "2026-12-02", "--per-day"}, 0,
       "Date,Parties,Pièces\r\n2026-11-30,1,1\r\n2026-12-01,1,2\r\n", ""},
      {{"--from", "2026-13-01"}, 1, "", "date invalide « 2026-13-01 »"},
      {{"--to", "01/12/2026"}, 1, "", "date invalide « 01/12/2026 »"},
  };
  for (const auto& c : kCases) {
    std::filesystem::remove(csv);
    std::vector<std::string> args{"--stats", "--base", inst.path()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"--csv", csv});
    const Ran r = Run(args);
    EXPECT_EQ(r.code, c.code) << c.args[0] << r.err;
    EXPECT_EQ(std::filesystem::exists(csv) ? scratch.Read("books.csv") : "", c.file) << c.args[0];
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  }

  const Ran reset = Run({"--stats-reset", "--base", inst.path()});
  ASSERT_EQ(reset.code, 0) << reset.err;
  const auto archive = reset.out.find(inst / "stats/archive-");
  ASSERT_NE(archive, std::string::npos) << reset.out;
  const std::string folder =
      reset.out.substr(archive + inst.path().size() + 1, reset.out.find('\n', archive) - archive - inst.path().size() - 1);
  EXPECT_EQ(inst.Read("lists/demo.sta"), "");
  EXPECT_EQ(inst.Read("Orvanel.sta"), "");
  EXPECT_FALSE(std::filesystem::exists(inst / "stats/journal-2026-12.csv"));
  EXPECT_EQ(inst.Read(folder + "/configurations/Demo.sta"), "[pacman]\r\nNb=3\r\nC1=3\r\n");
  EXPECT_NE(inst.Read(folder + "/journal-2026-12.csv").find("sf2"), std::string::npos);

  std::filesystem::remove_all(inst / "stats");
  inst.Write("stats", "not a folder");
  const Ran unreadable = Run({"--stats", "--base", inst.path(), "--csv", csv});
  EXPECT_EQ(unreadable.code, 1);
  EXPECT_NE(unreadable.err.find("journal des parties illisible"), std::string::npos) << unreadable.err;
}
