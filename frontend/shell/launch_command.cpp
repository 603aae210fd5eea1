#include "frontend/shell/launch_command.h"

#include "platform/files.h"
#include "platform/paths.h"

std::string FindRomFile(const std::string& base, std::string_view extensions) {
  for (;;) {
    const std::size_t semi = extensions.find(';');
    const std::string_view ext = extensions.substr(0, semi);
    std::string candidate = base;
    if (!ext.empty()) (candidate += '.') += ext;
    candidate = platform::ResolvePath(candidate);
    if (platform::FileExists(candidate)) return candidate;
    if (semi == std::string_view::npos) break;
    extensions.remove_prefix(semi + 1);
  }
  return platform::ResolvePath(base);
}

std::string RomPath(const Settings& settings, std::string_view romName) {
  std::string base = settings.romDir;
  base += '/';
  base += romName;
  return FindRomFile(base, settings.romsExt);
}

std::string EmulatorPath(const Settings& settings) {
  if (settings.emuDirectory.empty()) return settings.emuProgram;
  return platform::ResolvePath(settings.emuDirectory + "/" + settings.emuProgram);
}

std::string BuildCommandLine(const Settings& settings, std::string_view romName) {
  std::string line = "\"" + EmulatorPath(settings) + "\" ";
  if (settings.guillemets) line += '"';
  line += RomPath(settings, romName);
  if (settings.guillemets) line += '"';
  return line;
}
