// Byte-string helpers shared by every reader: the files are single-byte text whose
// names are compared without regard to ASCII letter case.
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
// size - 1 bytes survive (size 0 or 1 leaves nothing).
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

// Text files edited on Linux are UTF-8, those from Windows are Windows-1252, and the
// readers work in Windows-1252 bytes. A Windows-1252 text is practically never valid
// UTF-8 holding multibyte sequences, so that is what marks a UTF-8 file. The check takes
// the file in pieces, so large files need not be held whole.
class Utf8Check {
 public:
  void Feed(std::string_view bytes);
  bool IsMultibyteUtf8() const { return valid_ && multibyte_ && pending_ == 0; }

 private:
  int pending_ = 0;  // continuation bytes still expected
  unsigned char lead_ = 0;
  bool valid_ = true;
  bool multibyte_ = false;
};

// Appends UTF-8 text as Windows-1252 (a character it lacks becomes '?') and returns how
// many bytes were taken: a sequence cut at the end of `utf8` is left for the next piece.
std::size_t AppendUtf8AsCp1252(std::string& out, std::string_view utf8);

// The Windows-1252 text of a whole file's bytes: converted when they are UTF-8 with
// multibyte characters, as they are otherwise.
std::string TextFileAsCp1252(std::string bytes);

}  // namespace platform
