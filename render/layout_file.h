// The typed key readers of Layout.cfg on top of the frontend's shared keyed reader: no
// sections (the region before the first "[" line), first matching line wins, keys
// compared without regard to case. All keys are fetched in one pass over the file.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "render/key_values.h"

namespace render {

class LayoutKeyReader : public KeyValues {
 public:
  LayoutKeyReader(std::string_view text, const std::vector<std::string>& keys);

  std::string_view Raw(std::string_view key) const override { return ValueOr(key, {}); }

  // An absent key or an empty value gives the default text, read with the same rule.
  int Integer(std::string_view key, std::string_view def) const;
  bool Boolean(std::string_view key) const;  // "YES" or "OUI" exactly; default "NO"

 private:
  std::string_view ValueOr(std::string_view key, std::string_view def) const;
  std::unordered_map<std::string, std::string> values_;  // lower-case key -> value as read
};

}  // namespace render
