// Text taken from an emulator's listing, made fit for one line of a game list.
#pragma once

#include <string>
#include <string_view>

namespace cfg {

// Decoded listing text (UTF-8) as a game list value: in Windows-1252 when every character
// has a byte there, else left in UTF-8; with control characters turned into blanks so that no value can end its line
// and start another line or a section.
std::string ListingText(std::string_view utf8);

// The same blanking for listings that are already single-byte text.
std::string BlankControls(std::string_view bytes);

}  // namespace cfg
