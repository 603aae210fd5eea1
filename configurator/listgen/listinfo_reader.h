// The text listing of old emulators: blocks "game (" ... ")" of "key value" lines.
#pragma once

#include <string>
#include <string_view>

namespace cfg {

class GameListBuilder;

// Hands every game block of the listing file to `games`. False when it cannot be read.
bool ReadListInfoFile(const std::string& path, GameListBuilder& games);
bool ReadListInfoText(std::string_view text, GameListBuilder& games);

// The summaries of a "video ( ... )" and an "input ( ... )" line (the text after the
// key): each part only when its marker is on the line with a value after it.
// "screen raster orientation horizontal x 256 y 224 freq 60.000000" gives "h 256x224 60Hz".
std::string ListInfoScreen(std::string_view video);
std::string ListInfoControls(std::string_view input);

}  // namespace cfg
