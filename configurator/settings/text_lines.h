// The configurator's small text-file helpers: one line at a time, one setting per line.
// Files are handled as bytes in memory; writers build the whole text and replace the
// file atomically.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cfg {

inline constexpr std::size_t kTextLineLimit = 500;

// Reads the line starting at `position` into `line` and moves `position` just past the
// byte that ended it. Every byte but CR and LF is kept; a line ends at an LF or once 500
// characters are stored (the rest is the next line). Returns the number of characters
// stored, or -1 when no byte is left.
int ReadTextLine(std::string_view text, std::size_t& position, std::string& line);

// Appends the text and, with `newline`, CR LF. A setting line with an empty value
// ("Key=") is left out altogether; an empty text with `newline` is an empty line.
void WriteTextLine(std::string& out, std::string_view text, bool newline);

// The value of `key` in `[section]` of an INI text, read line by line: the header must
// match the whole line (letter case aside); with an empty section name the lines before
// any header count. A line matches when it starts with the key and the next character is
// '=' (value after it) or a blank (value two characters on, never past the line's end).
// The first match counts; the value is cut to size - 1 characters; no match or an empty
// value gives the default.
std::string ReadIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view def, std::size_t size = 260);

// Flags as the settings write them: set exactly for "YES" or "OUI".
bool ParseFlag(std::string_view text);
inline const char* FlagText(bool flag) { return flag ? "YES" : "NO"; }

}  // namespace cfg
