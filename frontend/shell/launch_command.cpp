#include "frontend/shell/launch_command.h"

#include <array>
#include <utility>

#include "render/picture_loading.h"
#include "platform/paths.h"
#include "settings/emulator_program.h"

using render::FindImageFile;
namespace shell {

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

std::vector<std::string> SplitEmulatorParams(std::string_view params) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;  // a quoted empty word counts as a word
  bool quoted = false;
  for (const char c : params) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::string ExpandLaunchTokens(std::string_view word, const LaunchTokens& tokens) {
  const std::array<std::pair<std::string_view, const std::string*>, 4> table{{
      {"%ROM%", &tokens.rom},
      {"%NAME%", &tokens.name},
      {"%ROMDIR%", &tokens.romDir},
      {"%EMUDIR%", &tokens.emuDir},
  }};
  std::string out;
  std::size_t i = 0;
  while (i < word.size()) {
    bool replaced = false;
    if (word[i] == '%') {
      for (const auto& [token, value] : table) {
        if (word.substr(i, token.size()) == token) {
          out += *value;
          i += token.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += word[i++];
  }
  return out;
}

std::vector<std::string> LaunchArguments(const Settings& settings, std::string_view romName) {
  std::vector<std::string> args{EmulatorPath(settings)};
  if (settings.emuParams.empty()) {
    args.push_back(RomPath(settings, romName));
    return args;
  }
  const std::string emuDir = settings.emuDirectory.empty() ? std::string() : platform::ResolvePath(settings.emuDirectory);
  const LaunchTokens tokens{RomPath(settings, romName), std::string(romName), platform::ResolvePath(settings.romDir),
                            emuDir};
  for (const std::string& word : SplitEmulatorParams(settings.emuParams))
    args.push_back(ExpandLaunchTokens(word, tokens));
  return args;
}

}  // namespace shell
