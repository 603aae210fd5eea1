// The frontend's small text-file helpers, shared by the game list, statistics, history
// and layout readers. A file is read whole once and then walked line by line.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {
class FileStream;
}

struct TextFile {
  std::string data;
  std::size_t position = 0;
  // Set for a file read block by block: `data` then holds only the current block.
  std::shared_ptr<platform::FileStream> stream = nullptr;
  // Display text (TextBytes::kDisplayUtf8): lines are never cut inside a character. A
  // streamed file turns each block into UTF-8 as it arrives; `cut` holds the end of the
  // previous block that is not a whole line yet.
  bool displayText = false;
  std::string cut = {};
};

// How a file's bytes are taken. Texts shown to the player (game lists, the history) are
// UTF-8 for the drawing: each line that is valid UTF-8 stays as it is, any other was
// written in Windows-1252 and is turned into UTF-8. Files of keys the program writes
// itself (statistics) are taken as they are, so that their section names stay the bytes
// the writer wrote.
enum class TextBytes { kAsWritten, kDisplayUtf8 };

// The file at `path` (letter case and "\" separators resolved), or nothing when it cannot
// be opened for reading.
std::optional<TextFile> OpenTextFile(std::string_view path, TextBytes bytes = TextBytes::kAsWritten);
// The same, read block by block as the lines are asked for: for large files scanned once.
// Its lines stay valid only until the next read, and it cannot be rewound.
std::optional<TextFile> OpenStreamedTextFile(std::string_view path, TextBytes bytes = TextBytes::kAsWritten);

// How many lines of the file begin with `first` (a line begins the file or follows an LF),
// read block by block; 0 when the file cannot be read.
std::size_t CountLinesStartingWith(std::string_view path, char first);

// Reads one line of at most 500 bytes from the current position. The line ends at the
// first CR or LF within those 500 bytes; the position moves past the line end (CR LF, CR
// or LF). Without a line end in 500 bytes, all of them are the line (in display text with
// the rest of a character they would split) and the next call goes on after them. Returns the line length (0 for an empty line), or -1 at the end of
// the file. The view stays valid while the file lives (streamed files: until the next read).
int ReadFileLine(TextFile& file, std::string_view& line);
int ReadFileLine(TextFile& file, std::string& line);

// A part of a file read whole, walked with a position of its own: two threads read two
// parts of one text without a copy of either.
struct TextPart {
  std::string_view data;
  std::size_t position = 0;
  bool displayText = false;
};
// ReadFileLine over the part, as over a file whose text is the part.
int ReadFileLine(TextPart& part, std::string_view& line);

// Appends the text and, when newline is 1, CR LF. Returns the number of bytes appended.
int WriteFileLine(std::string& out, std::string_view text, int newline);

// The value of `key` in `section` of an open file: rewinds and reads it line by line.
// The region of "[section]" is opened by a line that equals the header (letter case
// ignored) and closed by any other line beginning with "["; an empty section name means
// the lines before the first header. A line matches when it begins with the key (case
// ignored) followed by "=" or a blank; the value is the rest of the line after that
// character, one blank directly after it skipped. The first match counts; the value is
// cut to size - 1 bytes; an empty result gives `def`.
std::string ReadKeyValue(std::string_view section, std::string_view key, std::string_view def,
                         std::size_t size, TextFile& file);

// The same for several keys of one section in one pass over the file: values[i] gets what
// ReadKeyValue(section, keys[i], def, size, file) would return.
void ReadKeyValues(std::string_view section, std::span<const std::string_view> keys,
                   std::string_view def, std::size_t size, TextFile& file,
                   std::span<std::string> values);
