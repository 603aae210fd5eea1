// A Layout.cfg as its keys' values, whichever reader found them: the frontend's, which
// fetches every key in one pass, and the editor's, which looks each one up.
#pragma once

#include <string_view>

namespace render {

class KeyValues {
 public:
  virtual ~KeyValues() = default;
  // The value as it stands; empty when the key is missing or its value is empty.
  virtual std::string_view Raw(std::string_view key) const = 0;
};

}  // namespace render
