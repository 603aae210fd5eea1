// OrvanelConfig: the configurator. The command-line forms run without a display.
#include <string>
#include <vector>

#include <QApplication>
#include <QLabel>

#include "configurator/layouteditor/import_command.h"
#include "configurator/listgen/create_list_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "--create-list") return cfg::RunCreateListCommand(args);
  if (!args.empty() && args[0] == "--import") return cfg::RunImportCommand(args);

  QApplication app(argc, argv);
  QLabel placeholder("Orvanel Config");
  placeholder.show();
  return app.exec();
}
