// Which installation directory a program works on. Both programs follow one rule:
//   1. --base DIR when given;
//   2. the program's own directory when it holds config/Orvanel.ini (a portable
//      installation: everything beside the program);
//   3. otherwise the user's $XDG_DATA_HOME/orvanel (~/.local/share/orvanel), made on first
//      start as a copy of the demo installation shipped under <prefix>/share/orvanel/demo,
//      since an installed program's directory (/usr/bin) is not writable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

enum class InstallationKind { kGiven, kBesideProgram, kUserData };

struct InstallationChoice {
  std::string directory;
  InstallationKind kind = InstallationKind::kBesideProgram;
};

struct InstallationInputs {
  std::string programDirectory;
  std::optional<std::string> baseOption;  // --base DIR
  std::string xdgDataHome;                // $XDG_DATA_HOME ("" when unset)
  std::string home;                       // $HOME
};

// The inputs of this process: its program directory and environment.
InstallationInputs InputsOfThisProcess(std::optional<std::string> baseOption);

InstallationChoice ChooseInstallation(const InstallationInputs& inputs);

// Where the package puts the demo installation, relative to the program's directory
// (<prefix>/bin -> <prefix>/share/orvanel/demo), so any prefix works.
std::string ShippedDemoDirectory(std::string_view programDirectory);

struct PreparedInstallation {
  std::string logLine;  // for debug.txt: the installation used and how it came to be
  bool made = false;    // this start made (or tried to make) the user's installation
};

// Makes the user's installation on first start: when the choice is the user's directory and
// it holds no config/Orvanel.ini yet, copies the shipped demo there.
PreparedInstallation PrepareInstallation(const InstallationChoice& choice, std::string_view shippedDemo);

}  // namespace settings
