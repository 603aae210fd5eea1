#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/child_environment.h"
#include "platform/message_catalogue.h"

namespace platform {
namespace {

TEST(FormatText, PlaceholdersInAnyOrderAndWhatHasNoValue) {
  struct Case {
    const char* pattern;
    std::initializer_list<std::string_view> values;
    const char* expected;
  };
  const Case cases[] = {
      {"%1 de %2", {"3", "4"}, "3 de 4"},
      {"%2 sur %1", {"4", "3"}, "3 sur 4"},        // a translation may turn the order round
      {"%1%1", {"ab"}, "abab"},
      {"100 %% et %1", {"x"}, "100 % et x"},
      {"%3 reste", {"a"}, "%3 reste"},              // no value: written as it is
      {"fin %", {}, "fin %"},
      {"%1", {"%2"}, "%2"},                         // a value is never read as a pattern
      {"%0 %a", {"x"}, "%0 %a"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatText(c.pattern, c.values), c.expected) << c.pattern;
}

bool Holds(const std::vector<std::string>& env, const std::string& entry) {
  return std::find(env.begin(), env.end(), entry) != env.end();
}

TEST(ChildEnvironment, ChildrenGetTheOwnersValuesBack) {
  ::setenv("ORV_TEST_OWNED", "owners", 1);
  ::unsetenv("ORV_TEST_ABSENT");
  SetOwnVariable("ORV_TEST_OWNED", "ours");
  SetOwnVariable("ORV_TEST_ABSENT", "ours");
  SetOwnVariable("ORV_TEST_OWNED", "ours again");  // the owner's value is the first one seen
  EXPECT_STREQ(std::getenv("ORV_TEST_OWNED"), "ours again");

  const auto env = ChildEnvironment({"ORVANEL_EVENT=startup", "ORV_TEST_ABSENT=extra"});
  EXPECT_TRUE(Holds(env, "ORV_TEST_OWNED=owners"));
  EXPECT_FALSE(Holds(env, "ORV_TEST_OWNED=ours again"));
  EXPECT_TRUE(Holds(env, "ORVANEL_EVENT=startup"));
  EXPECT_TRUE(Holds(env, "ORV_TEST_ABSENT=extra"));  // an extra entry replaces
  EXPECT_EQ(std::count_if(env.begin(), env.end(), [](const std::string& e) { return e.starts_with("ORV_TEST_ABSENT="); }), 1);
}

}  // namespace
}  // namespace platform
