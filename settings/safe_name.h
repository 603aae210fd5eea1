// Names that become part of a path or an emulator's argument: a game list's entry names and
// configuration names. Such a file is plain text anyone may edit or download, so a name must
// never reach outside its folder or read as an option.
#pragma once

#include <string_view>

namespace settings {

// Why `name` may not be used, in a few French words for the owner ("contient /", UTF-8, marked
// for the catalogues: Tr gives the owner's language); empty when it may.
// Refused: an empty name, a name that starts with '-', or one holding '"', '/', '\', ".." or
// a control character.
std::string_view UnsafeNameReason(std::string_view name);

inline bool IsSafeName(std::string_view name) { return UnsafeNameReason(name).empty(); }

}  // namespace settings
