#include "configurator/books/books_load.h"

namespace cfg {

LoadedBooks LoadBooks(const BooksSource& source, const std::function<void(std::uint64_t, std::uint64_t)>& progress) {
  LoadedBooks loaded;
  const std::size_t files = catalogue::JournalFiles(source.journalDirectory).size();
  loaded.hasJournal = files > 0;
  loaded.journal = catalogue::ReadJournal(source.journalDirectory, progress);
  loaded.readable = std::size_t(loaded.journal.files) == files;
  return loaded;
}

Books TallyLoaded(const LoadedBooks& loaded, const BooksSource& source, const Period& period,
                  const std::string& configuration) {
  Books books = loaded.hasJournal ? TallyRuns(loaded.journal.runs, period, configuration)
                                  : TallyStatistics(source, configuration);
  books.menuSeconds = MenuSeconds(source.globalFile);
  return books;
}

}  // namespace cfg
