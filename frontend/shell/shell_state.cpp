#include "frontend/shell/shell_state.h"

Shell gShell;
