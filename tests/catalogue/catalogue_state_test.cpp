#include "catalogue/catalogue_state.h"

#include "catalogue/directory_scan.h"
#include "catalogue/game_list.h"
#include "catalogue/history.h"
#include "catalogue/random.h"
#include "catalogue/statistics.h"

#include <gtest/gtest.h>

#include <vector>

using catalogue::CatalogueState;
using catalogue::Random15;
using catalogue::ResetCatalogueState;
using catalogue::SeedRandom;

namespace {

// One reset brings back every record the catalogue keeps between calls, the random draws
// included: a test that runs after another draws what it would draw alone.
TEST(CatalogueState, OneResetBringsBackEveryRecord) {
  CatalogueState catalogue;
  ResetCatalogueState(catalogue);
  std::vector<int> fresh;
  for (int i = 0; i < 5; ++i) fresh.push_back(Random15(catalogue.random));

  SeedRandom(catalogue.random, 12345);
  catalogue.lastPick = 7;
  catalogue.games.entryCount = 3;
  catalogue.history.text = "text";
  catalogue.history.firstLine = 2;
  catalogue.statistics.files.listFile = "x.sta";
  ResetCatalogueState(catalogue);

  EXPECT_EQ(catalogue.lastPick, -1);
  EXPECT_EQ(catalogue.games.entryCount, 0);
  EXPECT_TRUE(catalogue.history.text.empty());
  EXPECT_EQ(catalogue.history.firstLine, 0);
  EXPECT_TRUE(catalogue.statistics.files.listFile.empty());
  std::vector<int> again;
  for (int i = 0; i < 5; ++i) again.push_back(Random15(catalogue.random));
  EXPECT_EQ(again, fresh);
}

}  // namespace
