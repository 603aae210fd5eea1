#include "settings/installation_base.h"

#include <cstdlib>
#include <filesystem>

#include "platform/child_environment.h"
#include "platform/copy_tree.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "settings/settings_paths.h"

namespace settings {
namespace {

bool HoldsMainSettings(std::string_view directory) {
  return !directory.empty() && platform::FileExists(MainSettingsPath(directory));
}

// The XDG rule: a relative $XDG_DATA_HOME is ignored.
std::string UserDataDirectory(const InstallationInputs& in) {
  if (!in.xdgDataHome.empty() && in.xdgDataHome.front() == '/') return platform::JoinPath(in.xdgDataHome, "orvanel");
  if (in.home.empty()) return {};
  return platform::JoinPath(platform::JoinPath(in.home, ".local/share"), "orvanel");
}

}  // namespace

InstallationInputs InputsOfThisProcess(std::optional<std::string> baseOption) {
  return {platform::ProgramDirectory(), std::move(baseOption), platform::EnvironmentValue("XDG_DATA_HOME"),
          platform::EnvironmentValue("HOME")};
}

InstallationChoice ChooseInstallation(const InstallationInputs& in) {
  // Absolute from the start: a chosen folder is stored relative to it only when below it.
  if (in.baseOption && !in.baseOption->empty())
    return {platform::AbsolutePath(*in.baseOption), InstallationKind::kGiven};
  if (HoldsMainSettings(in.programDirectory)) return {in.programDirectory, InstallationKind::kBesideProgram};
  std::string user = UserDataDirectory(in);
  // Without any home there is nowhere else to look: the program's directory says what is missing.
  if (user.empty()) return {in.programDirectory, InstallationKind::kBesideProgram};
  return {std::move(user), InstallationKind::kUserData};
}

std::string ShippedDemoDirectory(std::string_view programDirectory) {
  const std::filesystem::path p = std::filesystem::path(programDirectory) / ".." / "share" / "orvanel" / "demo";
  std::string s = p.lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

PreparedInstallation PrepareInstallation(const InstallationChoice& choice, std::string_view shippedDemo) {
  std::string line = "Installation : " + choice.directory;
  switch (choice.kind) {
    case InstallationKind::kGiven:
      return {line + " (--base)"};
    case InstallationKind::kBesideProgram:
      return {line + " (dossier du programme)"};
    case InstallationKind::kUserData:
      break;
  }
  line += " (dossier de l'utilisateur";
  if (HoldsMainSettings(choice.directory)) return {line + ")"};
  // debug.txt goes there whatever happens next, so the user can read what went wrong.
  if (!platform::MakeDirectories(choice.directory)) return {line + ", impossible \xE0 cr\xE9\x65r)", true};
  const std::string shipped(shippedDemo);
  const std::string shippedSettings = MainSettingsPath(shipped);
  if (!platform::FileExists(shippedSettings))
    return {line + ", pas de d\xE9mo install\xE9\x65 dans " + shipped + ")", true};
  // The settings file goes last, under the name the shipped one has.
  const std::string relative = shippedSettings.substr(shipped.size() + 1);
  if (!platform::CopyDirectoryTree(shipped, choice.directory, relative))
    return {line + ", copie incompl\xE8te de " + shipped + ")", true};
  return {line + ", cr\xE9\xE9\x65 depuis " + shipped + ")", true};
}

}  // namespace settings
