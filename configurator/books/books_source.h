// Where the books are read from: the installation as it runs, or an archived period.
#pragma once

#include <string>
#include <vector>

namespace cfg {

struct ListStatistics {
  std::string configuration;
  std::string path;  // the configuration's list .sta
};

struct BooksSource {
  std::string globalFile;                // Orvanel.sta
  std::vector<ListStatistics> lists;     // one per configuration that has a list
  std::string journalDirectory;          // where journal-YYYY-MM.csv are
};

// The installation: Orvanel.sta, each configuration's list .sta (as the frontend names
// it from FichierDescription), and stats/.
BooksSource InstallationBooks(const std::string& base);

// An archive folder made by the reset: Orvanel.sta, configurations/<name>.sta and the
// journal's month files, all at its top.
BooksSource ArchivedBooks(const std::string& archive);
std::string ArchivedListFile(const std::string& archive, const std::string& configuration);

// The archive folders of the installation (stats/archive-*), newest first.
std::vector<std::string> ArchiveFolders(const std::string& base);

}  // namespace cfg
