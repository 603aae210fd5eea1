#include "platform/message_catalogue.h"

#include <libintl.h>

#include <clocale>
#include <mutex>

#include "platform/child_environment.h"
#include "platform/files.h"
#include "platform/paths.h"

// glibc's count of catalogue changes (libintl.h of GNU gettext declares it the same way).
extern "C" int _nl_msg_cat_cntr;

namespace platform {
namespace {

constexpr const char* kDomain = "orvanel";

std::mutex gLock;
std::string gLanguage = "fr";
std::string gDirectory;

}  // namespace

std::string MessageCatalogueDirectory(std::string_view programDirectory) {
  const std::string beside = JoinPath(programDirectory, "locale");
  if (DirectoryExists(beside)) return beside;
  // bin/, games/ or libexec/orvanel/ of an installed package.
  const std::string parent = JoinPath(JoinPath(programDirectory, ".."), "share/locale");
  if (DirectoryExists(parent)) return parent;
  return JoinPath(JoinPath(programDirectory, "../.."), "share/locale");
}

std::vector<std::string> MessageLanguagesIn(const std::string& directory) {
  std::vector<std::string> languages;
  for (const DirEntry& entry : ListDirectory(directory))
    if (entry.isDirectory && FileExists(JoinPath(JoinPath(directory, entry.name), "LC_MESSAGES/orvanel.mo")))
      languages.push_back(entry.name);
  return languages;
}

void UseMessageLanguage(const std::string& language, const std::string& directory) {
  std::lock_guard lock(gLock);
  gLanguage = language;
  gDirectory = directory;
  // gettext picks the catalogue from LANGUAGE, which it ignores under the plain C locale;
  // C.UTF-8 is built into the C library, so this works on any machine, whatever locales
  // are installed, and changes nothing else the programs print.
  SetOwnVariable("LANGUAGE", language);
  std::setlocale(LC_MESSAGES, "C.UTF-8");
  ::bindtextdomain(kDomain, directory.c_str());
  // LANGUAGE would translate the C library's own messages too (strerror), which end up in
  // debug.txt: its lines must read as they always have.
  ::bindtextdomain("libc", "/nonexistent");
  ::bind_textdomain_codeset(kDomain, "UTF-8");
  // The C library keeps the texts it has looked up, by locale but not by LANGUAGE: a text
  // seen in the language before would keep it. This counter is gettext's own way to forget.
  ++_nl_msg_cat_cntr;
}

const std::string& MessageLanguageInUse() { return gLanguage; }
const std::string& MessageCatalogueDirectoryInUse() { return gDirectory; }

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> values) {
  return FormatText(pattern, std::span<const std::string_view>(values.begin(), values.size()));
}

std::string FormatText(std::string_view pattern, std::span<const std::string_view> values) {
  std::string out;
  out.reserve(pattern.size() + 32);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c != '%' || i + 1 == pattern.size()) {
      out += c;
      continue;
    }
    const char next = pattern[i + 1];
    if (next == '%') {
      out += '%';
      ++i;
    } else if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < values.size()) {
      out += values[static_cast<std::size_t>(next - '1')];
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace platform

// An empty text would give the catalogue's header.
const char* Tr(const char* french) { return *french == '\0' ? french : ::dgettext("orvanel", french); }
