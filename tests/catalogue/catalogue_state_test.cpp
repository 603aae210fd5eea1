#include "catalogue/catalogue_state.h"

#include "catalogue/directory_scan.h"
#include "catalogue/game_list.h"
#include "catalogue/history.h"
#include "catalogue/random.h"
#include "catalogue/statistics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One reset brings back every record the catalogue keeps between calls, the random draws
// included: a test that runs after another draws what it would draw alone.
TEST(CatalogueState, OneResetBringsBackEveryRecord) {
  ResetCatalogueState();
  std::vector<int> fresh;
  for (int i = 0; i < 5; ++i) fresh.push_back(Random15());

  SeedRandom(12345);
  gCatalogue.lastPick = 7;
  gCatalogue.games.entryCount = 3;
  gCatalogue.history.text = "text";
  gCatalogue.history.firstLine = 2;
  gCatalogue.statistics.files.listFile = "x.sta";
  ResetCatalogueState();

  EXPECT_EQ(gCatalogue.lastPick, -1);
  EXPECT_EQ(gCatalogue.games.entryCount, 0);
  EXPECT_TRUE(gCatalogue.history.text.empty());
  EXPECT_EQ(gCatalogue.history.firstLine, 0);
  EXPECT_TRUE(gCatalogue.statistics.files.listFile.empty());
  std::vector<int> again;
  for (int i = 0; i < 5; ++i) again.push_back(Random15());
  EXPECT_EQ(again, fresh);
}

}  // namespace
