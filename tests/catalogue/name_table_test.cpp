#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/name_table.h"

using catalogue::NameTable;

TEST(NameTable, CaseBlindFirstWinsAndGrows) {
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) names.push_back("Game" + std::to_string(i));
  NameTable table;  // starts small: must grow many times
  for (int i = 0; i < 5000; ++i) table.Insert(names[static_cast<std::size_t>(i)], i);
  table.Insert("GAME7", 99);  // already there: the first value stays
  EXPECT_EQ(table.size(), 5000u);
  for (int i = 0; i < 5000; i += 7) {
    std::string upper = "gAmE" + std::to_string(i);
    const std::int32_t* v = table.Find(upper);
    ASSERT_NE(v, nullptr) << upper;
    EXPECT_EQ(*v, i);
  }
  EXPECT_EQ(table.Find("game5000"), nullptr);
  EXPECT_EQ(table.Find(""), nullptr);
}
