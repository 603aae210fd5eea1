#include "frontend/shell/startup.h"

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/paths.h"

int RunFrontend() {
  platform::GetTickCount();
  platform::SetLogDirectory(platform::ProgramDirectory());
  platform::WriteLog("", 1, 1);
  platform::WriteLog("=== Lancement ===", 1, 1);
  platform::WriteLog("=== Fin ===", 1, 1);
  return 0;
}
