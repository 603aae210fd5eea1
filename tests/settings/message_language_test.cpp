#include <gtest/gtest.h>

#include "settings/message_language.h"

namespace settings {
namespace {

TEST(MessageLanguage, OwnersChoiceThenTheLocaleVariablesInTheirOrder) {
  struct Case {
    const char* langue;
    LocaleVariables locale;
    const char* expected;
    bool germanCatalogue = false;
  };
  const Case cases[] = {
      // Installations and their tests run with no locale: French, as always.
      {"", {"", "", ""}, "fr"},
      {"", {"", "", "C"}, "fr"},
      {"", {"POSIX", "", ""}, "fr"},
      {"", {"", "", "C.UTF-8"}, "fr"},
      {"", {"", "", "fr_FR.UTF-8"}, "fr"},
      {"", {"", "", "fr_CA"}, "fr"},
      {"", {"", "", "fr"}, "fr"},
      {"", {"", "", "fr@euro"}, "fr"},
      {"", {"", "", "en_GB.UTF-8"}, "en"},
      // A language without a catalogue gets English, "fry" (Frisian) is not French.
      {"", {"", "", "de_DE.UTF-8"}, "en"},
      {"", {"", "", "fry_NL"}, "en"},
      // LC_ALL outweighs LC_MESSAGES, which outweighs LANG.
      {"", {"en_US.UTF-8", "fr_FR.UTF-8", "fr_FR.UTF-8"}, "en"},
      {"", {"", "fr_FR.UTF-8", "en_US.UTF-8"}, "fr"},
      {"", {"", "C", "en_US.UTF-8"}, "fr"},
      // The owner's setting wins over any locale; anything else is "follow the locale".
      {"fr", {"en_US.UTF-8", "", ""}, "fr"},
      {" EN ", {"fr_FR.UTF-8", "", ""}, "en"},
      {"Fr", {"", "", "de_DE"}, "fr"},
      {"de", {"", "", "fr_FR"}, "fr"},
      {"xx", {"", "", ""}, "fr"},
      // A language whose catalogue was added is chosen by its locales and by Langue.
      {"", {"", "", "de_DE.UTF-8"}, "de", true},
      {"de", {"", "", "en_US"}, "de", true},
      {"", {"", "", "DE_at@euro"}, "de", true},
      {"", {"", "", "fr_BE"}, "fr", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MessageLanguage(c.langue, c.locale,
                              c.germanCatalogue ? std::vector<std::string>{"de"} : std::vector<std::string>{}),
              c.expected)
        << "Langue=" << c.langue << " LC_ALL=" << c.locale.lcAll << " LC_MESSAGES=" << c.locale.lcMessages
        << " LANG=" << c.locale.lang;
}

}  // namespace
}  // namespace settings
