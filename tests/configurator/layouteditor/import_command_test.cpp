#include <gtest/gtest.h>

#include <sstream>

#include "configurator/layouteditor/import_command.h"
#include "configurator/layouteditor/layout_import.h"
#include "configurator/layouteditor/save_layout.h"
#include "editor_test_support.h"
#include "frontend/render/layout.h"
#include "temp_dir.h"

using namespace cfg;

TEST(ImportCommand, WritesTheLayoutOrSaysWhyNot) {
  TempDir dir;
  const std::string dest = dir / "Layout.cfg";
  const std::string usage = "usage: OrvanelConfig --import mamewah|atomicfe SOURCE DEST.cfg\n";
  const struct { std::vector<std::string> args; DesktopSize desktop; int code; std::string err; } cases[] = {
      {{"--import", "mamewah", SamplePath("layout.lay"), dest}, {}, 0, ""},
      {{"--import", "AtomicFe", SamplePath("layout.cfg"), dest}, {1024, 768}, 0, ""},
      {{"--import", "mamewah", SamplePath("layout.lay")}, {}, 1, usage},
      {{"--import", "other", SamplePath("layout.lay"), dest}, {}, 1, usage},
      {{"--import", "mamewah", dir / "missing.lay", dest}, {}, 1, "cannot read " + dir / "missing.lay" + "\n"},
      {{"--import", "mamewah", SamplePath("layout.cfg"), dest}, {}, 1, std::string(kInvalidFileMessage) + "\n"},
      {{"--import", "atomicfe", SamplePath("layout.cfg"), dest}, {800, 600}, 1, std::string(kImportTooLargeMessage) + "\n"},
      {{"--import", "mamewah", SamplePath("layout.lay"), dir / "no/dir.cfg"}, {}, 1,
       std::string(kCannotCreateCaption) + " " + dir / "no/dir.cfg" + "\n"},
  };
  for (const auto& c : cases) {
    std::remove(dest.c_str());
    std::ostringstream out, err;
    EXPECT_EQ(RunImport(c.args, c.desktop, out, err), c.code) << c.args[1];
    EXPECT_EQ(err.str(), c.err);
    if (c.code != 0) continue;
    EXPECT_EQ(out.str().rfind(dest + ": ", 0), 0u) << out.str();
    Layout layout;
    ReadLayoutText(dir.Read("Layout.cfg"), layout);
    EXPECT_EQ(layout.Width(), c.args[1] == "mamewah" ? 800 : 1024);
  }
}
