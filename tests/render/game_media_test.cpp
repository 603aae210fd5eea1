#include <gtest/gtest.h>

#include "render/picture_loading.h"
#include "temp_dir.h"

using render::FindGameMedia;
using render::ShownGame;
using render::kClipExtensions;

namespace {

// Clips are found like pictures: by ROM name then parent, any letter case, in the order of
// the extensions, nothing else of the same name taken for one.
TEST(GameMedia, ClipLookupByNameThenParentInAnyCase) {
  TempDir dir;
  for (const char* name : {"clips/SF2.MP4", "clips/pacman.mkv", "clips/pacman.mp4", "clips/parent.webm",
                           "clips/dkong.Avi", "clips/galaga.FLV", "clips/snaponly.png", "clips/notes.txt"})
    dir.Write(name, "x");
  const std::string clips = dir / "clips";
  struct Case {
    const char* rom;
    const char* romOf;
    const char* found;  // "" = no clip
  } cases[] = {
      {"sf2", "", "SF2.MP4"},
      {"pacman", "", "pacman.mp4"},
      {"child", "parent", "parent.webm"},
      {"dkong", "parent", "dkong.Avi"},
      {"GALAGA", "", "galaga.FLV"},
      {"snaponly", "", ""},
      {"notes", "", ""},
      {"missing", "", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const ShownGame game{c.rom, c.romOf, "", {}};
    const std::string found = FindGameMedia(clips, game, kClipExtensions);
    EXPECT_EQ(found, *c.found ? clips + "/" + c.found : "") << c.rom;
  }
  EXPECT_EQ(FindGameMedia("", ShownGame{"sf2", "", "", {}}, kClipExtensions), "");
  EXPECT_EQ(FindGameMedia(dir / "CLIPS", ShownGame{"sf2", "", "", {}}, kClipExtensions), clips + "/SF2.MP4");
}

}  // namespace
