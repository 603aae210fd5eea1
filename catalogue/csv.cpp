#include "catalogue/csv.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace catalogue {

std::string CsvField(std::string_view value) {
  if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
  std::string out = "\"";
  for (const char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

std::string CsvRecord(const std::vector<std::string>& fields) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) out += ',';
    out += CsvField(fields[i]);
  }
  return out + "\r\n";
}

namespace {

constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7fu;
constexpr std::uint64_t kOnes = 0x0101010101010101u;

// The high bit of each byte of `word` that equals `byte`, and no other bit.
constexpr std::uint64_t BytesEqual(std::uint64_t word, std::uint8_t byte) {
  const std::uint64_t x = word ^ (kOnes * byte);
  return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// Eight bytes at a time while they hold neither: fields are short, and a byte-by-byte
// loop pays a mispredicted branch for each of them.
std::size_t FindCommaOrLineEnd(std::string_view text, std::size_t i) {
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= text.size(); i += 8) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + i, 8);
      const std::uint64_t found = BytesEqual(word, ',') | BytesEqual(word, '\n');
      if (found) return i + std::size_t(std::countr_zero(found) / 8);
    }
  }
  while (i < text.size() && text[i] != ',' && text[i] != '\n') ++i;
  return i;
}

}  // namespace

bool CsvReader::Next(Record& record) {
  record.fields.clear();
  record.rewritten.clear();
  rewrittenAt_.clear();
  record.whole = false;
  record.begin = at_;
  if (at_ >= text_.size()) return false;
  bool stray = false;
  End end = End::kComma;
  while (end == End::kComma) {
    if (at_ < text_.size() && text_[at_] == '"') {
      end = ReadQuoted(record, stray);
    } else {
      const std::size_t from = at_;
      record.fields.push_back(text_.substr(from, SkipToDelimiter(end) - from));
    }
  }
  record.whole = end == End::kLine && !stray;  // a record the text ends without a line end is cut
  PointRewrittenFields(record);
  return true;
}

inline std::size_t CsvReader::SkipToDelimiter(End& end) {
  const char* const data = text_.data();
  const std::size_t from = at_;
  const std::size_t i = FindCommaOrLineEnd(text_, from);
  at_ = i + 1;
  if (i == text_.size()) {
    at_ = i;
    end = End::kText;
    return i;
  }
  if (data[i] == ',') {
    end = End::kComma;
    return i;
  }
  end = End::kLine;
  return i > from && data[i - 1] == '\r' ? i - 1 : i;  // CR LF
}

// A quoted field without doubled quotes nor stray bytes is a view into the text; the others
// are written out into the record.
CsvReader::End CsvReader::ReadQuoted(Record& record, bool& stray) {
  const std::size_t open = ++at_;
  std::size_t from = open;
  bool copied = false;
  const auto copy = [&](std::size_t to) {
    if (!copied) rewrittenAt_.emplace_back(record.fields.size(), record.rewritten.size());
    copied = true;
    record.rewritten.append(text_.substr(from, to - from));
  };
  std::size_t close = QuoteFrom(from);
  while (close + 1 < text_.size() && text_[close + 1] == '"') {  // a doubled quote stands for one
    copy(close + 1);
    from = close + 2;
    close = QuoteFrom(from);
  }
  at_ = std::min(close + 1, text_.size());
  if (copied) copy(close);
  const std::size_t strayFrom = at_;
  End end = End::kText;
  const std::size_t to = SkipToDelimiter(end);
  if (to > strayFrom) {
    stray = true;
    if (!copied) copy(close);
    from = strayFrom;
    copy(to);
  }
  if (copied) record.fields.emplace_back();  // pointed into `rewritten` when the record is done
  else record.fields.push_back(text_.substr(open, close - open));
  return end;
}

std::size_t CsvReader::QuoteFrom(std::size_t from) const {
  const void* quote = std::memchr(text_.data() + from, '"', text_.size() - from);
  return quote ? std::size_t(static_cast<const char*>(quote) - text_.data()) : text_.size();
}

void CsvReader::PointRewrittenFields(Record& record) const {
  for (std::size_t k = 0; k < rewrittenAt_.size(); ++k) {
    const std::size_t from = rewrittenAt_[k].second;
    const std::size_t to = k + 1 < rewrittenAt_.size() ? rewrittenAt_[k + 1].second : record.rewritten.size();
    record.fields[rewrittenAt_[k].first] = std::string_view(record.rewritten).substr(from, to - from);
  }
}

void CsvReader::ResumeAfterFirstLine(const Record& record) {
  const std::size_t end = text_.find('\n', record.begin);
  at_ = end == std::string_view::npos ? text_.size() : end + 1;
}

}  // namespace catalogue
