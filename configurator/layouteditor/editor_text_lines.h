// The configurator's way of reading text files line by line: a line ends at LF, CR bytes are
// dropped wherever they stand, and a line longer than 500 characters goes on as the next line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cfg {

constexpr std::size_t kEditorLineLength = 500;

std::vector<std::string> SplitEditorLines(std::string_view text);

// Files the editor reads are small; a larger one is read up to this size.
constexpr std::size_t kMaxEditorFileBytes = std::size_t(16) << 20;

}  // namespace cfg
