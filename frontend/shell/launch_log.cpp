#include "frontend/shell/launch_log.h"

#include <vector>

#include "platform/text.h"

namespace shell {

namespace {

constexpr std::size_t kLoggedLines = 5;

std::string StatusText(int exitCode) {
  if (exitCode > 128) return "signal " + std::to_string(exitCode - 128);
  return "code " + std::to_string(exitCode);
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string out;
  for (const char c : text) out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
  return out;
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

std::string RefusedNameLog(std::string_view romName, std::string_view reason) {
  return "Lancement refus\xE9, nom dangereux (" + platform::Utf8ToCp1252(reason) + ") : " + Printable(romName);
}

}  // namespace shell
