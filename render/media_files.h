// Finding picture and clip files: by name with any of a list of extensions, letter case
// aside, and a game's media by its ROM name or its parent's.
#pragma once

#include <string>
#include <string_view>

#include "render/render_sources.h"

namespace render {

constexpr std::string_view kImageExtensions = "png;jpg;bmp;gif";
constexpr std::string_view kClipExtensions = "mp4;mkv;webm;avi;flv";

// The first existing file among path + "." + each ";"-separated extension (an empty entry
// tries the path alone), written back into path. Letter case does not matter.
int FindImageFile(std::string& path, std::string_view extensions);

// The path of the game's media file in dir with one of the extensions: by its ROM name,
// else its parent's; empty when there is none.
std::string FindGameMedia(const std::string& dir, const ShownGame& game, std::string_view extensions);

}  // namespace render
