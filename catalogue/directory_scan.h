// Random choice of a file in a directory tree (background music, slide show): count the
// files whose names end in one of the extensions, draw a position, scan again to it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/random.h"

namespace catalogue {

// Counts the files of `directory` (and of its subdirectories when `recurse`, visited
// before the files of the same directory; directories whose name begins with "." are
// never entered, and a directory reached twice through links is visited once) whose names end in one of the ";"-separated `extensions` ("*" accepts
// every file). With target > 0 the scan stops when countBefore + count reaches target
// and `directory` becomes the path of that file. With target = 0 everything is counted
// and `directory` keeps its text.
int CountMediaFiles(std::string& directory, std::string_view extensions, bool recurse,
                    int countBefore, int target);

// 1 with `directory` replaced by the path of the matching file at `position` (1-based, in
// scan order); 0 when the tree holds fewer files now than when they were counted (the
// directory text is left as it was, and the caller tries again on its next check).
int PickFileAt(std::string& directory, std::string_view extensions, bool recurse, int position);

// 1 with `directory` replaced by the path of a randomly chosen matching file; 0 when
// there is none (the directory text is left as it was). `lastPick` is the position drawn
// by the previous pick (-1 before the first): two consecutive picks differ whenever there
// is a choice.
int PickRandomFile(RandomGenerator& random, std::int32_t& lastPick, std::string& directory,
                   std::string_view extensions, bool recurse);

}  // namespace catalogue
