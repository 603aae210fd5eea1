// The frontend program: everything happens in the start-up of the shell.
#include "frontend/shell/startup.h"
#include "platform/renderer_choice.h"

int main(int argc, char** argv) {
  // Started again by itself to choose its renderer in a process of its own.
  if (const auto code = platform::RunRendererChoiceIfAsked(argc, argv)) return *code;
  return RunFrontend();
}
