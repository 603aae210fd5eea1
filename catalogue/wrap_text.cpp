#include "catalogue/history.h"

#include "platform/utf8.h"

namespace catalogue {

namespace {

constexpr std::size_t kMaxText = kHistoryTextSize - 1;

}  // namespace

int WrapText(std::string& text, int charactersPerLine) {
  const int n = charactersPerLine < 1 ? 1 : charactersPerLine;
  std::string out;
  out.reserve(std::min(text.size() + text.size() / 8 + 2, kMaxText));
  int lines = 1;
  int count = 0;
  std::size_t lineStart = 0;  // where the current line begins in `out`
  std::size_t i = 0;
  const auto endLine = [&] {
    ++lines;
    count = 1;
    lineStart = out.size();
  };
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r') {
      // The CR and the character after it (the LF of a CR LF), never part of one.
      const std::size_t take = i + 1 < text.size() ? 1 + platform::CharacterLength(text, i + 1) : 1;
      if (out.size() + take > kMaxText) break;
      out.append(text, i, take);
      i += take;
      endLine();
      continue;
    }
    if (count < n || out.size() == lineStart) {
      // Below the width, or a line that is still empty: always take the character, so
      // that every line holds at least one and the walk always advances. A character
      // is taken whole: a line never ends inside one.
      const std::size_t length = platform::CharacterLength(text, i);
      if (out.size() + length > kMaxText) break;
      out.append(text, i, length);
      i += length;
      ++count;
      continue;
    }
    if (c == ' ') {
      if (out.size() + 2 > kMaxText) break;
      out.append("\r\n");
      ++i;
      endLine();
      continue;
    }
    // Back to the last blank of the line; it becomes the line end and the characters
    // after it are read again. Without a blank the word is cut here.
    std::size_t blank = out.size();
    while (blank > lineStart && out[blank - 1] != ' ') --blank;
    if (blank > lineStart) {
      --blank;
      i -= out.size() - blank;
      out.resize(blank);
      ++i;
    }
    if (out.size() + 2 > kMaxText) break;
    out.append("\r\n");
    endLine();
  }
  text = std::move(out);
  return lines;
}

}  // namespace catalogue
