// The XML listing of an emulator, read as a stream in both of its forms: the old one with
// <game> elements (<video>, <input buttons control>) and today's with <machine> elements
// (<display>, <input> with <control> children). Attributes are read by name, so their
// order and the element's line breaks do not matter.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace cfg {

class GameListBuilder;

// Hands every game of the listing file to `games`. BIOS sets, devices and machines that
// cannot run on their own are not games. False when the file cannot be read; a listing
// cut short or malformed gives the games that were complete before the fault.
bool ReadListXmlFile(const std::string& path, GameListBuilder& games);
bool ReadListXmlText(std::string_view text, GameListBuilder& games);
// The listing as it arrives in pieces; slim: drop the parts the list never reads before
// parsing (what the readers above do), which must not change the result.
bool ReadListXmlPieces(std::span<const std::string_view> pieces, GameListBuilder& games, bool slim);

}  // namespace cfg
