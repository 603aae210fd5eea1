#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "temp_dir.h"

namespace {

TextFile Text(std::string s) { return TextFile{std::move(s), 0}; }

std::vector<std::string> AllLines(TextFile f) {
  std::vector<std::string> out;
  std::string line;
  while (ReadFileLine(f, line) >= 0) out.push_back(line);
  return out;
}

}  // namespace

TEST(ReadFileLine, CrLfLfAndLongLines) {
  EXPECT_EQ(AllLines(Text("a\r\n\r\nbc\r\n")), (std::vector<std::string>{"a", "", "bc"}));
  EXPECT_EQ(AllLines(Text("a\n\nbc\n")), (std::vector<std::string>{"a", "", "bc"}));
  EXPECT_EQ(AllLines(Text("a\rb")), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(AllLines(Text("")), std::vector<std::string>{});
  // Lines of 500 bytes or more come in 500-byte pieces.
  std::string longLine(1203, 'x');
  auto pieces = AllLines(Text(longLine + "\r\nz"));
  ASSERT_EQ(pieces.size(), 4u);
  EXPECT_EQ(pieces[0].size(), 500u);
  EXPECT_EQ(pieces[2].size(), 203u);
  EXPECT_EQ(pieces[3], "z");
  // Exactly 500 bytes: the line end follows as an empty line.
  EXPECT_EQ(AllLines(Text(std::string(500, 'y') + "\r\nq")).size(), 3u);
  TextFile f = Text("ab");
  std::string line;
  EXPECT_EQ(ReadFileLine(f, line), 2);
  EXPECT_EQ(ReadFileLine(f, line), -1);
}

// Line ends are looked for eight bytes at a time: every position within and across
// words, each kind of end, and an end right after the 500-byte cut.
TEST(ReadFileLine, FindsEveryLineEndWhereverItFalls) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    for (std::size_t length = 0; length <= 20; ++length) {
      SCOPED_TRACE(std::to_string(length) + (end[0] == '\n' ? " LF" : end[1] ? " CRLF" : " CR"));
      // High bytes and a byte one away from CR and LF must not pass for a line end.
      std::string line;
      for (std::size_t i = 0; i < length; ++i) line += "a\x8D\x0B\x0C\xFF"[i % 5];
      EXPECT_EQ(AllLines(Text(line + end + line + end + "z")), (std::vector<std::string>{line, line, "z"}));
    }
  }
  EXPECT_EQ(AllLines(Text(std::string(499, 'x') + "\n" + std::string(9, 'y'))),
            (std::vector<std::string>{std::string(499, 'x'), std::string(9, 'y')}));
}

TEST(WriteFileLine, AddsCrLfOnlyWhenAsked) {
  std::string out;
  EXPECT_EQ(WriteFileLine(out, "abc", 1), 5);
  EXPECT_EQ(WriteFileLine(out, "d", 0), 1);
  EXPECT_EQ(out, "abc\r\nd");
}

TEST(ReadKeyValue, BlanksCaseRegionsAndDuplicates) {
  TextFile f = Text(
      "Top=1\r\n"
      "[Game]\r\n"
      "Key=5\r\n"
      "Spaced= 6\r\n"
      "Blank 7\r\n"
      "Before =8\r\n"
      "Twice=first\r\n"
      "Twice=second\r\n"
      "KeyLonger=9\r\n"
      "[Other]\r\n"
      "Missing=no\r\n"
      "[game]\n"
      "Missing=found in the second section of that name\n"
      "Long=" + std::string(50, 'v') + "\n");
  EXPECT_EQ(ReadKeyValue("Game", "key", "d", 20, f), "5");
  EXPECT_EQ(ReadKeyValue("GAME", "Spaced", "d", 20, f), "6");
  EXPECT_EQ(ReadKeyValue("Game", "Blank", "d", 20, f), "7");
  EXPECT_EQ(ReadKeyValue("Game", "Before", "d", 20, f), "=8");
  EXPECT_EQ(ReadKeyValue("Game", "Twice", "d", 20, f), "first");
  EXPECT_EQ(ReadKeyValue("Game", "KeyLonger", "d", 20, f), "9");
  EXPECT_EQ(ReadKeyValue("Game", "Missing", "d", 100, f), "found in the second section of that name");
  EXPECT_EQ(ReadKeyValue("Game", "Top", "d", 20, f), "d");
  EXPECT_EQ(ReadKeyValue("", "Top", "d", 20, f), "1");
  EXPECT_EQ(ReadKeyValue("Game", "Long", "d", 20, f), std::string(19, 'v'));
  EXPECT_EQ(ReadKeyValue("Nowhere", "Key", "0", 20, f), "0");
  // "[Game" without its bracket is not the header "[Game]".
  TextFile g = Text("[Game\r\nKey=1\r\n");
  EXPECT_EQ(ReadKeyValue("Game", "Key", "0", 20, g), "0");
  // An empty value takes the default.
  TextFile h = Text("[S]\r\nKey=\r\n");
  EXPECT_EQ(ReadKeyValue("S", "Key", "0", 20, h), "0");
}

TEST(ReadKeyValue, SurvivesBinaryInput) {
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk.push_back(static_cast<char>((i * 7919) & 0xFF));
  TextFile f = Text(junk);
  EXPECT_EQ(ReadKeyValue("Nb", "Nb", "0", 20, f).size() <= 19, true);
}

TEST(ReadFileLine, StreamedFileGivesTheSameLinesAsAWholeOne) {
  TempDir tmp;
  std::string content;
  for (int i = 0; content.size() < 300000; ++i) {
    content += std::string(static_cast<std::size_t>(i * 37 % 1300), static_cast<char>('a' + i % 26));
    content += i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r";
  }
  const std::string path = tmp.Write("big.txt", content);
  auto whole = OpenTextFile(path);
  auto streamed = OpenStreamedTextFile(path);
  ASSERT_TRUE(whole && streamed);
  std::string_view a, b;
  int lines = 0;
  for (;;) {
    const int na = ReadFileLine(*whole, a);
    const int nb = ReadFileLine(*streamed, b);
    ASSERT_EQ(na, nb) << "line " << lines;
    ASSERT_EQ(a, b) << "line " << lines;
    if (na < 0) break;
    ++lines;
  }
  EXPECT_GT(lines, 600);
  EXPECT_FALSE(OpenStreamedTextFile(tmp / "missing.txt"));
  EXPECT_FALSE(OpenStreamedTextFile(tmp.path()));
}

TEST(ReadFileLine, DisplayFilesGiveUtf8LinesWholeOrStreamed) {
  TempDir tmp;
  // First a line longer than a block with a character across the first block boundary
  // (at 64 KiB), its 500-byte pieces splitting characters.
  std::string longLine = std::string(65535, 'y');
  for (int i = 0; i < 400; ++i) longLine += "\xE6\x97\xA5";
  std::string mixed = longLine + "\r\n", expected = longLine + "\r\n";
  // Then UTF-8 and Windows-1252 lines in turn; the padding puts the 3-byte characters
  // across the later block boundaries at some offset.
  for (int i = 0; mixed.size() < 200000; ++i) {
    const std::string pad(static_cast<std::size_t>(i % 7), 'x');
    const std::string n = std::to_string(i);
    mixed += i % 2 ? pad + "Pok\xE9mon \x80" + n + "\r\n" : pad + "\xE6\x97\xA5\xE6\x9C\xAC \xC3\xA9" + n + "\r\n";
    expected += i % 2 ? pad + "Pok\xC3\xA9mon \xE2\x82\xAC" + n + "\r\n" : pad + "\xE6\x97\xA5\xE6\x9C\xAC \xC3\xA9" + n + "\r\n";
  }
  mixed += "fin \xE9";
  expected += "fin \xC3\xA9";
  const std::string path = tmp.Write("list.txt", mixed);
  auto whole = OpenTextFile(path, TextBytes::kDisplayUtf8);
  auto streamed = OpenStreamedTextFile(path, TextBytes::kDisplayUtf8);
  ASSERT_TRUE(whole && streamed);
  EXPECT_EQ(whole->data, expected);
  std::string fromWhole;
  std::string_view a, b;
  for (int piece = 0;; ++piece) {
    const int na = ReadFileLine(*whole, a);
    const int nb = ReadFileLine(*streamed, b);
    ASSERT_EQ(a, b) << "piece " << piece;
    ASSERT_EQ(na, nb);
    if (na < 0) break;
    // A piece without its line end holds whole characters: at most 502 bytes.
    ASSERT_LE(a.size(), 502u);
    ASSERT_NE(static_cast<unsigned char>(a.empty() ? 'x' : a.front()) & 0xC0, 0x80) << "piece " << piece;
    fromWhole.append(a);
  }
  std::string withoutLineEnds;
  for (char c : expected)
    if (c != '\r' && c != '\n') withoutLineEnds += c;
  EXPECT_EQ(fromWhole, withoutLineEnds);
  // Files of keys are taken as written.
  EXPECT_EQ(OpenTextFile(path)->data, mixed);
}
