// OrvanelConfig: the configurator. The command-line forms run without a display.
//   OrvanelConfig [--base DIR]   the window, on the installation in DIR (default: the
//                                directory of the program, as for the frontend)
#include <string>
#include <vector>

#include <QApplication>

#include "configurator/layouteditor/import_command.h"
#include "configurator/listgen/create_list_command.h"
#include "configurator/listgen/filter_command.h"
#include "configurator/config_window.h"
#include "configurator/widgets/message_boxes.h"
#include "platform/debug_log.h"
#include "platform/paths.h"

namespace {

std::string BaseDirectory(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    // Absolute from the start: a chosen folder is stored relative to it only when below it.
    if (args[i] == "--base") return platform::AbsolutePath(args[i + 1]);
  return platform::ProgramDirectory();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "--create-list") return cfg::RunCreateListCommand(args);
  if (!args.empty() && args[0] == "--import") return cfg::RunImportCommand(args);
  if (!args.empty() && args[0] == "--filter") return cfg::RunFilterCommand(args);

  const std::string base = BaseDirectory(args);
  platform::SetLogDirectory(base);
  QApplication app(argc, argv);
  cfg::InstallFrenchTranslation(app);
  cfg::InstallQtMessageBoxes();
  cfg::ConfigWindow window(base);
  window.show();
  return app.exec();
}
