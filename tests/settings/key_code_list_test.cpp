#include "settings/key_code_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

TEST(KeyCodeList, ParsesCodesJoinedByPlusAndRefusesAnythingElse) {
  using Codes = std::optional<std::vector<int>>;
  const struct {
    const char* text;
    Codes expected;
  } cases[] = {
      {"", std::vector<int>{}},
      {"   ", std::vector<int>{}},
      {"672+672", std::vector<int>{672, 672}},
      {" 4 + 656 +2 ", std::vector<int>{4, 656, 2}},
      {"58", std::vector<int>{58}},
      {"672+", std::nullopt},
      {"+672", std::nullopt},
      {"672++4", std::nullopt},
      {"Down+Down", std::nullopt},
      {"0+4", std::nullopt},
      {"-4", std::nullopt},
      {"99999999999", std::nullopt},
      {"4 6", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(settings::ParseKeyCodeList(c.text), c.expected) << '"' << c.text << '"';
}

}  // namespace
