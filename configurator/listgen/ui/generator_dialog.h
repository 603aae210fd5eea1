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
  std::string listFile;  // the list file to propose
};

// Told the list file a generation has just written, and whether the emulator's listing
// was MAME's (<mame>).
using ListCreated = std::function<void(const std::string& listFile, bool mameListing)>;

// Opens the modeless dialog "Création listes de ROMS" as a child of `owner`, or brings the one
// already open to the front. `sources` is asked for the page's values at each "&Créer liste";
// `created` hears of each list written.
void OpenGeneratorDialog(QWidget* owner, const std::string& baseDirectory,
                         std::function<GeneratorSources()> sources, ListCreated created = {});

}  // namespace cfg
