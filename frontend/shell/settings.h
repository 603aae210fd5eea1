// The frontend's one instance of the settings record, filled by LoadConfiguration.
#pragma once

#include "settings/settings.h"

extern Settings gSettings;
