#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/child_environment.h"
#include "platform/debug_log.h"
#include "platform/message_box.h"
#include "platform/message_catalogue.h"
#include "temp_dir.h"

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

// The owner reads a box in the language in use; debug.txt keeps the French line it always
// had, bytes and all, with the values (a Windows-1252 path) as they were.
TEST(TranslatedMessageBox, ShownInTheLanguageInUseLoggedInFrench) {
  TempDir dir;
  SetLogDirectory(dir.path());
  auto& shown = RecordMessageBoxes();
  const std::string catalogues = std::string(ORV_BINARY_DIR) + "/locale";
  struct Case {
    const char* language;
    const char* text;
    std::string value;
    std::string shownText, shownCaption;
  };
  const Case cases[] = {
      {"en", TrLater("Fichier Orvanel.ini non trouvé !"), "", "Orvanel.ini not found!", "Orvanel"},
      {"en", TrLater("Erreur lancement\n%1 : introuvable"), "C:\\Jeux\\\xE9mu", "Could not start the emulator\nC:\\Jeux\\\xC3\xA9mu: not found", "Orvanel"},
      {"fr", TrLater("Erreur lancement\n%1 : répertoire introuvable"), "/jeux/emu", "Erreur lancement\n/jeux/emu : répertoire introuvable", "Orvanel"},
      {"de", TrLater("Fichier Orvanel.ini non trouvé !"), "", "Fichier Orvanel.ini non trouvé !", "Orvanel"},  // no catalogue: French
  };
  for (const Case& c : cases) {
    UseMessageLanguage(c.language, catalogues);
    ShowTranslatedMessageBox(c.text, {c.value}, "Orvanel");
  }
  UseMessageLanguage("fr", catalogues);
  SetMessageBoxSink({});
  ASSERT_EQ(shown.size(), std::size(cases));
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_EQ(shown[i].text, cases[i].shownText) << i;
    EXPECT_EQ(shown[i].caption, cases[i].shownCaption) << i;
  }
  const std::string log = dir.Read("debug.txt");
  EXPECT_NE(log.find("=> Message [Orvanel]: Fichier Orvanel.ini non trouv\xC3\xA9 !\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("=> Message [Orvanel]: Erreur lancement\nC:\\Jeux\\\xC3\xA9mu : introuvable\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("=> Message [Orvanel]: Erreur lancement\n/jeux/emu : r\xC3\xA9pertoire introuvable\r\n"), std::string::npos) << log;
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
