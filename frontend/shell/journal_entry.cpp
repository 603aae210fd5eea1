#include "frontend/shell/journal_entry.h"

#include "platform/debug_log.h"
#include "platform/durable_files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace shell {

std::string JournalFullName(const catalogue::GameList& list, std::string_view romName) {
  const std::int32_t position = catalogue::FindEntryByName(list, romName);
  if (position >= 0 && position < list.entryCount && std::size_t(position) < list.displayOrder.size()) {
    const auto index = std::size_t(list.displayOrder[std::size_t(position)]);
    // Position 0 also stands for "none": only a matching name counts.
    if (index < list.entries.size() && platform::EqualsNoCase(list.entries[index].romName, romName))
      return platform::ToUtf8ForDisplay(list.entries[index].fullName);
  }
  return platform::ToUtf8ForDisplay(romName);
}

bool AppendJournalLine(const std::string& base, const catalogue::JournalRun& run) {
  const std::string path = platform::JoinPath(catalogue::JournalDirectory(base), catalogue::JournalFileName(run.start.date));
  const platform::AppendResult result =
      platform::AppendRecordDurably(path, catalogue::FormatJournalLine(run), catalogue::kJournalHeader);
  if (result == platform::AppendResult::kWritten) return true;
  platform::WriteLog(std::string("Journal des parties : ligne perdue pour ") + run.romName +
                         (result == platform::AppendResult::kNoSpace ? " (disque plein)" : " (\xE9" "criture impossible)") +
                         ", la partie reste compt\xE9" "e dans les .sta",
                     1, 1);
  return false;
}

}  // namespace shell
