// The one rule for names that become paths or arguments (configuration names, list entries).
#include "settings/safe_name.h"

#include <gtest/gtest.h>

#include <string>

TEST(SafeName, RefusesWhatCouldLeaveItsFolderOrReadAsAnOption) {
  const struct {
    std::string name;
    std::string_view reason;  // empty: allowed
  } cases[] = {
      {"MAME", ""},
      {"Neo Geo", ""},
      {"flipper-2", ""},
      {"Jeux d'\xE9t\xE9", ""},  // Windows-1252 letters are letters
      {"a.b", ""},
      {"", "nom vide"},
      {"-rompath", "commence par -"},
      {"..", "contient .."},
      {"..\\..\\etc", "contient .."},
      {"a..b", "contient .."},
      {"a/b", "contient / ou \\"},
      {"/etc", "contient / ou \\"},
      {"a\\b", "contient / ou \\"},
      {"say\"hi", "contient un guillemet"},
      {"tab\there", "contient un caractère de contrôle"},
      {"line\nbreak", "contient un caractère de contrôle"},
      {std::string("nul\0x", 5), "contient un caractère de contrôle"},
      {"del\x7F", "contient un caractère de contrôle"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(settings::UnsafeNameReason(c.name), c.reason) << c.name;
    EXPECT_EQ(settings::IsSafeName(c.name), c.reason.empty()) << c.name;
  }
}
