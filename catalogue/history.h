// The game histories of the information panel: the record of a game in the emulator
// directory's history.dat (or, when that is absent, history.xml), word-wrapped for the
// panel.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace catalogue {

// The text of the open information panel (empty when it is closed), its line count and
// the first line shown.
struct HistoryPanel {
  std::string text;
  int lineCount = 0;
  int firstLine = 0;
};

// The panel text never grows past its buffer: 20,000 bytes with the terminator.
inline constexpr std::size_t kHistoryTextSize = 20000;
// The characters taken from one record (line ends not counted) stay below this.
inline constexpr int kHistoryRecordLimit = 10000;

// Appends the history of `romName` to panel.text, wraps it at (windowWidth - 100) / 9
// characters per line and sets panel.lineCount. Returns the number of text characters
// taken (0: no file, no record or no text).
int LoadHistory(HistoryPanel& panel, std::string_view emulatorDirectory, int windowWidth,
                std::string_view romName);

// Word-wraps the text in place at `charactersPerLine` (characters, not bytes) and returns
// its line count. A word longer than a line is cut at the line width; the text stays within kHistoryTextSize - 1
// bytes.
int WrapText(std::string& text, int charactersPerLine);

}  // namespace catalogue
