#include "configurator/pagemodel/missing_paths.h"

#include "configurator/pagemodel/installation.h"
#include <array>
#include <optional>

#include "platform/files.h"
#include "platform/message_catalogue.h"
#include "platform/process.h"
#include "settings/emulator_program.h"
#include "settings/setting_fields.h"

namespace cfg {
namespace {

using enum settings::SettingId;

enum class PathKind { kProgram, kFolder, kFolderOrFile };

struct CheckedPath {
  settings::SettingId id;
  std::string_view label;  // the page's button beside the field
  PathKind kind;
};

// Made at each use: the labels follow the language in use.
std::array<CheckedPath, 14> CheckedPaths() {
  return {{{EmuExe, Tr("Émulateur"), PathKind::kProgram},
           {RomDir, "Roms", PathKind::kFolder},
           {SnapDir, "Snap", PathKind::kFolder},
           {MarqueesDir, "Marquees", PathKind::kFolder},
           {IconsDir, Tr("Icônes"), PathKind::kFolder},
           {MusicFond, Tr("Musique"), PathKind::kFolderOrFile},
           {SlideShowDir, Tr("Diaporama"), PathKind::kFolder},
           {Custom1Dir, "Custom 1", PathKind::kFolder},
           {Custom2Dir, "Custom 2", PathKind::kFolder},
           {Custom3Dir, "Custom 3", PathKind::kFolder},
           {Custom4Dir, "Custom 4", PathKind::kFolder},
           {Custom5Dir, "Custom 5", PathKind::kFolder},
           {Custom6Dir, "Custom 6", PathKind::kFolder},
           {VideoDir, Tr("Vidéos"), PathKind::kFolder}}};
}

std::optional<CheckedPath> Find(settings::SettingId id) {
  for (const CheckedPath& c : CheckedPaths())
    if (c.id == id) return c;
  return std::nullopt;
}

// What is missing ("Répertoire introuvable") and where it was looked for; empty when found.
struct Missing {
  std::string what;
  std::string where;
};

Missing Look(std::string_view base, const CheckedPath& checked, std::string_view value) {
  if (value.empty()) return {};
  if (checked.kind == PathKind::kProgram) {
    const std::string program = settings::EmulatorProgramPath(base, value);
    if (program.find('/') == std::string::npos)
      return platform::FindProgram(program).empty()
                 ? Missing{Tr("Programme introuvable"), platform::FormatText(Tr("%1 (dans le PATH)"), {program})}
                 : Missing{};
    return platform::FileExists(program) ? Missing{} : Missing{Tr("Programme introuvable"), program};
  }
  const std::string path = ExpandPath(base, value);
  if (platform::DirectoryExists(path)) return {};
  if (checked.kind == PathKind::kFolder) return {Tr("Répertoire introuvable"), path};
  return platform::FileExists(path) ? Missing{} : Missing{Tr("Fichier ou répertoire introuvable"), path};
}

}  // namespace

std::string MissingText(std::string_view base, settings::SettingId id, std::string_view value) {
  const std::optional<CheckedPath> checked = Find(id);
  const Missing missing = checked ? Look(base, *checked, value) : Missing{};
  return missing.what.empty() ? std::string() : platform::FormatText(Tr("%1 : %2"), {missing.what, missing.where});
}

std::vector<std::string> MissingPaths(std::string_view base, const Settings& settings) {
  std::vector<std::string> lines;
  for (const CheckedPath& c : CheckedPaths()) {
    const Missing missing = Look(base, c, settings::FieldText(settings, settings::Key(c.id)));
    if (!missing.what.empty()) lines.push_back(platform::FormatText(Tr("%1 : %2"), {c.label, missing.where}));
  }
  return lines;
}

std::string SaveQuestionText(const std::vector<std::string>& missing) {
  std::string text;
  if (!missing.empty()) {
    text = missing.size() == 1 ? Tr("Ce chemin n'existe pas :\n") : Tr("Ces chemins n'existent pas :\n");
    for (const std::string& line : missing) text += "    " + line + "\n";
    text += "\n";
  }
  return text + Tr("Enregistrer les modifications ?");
}

}  // namespace cfg
