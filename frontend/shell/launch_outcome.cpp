#include "frontend/shell/launch_outcome.h"

#include <cerrno>
#include <vector>

#include "platform/text.h"

namespace shell {

namespace {

// A line an emulator wrote may be long or hold anything; the screen gets a readable piece.
constexpr std::size_t kShownLineBytes = 64;
constexpr std::size_t kLoggedLines = 5;

std::string StatusText(int exitCode) {
  if (exitCode > 128) return "signal " + std::to_string(exitCode - 128);
  return "code " + std::to_string(exitCode);
}

// Control characters would draw as boxes or cut a debug.txt line in two.
std::string Printable(std::string_view text) {
  std::string out;
  for (const char c : text) out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
  return out;
}

}  // namespace

bool IsFailedStart(int exitCode, std::uint32_t ranMs, bool endedByMenu) {
  return !endedByMenu && exitCode != 0 && ranMs < kFailedStartMs;
}

std::string FailedStartNotice(std::string_view romName, int exitCode, std::string_view lastErrorLine) {
  std::string text = "\xC9" "chec du lancement de " + Printable(romName) + " (" + StatusText(exitCode) + ")";
  if (lastErrorLine.empty()) return text;
  // The emulator's words on a second row, cut to what fits a small screen.
  std::string line = Printable(lastErrorLine);
  if (line.size() > kShownLineBytes) line = platform::CutToField(line, kShownLineBytes - 2) + "...";
  return text + "\n" + line;
}

std::string FailedStartLog(std::string_view romName, int exitCode, std::string_view errorTail) {
  std::string text = "\xC9" "chec du lancement de " + Printable(romName) + " : " + StatusText(exitCode) +
                     ", partie non compt\xE9" "e";
  // The last few lines, oldest first.
  std::vector<std::string_view> lines;
  while (!errorTail.empty()) {
    const std::size_t end = errorTail.find('\n');
    std::string_view line = errorTail.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) lines.push_back(line);
    if (end == std::string_view::npos) break;
    errorTail.remove_prefix(end + 1);
  }
  const std::size_t first = lines.size() > kLoggedLines ? lines.size() - kLoggedLines : 0;
  for (std::size_t i = first; i < lines.size(); ++i) text += "\r\n  " + Printable(lines[i]);
  return text;
}

std::string StartErrorText(int error) {
  switch (error) {
    case ENOENT: return "introuvable";
    case EACCES: return "non ex\xE9" "cutable (droits)";
    case ENOEXEC: return "format de programme inconnu";
    case ENOTDIR: return "r\xE9" "pertoire introuvable";
    default: return "erreur " + std::to_string(error);
  }
}

std::string RefusedNameNotice(std::string_view romName, std::string_view reason) {
  return "Lancement refus\xE9 : le nom \xAB " + Printable(romName) + " \xBB " + std::string(reason);
}

std::string RefusedNameLog(std::string_view romName, std::string_view reason) {
  return "Lancement refus\xE9, nom dangereux (" + std::string(reason) + ") : " + Printable(romName);
}

}  // namespace shell
