#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "configurator/layouteditor/editor_session.h"

namespace cfg {

// OrvanelConfig --import mamewah|atomicfe SOURCE DEST.cfg: converts a foreign layout without a
// window. `args` are the arguments after the program name. Returns the exit code.
int RunImportCommand(const std::vector<std::string>& args);

// The same against a given desktop size, reporting on the given streams: 0 when DEST was
// written, 1 otherwise (with the editor's message, or the usage).
int RunImport(const std::vector<std::string>& args, DesktopSize desktop, std::ostream& out, std::ostream& err);

}  // namespace cfg
