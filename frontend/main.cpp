// The frontend program: everything happens in the start-up of the shell.
#include "frontend/shell/startup.h"

int main() { return RunFrontend(); }
