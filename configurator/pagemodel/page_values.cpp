#include "configurator/pagemodel/page_values.h"

#include "settings/setting_fields.h"

namespace cfg {

int ExitModeFromCheckBox(int current, bool checked) {
  if (checked) return 1;
  return current == 1 ? 0 : current;
}

int StepRotation(int rotation, bool up) {
  return (settings::QuarterTurns(rotation) + (up ? 3 : 1)) % 4;
}

std::string RotationText(int rotation) {
  return std::to_string(settings::QuarterTurns(rotation) * 90) + "\xC2\xB0";
}

}  // namespace cfg
