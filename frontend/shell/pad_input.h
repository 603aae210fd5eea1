// The joysticks' events in the shell: what their controls do, and the repeat of a held
// control, which acts again after the keyboard's first delay and at its rate, as a held
// key does.
#pragma once

#include <cstdint>
#include <optional>

#include "catalogue/catalogue_state.h"
#include "frontend/shell/pad_devices.h"
#include "platform/joysticks.h"

namespace platform {
struct WindowEvent;
}

namespace shell {

// A joystick event of the queue (arrival, departure, button, hat, axis) at tick `now`.
void OnPadEvent(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, const platform::WindowEvent& event, std::uint32_t now);
// A held control's repeat, when due.
void PadRepeatStep(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, std::uint32_t now);
std::optional<std::uint32_t> PadRepeatDue(const PadInputState& pads);

}  // namespace shell
