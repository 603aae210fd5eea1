#include <gtest/gtest.h>

#include "platform/text.h"
#include "platform/utf8.h"

namespace {

TEST(Utf8, EachLineStaysWhenUtf8AndIsTurnedIntoUtf8WhenWindows1252) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string read;
  } cases[] = {
      {"ASCII", "Pac-Man", "Pac-Man"},
      {"UTF-8 accents", "Street Fighter \xC3\xA9t\xC3\xA9", "Street Fighter \xC3\xA9t\xC3\xA9"},
      {"UTF-8 Japanese", "\xE6\x97\xA5\xE6\x9C\xAC", "\xE6\x97\xA5\xE6\x9C\xAC"},
      {"four bytes", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      {"Windows-1252", "\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
      {"the 0x80 row", "\x80 5 \x92", "\xE2\x82\xAC 5 \xE2\x80\x99"},
      {"mixed in one line", "\xC3\xA9 et \xE9", "\xC3\x83\xC2\xA9 et \xC3\xA9"},
      {"mixed lines", "\xE9\r\n\xC3\xA9\n\xE9", "\xC3\xA9\r\n\xC3\xA9\n\xC3\xA9"},
      {"overlong form", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
      {"surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
      {"cut sequence", "fin \xC3", "fin \xC3\x83"},
  };
  // After and before ASCII runs of every length: the check skips ASCII eight bytes at a time.
  for (const Case& c : cases) {
    for (std::size_t pad = 0; pad <= 17; ++pad) {
      SCOPED_TRACE(std::string(c.what) + " after " + std::to_string(pad));
      const std::string ascii(pad, 'a');
      EXPECT_EQ(platform::TextAsUtf8(ascii + c.bytes), ascii + c.read);
      EXPECT_EQ(platform::TextAsUtf8(c.bytes + ascii), c.read + ascii);
    }
  }
}

TEST(Utf8, DrawingReadsStrayBytesAsWindows1252AndCutsNeverSplitACharacter) {
  const struct {
    std::string text;
    std::u32string codePoints;
  } decoded[] = {
      {"a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80", U"a\u00E9\u65E5\U0001F600"},
      {"\xE9" "A\x80\x81", U"\u00E9A\u20AC\u0081"},  // Windows-1252 left over
      {"\xE6\x97", U"\u00E6\u2014"},            // a cut sequence
  };
  for (const auto& d : decoded) {
    std::u32string got;
    for (std::size_t i = 0; i < d.text.size();) got += platform::NextCodePoint(d.text, i);
    EXPECT_EQ(got, d.codePoints) << d.text;
    EXPECT_EQ(platform::CharacterCount(d.text), d.codePoints.size()) << d.text;
  }
  const struct {
    std::string text;
    std::size_t field;  // bytes with the terminator
    std::string kept;
  } cuts[] = {
      {"\xE6\x97\xA5\xE6\x9C\xAC", 4, "\xE6\x97\xA5"},             // exactly one character
      {"\xE6\x97\xA5\xE6\x9C\xAC", 5, "\xE6\x97\xA5"},             // not a third of the next
      {"\xE6\x97\xA5\xE6\x9C\xAC", 6, "\xE6\x97\xA5"},
      {"\xE6\x97\xA5\xE6\x9C\xAC", 7, "\xE6\x97\xA5\xE6\x9C\xAC"},
      {"Caf\xC3\xA9", 5, "Caf"},
      {"\xF0\x9F\x98\x80!", 4, ""},
      {"Caf\xE9s", 5, "Caf\xE9"},                                  // Windows-1252 bytes as before
      {"\xA9\xA9\xA9", 3, "\xA9\xA9"},
  };
  for (const auto& c : cuts) EXPECT_EQ(platform::CutToField(c.text, c.field), c.kept) << c.text << " " << c.field;
}

}  // namespace
