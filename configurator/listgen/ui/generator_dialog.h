#pragma once
#include <functional>
#include <string>

class QWidget;

namespace cfg {

// The emulator and ROM folder as the Emus page shows them when "&Créer liste" is pressed
// (expanded to absolute paths, saved or not).
struct GeneratorSources {
  std::string emulator;
  std::string romDirectory;
};

// Opens the modeless dialog "Création listes de ROMS" as a child of `owner`, or brings the one
// already open to the front. `sources` is asked for the page's values at each "&Créer liste".
void OpenGeneratorDialog(QWidget* owner, const std::string& baseDirectory,
                         std::function<GeneratorSources()> sources);

}  // namespace cfg
