#include "frontend/shell/input_notice.h"

#include "platform/debug_log.h"
#include "platform/input_access.h"
#include "platform/video_driver_choice.h"

namespace shell {

std::string CheckInputDevices(const std::string& directory) {
  // Under a display server the server reads the devices for us.
  if (!platform::KmsVideoDriverRunning()) return {};
  const platform::InputNodes nodes = platform::SurveyInputNodes(directory);
  if (nodes.unreadable.empty()) return {};
  const std::string notice = "Touches illisibles : ajoutez l'utilisateur au groupe input (" + directory + ")";
  std::string names;
  for (const std::string& name : nodes.unreadable) names += " " + name;
  platform::WriteLog(notice + " ; illisibles :" + names, 1, 1);
  return notice;
}

}  // namespace shell
