#include "configurator/listgen/filter_command.h"

#include <iostream>
#include <optional>

#include "configurator/listgen/filter_inputs.h"
#include "platform/message_catalogue.h"

using catalogue::FilterGameList;
using catalogue::GameFilter;

namespace cfg {
namespace {

const char* Usage() {
  return Tr(
      "usage : orvanel-config --filter --list LISTE.txt --output config/NOM/Liste.ini [--catver F] [--nplayers F]\n"
      "        [--category \"Genre/Sous-genre\"]... [--no-mature] [--players N] [--orientation v|h] [--parents-only]\n"
      "        [--years A-B] [--control NOM]...\n");
}

struct FilterOptions {
  std::string list;
  std::string output;
  std::string catver;
  std::string nplayers;
  GameFilter filter;
};

// A whole non-negative number of at most four digits, or nothing.
std::optional<int> SmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

// "A-B", "A-" or "-B".
bool ParseYears(std::string_view text, GameFilter& filter) {
  const std::size_t dash = text.find('-');
  if (dash == std::string_view::npos) return false;
  const std::string_view from = text.substr(0, dash);
  const std::string_view to = text.substr(dash + 1);
  if (from.empty() && to.empty()) return false;
  const auto a = from.empty() ? std::optional<int>(0) : SmallNumber(from);
  const auto b = to.empty() ? std::optional<int>(0) : SmallNumber(to);
  if (!a || !b || (*b && *a > *b)) return false;
  filter.yearFrom = *a;
  filter.yearTo = *b;
  return true;
}

std::optional<FilterOptions> ParseOptions(const std::vector<std::string>& args) {
  FilterOptions o;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--no-mature") o.filter.noMature = true;
    else if (a == "--parents-only") o.filter.parentsOnly = true;
    else if (!hasValue) return std::nullopt;
    else if (a == "--list") o.list = args[++i];
    else if (a == "--output") o.output = args[++i];
    else if (a == "--catver") o.catver = args[++i];
    else if (a == "--nplayers") o.nplayers = args[++i];
    else if (a == "--category") o.filter.categories.push_back(args[++i]);
    else if (a == "--control") o.filter.controls.push_back(args[++i]);
    else if (a == "--players") {
      const auto n = SmallNumber(args[++i]);
      if (!n || *n == 0) return std::nullopt;
      o.filter.players = *n;
    } else if (a == "--orientation") {
      const std::string& v = args[++i];
      if (v != "v" && v != "h") return std::nullopt;
      o.filter.orientation = v[0];
    } else if (a == "--years") {
      if (!ParseYears(args[++i], o.filter)) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (o.list.empty() || o.output.empty()) return std::nullopt;
  return o;
}

}  // namespace

int RunFilter(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<FilterOptions> o = ParseOptions(args);
  if (!o) {
    err << Usage();
    return 1;
  }
  if ((o->filter.noMature || !o->filter.categories.empty()) && o->catver.empty()) {
    err << Tr("--category et --no-mature demandent --catver\n");
    return 1;
  }
  FilterInputs inputs;
  if (const auto unread = ReadFilterInputs(o->list, o->catver, o->nplayers, inputs)) {
    err << platform::FormatText(Tr("impossible de lire %1\n"), {*unread});
    return 1;
  }
  const std::int32_t total = inputs.list.entryCount;
  const std::vector<std::string> names = FilterGameList(inputs.list, o->filter, inputs.Sources());
  switch (WriteFilterFile(o->output, names)) {
    case FilterWrite::kNothingPasses:
      err << platform::FormatText(Tr("aucun jeu sur %1 ne passe le filtre : %2 reste tel quel\n"),
                                  {std::to_string(total), o->output});
      return 1;
    case FilterWrite::kCannotWrite:
      err << platform::FormatText(Tr("impossible d'écrire %1\n"), {o->output});
      return 1;
    case FilterWrite::kWritten:
      break;
  }
  out << platform::FormatText(Tr("%1 jeux sur %2 écrits dans %3\n"),
                              {std::to_string(names.size()), std::to_string(total), o->output});
  return 0;
}

int RunFilterCommand(const std::vector<std::string>& args) { return RunFilter(args, std::cout, std::cerr); }

}  // namespace cfg
