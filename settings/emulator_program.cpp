#include "settings/emulator_program.h"

#include "platform/paths.h"
#include "settings/read_settings.h"

namespace settings {

std::string ProgramPath(std::string_view directory, std::string_view program) {
  if (directory.empty()) return std::string(program);
  return platform::ResolvePath(std::string(directory) + "/" + std::string(program));
}

std::string EmulatorProgramPath(std::string_view base, std::string_view emuExe) {
  std::string directory, program;
  SplitEmuExe(emuExe, base, directory, program);
  return ProgramPath(directory, program);
}

std::string StoredEmulatorPath(std::string_view base, std::string_view chosen) {
  std::string stored = platform::MakeRelativePath(base, chosen);
  if (stored.find_first_of("\\/") == std::string::npos) stored = ".\\" + stored;
  return stored;
}

}  // namespace settings
