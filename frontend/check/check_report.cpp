#include "frontend/check/check_report.h"

#include <algorithm>
#include <cstdio>

#include "platform/message_catalogue.h"
#include "settings/start_options.h"

namespace check {
namespace {

const char* LevelCode(Level level) {
  switch (level) {
    case Level::kOk: return "OK";
    case Level::kAttention: return "ATTENTION";
    case Level::kErreur: return "ERREUR";
  }
  return "ERREUR";
}

const char* LevelWord(Level level) {
  switch (level) {
    case Level::kOk: return Tr("OK");
    case Level::kAttention: return Tr("ATTENTION");
    case Level::kErreur: return Tr("ERREUR");
  }
  return Tr("ERREUR");
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (b < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string FormatReport(const CheckLines& lines) {
  std::string out;
  for (const CheckLine& line : lines) {
    std::string word = LevelWord(line.level);
    word.resize(std::max<std::size_t>(word.size() + 1, 12), ' ');
    out += word + line.text + "\n";
  }
  return out;
}

std::string FormatJson(const CheckLines& lines, std::string_view program) {
  const auto errors = std::count_if(lines.begin(), lines.end(), [](const CheckLine& l) { return l.level == Level::kErreur; });
  std::string out = "{\n  \"program\": " + JsonString(settings::VersionLine(program)) +
                    ",\n  \"errors\": " + std::to_string(errors) + ",\n  \"lines\": [";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out += i ? ",\n    " : "\n    ";
    out += "{\"topic\": " + JsonString(lines[i].topic) + ", \"level\": " + JsonString(LevelCode(lines[i].level)) +
           ", \"text\": " + JsonString(lines[i].text) + "}";
  }
  return out + "\n  ]\n}\n";
}

int ExitCodeOf(const CheckLines& lines) {
  return std::any_of(lines.begin(), lines.end(), [](const CheckLine& l) { return l.level == Level::kErreur; }) ? 1 : 0;
}

}  // namespace check
