#include "catalogue/history.h"

#include <cstdint>
#include <optional>

#include "catalogue/history_xml.h"
#include "platform/text_file.h"
#include "platform/paths.h"
#include "platform/utf8.h"
#include "platform/text.h"

namespace catalogue {

namespace {

constexpr std::size_t kMaxText = kHistoryTextSize - 1;
constexpr std::size_t kPieceSize = 500;

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && platform::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// Whether an "$info=" line lists the game: each name ends with a comma; what follows the
// last comma is not a name.
bool ListsGame(std::string_view line, std::string_view romName) {
  std::string_view rest = line.substr(6);
  for (auto comma = rest.find(','); comma != std::string_view::npos; comma = rest.find(',')) {
    if (platform::EqualsNoCase(rest.substr(0, comma), romName)) return true;
    rest.remove_prefix(comma + 1);
  }
  return false;
}

// Takes the text lines of one record from the reader, up to "$end" or the end of the
// file. Returns the characters taken.
int TakeRecord(TextFile& file, std::string& text, bool stopAtEnd) {
  int total = 0;
  std::string_view line;
  while (ReadFileLine(file, line) >= 0) {
    if (stopAtEnd && platform::EqualsNoCase(line, "$end")) break;
    const int length = static_cast<int>(platform::CharacterCount(line));
    if (total + length >= kHistoryRecordLimit) continue;  // too long: left out, the next may fit
    const std::size_t lineEnd = line.size() < kPieceSize ? 2 : 0;
    if (text.size() + line.size() + lineEnd > kMaxText) break;  // the panel buffer is full
    text.append(line);
    total += length;
    if (lineEnd) text.append("\r\n");
  }
  return total;
}

std::optional<int> LoadFromDat(std::string& text, const std::string& directory, std::string_view romName) {
  // Scanned once per key press: read block by block rather than held whole.
  auto file = OpenStreamedTextFile(platform::JoinPath(directory, "history.dat"), TextBytes::kDisplayUtf8);
  if (!file) return std::nullopt;
  std::string_view line;
  while (ReadFileLine(*file, line) >= 0) {
    if (line.size() <= 6 || !StartsWithNoCase(line, "$info=") || !ListsGame(line, romName)) continue;
    std::string_view skipped;
    ReadFileLine(*file, skipped);  // the record's kind line
    ReadFileLine(*file, skipped);  // the blank line after it
    return TakeRecord(*file, text, true);
  }
  return 0;
}

int LoadFromXml(std::string& text, const std::string& directory, std::string_view romName) {
  auto record = ReadHistoryXmlRecord(platform::ResolvePath(platform::JoinPath(directory, "history.xml")), romName);
  if (!record) return 0;
  TextFile lines{std::move(*record), 0, nullptr};
  lines.displayText = true;
  return TakeRecord(lines, text, false);
}

}  // namespace

int LoadHistory(HistoryPanel& panel, std::string_view emulatorDirectory, int windowWidth,
                std::string_view romName) {
  const std::string directory(emulatorDirectory);
  if (directory.empty()) return 0;  // no emulator directory: never the working directory's file
  int total;
  if (auto fromDat = LoadFromDat(panel.text, directory, romName)) total = *fromDat;
  else total = LoadFromXml(panel.text, directory, romName);
  // 64-bit: the width comes from the settings and may be any int.
  if (total >= 1) panel.lineCount = WrapText(panel.text, static_cast<int>((std::int64_t(windowWidth) - 100) / 9));
  return total;
}

}  // namespace catalogue
