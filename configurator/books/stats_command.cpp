#include "configurator/books/stats_command.h"

#include <cstdio>
#include <optional>

#include "catalogue/journal.h"
#include "configurator/books/books_export.h"
#include "configurator/books/books_load.h"
#include "configurator/books/stats_messages.h"
#include "configurator/books/stats_reset.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "settings/installation_base.h"

namespace cfg {
namespace {

struct StatsOptions {
  bool reset = false;
  std::optional<std::string> base;
  std::string configuration;
  std::optional<std::string> from, to;
  bool perDay = false;
  std::string csv;
};

std::optional<StatsOptions> ParseOptions(const std::vector<std::string>& args) {
  StatsOptions o;
  o.reset = args[0] == "--stats-reset";
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--per-day" && !o.reset) {
      o.perDay = true;
      continue;
    }
    if (i + 1 >= args.size()) return std::nullopt;
    if (a == "--base") o.base = args[++i];
    else if (a == "--config" && !o.reset) o.configuration = args[++i];
    else if (a == "--from" && !o.reset) o.from = args[++i];
    else if (a == "--to" && !o.reset) o.to = args[++i];
    else if (a == "--csv" && !o.reset) o.csv = args[++i];
    else return std::nullopt;
  }
  if (!o.reset && o.csv.empty()) return std::nullopt;
  return o;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "orvanel-config : %s\n", message.c_str());
  return 1;
}

std::optional<catalogue::Date> DateOption(const std::optional<std::string>& text, bool& bad) {
  if (!text) return std::nullopt;
  const std::optional<catalogue::Date> d = catalogue::ParseIsoDate(*text);
  bad = bad || !d;
  return d;
}

int Export(const std::string& base, const StatsOptions& o) {
  bool bad = false;
  const auto from = DateOption(o.from, bad);
  const auto to = DateOption(o.to, bad);
  if (bad) return Fail(stats_text::BadDate(from || !o.from ? *o.to : *o.from));
  const BooksSource source = InstallationBooks(base);
  // A file where the journal's folder should be is not "no journal".
  if (platform::FileExists(source.journalDirectory)) return Fail(stats_text::UnreadableJournal(source.journalDirectory));
  const LoadedBooks loaded = LoadBooks(source);
  if (!loaded.readable) return Fail(stats_text::UnreadableJournal(source.journalDirectory));
  const Books books = TallyLoaded(loaded, source, PeriodOf(PeriodKind::kRange, {}, from, to), o.configuration);
  if (!books.fromJournal) std::fprintf(stderr, "orvanel-config : %s\n", stats_text::NoJournal().c_str());
  if (loaded.journal.skipped > 0)
    std::fprintf(stderr, "orvanel-config : %s\n", stats_text::SkippedLines(loaded.journal.skipped).c_str());
  const std::string text = o.perDay ? DaysCsv(books) : GamesCsv(books);
  const std::string file = platform::AbsolutePath(o.csv);
  if (!platform::WriteFileAtomically(file, text)) return Fail(stats_text::CannotWrite(o.csv));
  std::printf("%s\n", stats_text::Exported(o.csv, o.perDay ? books.days.size() : books.games.size()).c_str());
  return 0;
}

int Reset(const std::string& base) {
  const BooksSource source = InstallationBooks(base);
  const ResetPlan plan = PlanReset(source, source.journalDirectory, platform::LocalNow());
  const ResetResult result = RunReset(plan);
  if (!result.done) return Fail(stats_text::ResetFailed(result.failedFile, result.restored));
  std::printf("%s\n", stats_text::ResetDone(plan.archive).c_str());
  return 0;
}

}  // namespace

int RunStatsCommand(const std::vector<std::string>& args) {
  const std::optional<StatsOptions> options = ParseOptions(args);
  if (!options) {
    std::fputs(stats_text::Usage(), stderr);
    return 1;
  }
  const auto inputs = settings::InputsOfThisProcess(options->base);
  const std::string base = settings::ChooseInstallation(inputs).directory;
  return options->reset ? Reset(base) : Export(base, *options);
}

}  // namespace cfg
