#include "settings/message_language.h"

#include <cstdlib>

#include "platform/message_catalogue.h"
#include "platform/text.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

namespace settings {
namespace {

std::string Variable(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && platform::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

LocaleVariables LocaleVariablesOfThisProcess() {
  return {Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

std::string MessageLanguage(std::string_view langue, const LocaleVariables& locale) {
  const std::string_view chosen = platform::TrimBlanks(langue);
  if (platform::EqualsNoCase(chosen, "fr")) return "fr";
  if (platform::EqualsNoCase(chosen, "en")) return "en";
  std::string_view name = locale.lcAll;
  if (name.empty()) name = locale.lcMessages;
  if (name.empty()) name = locale.lang;
  if (name.empty() || name == "C" || name == "POSIX" || StartsWithNoCase(name, "C.")) return "fr";
  if (StartsWithNoCase(name, "fr") && (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@'))
    return "fr";
  return "en";
}

std::string LangueOfInstallation(std::string_view base) {
  if (base.empty()) return {};
  return LoadWrittenSettings(MainSettingsPath(base), SettingFile::Main).langue;
}

void UseLanguageOfInstallation(std::string_view base, std::string_view programDirectory) {
  platform::UseMessageLanguage(MessageLanguage(LangueOfInstallation(base), LocaleVariablesOfThisProcess()),
                               platform::MessageCatalogueDirectory(programDirectory));
}

}  // namespace settings
