#include "catalogue/csv.h"

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

bool CsvReader::Next(Record& record) {
  record.fields.clear();
  record.whole = false;
  record.begin = at_;
  if (at_ >= text_.size()) return false;
  std::string field;
  bool quoted = false;      // inside quotes
  bool wasQuoted = false;   // this field was quoted: only a comma or a line end may follow
  bool stray = false;
  while (at_ < text_.size()) {
    const char c = text_[at_++];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (at_ < text_.size() && text_[at_] == '"') {
        field += '"';
        ++at_;
      } else {
        quoted = false;
      }
      continue;
    }
    if (c == ',') {
      record.fields.push_back(std::move(field));
      field.clear();
      wasQuoted = false;
    } else if (c == '\n' || (c == '\r' && at_ < text_.size() && text_[at_] == '\n')) {
      if (c == '\r') ++at_;
      record.fields.push_back(std::move(field));
      record.whole = !stray;
      return true;
    } else if (c == '"' && field.empty() && !wasQuoted) {
      quoted = wasQuoted = true;
    } else {
      if (wasQuoted) stray = true;
      field += c;
    }
  }
  record.fields.push_back(std::move(field));  // the text ended without a line end
  return true;
}

void CsvReader::ResumeAfterFirstLine(const Record& record) {
  const std::size_t end = text_.find('\n', record.begin);
  at_ = end == std::string_view::npos ? text_.size() : end + 1;
}

}  // namespace catalogue
