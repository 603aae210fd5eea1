// The user guide shows only pictures that `make pictures` draws, so none can go stale.
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

TEST(GuidePictures, EveryPictureTheGuideNamesIsMadeByTheScript) {
  std::ifstream in(std::string(ORV_SOURCE_DIR) + "/docs/guide.md");
  ASSERT_TRUE(in) << "docs/guide.md missing";
  std::stringstream guide;
  guide << in.rdbuf();
  const std::string text = guide.str();

  std::set<std::string> made;
  std::istringstream list(
      systest::Capture("bash " + std::string(ORV_SOURCE_DIR) + "/scripts/make-pictures.sh --list"));
  for (std::string line; std::getline(list, line);)
    if (!line.empty()) made.insert(line);
  ASSERT_FALSE(made.empty());

  const std::regex named(R"(\]\((pictures/([^)\s]+))\))");
  int count = 0;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), named); it != std::sregex_iterator(); ++it, ++count)
    EXPECT_TRUE(made.count((*it)[2].str())) << "the guide shows " << (*it)[1] << ", which make pictures does not draw";
  EXPECT_GE(count, 5) << "the guide lost its pictures";
}

}  // namespace
