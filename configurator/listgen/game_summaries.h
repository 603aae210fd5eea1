// The short screen and controls texts of a game list ("Infos2", "Infos3"), built from the
// parts a listing gives. A part whose value is missing is left out.
#pragma once

#include <string>
#include <string_view>

namespace cfg {

// "v 224x288 60Hz": the orientation letter and a blank, the width and "x", the height and a
// blank, the whole hertz of the refresh rate and "Hz" ("59.185606" gives "59Hz").
std::string ScreenSummary(std::string_view orientationLetter, std::string_view width, std::string_view height,
                          std::string_view refresh);

// "2P 1B 2C joy4way": players "P ", buttons "B ", coins "C ", then the control as it is.
std::string ControlsSummary(std::string_view players, std::string_view buttons, std::string_view coins,
                            std::string_view control);

// The screen of a <display>: "v" when turned a quarter (rotate 90 or 270), else "h"; the
// size as the player sees it, so width and height swap on a turned screen.
std::string DisplaySummary(std::string_view rotate, std::string_view width, std::string_view height,
                           std::string_view refresh);

// The control of a <control>: its type, followed by its ways and "way" when it has ways
// ("joy" with ways "4" gives "joy4way"; "dial" stays "dial").
std::string ControlName(std::string_view type, std::string_view ways);

}  // namespace cfg
