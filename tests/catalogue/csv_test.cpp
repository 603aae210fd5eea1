#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/csv.h"

namespace {

struct Read {
  std::vector<std::string> fields;
  bool whole;
};

std::vector<Read> ReadAll(std::string_view text) {
  catalogue::CsvReader reader(text);
  catalogue::CsvReader::Record record;
  std::vector<Read> out;
  while (reader.Next(record)) out.push_back({{record.fields.begin(), record.fields.end()}, record.whole});
  return out;
}

// Fields come back as views, some into the text and some rewritten into the record: several
// rewritten fields in one record (the buffer grows under the earlier ones), delimiters on
// either side of an eight-byte step, and the last bytes of a text without a line end.
TEST(Csv, FieldsReadBackWhereverTheirBytesLie) {
  const std::string longQuoted(40, 'q');
  const struct {
    const char* what;
    std::string text;
    std::vector<Read> records;
  } kCases[] = {
      {"several doubled-quote fields in one record",
       "\"a\"\"b\",plain,\"" + longQuoted + "\"\"\",\"\"\"\",\"x\"\"" + longQuoted + "\"\r\n",
       {{{"a\"b", "plain", longQuoted + "\"", "\"", "x\"" + longQuoted}, true}}},
      {"bytes after a closing quote, then a rewritten field",
       "\"ab\"cd,\"e\"\"f\"\n", {{{"abcd", "e\"f"}, false}}},
      {"delimiters before, on and after an eight-byte step",
       "1234567,12345678,123456789,\r\n12345678901234567\r\nx", {{{"1234567", "12345678", "123456789", ""}, true},
                                                               {{"12345678901234567"}, true},
                                                               {{"x"}, false}}},
      {"a lone CR stays in the field, CR LF ends it", "a\rb,c\r\r\n", {{{"a\rb", "c\r"}, true}}},
      {"an open quote runs to the end", "a,\"b,\r\nc", {{{"a", "b,\r\nc"}, false}}},
  };
  for (const auto& c : kCases) {
    const std::vector<Read> read = ReadAll(c.text);
    ASSERT_EQ(read.size(), c.records.size()) << c.what;
    for (std::size_t r = 0; r < read.size(); ++r) {
      EXPECT_EQ(read[r].fields, c.records[r].fields) << c.what << ", record " << r;
      EXPECT_EQ(read[r].whole, c.records[r].whole) << c.what << ", record " << r;
    }
  }
}

}  // namespace
