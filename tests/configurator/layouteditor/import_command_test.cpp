#include "configurator/layouteditor/import_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "configurator/layouteditor/layout_import.h"
#include "configurator/layouteditor/save_layout.h"
#include "editor_test_support.h"
#include "render/layout.h"
#include "temp_dir.h"

using render::Layout;
using render::ReadLayoutText;

using namespace cfg;

TEST(ImportCommand, WritesTheLayoutOrSaysWhyNot) {
  TempDir dir;
  const std::string dest = dir / "Layout.cfg", lay = SamplePath("layout.lay"), cfgFile = SamplePath("layout.cfg");
  const std::string usage = "usage : orvanel-config --import mamewah|atomicfe SOURCE DESTINATION.cfg\n";
  const struct {
    std::vector<std::string> args;
    DesktopSize desktop;
    std::string err;
  } cases[] = {{{"--import", "mamewah", lay, dest}, {}, ""},
               {{"--import", "AtomicFe", cfgFile, dest}, {1024, 768}, ""},
               {{"--import", "mamewah", lay}, {}, usage},
               {{"--import", "other", lay, dest}, {}, usage},
               {{"--import", "mamewah", dir / "missing", dest}, {}, "impossible de lire " + dir / "missing" + "\n"},
               {{"--import", "atomicfe", cfgFile, dest}, {800, 600}, std::string(ImportTooLargeMessage()) + "\n"},
               {{"--import", "mamewah", lay, dir / "no/d.cfg"},
                {},
                std::string(CannotCreateCaption()) + " " + dir / "no/d.cfg" + "\n"}};
  for (const auto& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunImport(c.args, c.desktop, out, err), c.err.empty() ? 0 : 1) << c.args[1];
    EXPECT_EQ(err.str(), c.err);
    if (!c.err.empty()) continue;
    EXPECT_EQ(out.str().rfind(dest + " : layout ", 0), 0u) << out.str();
    Layout layout;
    ReadLayoutText(dir.Read("Layout.cfg"), layout);
    EXPECT_EQ(layout.Width(), c.args[1] == "mamewah" ? 800 : 1024);
  }
}

// A batch of commands must not overwrite a good layout with an empty one.
TEST(ImportCommand, RefusesAnAtomicFeFileWithoutItsKeys) {
  TempDir dir;
  const std::string dest = dir.Write("Layout.cfg", "kept"), notes = dir.Write("notes.txt", "Hello\r\nleft=3\r\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunImport({"--import", "atomicfe", notes, dest}, {}, out, err), 1);
  EXPECT_EQ(err.str(), std::string(InvalidFileMessage()) + "\n");
  EXPECT_EQ(dir.Read("Layout.cfg"), "kept");
  const std::string one = dir.Write("one.cfg", "Snap_left=10\r\n");  // one key is enough
  EXPECT_EQ(RunImport({"--import", "atomicfe", one, dest}, {}, out, err), 0);
}
