#include "configurator/books/stats_reset.h"

#include <cstdio>
#include <optional>
#include <set>

#include "catalogue/journal.h"
#include "platform/copy_tree.h"
#include "platform/durable_files.h"
#include "platform/file_writer.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace cfg {
namespace {

using Kind = ResetStep::Kind;

std::string ArchiveName(const platform::LocalDateTime& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "archive-%04d-%02d-%02d_%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return buf;
}

// What a failed run must undo.
struct Undo {
  std::vector<std::string> scratchFiles;
  std::vector<std::pair<std::string, std::string>> changed;  // path, content before
  bool sealed = false;
};

void RemoveFolderFiles(const std::string& folder, const std::vector<std::string>& files) {
  for (const std::string& f : files) platform::RemoveRegularFile(f);
  platform::RemoveEmptyDirectory(platform::JoinPath(folder, "configurations"));
  platform::RemoveEmptyDirectory(folder);
}

bool Restore(const Undo& undo) {
  bool all = true;
  for (const auto& [path, content] : undo.changed) all = platform::WriteFileAtomically(path, content) && all;
  return all;
}

bool RunStep(const ResetPlan& plan, const ResetStep& step, Undo& undo) {
  switch (step.kind) {
    case Kind::kArchive: {
      const std::optional<std::string> content = platform::ReadWholeFile(step.source);
      if (!content || !platform::MakeDirectories(std::string(platform::DirectoryPart(step.target)))) return false;
      if (!platform::WriteFileAtomically(step.target, *content)) return false;
      undo.scratchFiles.push_back(step.target);
      return true;
    }
    case Kind::kSeal:
      if (!platform::RenameDurably(plan.scratch, plan.archive)) return false;
      undo.sealed = true;
      return true;
    case Kind::kClear:
    case Kind::kRemove: {
      const std::optional<std::string> before = platform::ReadWholeFile(step.source);
      if (!before) return false;
      const bool ok = step.kind == Kind::kClear ? platform::WriteFileAtomically(step.source, "")
                                                : platform::RemoveRegularFile(step.source);
      if (ok) undo.changed.emplace_back(step.source, *before);
      return ok;
    }
  }
  return false;
}

}  // namespace

ResetPlan PlanReset(const BooksSource& source, const std::string& statsDirectory, const platform::LocalDateTime& now) {
  ResetPlan plan;
  // A scratch folder left by a reset cut short is never reused: it may hold files of
  // another set.
  const auto taken = [&](const std::string& n) {
    return platform::DirectoryExists(platform::JoinPath(statsDirectory, n)) ||
           platform::DirectoryExists(platform::JoinPath(statsDirectory, "." + n + ".partial"));
  };
  std::string name = ArchiveName(now);
  for (int n = 2; taken(name); ++n) name = ArchiveName(now) + "-" + std::to_string(n);
  plan.archive = platform::JoinPath(statsDirectory, name);
  plan.scratch = platform::JoinPath(statsDirectory, "." + name + ".partial");
  std::vector<ResetStep> clears;
  std::set<std::string> cleared;  // two configurations may share a list
  const auto add = [&](const std::string& file, const std::string& archived, Kind after) {
    if (!platform::FileExists(file)) return;
    plan.steps.push_back({Kind::kArchive, file, platform::JoinPath(plan.scratch, archived)});
    if (cleared.insert(file).second) clears.push_back({after, file, {}});
  };
  add(source.globalFile, "Orvanel.sta", Kind::kClear);
  for (const ListStatistics& l : source.lists) add(l.path, "configurations/" + l.configuration + ".sta", Kind::kClear);
  for (const std::string& month : catalogue::JournalFiles(source.journalDirectory))
    add(month, std::string(platform::FileNamePart(month)), Kind::kRemove);
  plan.steps.push_back({Kind::kSeal, plan.scratch, plan.archive});
  plan.steps.insert(plan.steps.end(), clears.begin(), clears.end());
  return plan;
}

ResetResult RunReset(const ResetPlan& plan) {
  ResetResult result;
  Undo undo;
  for (const ResetStep& step : plan.steps) {
    if (RunStep(plan, step, undo)) continue;
    result.failedFile = step.kind == Kind::kArchive ? step.target : step.source;
    result.restored = Restore(undo);
    // The archive goes once nothing needs it; while a counter could not be put back, it
    // holds the old books.
    if (result.restored) RemoveFolderFiles(undo.sealed ? plan.archive : plan.scratch, [&] {
        std::vector<std::string> files;
        for (const std::string& f : undo.scratchFiles)
          files.push_back(undo.sealed ? plan.archive + f.substr(plan.scratch.size()) : f);
        return files;
      }());
    return result;
  }
  result.done = true;
  return result;
}

}  // namespace cfg
