// The journal line of a game run, appended once the game has ended (never while it runs).
#pragma once

#include <string>
#include <string_view>

#include "catalogue/game_list.h"
#include "catalogue/journal.h"

namespace shell {

// The list's full name of the game (UTF-8), or the ROM name when the list has no such game.
std::string JournalFullName(const catalogue::GameList& list, std::string_view romName);

// Appends the run to the month file of its start under <base>/stats. A full disk or a
// folder that cannot be written costs the line only (the .sta keep the run); debug.txt says
// so. False when the line was lost.
bool AppendJournalLine(const std::string& base, const catalogue::JournalRun& run);

}  // namespace shell
