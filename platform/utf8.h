// Display text is UTF-8. Files written on the cabinet's original system are Windows-1252,
// those saved on Linux UTF-8: readers turn the first into the second line by line, and
// the drawing code still reads a stray Windows-1252 byte as its character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The length of the well-formed UTF-8 sequence of two to four bytes at `i` (no overlong
// forms, no surrogates, nothing above U+10FFFF); 0 when there is none.
std::size_t Utf8SequenceAt(std::string_view s, std::size_t i);

bool IsValidUtf8(std::string_view s);

// One character of display text at `i`, `i` moved past it: a well-formed sequence gives
// its code point, any other byte the Windows-1252 character it stands for.
char32_t NextCodePoint(std::string_view text, std::size_t& i);

// How many bytes the character at `i` takes (at least 1 while i < size).
inline std::size_t CharacterLength(std::string_view text, std::size_t i) {
  if (static_cast<unsigned char>(text[i]) < 0x80) return 1;
  const std::size_t n = Utf8SequenceAt(text, i);
  return n == 0 ? 1 : n;
}

// How many characters the text holds.
std::size_t CharacterCount(std::string_view text);

// Where to cut `text` to at most `bytes` bytes without splitting a character: a UTF-8
// sequence that the cut would split is left out whole.
std::size_t Utf8CutPoint(std::string_view text, std::size_t bytes);

// How many bytes at the end of `text` begin a UTF-8 sequence that is not complete yet
// (0 to 3): a reader of blocks keeps them for the next block.
std::size_t IncompleteUtf8Tail(std::string_view text);

// Appends a file's bytes as display text: each line (up to and with its LF) that is
// valid UTF-8 as it is, any other read as Windows-1252.
void AppendLinesAsUtf8(std::string& out, std::string_view bytes);
std::string TextAsUtf8(std::string bytes);

}  // namespace platform
