#include "configurator/listgen/game_summaries.h"

namespace cfg {
namespace {

void AddPart(std::string& out, std::string_view value, std::string_view suffix) {
  if (value.empty()) return;
  out += value;
  out += suffix;
}

std::string_view LeadingDigits(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && s[n] >= '0' && s[n] <= '9') ++n;
  return s.substr(0, n);
}

}  // namespace

std::string ScreenSummary(std::string_view orientationLetter, std::string_view width, std::string_view height,
                          std::string_view refresh) {
  std::string out;
  AddPart(out, orientationLetter.substr(0, 1), " ");
  AddPart(out, width, "x");
  AddPart(out, height, " ");
  AddPart(out, refresh.substr(0, refresh.find('.')), "Hz");
  return out;
}

std::string ControlsSummary(std::string_view players, std::string_view buttons, std::string_view coins,
                            std::string_view control) {
  std::string out;
  AddPart(out, players, "P ");
  AddPart(out, buttons, "B ");
  AddPart(out, coins, "C ");
  out += control;
  return out;
}

std::string DisplaySummary(std::string_view rotate, std::string_view width, std::string_view height,
                           std::string_view refresh) {
  const bool turned = rotate == "90" || rotate == "270";
  return turned ? ScreenSummary("v", height, width, refresh) : ScreenSummary("h", width, height, refresh);
}

std::string ControlName(std::string_view type, std::string_view ways) {
  std::string out(type);
  const std::string_view count = LeadingDigits(ways);
  if (!out.empty() && !count.empty()) {
    out += count;
    out += "way";
  }
  return out;
}

}  // namespace cfg
