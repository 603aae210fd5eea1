// The journal of runs: any month file's text reads without harm, every run read writes back
// to a line that reads as the same run, and what the books make of the runs stays sane.
// fuzz-links: orv_books
#include <cstdlib>

#include "catalogue/journal.h"
#include "configurator/books/books_tally.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  catalogue::JournalRead read;
  catalogue::ReadJournalText(text, read);
  for (const catalogue::JournalRun& run : read.runs) {
    catalogue::JournalRead again;
    catalogue::ReadJournalText(catalogue::FormatJournalLine(run), again);
    if (again.runs.size() != 1 || again.skipped != 0 || again.runs[0].fullName != run.fullName ||
        again.runs[0].coins != run.coins || again.runs[0].romName != run.romName)
      std::abort();
  }
  const cfg::Books books = cfg::TallyRuns(read.runs, cfg::Period{}, "");
  std::int64_t perDay = 0;
  for (const cfg::DayBooks& d : books.days) perDay += d.coins;
  if (perDay != books.coins) std::abort();
  return 0;
}
