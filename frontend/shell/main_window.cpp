#include "frontend/shell/main_window.h"

#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_launch.h"
#include "platform/debug_log.h"
#include "platform/window.h"

namespace shell {

int CreateMainWindow(const Settings& s) {
  if (!platform::CreateMainWindow(s.modeFenetre, s.largFen, s.hautFen)) {
    platform::WriteLog("Fenetre principale impossible : " + platform::LastWindowError(), 1, 1);
    return 0;
  }
  wire::LoadAndSortGameList();
  wire::ArmScreensaver();
  return 1;
}

}  // namespace shell
