#include "frontend/shell/input_notice.h"

#include "platform/debug_log.h"
#include "platform/input_access.h"
#include "platform/message_catalogue.h"
#include "platform/video_driver_choice.h"

namespace shell {

std::string CheckInputDevices(const std::string& directory) {
  // Under a display server the server reads the devices for us.
  if (!platform::KmsVideoDriverRunning()) return {};
  const platform::InputNodes nodes = platform::SurveyInputNodes(directory);
  if (nodes.unreadable.empty()) return {};
  std::string names;
  for (const std::string& name : nodes.unreadable) names += " " + name;
  platform::WriteLog("Touches illisibles : ajoutez l'utilisateur au groupe input (" + directory + ") ; illisibles :" + names,
                     1, 1);
  return platform::FormatText(Tr("Touches illisibles : ajoutez l'utilisateur au groupe input (%1)"), {directory});
}

}  // namespace shell
