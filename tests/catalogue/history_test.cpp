#include <gtest/gtest.h>

#include <climits>

#include "catalogue/history.h"
#include "catalogue/history_xml.h"
#include "platform/utf8.h"
#include "temp_dir.h"

using catalogue::HistoryPanel;
using catalogue::LoadHistory;
using catalogue::WrapText;
using catalogue::kHistoryTextSize;

namespace {

class History : public ::testing::Test {
 protected:
  int Load(std::string_view rom, int width = 640) {
    panel = {};
    return LoadHistory(panel, tmp / "emu", width, rom);
  }
  TempDir tmp;
  HistoryPanel panel;
};

const char* kDat =
    "## a comment line\r\n"
    "$info=samplegmj,samplegm,\r\n"
    "$bio\r\n"
    "\r\n"
    "Sample Game (c) 1982.\r\n"
    "\r\n"
    "- TRIVIA -\r\n"
    "$END\r\n"
    "$info=samplegm,\r\n"
    "$bio\r\n"
    "\r\n"
    "A later record is never read.\r\n"
    "$end\r\n"
    "$INFO=other,\r\n"
    "$bio\r\n"
    "\r\n"
    "Other text.\r\n"
    "$end\r\n"
    "$info=nocomma\r\n"
    "$bio\r\n"
    "\r\n"
    "Never used.\r\n"
    "$end\r\n"
    "$info=empty,\r\n"
    "$bio\r\n"
    "\r\n"
    "$end\r\n"
    "$info=empty,\r\n"
    "$bio\r\n"
    "\r\n"
    "Second record of empty.\r\n"
    "$end\r\n";

}  // namespace

TEST_F(History, RecordsAreFoundByAnyListedName) {
  tmp.Write("emu/history.dat", kDat);
  EXPECT_EQ(Load("SAMPLEGM"), 31);
  EXPECT_EQ(panel.text, "Sample Game (c) 1982.\r\n\r\n- TRIVIA -\r\n");
  EXPECT_EQ(panel.lineCount, 4);
  EXPECT_EQ(Load("samplegmj"), 31);
  EXPECT_EQ(Load("other"), 11);
  EXPECT_EQ(panel.text, "Other text.\r\n");
  // Without a trailing comma the name is not one.
  EXPECT_EQ(Load("nocomma"), 0);
  // A record whose first text line is "$end" ends the search with no text.
  EXPECT_EQ(Load("empty"), 0);
  EXPECT_EQ(panel.text, "");
  EXPECT_EQ(Load("unknown"), 0);
  EXPECT_EQ(Load("sample"), 0);
}

TEST_F(History, NoFileNoText) {
  EXPECT_EQ(Load("samplegm"), 0);
  EXPECT_EQ(panel.text, "");
}

TEST_F(History, LfFileAndTextAppendedToWhatIsThere) {
  tmp.Write("emu/history.dat", "$info=a,\n$bio\n\nLine one\nLine two\n$end\n");
  panel = {};
  panel.text = "x";
  EXPECT_EQ(LoadHistory(panel, tmp / "emu", 640, "a"), 16);
  EXPECT_EQ(panel.text, "xLine one\r\nLine two\r\n");
}

TEST_F(History, RecordStopsShortOfTenThousandCharacters) {
  std::string dat = "$info=big,\r\n$bio\r\n\r\n";
  for (int i = 0; i < 30; ++i) dat += std::string(400, 'a' + i % 26) + "\r\n";
  dat += "tail\r\n$end\r\n";
  tmp.Write("emu/history.dat", dat);
  // 24 lines of 400 make 9600; the next 400 would reach 10,000 and is left out, and so
  // are the others until "tail" fits.
  EXPECT_EQ(Load("big", 10000), 9604);
}

TEST_F(History, LongLinesJoinAgainAndTheTextStaysBounded) {
  std::string dat = "$info=long,\r\n$bio\r\n\r\n" + std::string(1200, 'w') + "\r\n$end\r\n";
  tmp.Write("emu/history.dat", dat);
  EXPECT_EQ(Load("long", 100000), 1200);
  EXPECT_EQ(panel.text, std::string(1200, 'w') + "\r\n");

  // Thousands of one-character lines: the CR LF pairs would pass the panel buffer.
  std::string many = "$info=many,\r\n$bio\r\n\r\n";
  for (int i = 0; i < 9000; ++i) many += "x\r\n";
  many += "$end\r\n";
  tmp.Write("emu/history.dat", many);
  EXPECT_GT(Load("many"), 0);
  EXPECT_LT(panel.text.size(), kHistoryTextSize);
}

TEST_F(History, XmlDatabaseWhenThereIsNoDat) {
  tmp.Write("emu/history.xml",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<history>\n"
            "<entry><software><item list=\"nes\" name=\"samplegm\"/></software><text>Not this one</text></entry>\n"
            "<entry><systems><system name=\"samplegmj\"/><system name=\"SampleGM\"/></systems>\n"
            "<text>\n- TRIVIA -\n\nCaf\xC3\xA9 &amp; \xE2\x82\xAC \xE6\x97\xA5\n\n</text></entry>\n"
            "</history>\n");
  EXPECT_EQ(Load("samplegm"), 20);
  EXPECT_EQ(panel.text, "- TRIVIA -\r\n\r\nCaf\xC3\xA9 & \xE2\x82\xAC \xE6\x97\xA5\r\n");
  EXPECT_EQ(Load("nothere"), 0);
  // history.dat wins when both are there.
  tmp.Write("emu/history.dat", kDat);
  EXPECT_EQ(Load("samplegm"), 31);
}

TEST_F(History, MalformedXmlNeverCrashes) {
  tmp.Write("emu/history.xml", "<history><entry><systems><system name=\"a\"/></systems><text>half");
  EXPECT_EQ(Load("a"), 0);
  tmp.Write("emu/history.xml", std::string("\0\xFF<<<&&", 7));
  EXPECT_EQ(Load("a"), 0);
}

TEST(Utf8ToCp1252, MapsWhatTheCodePageHas) {
  EXPECT_EQ(platform::Utf8ToCp1252("\xC3\xA9t\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D"), "\xE9t\xE9 \x93q\x94");
  EXPECT_EQ(platform::Utf8ToCp1252("\xC3"), "?");
  EXPECT_EQ(platform::Utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");
}

TEST(WrapText, BreaksAtTheLastBlank) {
  std::string t = "aaa bbb ccc";
  EXPECT_EQ(WrapText(t, 5), 3);
  EXPECT_EQ(t, "aaa\r\nbbb\r\nccc");
  // A blank exactly at the width becomes the line end.
  t = "abcde fgh";
  EXPECT_EQ(WrapText(t, 5), 2);
  EXPECT_EQ(t, "abcde\r\nfgh");
  // Existing line ends are kept and counted.
  t = "ab\r\ncd\r\n";
  EXPECT_EQ(WrapText(t, 60), 3);
  EXPECT_EQ(t, "ab\r\ncd\r\n");
}

TEST(WrapText, SixtyCharactersForAWindowOf640) {
  std::string words;
  for (int i = 0; i < 40; ++i) words += "word" + std::to_string(i) + " ";
  std::string t = words;
  const int lines = WrapText(t, (640 - 100) / 9);
  std::size_t start = 0;
  int counted = 1;
  for (std::size_t end = t.find("\r\n"); end != std::string::npos; end = t.find("\r\n", start)) {
    EXPECT_LE(end - start, 60u);
    start = end + 2;
    ++counted;
  }
  EXPECT_EQ(counted, lines);
  EXPECT_GT(lines, 3);
  EXPECT_EQ(t.find("wor\r\n"), std::string::npos);  // words are never split
}

TEST(WrapText, CountsCharactersAndNeverSplitsOne) {
  // Wrapped as the same text in ASCII letters would be, character for character.
  const auto asLetters = [](const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += platform::CharacterLength(text, i))
      out += text[i] == ' ' || text[i] == '\r' || text[i] == '\n' ? text[i] : 'x';
    return out;
  };
  const struct {
    std::string text;
    int width;
  } cases[] = {
      {"\xCE\x91\xCF\x83\xCF\x84\xCE\xAD\xCF\x81\xCE\xB9 \xCE\x91\xCF\x83\xCF\x84\xCE\xAD\xCF\x81\xCE\xB9 ab", 7},  // Greek
      {"\xE6\x97\xA5\xE6\x9C\xAC\xE6\x97\xA5\xE6\x9C\xAC\xE6\x97\xA5\xE6\x9C\xAC\xE6\x97\xA5", 2},  // no blank: cut
      {"ab \xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80 c\r\n\xC3\xA9\xC3\xA9\xC3\xA9", 3},
      {"a\r\xE2\x82\xAC\xC3\xA9 b", 2},  // a CR without LF takes the whole character after it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string wrapped = c.text, letters = asLetters(c.text);
    const int lines = WrapText(wrapped, c.width);
    EXPECT_EQ(lines, WrapText(letters, c.width));
    EXPECT_EQ(asLetters(wrapped), letters);
    EXPECT_TRUE(platform::IsValidUtf8(wrapped));
    EXPECT_GT(lines, 1);
  }
}

TEST(WrapText, LongWordsAreCutAtTheWidth) {
  std::string t = std::string(25, 'x');
  EXPECT_EQ(WrapText(t, 10), 3);
  EXPECT_EQ(t, std::string(10, 'x') + "\r\n" + std::string(9, 'x') + "\r\n" + std::string(6, 'x'));
  // Widths below one still make progress.
  t = "abc";
  EXPECT_EQ(WrapText(t, -4), 3);
  EXPECT_EQ(t, "a\r\nb\r\nc");
}

TEST(WrapText, NeverGrowsPastTheBuffer) {
  std::string t(19990, 'z');
  WrapText(t, 1);
  EXPECT_LT(t.size(), kHistoryTextSize);
  std::string spaces(30000, ' ');
  WrapText(spaces, 3);
  EXPECT_LT(spaces.size(), kHistoryTextSize);
}

TEST_F(History, AnyWindowWidthWrapsWithoutOverflow) {
  tmp.Write("emu/history.dat", kDat);
  // The width comes from the settings: whatever it is, every line holds at least one character.
  for (int width : {INT_MIN, -1, 0, 100, 109, INT_MAX}) {
    EXPECT_EQ(Load("other", width), 11) << width;
    EXPECT_GE(panel.lineCount, 1) << width;
  }
  EXPECT_EQ(Load("other", INT_MIN), 11);
  EXPECT_EQ(panel.lineCount, 11);  // "Other text.": one character a line
}
