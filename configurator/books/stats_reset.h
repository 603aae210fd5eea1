// "Remise à zéro": a new accounting period. Every .sta and the journal are first copied
// into stats/archive-<date-time>/ (made under a scratch name and renamed once whole), and
// only then cleared, each file replaced atomically. A failure on the way puts back what was
// changed: the books are never left half reset, and never lost.
#pragma once

#include <string>
#include <vector>

#include "configurator/books/books_source.h"
#include "platform/local_time.h"

namespace cfg {

struct ResetStep {
  enum class Kind {
    kArchive,  // copy `source` to `target` below the scratch folder
    kSeal,     // rename the scratch folder to the archive's name
    kClear,    // replace `source` with an empty file
    kRemove,   // remove the journal month file `source`
  };
  Kind kind;
  std::string source;
  std::string target;
};

struct ResetPlan {
  std::string archive;   // stats/archive-YYYY-MM-DD_HHMMSS
  std::string scratch;   // where the archive is made
  std::vector<ResetStep> steps;
};

// The steps for the books of `source` (files that do not exist are left out), archived
// below `statsDirectory`. Every kArchive step comes before the seal, every kClear and
// kRemove after it.
ResetPlan PlanReset(const BooksSource& source, const std::string& statsDirectory, const platform::LocalDateTime& now);

struct ResetResult {
  bool done = false;
  bool restored = true;  // on failure: everything is as it was (else the archive holds it)
  std::string failedFile;
};

ResetResult RunReset(const ResetPlan& plan);

}  // namespace cfg
