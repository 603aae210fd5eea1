// The self-check's report: one sentence a line, each with its verdict, as text for a person
// and as JSON for a support request.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace check {

enum class Level { kOk, kAttention, kErreur };

struct CheckLine {
  std::string topic;  // "installation", "display", ... (the JSON's key; never translated)
  Level level = Level::kOk;
  std::string text;
};
using CheckLines = std::vector<CheckLine>;

// "OK          text" lines, the verdict words in the language in use.
std::string FormatReport(const CheckLines& lines);
// {"program": ..., "errors": n, "lines": [{"topic", "level", "text"}, ...]}; levels stay
// "OK", "ATTENTION", "ERREUR" whatever the language, for tools that read them.
std::string FormatJson(const CheckLines& lines, std::string_view program);
// 0 when no line is ERREUR, else 1.
int ExitCodeOf(const CheckLines& lines);

}  // namespace check
