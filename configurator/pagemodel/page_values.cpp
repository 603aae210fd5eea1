#include "configurator/pagemodel/page_values.h"

#include "settings/setting_fields.h"

namespace cfg {

int ExitModeFromCheckBox(int read, bool checked) {
  if (checked) return 1;
  return read == 1 ? 0 : read;
}

int StepRotation(int rotation, bool up) {
  return (settings::QuarterTurns(rotation) + (up ? 3 : 1)) % 4;
}

std::string RotationText(int rotation) { return std::to_string(settings::QuarterTurns(rotation) * 90) + "°"; }

}  // namespace cfg
