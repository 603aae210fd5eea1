// Paths as the settings hold them (backslashes or slashes, any letter case) and as
// Linux needs them.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The directory of the running program file (/proc/self/exe), without a trailing '/'.
std::string ProgramDirectory();
// A path as an absolute one, against the current directory when relative.
std::string AbsolutePath(std::string_view path);

// A relative directory setting becomes a path below base:
//   ""            stays empty
//   "\x", "/x"    stay (rooted)
//   "X:..."       stays (drive letter)
//   "..x"         parent of base + rest after the dots ("..\roms" -> parent + "\roms")
//   ".x"          base + rest after the dot   (".\roms" -> base + "\roms")
//   anything else base + "/" + value
std::string MakeAbsolutePath(std::string_view base, std::string_view value);

// The reverse for a chosen path: a path below base (letter case counts, whole directory
// names only) becomes the part after base and its separator;
// base itself becomes "."; any other path is returned as it is.
std::string MakeRelativePath(std::string_view base, std::string_view path);

// True for '\' and '/': settings may hold either.
inline bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Turns every '\' into '/' and folds repeated separators (keeps a leading "//").
std::string ToNativeSeparators(std::string_view path);

// The path of an existing file or directory, matching each component without regard to
// letter case when it does not exist as written ("Config/Layout.CFG" finds
// "config/layout.cfg"). Separators are made native. When no match exists, the native
// form of the path as written is returned.
std::string ResolvePath(std::string_view path);

// Whether two setting paths name the same file or directory, whatever their spelling:
// separators, "." components, a trailing separator, letter case, links.
bool SamePath(std::string_view a, std::string_view b);

// Joins a directory and a name with one '/'.
std::string JoinPath(std::string_view dir, std::string_view name);

// The part after the last separator ('\' or '/'), and the part before it.
std::string_view FileNamePart(std::string_view path);
std::string_view DirectoryPart(std::string_view path);

}  // namespace platform
