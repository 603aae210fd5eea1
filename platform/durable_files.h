// Writes that must survive a power cut without a whole-file replace: a record appended to
// a growing log (the journal of runs), a folder renamed into place (an archive made whole
// before it gets its final name).
#pragma once

#include <string>
#include <string_view>

namespace platform {

enum class AppendResult { kWritten, kNoSpace, kFailed };

// Appends `record` with one write to the file opened with O_APPEND, then fsync; the folder
// is created when missing and synced when the file is new. `header` goes first, in the
// same write, when the file is new or empty. When the file does not end with a line end (a
// record cut by a power cut), "\r\n" goes first so the cut record stays a line of its own
// and the new one is whole. A full disk (or an injected kWriteNoSpace, files.h) gives
// kNoSpace; the file then keeps what it had, or a cut record that readers skip.
AppendResult AppendRecordDurably(const std::string& path, std::string_view record, std::string_view header);

// rename(2) of a file or folder, then fsync of the destination's folder. False when the
// rename failed (the source is then as it was) or a write fault is injected (files.h).
bool RenameDurably(const std::string& from, const std::string& to);

// Removes an empty folder; false when it is not one.
bool RemoveEmptyDirectory(const std::string& path);

}  // namespace platform
