// The common dialogs the pages share. Paths are the platform's (UTF-8 bytes); filters are
// Qt filter strings ("Fichiers ini (*.ini *.INI);;Tous les fichiers (*)").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QString>

class QWidget;

namespace cfg {

// Open an existing file. The dialog starts in the directory of `path` with its name
// proposed, or in <base>/Templates with "Layout.cfg" when `path` is empty. True with
// `path` replaced by the choice; false when cancelled.
bool AskOpenFile(QWidget* owner, const std::string& base, std::string& path, const QString& filter,
                 const QString& title);
// The same for saving: asks before replacing a file; default extension "cfg".
bool AskSaveFile(QWidget* owner, const std::string& base, std::string& path, const QString& filter,
                 const QString& title, const char* defaultSuffix = "cfg");
// A folder, starting at `start` when it exists.
std::optional<std::string> AskFolder(QWidget* owner, const std::string& start, const QString& title);
// A colour as 0x00RRGGBB.
bool AskColour(QWidget* owner, std::uint32_t& colour);
// A face and a point size.
bool AskFont(QWidget* owner, std::string& face, int& size);

}  // namespace cfg
