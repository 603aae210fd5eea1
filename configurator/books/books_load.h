// Reading the books once (the slow part: the whole journal), then tallying any period from
// memory as the owner changes the choice.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "catalogue/journal.h"
#include "configurator/books/books_source.h"
#include "configurator/books/books_tally.h"

namespace cfg {

struct LoadedBooks {
  catalogue::JournalRead journal;
  bool hasJournal = false;   // month files exist (older installations have none)
  bool readable = true;      // every month file could be read
};

LoadedBooks LoadBooks(const BooksSource& source,
                      const std::function<void(std::uint64_t, std::uint64_t)>& progress = {});

// The journal's runs of the period when there is a journal, else the .sta totals; menu time
// from Orvanel.sta either way.
Books TallyLoaded(const LoadedBooks& loaded, const BooksSource& source, const Period& period,
                  const std::string& configuration);

}  // namespace cfg
