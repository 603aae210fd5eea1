// The installation and what its settings name: files that must be there and writable,
// each configuration's emulator, ROM folder, list and media folders.
#include <algorithm>
#include <string>
#include <string_view>

#include "frontend/check/self_check.h"
#include "platform/files.h"
#include "platform/message_catalogue.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/system_probes.h"
#include "platform/text.h"
#include "render/media_files.h"
#include "settings/emulator_program.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

namespace check {
namespace {

using platform::FormatText;

bool HasExtension(std::string_view name, std::string_view extensions) {
  std::size_t from = 0;
  while (from <= extensions.size()) {
    const std::size_t end = std::min(extensions.find(';', from), extensions.size());
    if (platform::EndsWithNoCase(name, std::string(".") + std::string(extensions.substr(from, end - from)))) return true;
    from = end + 1;
  }
  return false;
}

struct MediaCount {
  int pictures = 0;
  int clips = 0;
  int files = 0;
};

MediaCount CountMedia(const std::string& directory) {
  MediaCount count;
  for (const platform::DirEntry& e : platform::ListDirectory(directory)) {
    if (e.isDirectory) continue;
    ++count.files;
    if (HasExtension(e.name, render::kImageExtensions)) ++count.pictures;
    if (HasExtension(e.name, render::kClipExtensions)) ++count.clips;
  }
  return count;
}

void CheckMediaFolder(CheckLines& out, const std::string& config, const char* what, const std::string& setting) {
  if (setting.empty()) return;
  const std::string directory = platform::ResolvePath(setting);
  if (!platform::DirectoryExists(directory)) {
    out.push_back({"settings", Level::kAttention,
                   FormatText(Tr("%1 : dossier %2 introuvable : %3"), {config, what, directory})});
    return;
  }
  const MediaCount n = CountMedia(directory);
  out.push_back({"settings", Level::kOk,
                 FormatText(Tr("%1 : dossier %2 %3 (%4 images, %5 clips)"),
                            {config, what, directory, std::to_string(n.pictures), std::to_string(n.clips)})});
}

void CheckConfiguration(CheckLines& out, const std::string& base, const std::string& name) {
  const auto file = platform::ProfileFile::Load(settings::ConfigurationPath(base, name));
  if (!file) {
    out.push_back({"settings", Level::kErreur,
                   FormatText(Tr("%1 : %2 illisible"), {name, settings::ConfigurationPath(base, name)})});
    return;
  }
  Settings s;
  settings::ReadConfigSettings(*file, base, s);
  // As the menu opens them: "\" separators and any letter case.
  const std::string romDir = s.romDir.empty() ? std::string() : platform::ResolvePath(s.romDir);
  const std::string list = platform::ResolvePath(s.fichierDescription);
  const std::string emulator = platform::ResolvePath(settings::ProgramPath(s.emuDirectory, s.emuProgram));
  const std::string found = s.emuDirectory.empty() ? platform::FindProgram(s.emuProgram) : emulator;
  if (s.emuProgram.empty())
    out.push_back({"settings", Level::kErreur, FormatText(Tr("%1 : aucun émulateur n'est réglé (EmuExe)"), {name})});
  else if (found.empty() || !platform::IsExecutableFile(found))
    out.push_back({"settings", Level::kErreur, FormatText(Tr("%1 : émulateur introuvable : %2"), {name, emulator})});
  else
    out.push_back({"settings", Level::kOk, FormatText(Tr("%1 : émulateur %2"), {name, found})});

  if (s.romDir.empty())
    out.push_back({"settings", Level::kAttention, FormatText(Tr("%1 : aucun dossier des ROM n'est réglé"), {name})});
  else if (!platform::DirectoryExists(romDir))
    out.push_back({"settings", Level::kErreur, FormatText(Tr("%1 : dossier des ROM introuvable : %2"), {name, romDir})});
  else
    out.push_back({"settings", Level::kOk,
                   FormatText(Tr("%1 : dossier des ROM %2 (%3 fichiers)"),
                              {name, romDir, std::to_string(CountMedia(romDir).files)})});

  if (!platform::FileExists(list))
    out.push_back({"settings", Level::kErreur, FormatText(Tr("%1 : liste de jeux introuvable : %2"), {name, list})});
  else
    out.push_back({"settings", Level::kOk, FormatText(Tr("%1 : liste de jeux %2"), {name, list})});

  CheckMediaFolder(out, name, Tr("des captures"), s.snapDir);
  CheckMediaFolder(out, name, Tr("des marquees"), s.marqueesDir);
  CheckMediaFolder(out, name, Tr("des icônes"), s.iconsDir);
  CheckMediaFolder(out, name, Tr("des clips"), s.videoDir);
  for (std::size_t i = 0; i < s.customDir.size(); ++i)
    CheckMediaFolder(out, name, FormatText(Tr("Custom%1"), {std::to_string(i + 1)}).c_str(), s.customDir[i]);
}

}  // namespace

CheckLines CheckInstallation(const CheckInputs& in) {
  CheckLines out;
  if (!platform::DirectoryExists(in.base)) {
    out.push_back({"installation", Level::kAttention,
                   FormatText(Tr("Installation : %1 n'existe pas encore ; le menu la crée avec la démo à son premier "
                                 "démarrage"),
                              {in.base})});
    return out;
  }
  if (platform::DirectoryWritable(in.base))
    out.push_back({"installation", Level::kOk, FormatText(Tr("Installation : %1 (modifiable)"), {in.base})});
  else
    out.push_back({"installation", Level::kErreur,
                   FormatText(Tr("Installation : %1 n'est pas modifiable : ni les statistiques ni debug.txt ne "
                                 "peuvent y être écrits"),
                              {in.base})});
  const std::string mainPath = settings::MainSettingsPath(in.base);
  const auto main = platform::ProfileFile::Load(mainPath);
  if (!main) {
    out.push_back({"settings", Level::kErreur, FormatText(Tr("Réglages : %1 introuvable"), {mainPath})});
    return out;
  }
  Settings s;
  settings::ReadGeneralSettings(*main, s);
  const std::string start = s.lastEmu.empty() ? s.emuBase : s.lastEmu;
  if (start.empty())
    out.push_back({"settings", Level::kErreur, Tr("Réglages : ni LastEmu ni EmuBase ne nomme une configuration")});
  else
    out.push_back({"settings", Level::kOk, FormatText(Tr("Réglages : %1, configuration de départ %2"), {mainPath, start})});

  const std::string configs = platform::JoinPath(in.base, "config");
  bool any = false;
  auto entries = platform::ListDirectory(configs);
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  for (const platform::DirEntry& e : entries) {
    if (!e.isDirectory || !platform::FileExists(settings::ConfigurationPath(in.base, e.name))) continue;
    any = true;
    CheckConfiguration(out, in.base, e.name);
  }
  if (!any) out.push_back({"settings", Level::kErreur, FormatText(Tr("Réglages : aucune configuration dans %1"), {configs})});
  return out;
}

}  // namespace check
