// The frontend chooses its window's renderer in a process of its own (the program started
// again with an argument of its own): the GL driver it loads for that, with its threads and
// some 80 MiB, then never enters the menu's process when the software renderer wins.
#pragma once

#include <optional>

namespace platform {

// In the program started for the choice: chooses, prints the verdict and gives the exit
// code. Otherwise nothing, and from then on the window's renderer is chosen that way.
std::optional<int> RunRendererChoiceIfAsked(int argc, char** argv);

// A software renderer taken from the cache loads no GL driver, so the driver's name is
// checked once the window shows, beside the menu; a changed driver is chosen for again and
// the new verdict taken as the first one is. Called by platform/window.
void StartPendingRendererCheck();

}  // namespace platform
