// The one rule both programs follow for the language of their texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace settings {

// The locale variables in the order the C library weighs them.
struct LocaleVariables {
  std::string lcAll;
  std::string lcMessages;
  std::string lang;
};

LocaleVariables LocaleVariablesOfThisProcess();

// The language of the texts, one of `available` (the languages with catalogues; French, the
// sources' own, and English always count). The owner's `[General] Langue` ("fr", "en", ...,
// any letter case) wins; empty (or a language without catalogue) follows the first set
// locale variable: its language when available, French for C, POSIX or no locale at all
// (what installations were made under), English for any other, since English is the
// language every owner can be expected to read.
std::string MessageLanguage(std::string_view langue, const LocaleVariables& locale,
                            const std::vector<std::string>& available = {});

// The Langue of the installation at `base` ("" when its Orvanel.ini cannot be read).
std::string LangueOfInstallation(std::string_view base);

// Chooses the language of this process's texts for the installation at `base` and makes
// the catalogues beside `programDirectory` (or installed) answer in it.
void UseLanguageOfInstallation(std::string_view base, std::string_view programDirectory);
// The same with the catalogues of a given folder (the screenshot tools use the build's).
void UseLanguageOfInstallationWith(std::string_view base, const std::string& catalogueDirectory);

}  // namespace settings
