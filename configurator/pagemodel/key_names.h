// What the General page shows for a stored KeyCode: the key's name as printed on a US
// keyboard at that place (the KeyCode is a key position, not a character), followed by
// the code itself, which the kiosk lock field is typed with.
#pragma once

#include <string>

namespace cfg {

// "Bas (672)", "A (60)", "Alt ou F10 seul (999)", "Aucune" for 0, "Touche 300" unknown.
std::string KeyName(int keyCode);

}  // namespace cfg
