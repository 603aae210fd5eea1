// Whole generations with the scripted test emulator: what reaches the list, what the owner
// is told, and that no emulator is left running.
#include "configurator/listgen/create_list_command.h"
#include "configurator/listgen/game_list_generator.h"
#include "configurator/listgen/generator_messages.h"

#include "emulator_record.h"
#include "listing_test_support.h"
#include "temp_dir.h"

#include "platform/files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

namespace {

using cfg::GenerationResult;
using cfg::GeneratorRequest;

const char* const kXmlListing =
    "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n"
    "<machine name=\"neogeo\" isbios=\"yes\"><rom name=\"sp-s2.sp1\"/></machine>\n"
    "<machine name=\"pacman\" cloneof=\"puckman\" romof=\"puckman\">\n<description>Pac-Man (Midway)</description>\n"
    "<year>1980</year>\n<rom name=\"pacman.6e\" size=\"4096\"/>\n"
    "<display type=\"raster\" rotate=\"90\" width=\"288\" height=\"224\" refresh=\"60.606061\"/>\n"
    "<input players=\"2\" coins=\"2\"><control type=\"joy\" player=\"1\" ways=\"4\"/></input>\n</machine>\n"
    "<machine name=\"pong\"><description>Pong</description><year>1972</year></machine>\n</mame>\n";

const char* const kInfoListing =
    "game (\n\tname samplegm\n\tdescription \"Sample Game (Maker)\"\n\tyear 1980\n"
    "\trom ( name a.bin size 1 )\n"
    "\tvideo ( screen raster orientation vertical x 224 y 288 freq 60.000000 )\n"
    "\tinput ( players 2 buttons 1 coins 2 control joy4way )\n)\n";

struct Message {
  std::string text, caption;
};

class GeneratorRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("ORV_TEST_EMULATOR_RECORD", record_.c_str(), 1);
    ::setenv("ORV_TEST_EMULATOR_SCRIPT", "", 1);
    std::filesystem::create_directories(dir_ / "emu dir");
    std::filesystem::copy_file(TestEmulatorPath(), emulator_);
    xml_ = dir_.Write("listing.xml", kXmlListing);
    info_ = dir_.Write("listing.dat", kInfoListing);
    request_.emulator = emulator_;
    request_.outputFile = dir_ / "MAME.txt";
    request_.temporaryFile = dir_ / "Infos.tmp";
    request_.existingOnly = false;
  }
  void TearDown() override {
    ::unsetenv("ORV_TEST_EMULATOR_RECORD");
    ::unsetenv("ORV_TEST_EMULATOR_SCRIPT");
  }
  void Script(const std::string& s) { ::setenv("ORV_TEST_EMULATOR_SCRIPT", s.c_str(), 1); }

  GenerationResult Generate() {
    cfg::GeneratorHooks hooks;
    hooks.message = [this](std::string_view text, std::string_view caption) {
      messages_.push_back({std::string(text), std::string(caption)});
    };
    hooks.status = [this](const std::string& text) { statuses_.push_back(text); };
    return cfg::GenerateGameList(request_, hooks);
  }
  std::vector<EmulatorRun> Runs() const { return ReadEmulatorRuns(record_); }
  std::string Output() const { return dir_.Read("MAME.txt"); }
  // Where the runs' standard error led.
  std::vector<std::string> ErrorTargets() const {
    std::ifstream in(record_);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
      if (line.rfind("stderr=", 0) == 0) out.push_back(line.substr(7));
    return out;
  }

  TempDir dir_;
  std::string record_ = dir_ / "record.txt";
  std::string emulator_ = dir_ / "emu dir/emu";
  std::string xml_, info_;
  GeneratorRequest request_;
  std::vector<Message> messages_;
  std::vector<std::string> statuses_;
};


const std::string kPacmanSection = CrLf({"[pacman]", "RomOf=puckman", "FullName=Pac-Man (Midway)", "Infos1=1980",
                                         "Infos2=v 224x288 60Hz", "Infos3=2P 2C joy4way"});

}  // namespace

TEST_F(GeneratorRun, ListingReadThroughThePipeFromAProgramWhosePathHasBlanks) {
  Script("listxml=" + xml_ + ";noise=1");
  const GenerationResult r = Generate();
  EXPECT_EQ(r.games, 2);
  EXPECT_EQ(r.message, "2 ROM(S) récupérée(s).");
  EXPECT_EQ(Output(), kPacmanSection + CrLf({"[pong]", "FullName=Pong", "Infos1=1972"}));
  EXPECT_TRUE(messages_.empty());
  ASSERT_EQ(Runs().size(), 1u);
  EXPECT_EQ(Runs()[0].argv, (std::vector<std::string>{emulator_, "-listxml"}));
  EXPECT_EQ(Runs()[0].cwd, dir_ / "emu dir");
  EXPECT_EQ(ErrorTargets(), std::vector<std::string>{"/dev/null"});
  EXPECT_FALSE(std::filesystem::exists(request_.temporaryFile));
  ASSERT_FALSE(statuses_.empty());
  EXPECT_EQ(statuses_.front(), cfg::CreatingList());
  EXPECT_EQ(statuses_.back(), "") << "the status box is closed at the end";
  EXPECT_TRUE(r.mameListing);
  EXPECT_EQ(r.machinesRead, 3);
}

TEST_F(GeneratorRun, NothingForListXmlThenTheOldTextListing) {
  Script("listinfo=" + info_);
  const GenerationResult r = Generate();
  EXPECT_EQ(r.games, 1);
  EXPECT_FALSE(r.mameListing);
  EXPECT_EQ(Output(), CrLf({"[samplegm]", "FullName=Sample Game (Maker)", "Infos1=1980", "Infos2=v 224x288 60Hz",
                            "Infos3=2P 1B 2C joy4way"}));
  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].argv.at(1), "-listxml");
  EXPECT_EQ(runs[1].argv.at(1), "-listinfo");
}

TEST_F(GeneratorRun, SilenceEndsTheEmulatorAndItsGroupAndKeepsTheOldList) {
  dir_.Write("MAME.txt", "old list");
  request_.silenceLimitMs = 300;
  struct {
    std::string script;
    std::size_t runs;
  } cases[] = {
      {"run_ms=60000;child=1", 2},                              // hangs without a word: both options tried
      {"listxml=" + xml_ + ";run_ms=60000;child=1", 1},         // prints, then hangs without closing its output
  };
  for (const auto& c : cases) {
    ::unlink(record_.c_str());
    messages_.clear();
    Script(c.script);
    const auto start = std::chrono::steady_clock::now();
    const GenerationResult r = Generate();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15)) << c.script;
    EXPECT_EQ(r.games, -1) << c.script;
    EXPECT_EQ(r.message, cfg::ListNotCreated(cfg::NoListing()));
    EXPECT_EQ(Output(), "old list");
    EXPECT_FALSE(std::filesystem::exists(request_.temporaryFile));
    const auto runs = Runs();
    ASSERT_EQ(runs.size(), c.runs) << c.script;
    for (const EmulatorRun& run : runs) {
      EXPECT_TRUE(ProcessIsGone(run.pid));
      EXPECT_TRUE(ProcessIsGone(run.child));
    }
  }
}

TEST_F(GeneratorRun, ASlowEmulatorStillPrintingIsNotCutOff) {
  request_.silenceLimitMs = 400;
  Script("listxml=" + xml_ + ";chunk_bytes=60;chunk_ms=100");  // about 1.3 s in all
  const auto start = std::chrono::steady_clock::now();
  const GenerationResult r = Generate();
  EXPECT_GT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(800));
  EXPECT_EQ(r.games, 2);
  EXPECT_EQ(r.message, "2 ROM(S) récupérée(s).");
}

TEST_F(GeneratorRun, AnEmulatorThatCannotStartIsAFailureNotACount) {
  dir_.Write("MAME.txt", "old list");
  dir_.Write("emu dir/script", "echo no interpreter line\n");
  std::filesystem::permissions(dir_ / "emu dir/script", std::filesystem::perms::owner_all);
  for (const std::string& program : {dir_ / "emu dir/missing", dir_ / "emu dir/script", std::string()}) {
    request_.emulator = program;
    messages_.clear();
    const GenerationResult r = Generate();
    EXPECT_EQ(r.games, -1) << program;
    EXPECT_EQ(r.message, cfg::ListNotCreated(cfg::EmulatorNotStarted()));
    EXPECT_TRUE(messages_.empty()) << program << ": " << messages_.front().caption;
    EXPECT_EQ(Output(), "old list");
  }
}

TEST_F(GeneratorRun, AListingThatYieldsNoGameLeavesTheOldList) {
  dir_.Write("MAME.txt", "old list");
  dir_.Write("roms/other.zip", "");
  request_.existingOnly = true;
  request_.romDirectory = dir_ / "roms";
  Script("listxml=" + dir_.Write("roms.xml", "<mame><machine name=\"pacman\"><rom name=\"a\"/></machine></mame>"));
  GenerationResult r = Generate();
  EXPECT_EQ(r.games, 0);
  EXPECT_EQ(r.message, cfg::ListNotCreated(cfg::NoRomMatched()));
  EXPECT_EQ(Output(), "old list");

  dir_.Write("roms/PacMan.zip", "");
  r = Generate();
  EXPECT_EQ(r.games, 1);
  EXPECT_EQ(Output(), CrLf({"[pacman]"}));
}

// Existing-only against a ROM folder that is missing fails, naming it, before the emulator
// runs, and the owner's list stays; an empty folder still lists the coin-taking machines that
// need no file.
TEST_F(GeneratorRun, AMissingRomFolderKeepsTheListAnEmptyOneListsTheRomlessCoinMachines) {
  dir_.Write("MAME.txt", "old list");
  Script("listxml=" + dir_.Write("coins.xml",
                                 "<mame><machine name=\"pacman\"><rom name=\"a\"/><input coins=\"1\"/></machine>"
                                 "<machine name=\"breakout\"><description>Breakout</description>"
                                 "<input players=\"1\" coins=\"1\"><control type=\"paddle\"/></input></machine>"
                                 "<machine name=\"pong\"><input players=\"2\"/></machine></mame>"));
  request_.existingOnly = true;
  for (const std::string& folder : {dir_ / "missing", std::string()}) {
    request_.romDirectory = folder;
    const GenerationResult r = Generate();
    EXPECT_EQ(r.failure, cfg::GenerationFailure::kNoRomFolder) << folder;
    EXPECT_EQ(r.message, cfg::NoRomFolderMessage(folder));
    if (!folder.empty()) {
      EXPECT_NE(r.message.find(folder), std::string::npos);
    }
    EXPECT_EQ(cfg::RomFolderRefusal(request_), r.message);
    EXPECT_EQ(Output(), "old list") << folder;
  }
  EXPECT_TRUE(Runs().empty());

  std::filesystem::create_directories(dir_ / "empty");
  dir_.Write("notes/readme.txt", "");
  for (const std::string& folder : {dir_ / "empty", dir_ / "notes"}) {
    request_.romDirectory = folder;
    EXPECT_EQ(cfg::RomFolderRefusal(request_), "");
    const GenerationResult r = Generate();
    EXPECT_EQ(r.games, 1) << folder << ": " << r.message;
    EXPECT_EQ(Output(), CrLf({"[breakout]", "FullName=Breakout", "Infos3=1P 1C paddle"})) << folder;
  }
}

// The command line makes the list's folder when it is missing, and says which folder it could
// not make; while the listing comes it says how many machines it has read, ending with the total.
TEST_F(GeneratorRun, CommandLineMakesTheListFolderAndSaysWhereTheWorkIs) {
  std::string listing = "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n";
  for (int i = 0; i < 2500; ++i) listing += "<machine name=\"m" + std::to_string(i) + "\"><input coins=\"1\"/></machine>\n";
  Script("listxml=" + dir_.Write("many.xml", listing + "</mame>\n") + ";chunk_bytes=9000;chunk_ms=1");
  const std::string output = dir_ / "config/MAME/MAME.txt";
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  int code = cfg::RunCreateListCommand({"--create-list", "--emulator", emulator_, "--output", output, "--all"});
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "2500 ROM(S) récupérée(s).\n");
  EXPECT_EQ(code, 0);
  EXPECT_EQ(dir_.Read("config/MAME/MAME.txt").substr(0, 6), "[m0]\r\n");
  // However the pipe joins the pieces, passing a thousand machines prints a line.
  EXPECT_TRUE(err.starts_with(std::string(cfg::CreatingList()) + "\n")) << err;
  EXPECT_NE(err.find(std::string(cfg::CreatingList()) + " "), std::string::npos) << err;
  EXPECT_NE(err.find(" machines lues\n"), std::string::npos) << err;
  EXPECT_TRUE(err.ends_with("\n2500 machines lues.\n")) << err;

  dir_.Write("plain file", "");
  const std::string blocked = dir_ / "plain file/MAME/MAME.txt";
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  code = cfg::RunCreateListCommand({"--create-list", "--emulator", emulator_, "--output", blocked, "--all"});
  const std::string said = testing::internal::GetCapturedStderr();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(code, 1);
  EXPECT_NE(said.find(dir_ / "plain file/MAME"), std::string::npos) << said;
  EXPECT_EQ(said.find("Infos.tmp"), std::string::npos) << said;
}

TEST_F(GeneratorRun, ScratchFileFailuresAreSaidOnce) {
  Script("listxml=" + xml_);
  platform::InjectWriteFault(platform::WriteFault::kWriteNoSpace);  // every write fails: a full disk
  GenerationResult r = Generate();
  platform::InjectWriteFault(platform::WriteFault::kNone);
  EXPECT_EQ(r.message, cfg::ListNotCreated(cfg::ListNotWritten()));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, cfg::WriteFailed());
  EXPECT_FALSE(std::filesystem::exists(request_.temporaryFile));

  // A device at the scratch name is no leftover of ours: it is neither written nor removed.
  messages_.clear();
  request_.temporaryFile = "/dev/full";
  r = Generate();
  EXPECT_EQ(r.failure, cfg::GenerationFailure::kFileNotWritten);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, cfg::CannotCreateFile());
  EXPECT_TRUE(std::filesystem::exists("/dev/full"));

  messages_.clear();
  request_.temporaryFile = dir_ / "no such dir/Infos.tmp";
  r = Generate();
  EXPECT_EQ(r.failure, cfg::GenerationFailure::kFileNotWritten);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, request_.temporaryFile);
  EXPECT_EQ(messages_[0].caption, cfg::CannotCreateFile());

  // The listing was had, the list itself cannot be written.
  messages_.clear();
  request_.temporaryFile = dir_ / "Infos.tmp";
  request_.outputFile = dir_ / "no such dir/MAME.txt";
  r = Generate();
  EXPECT_EQ(r.message, cfg::ListNotCreated(cfg::ListNotWritten()));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, request_.outputFile);
}

// The scratch listing is made afresh whatever already has its name: a link planted there
// (the config folder may be shared) is removed, never followed, and a leftover of a cut-off
// run is replaced. The new file gets what the umask leaves of 0666.
TEST_F(GeneratorRun, TheScratchListingNeverWritesThroughWhatAlreadyHasItsName) {
  Script("listxml=" + xml_);
  const std::string victim = dir_.Write("victim.ini", "precious");
  struct Case {
    const char* name;
    std::function<void()> plant;
  } cases[] = {
      {"link to a file", [&] { ::symlink(victim.c_str(), request_.temporaryFile.c_str()); }},
      {"dangling link", [&] { ::symlink((dir_ / "made.ini").c_str(), request_.temporaryFile.c_str()); }},
      {"leftover", [&] { dir_.Write("Infos.tmp", "cut off"); }},
  };
  const mode_t saved = ::umask(027);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ::unlink(request_.outputFile.c_str());
    c.plant();
    std::string scratchMode;
    cfg::GeneratorHooks hooks;
    hooks.message = [this](std::string_view text, std::string_view caption) {
      messages_.push_back({std::string(text), std::string(caption)});
    };
    hooks.status = [&](const std::string&) {
      struct stat st {};
      if (scratchMode.empty() && ::lstat(request_.temporaryFile.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        scratchMode = std::to_string(st.st_mode & 0777);
    };
    const GenerationResult r = cfg::GenerateGameList(request_, hooks);
    EXPECT_EQ(r.games, 2);
    EXPECT_EQ(dir_.Read("victim.ini"), "precious");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "made.ini"));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(request_.temporaryFile)));
    EXPECT_EQ(Output().substr(0, kPacmanSection.size()), kPacmanSection);
    EXPECT_EQ(scratchMode, std::to_string(0640));
  }
  ::umask(saved);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(GeneratorRun, CommandLineFormPrintsTheClosingMessageAndSaysSoInItsExitCode) {
  Script("listxml=" + xml_);
  const std::string output = dir_ / "cli.txt";
  testing::internal::CaptureStdout();
  int code = cfg::RunCreateListCommand({"--create-list", "--emulator", emulator_, "--output", output, "--all"});
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "2 ROM(S) récupérée(s).\n");
  EXPECT_EQ(code, 0);
  EXPECT_EQ(dir_.Read("cli.txt").substr(0, kPacmanSection.size()), kPacmanSection);

  dir_.Write("roms/pacman.zip", "");  // pong needs no file but takes no coin: no cabinet game
  testing::internal::CaptureStdout();
  code = cfg::RunCreateListCommand({"--create-list", "--emulator", emulator_, "--output", output, "--rom-dir",
                                    dir_ / "roms"});
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "1 ROM(S) récupérée(s).\n");
  EXPECT_EQ(code, 0);
  EXPECT_EQ(dir_.Read("cli.txt"), kPacmanSection);

  testing::internal::CaptureStdout();
  code = cfg::RunCreateListCommand({"--create-list", "--emulator", dir_ / "none", "--output", output});
  EXPECT_EQ(testing::internal::GetCapturedStdout(), cfg::ListNotCreated(cfg::EmulatorNotStarted()) + "\n");
  EXPECT_EQ(code, 1);
  EXPECT_EQ(cfg::RunCreateListCommand({"--create-list", "--output", output}), 1);
  EXPECT_EQ(cfg::RunCreateListCommand({"--create-list", "--emulator", emulator_, "--output"}), 1);
}

// "Arrêter" ends the emulator and its group at once, whatever it was doing, tries no other
// listing, and keeps the old list.
TEST_F(GeneratorRun, AStoppedGenerationEndsTheEmulatorAndKeepsTheOldList) {
  dir_.Write("MAME.txt", "old list");
  for (const std::string& script : {std::string("run_ms=60000;child=1"),
                                    "listxml=" + xml_ + ";run_ms=60000;child=1"}) {
    ::unlink(record_.c_str());
    Script(script);
    const auto start = std::chrono::steady_clock::now();
    cfg::GeneratorHooks hooks;
    hooks.message = [this](std::string_view text, std::string_view caption) {
      messages_.push_back({std::string(text), std::string(caption)});
    };
    hooks.stopped = [start] { return std::chrono::steady_clock::now() - start > std::chrono::milliseconds(500); };
    const GenerationResult r = cfg::GenerateGameList(request_, hooks);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15)) << script;
    EXPECT_EQ(r.failure, cfg::GenerationFailure::kStopped) << script;
    EXPECT_EQ(r.message, cfg::GenerationStopped());
    EXPECT_EQ(Output(), "old list");
    EXPECT_FALSE(std::filesystem::exists(request_.temporaryFile));
    const auto runs = Runs();
    ASSERT_EQ(runs.size(), 1u) << script;
    EXPECT_TRUE(ProcessIsGone(runs[0].pid));
    EXPECT_TRUE(ProcessIsGone(runs[0].child));
  }
  EXPECT_TRUE(messages_.empty());
}
