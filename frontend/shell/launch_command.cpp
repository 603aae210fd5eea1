#include "frontend/shell/launch_command.h"

#include "render/picture_loading.h"
#include "platform/paths.h"
#include "settings/emulator_program.h"

std::string RomPath(const Settings& settings, std::string_view romName) {
  std::string path = settings.romDir;
  path += '/';
  path += romName;
  if (!FindImageFile(path, settings.romsExt)) path = platform::ResolvePath(path);
  return path;
}

std::string EmulatorPath(const Settings& settings) {
  return settings::ProgramPath(settings.emuDirectory, settings.emuProgram);
}

std::string BuildCommandLine(const Settings& settings, std::string_view romName) {
  std::string line = "\"" + EmulatorPath(settings) + "\" ";
  if (settings.guillemets) line += '"';
  line += RomPath(settings, romName);
  if (settings.guillemets) line += '"';
  return line;
}
