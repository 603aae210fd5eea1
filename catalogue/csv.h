// Comma-separated values as spreadsheets read them (RFC 4180): a field holding a comma, a
// quote or a line end is quoted, its quotes doubled; records end with CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace catalogue {

std::string CsvField(std::string_view value);
// The fields joined by commas, each quoted when needed, then CR LF.
std::string CsvRecord(const std::vector<std::string>& fields);

// Reads records one by one. A record ends at a line end outside quotes (CR LF or LF);
// quoted fields may hold line ends.
class CsvReader {
 public:
  explicit CsvReader(std::string_view text) : text_(text) {}

  struct Record {
    // Views into the text, or into `rewritten` for a field whose value differs from its
    // bytes (doubled quotes, bytes after a closing quote): valid until the next Next().
    std::vector<std::string_view> fields;
    bool whole = false;       // ended by a line end, quotes closed and nothing stray after them
    std::size_t begin = 0;    // where it starts in the text
    std::string rewritten;
  };
  // False at the end of the text.
  bool Next(Record& record);
  // Goes on from the line after the one `record` began on: a record found bad (a cut
  // quote swallowing the lines after it) costs one line, not the rest of the file.
  void ResumeAfterFirstLine(const Record& record);
  std::size_t position() const { return at_; }

 private:
  enum class End { kComma, kLine, kText };
  End ReadQuoted(Record& record, bool& stray);
  // Moves past the next comma or line end; returns where the field's bytes stop.
  std::size_t SkipToDelimiter(End& end);
  // The first quote from `from` on, or the end of the text.
  std::size_t QuoteFrom(std::size_t from) const;
  void PointRewrittenFields(Record& record) const;

  std::string_view text_;
  std::size_t at_ = 0;
  // Field index and offset in Record::rewritten, pointed to once the record is complete
  // (the string may move while it grows).
  std::vector<std::pair<std::size_t, std::size_t>> rewrittenAt_;
};

}  // namespace catalogue
