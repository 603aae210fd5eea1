// Byte-string helpers shared by every reader: names are compared without regard to
// ASCII letter case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Inline: hashing and comparing names runs it for every byte of tens of thousands of them.
inline char ToLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
// Inline too: the list loader compares a key name on each of hundreds of thousands of lines.
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && ToLowerAscii(a[i]) != ToLowerAscii(b[i])) return false;
  return true;
}
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
std::string ToLowerCopy(std::string_view s);

// Blanks are spaces and tabs (and CR, for lines whose CR LF was cut at LF only).
std::string_view TrimBlanks(std::string_view s);

// Cuts a value to a fixed field of `size` bytes including the terminator: at most
// size - 1 bytes survive (size 0 or 1 leaves nothing), less a UTF-8 character the cut
// would split.
std::string CutToField(std::string_view s, std::size_t size);

// The decimal integer reading of the settings: optional leading blanks, optional sign,
// digits up to the first other character; no digits gives 0. Saturates instead of
// overflowing.
std::int64_t ParseDecimal(std::string_view s);
int ParseInt(std::string_view s);

// Splits text into lines at LF, dropping a CR before it: CR LF and LF files read alike.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace platform

namespace platform {

// The Unicode code point of a Windows-1252 byte (undefined bytes map to themselves).
char32_t Cp1252ToUnicode(unsigned char byte);

// Text for a person (the log, message boxes): kept when it is already valid UTF-8,
// otherwise read as Windows-1252, the code page of the settings and game lists.
std::string ToUtf8ForDisplay(std::string_view bytes);

// Appends a code point as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

// UTF-8 to Windows-1252; malformed sequences and characters outside the code page give "?".
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace platform
