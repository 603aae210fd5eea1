#include <gtest/gtest.h>

#include <sstream>

#include "configurator/listgen/filter_command.h"
#include "configurator/listgen/filter_inputs.h"
#include "platform/message_catalogue.h"
#include "temp_dir.h"

namespace {

constexpr const char* kList =
    "[1942]\r\nFullName=1942\r\nInfos1=1984\r\nInfos2=v 224x256 60Hz\r\nInfos3=2P 2B 1C joy8way\r\n"
    "[mjgirl]\r\nFullName=Mahjong Girl\r\nInfos1=1986\r\nInfos2=h 256x224\r\nInfos3=1P\r\n"
    "[cafe]\r\nFullName=Caf\xE9 Quiz\r\nInfos1=1993\r\nInfos2=h 320x240\r\nInfos3=2P 4B 2C\r\n";

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Filter(std::vector<std::string> args) {
  args.insert(args.begin(), "--filter");
  std::ostringstream out, err;
  const int code = cfg::RunFilter(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace

TEST(FilterCommand, WritesTheGamesThatPassInEitherEncoding) {
  for (const std::string e : {"\xE7", "\xC3\xA7"}) {
    SCOPED_TRACE(e.size() == 1 ? "Latin-1" : "UTF-8");
    TempDir dir;
    const std::string list = dir.Write("mame.txt", kList);
    const std::string catver = dir.Write("catver.ini",
                                         "[Category]\r\n1942=Shooter / Flying Vertical\r\n"
                                         "mjgirl=Tabletop / Mahjong * Mature *\r\ncafe=Quiz / Fran" + e + "ais\r\n");
    const std::string nplayers = dir.Write("nplayers.ini", "[NPlayers]\r\n1942=2P alt\r\nmjgirl=1P\r\ncafe=2P sim\r\n");
    const std::string output = dir.Write("config/cab/Liste.ini", "old\r\n");
    const Outcome r = Filter({"--list", list, "--output", output, "--catver", catver, "--nplayers", nplayers,
                          "--category", "Quiz/Fran\xE7" "ais", "--category", "shooter / *", "--no-mature",
                          "--players", "2", "--years", "1980-1999"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(dir.Read("config/cab/Liste.ini"), "1942\r\ncafe\r\n");
    EXPECT_EQ(r.out, "2 jeux sur 3 écrits dans " + output + "\n");
  }
}

TEST(FilterCommand, FailuresSayWhyAndKeepTheOldFile) {
  TempDir dir;
  const std::string list = dir.Write("mame.txt", kList);
  const std::string catver = dir.Write("catver.ini", "[Category]\r\n1942=Shooter / Flying Vertical\r\n");
  const std::string output = dir.Write("Liste.ini", "old\r\n");
  const std::string missing = dir / "missing.ini";
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--list", list, "--output", output, "--orientation", "v", "--years", "1990-"}, "aucun jeu sur 3 ne passe"},
      {{"--list", missing, "--output", output}, "impossible de lire"},
      {{"--list", list, "--output", output, "--catver", missing}, "impossible de lire"},
      {{"--list", list, "--output", output, "--nplayers", missing}, "impossible de lire"},
      {{"--list", list, "--output", output, "--no-mature"}, "demandent --catver"},
      {{"--list", list, "--output", output, "--catver", catver, "--category", "Maze/*"}, "aucun jeu"},
      {{"--list", list}, "usage"},
      {{"--list", list, "--output", output, "--players", "two"}, "usage"},
      {{"--list", list, "--output", output, "--orientation", "x"}, "usage"},
      {{"--list", list, "--output", output, "--years", "1990-1980"}, "usage"},
      {{"--list", list, "--output", output, "--unknown"}, "usage"},
      {{"--list", list, "--output", dir / "no/such/folder/Liste.ini"}, "impossible d'écrire"},
  };
  for (const auto& c : cases) {
    const Outcome r = Filter(c.args);
    EXPECT_EQ(r.code, 1) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(dir.Read("Liste.ini"), "old\r\n") << c.message;
  }
}

TEST(FilterCommand, ChoicesCountTheListsGames) {
  TempDir dir;
  const std::string list = dir.Write("mame.txt", std::string(kList) + "[1943]\r\nInfos3=2P 2B 1C joy8way\r\n");
  const std::string catver = dir.Write("catver.ini", "[Category]\r\n1942=Shooter / Flying Vertical\r\n"
                                                     "1943 = Shooter/Flying Vertical\r\nmjgirl=Tabletop / Mahjong * Mature *\r\n"
                                                     "cafe=Quiz\r\nabsent=Maze / Collect\r\n");
  cfg::FilterInputs inputs;
  ASSERT_EQ(cfg::ReadFilterInputs(list, catver, "", inputs), std::nullopt);
  const cfg::FilterChoices choices = cfg::CollectChoices(inputs);
  using Subs = std::map<std::string, int>;
  EXPECT_EQ(choices.categories, (std::map<std::string, Subs>{{"Quiz", Subs{{"", 1}}},
                                                             {"Shooter", Subs{{"Flying Vertical", 2}}},
                                                             {"Tabletop", Subs{{"Mahjong", 1}}}}));
  EXPECT_EQ(choices.players, (std::map<int, int>{{1, 1}, {2, 3}}));  // from Infos3 without nplayers.ini
  EXPECT_EQ(choices.controls, (std::map<std::string, int>{{"", 2}, {"joy8way", 2}}));

  const std::string nplayers = dir.Write("nplayers.ini", "[NPlayers]\r\n1942=4P alt\r\n");
  cfg::FilterInputs withPlayers;
  ASSERT_EQ(cfg::ReadFilterInputs(list, "", nplayers, withPlayers), std::nullopt);
  EXPECT_TRUE(cfg::CollectChoices(withPlayers).categories.empty());
  EXPECT_EQ(cfg::CollectChoices(withPlayers).players, (std::map<int, int>{{0, 3}, {4, 1}}));
  cfg::FilterInputs unread;
  EXPECT_EQ(cfg::ReadFilterInputs(list, dir / "none.ini", "", unread), dir / "none.ini");

  const Outcome r = Filter({"--list", list, "--output", dir / "Liste.ini", "--control", "joy8way"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(dir.Read("Liste.ini"), "1942\r\n1943\r\n");
}

// The command speaks the owner's language: French is the sources', English the catalogue's.
TEST(FilterCommand, SaysItsCountAndUsageInTheLanguageInUse) {
  TempDir dir;
  const std::string list = dir.Write("mame.txt", kList);
  const std::string output = dir / "Liste.ini";
  const struct {
    const char* language;
    std::string written;
    const char* usage;
  } cases[] = {{"en", "2 of 3 games written to " + output + "\n", "usage: orvanel-config --filter"},
               {"fr", "2 jeux sur 3 écrits dans " + output + "\n", "usage : orvanel-config --filter"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    // gettext forgets what it looked up only when the catalogues' folder changes.
    platform::UseMessageLanguage("fr", "");
    platform::UseMessageLanguage(c.language, std::string(ORV_BINARY_DIR) + "/locale");
    const Outcome r = Filter({"--list", list, "--output", output, "--orientation", "h"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, c.written);
    EXPECT_EQ(Filter({"--list", list}).err.rfind(c.usage, 0), 0u);
  }
  platform::UseMessageLanguage("fr", "");
}
