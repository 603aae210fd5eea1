#include "settings/message_language.h"

#include <algorithm>
#include <cstdlib>

#include "platform/child_environment.h"
#include "platform/message_catalogue.h"
#include "platform/text.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

namespace settings {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && platform::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

LocaleVariables LocaleVariablesOfThisProcess() {
  return {platform::EnvironmentValue("LC_ALL"), platform::EnvironmentValue("LC_MESSAGES"),
          platform::EnvironmentValue("LANG")};
}

std::string MessageLanguage(std::string_view langue, const LocaleVariables& locale,
                            const std::vector<std::string>& available) {
  const auto offered = [&available](const std::string& code) {
    return code == "fr" || code == "en" || std::find(available.begin(), available.end(), code) != available.end();
  };
  if (const std::string chosen = platform::ToLowerCopy(platform::TrimBlanks(langue)); offered(chosen))
    return chosen;
  std::string_view name = locale.lcAll;
  if (name.empty()) name = locale.lcMessages;
  if (name.empty()) name = locale.lang;
  if (name.empty() || name == "C" || name == "POSIX" || StartsWithNoCase(name, "C.")) return "fr";
  // "fr_CA.UTF-8@euro" -> "fr"
  const std::string code = platform::ToLowerCopy(name.substr(0, name.find_first_of("_.@")));
  return offered(code) ? code : "en";
}

std::string LangueOfInstallation(std::string_view base) {
  if (base.empty()) return {};
  return LoadWrittenSettings(MainSettingsPath(base), SettingFile::Main).langue;
}

void UseLanguageOfInstallation(std::string_view base, std::string_view programDirectory) {
  UseLanguageOfInstallationWith(base, platform::MessageCatalogueDirectory(programDirectory));
}

void UseLanguageOfInstallationWith(std::string_view base, const std::string& catalogueDirectory) {
  platform::UseMessageLanguage(MessageLanguage(LangueOfInstallation(base), LocaleVariablesOfThisProcess(),
                                               platform::MessageLanguagesIn(catalogueDirectory)),
                               catalogueDirectory);
}

}  // namespace settings
