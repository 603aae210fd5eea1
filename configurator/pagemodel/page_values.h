// The values the settings pages show or step through that are not plain file text.
#pragma once

#include <string>

namespace cfg {

// The exit mode after the check box "Fermer windows en quittant": checked is 1; unchecked
// is the mode read from the file (2 runs AppSortie), or 0 when that was 1.
int ExitModeFromCheckBox(int read, bool checked);

// One quarter turn on the rotation field: up subtracts 90 degrees, down adds 90.
int StepRotation(int rotation, bool up);
// The rotation field's text: "180°" (UTF-8).
std::string RotationText(int rotation);

}  // namespace cfg
