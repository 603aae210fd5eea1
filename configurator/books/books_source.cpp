#include "configurator/books/books_source.h"

#include <algorithm>

#include "catalogue/journal.h"
#include "configurator/pagemodel/installation.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

namespace cfg {

BooksSource InstallationBooks(const std::string& base) {
  BooksSource source;
  source.globalFile = platform::ResolvePath(platform::JoinPath(base, "Orvanel.sta"));
  source.journalDirectory = platform::ResolvePath(catalogue::JournalDirectory(base));
  for (const std::string& name : ConfigurationNames(base)) {
    const auto file = platform::ProfileFile::Load(platform::ResolvePath(ConfigurationFile(base, name)));
    if (!file) continue;
    Settings s;
    settings::ReadConfigSettings(*file, base, s);
    if (s.typeMenu || s.fichierDescription.empty()) continue;
    source.lists.push_back({name, platform::ResolvePath(settings::ListStatisticsFileName(s.fichierDescription))});
  }
  return source;
}

std::string ArchivedListFile(const std::string& archive, const std::string& configuration) {
  return platform::JoinPath(platform::JoinPath(archive, "configurations"), configuration + ".sta");
}

BooksSource ArchivedBooks(const std::string& archive) {
  BooksSource source;
  source.globalFile = platform::JoinPath(archive, "Orvanel.sta");
  source.journalDirectory = archive;
  std::vector<std::string> names;
  for (const platform::DirEntry& e : platform::ListDirectory(platform::JoinPath(archive, "configurations")))
    if (!e.isDirectory && e.name.size() > 4 && e.name.ends_with(".sta")) names.push_back(e.name.substr(0, e.name.size() - 4));
  std::sort(names.begin(), names.end());
  for (const std::string& n : names) source.lists.push_back({n, ArchivedListFile(archive, n)});
  return source;
}

std::vector<std::string> ArchiveFolders(const std::string& base) {
  const std::string dir = platform::ResolvePath(catalogue::JournalDirectory(base));
  std::vector<std::string> found;
  for (const platform::DirEntry& e : platform::ListDirectory(dir))
    if (e.isDirectory && e.name.starts_with("archive-")) found.push_back(platform::JoinPath(dir, e.name));
  std::sort(found.rbegin(), found.rend());
  return found;
}

}  // namespace cfg
