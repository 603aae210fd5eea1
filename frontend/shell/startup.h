// Start-up, main loop and shutdown of the frontend.
#pragma once

// Runs the whole program and returns its exit code.
int RunFrontend();
