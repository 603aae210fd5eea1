// history.xml, today's form of the history database: <entry> elements that list the
// games in <systems><system name="..."/></systems> and hold the history in <text>.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/text.h"

namespace catalogue {

// The text of the first entry that lists the game (name compared without regard to case),
// in UTF-8, with LF line ends and without the blank lines around it. Nothing when the file
// cannot be read or has no such entry.
std::optional<std::string> ReadHistoryXmlRecord(const std::string& path, std::string_view romName);

}  // namespace catalogue
