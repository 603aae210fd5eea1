// Every writer of the configurator meets a disk that fails at each step of a replace: the
// old file stays whole, no temporary is left beside it, the failure is shown and logged,
// the page or editor still holds the unsaved work, and the next write goes through.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "configurator/layouteditor/import_command.h"
#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/save_layout.h"
#include "configurator/listgen/game_list_generator.h"
#include "configurator/pagemodel/edited_settings.h"
#include "platform/debug_log.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "temp_dir.h"

namespace {

// What one attempt of a writer answered, and whether the state beside the file agrees
// with it (saved: the work counts as saved; failed: it is still there, unsaved).
struct Attempt {
  bool saved = false;
  bool stateAgrees = false;
};

struct Writer {
  const char* name;
  const char* file;  // below the test directory
  // Each round asks for content that differs from every earlier round's.
  std::function<Attempt(const TempDir& dir, int round)> write;
};

Attempt SaveSettingsPage(const TempDir& dir, int round) {
  cfg::EditedSettings page(cfg::kGeneralPageKeys);
  page.LoadFile(dir / "config/Orvanel.ini");
  page.value.largFen = 800 + round;
  const bool saved = page.Save(dir / "config/Orvanel.ini");
  return {saved, saved != page.IsModified()};
}

Attempt SaveEmulatorPage(const TempDir& dir, int round) {
  cfg::EditedSettings page(cfg::kEmusPageKeys);
  page.LoadFile(dir / "config/arcade/config.ini");
  page.value.romDir = "roms" + std::to_string(round);
  const bool saved = page.Save(dir / "config/arcade/config.ini");
  return {saved, saved != page.IsModified()};
}

Attempt SaveEditedLayout(const TempDir& dir, int round) {
  cfg::EditorSession editor;
  editor.installDirectory = dir.path();
  cfg::LoadTemplate(editor, "Mine", cfg::DesktopSize{});
  editor.layout.objects[cfg::kEdSnap].left = round;
  const cfg::EditorLayout before = editor.layout;
  const std::string loadedFrom = editor.currentFilePath;
  const bool saved = cfg::SaveLayout(editor, dir / "Templates/Mine/Layout.cfg") == 1;
  const bool modified = cfg::IsModified(editor.layout);
  const bool modelKept = cfg::LayoutFileText(editor.layout) == cfg::LayoutFileText(before);
  return {saved, saved ? !modified : modified && modelKept && editor.currentFilePath == loadedFrom};
}

Attempt ImportFromCommandLine(const TempDir& dir, int round) {
  const std::string source = dir.Write("import.cfg", "RESOLUTIONX=" + std::to_string(300 + round) + "\r\n");
  std::ostringstream out, err;
  const int status = cfg::RunImport({"--import", "atomicfe", source, dir / "Templates/Mine/Layout.cfg"}, cfg::DesktopSize{}, out, err);
  const bool said = err.str().find("Layout.cfg") != std::string::npos;
  return {status == 0, status == 0 ? !said : said};
}

Attempt GameListFrom(bool xml, const TempDir& dir, int round) {
  const std::string game = "game" + std::to_string(round);
  const std::string listing =
      xml ? dir.Write("listing.xml", "<mame><machine name=\"" + game + "\"/></mame>")
          : dir.Write("listing.txt", "game (\n\tname " + game + "\n)\n");
  const cfg::ListingJob job{listing, dir / "lists/arcade.txt", "", false};
  const int games = xml ? cfg::ParseListXml(job, {}) : cfg::ParseListInfo(job, {});
  return {games > 0, games == 0 || games == 1};
}

const Writer kWriters[] = {
    {"General page", "config/Orvanel.ini", SaveSettingsPage},
    {"Emus page", "config/arcade/config.ini", SaveEmulatorPage},
    {"layout editor", "Templates/Mine/Layout.cfg", SaveEditedLayout},
    {"layout import command", "Templates/Mine/Layout.cfg", ImportFromCommandLine},
    {"game list from an XML listing", "lists/arcade.txt",
     [](const TempDir& dir, int round) { return GameListFrom(true, dir, round); }},
    {"game list from a text listing", "lists/arcade.txt",
     [](const TempDir& dir, int round) { return GameListFrom(false, dir, round); }},
};

const platform::WriteFault kFaults[] = {platform::WriteFault::kOpen, platform::WriteFault::kWriteNoSpace,
                                        platform::WriteFault::kFsyncIo, platform::WriteFault::kRename};

class ConfigWriteFaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetLogDirectory(dir.path());
    messages = &platform::RecordMessageBoxes();
    // Old contents, each with a line that no writer produces.
    dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=arcade\r\n; kept\r\n");
    dir.Write("config/arcade/config.ini", "[Config]\r\nTemplateDir=Mine\r\n; kept\r\n");
    dir.Write("Templates/Mine/Layout.cfg", "RESOLUTIONX=640\r\nRESOLUTIONY=480\r\n; kept\r\n");
    dir.Write("lists/arcade.txt", "[oldgame]\r\nFullName=Kept\r\n");
  }
  void TearDown() override {
    platform::InjectWriteFault(platform::WriteFault::kNone);
    platform::SetMessageBoxSink({});
  }

  int LogLines() const {
    const std::string log = dir.Read("debug.txt");
    return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
  }

  bool TemporaryLeftBeside(const std::string& file) const {
    const std::string path = dir / file;
    for (const auto& e : platform::ListDirectory(path.substr(0, path.rfind('/'))))
      if (e.name.find(".tmp") != std::string::npos) return true;
    return false;
  }

  TempDir dir;
  std::vector<platform::RecordedMessage>* messages = nullptr;
};

TEST_F(ConfigWriteFaultTest, EveryWriterKeepsTheOldFileAtEveryFailingStepAndGoesOn) {
  int round = 0;
  for (const Writer& w : kWriters) {
    for (platform::WriteFault fault : kFaults) {
      SCOPED_TRACE(std::string(w.name) + ", fault " + std::to_string(static_cast<int>(fault)));
      const std::string old = dir.Read(w.file);
      const int logLines = LogLines();
      const std::size_t shown = messages->size();
      platform::InjectWriteFault(fault);
      const Attempt a = w.write(dir, ++round);
      platform::InjectWriteFault(platform::WriteFault::kNone);
      EXPECT_FALSE(a.saved);
      EXPECT_TRUE(a.stateAgrees);
      EXPECT_EQ(dir.Read(w.file), old);
      EXPECT_FALSE(TemporaryLeftBeside(w.file));
      // The command line says it on its error stream; the others show a box naming the file.
      if (std::string_view(w.name) != "layout import command") {
        ASSERT_GT(messages->size(), shown);
        EXPECT_NE(messages->back().text.find(w.file), std::string::npos) << messages->back().text;
        EXPECT_GT(LogLines(), logLines);
      }
    }
    // The program goes on: the next write changes the file.
    const std::string old = dir.Read(w.file);
    const Attempt a = w.write(dir, ++round);
    EXPECT_TRUE(a.saved) << w.name;
    EXPECT_TRUE(a.stateAgrees) << w.name;
    EXPECT_NE(dir.Read(w.file), old) << w.name;
    EXPECT_FALSE(TemporaryLeftBeside(w.file)) << w.name;
  }
}

}  // namespace
