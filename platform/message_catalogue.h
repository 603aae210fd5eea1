// The programs' texts in the owner's language. Sources hold the French text; the
// "orvanel" gettext catalogues (po/<ll>.po, compiled to <ll>/LC_MESSAGES/orvanel.mo) give
// each language's text for it. Without a catalogue the French source text is shown.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Where the catalogues are: <program dir>/locale when it exists (a build tree or a
// portable installation), else <program dir>/../share/locale (an installed package's
// games/), else <program dir>/../../share/locale (its libexec/orvanel/).
std::string MessageCatalogueDirectory(std::string_view programDirectory);

// The languages with an "orvanel" catalogue in `directory` (<ll>/LC_MESSAGES/orvanel.mo).
std::vector<std::string> MessageLanguagesIn(const std::string& directory);

// From now on Tr answers in `language` ("fr", "en", ...) from the catalogues in `directory`.
// Texts handed to the emulator's environment are untouched (see child_environment.h).
void UseMessageLanguage(const std::string& language, const std::string& directory);

// The language and folder UseMessageLanguage set ("fr" and "" before any call).
const std::string& MessageLanguageInUse();
const std::string& MessageCatalogueDirectoryInUse();

// A text with %1 ... %9 replaced by `values` in order ("%%" gives "%"); a placeholder
// without a value stays as written.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> values);
std::string FormatText(std::string_view pattern, std::span<const std::string_view> values);

}  // namespace platform

// The text of `french` in the language in use (UTF-8). Global and short: it wraps every
// text a person reads, and the string extractor looks for this name.
const char* Tr(const char* french);

// Marks a French text for the catalogues without looking it up: for texts that are both
// logged in French (debug.txt keeps its words) and shown, translated later through Tr.
constexpr const char* TrLater(const char* french) { return french; }
