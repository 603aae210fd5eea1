#include "frontend/shell/settings.h"

Settings gSettings;
