#include "frontend/shell/count_run.h"

#include "platform/debug_log.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace shell {

void CountRun(const std::string& base) {
  const std::string path = platform::ResolvePath(base + "/Orvanel.sta");
  const std::string text = platform::ReadProfileString(path, "StatGen", "NbExec", "0", 20);
  const std::int64_t count = platform::ParseDecimal(text) + 1;
  if (!platform::WriteProfileString(path, "StatGen", "NbExec", std::to_string(count)))
    platform::WriteLog("Ecriture impossible : Orvanel.sta", 1, 1);
}

}  // namespace shell
