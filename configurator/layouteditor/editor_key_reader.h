// The configurator's keyed reader over a Layout.cfg-like file without sections: the first
// line that begins with the key (any letter case) and goes on with "=" or a blank gives
// the value; a line beginning with "[" hides the lines below it until a line "[]".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/key_values.h"

namespace cfg {

class EditorKeyReader : public render::KeyValues {
 public:
  explicit EditorKeyReader(std::string_view text);

  // The value as it stands ("" when the key is missing or its value is empty).
  std::string_view Raw(std::string_view key) const override;
  // The key stands in the file, with a value or without.
  bool Has(std::string_view key) const { return Find(key).has_value(); }
  // The value, or `def` when it is empty.
  std::string_view Value(std::string_view key, std::string_view def) const;
  int Integer(std::string_view key, std::string_view def) const;
  bool Flag(std::string_view key) const;  // "YES" or "OUI" exactly
  // Text cut to a field of `field` bytes (at most field - 1 survive).
  std::string Text(std::string_view key, std::string_view def, std::size_t field) const;

 private:
  std::optional<std::string_view> Find(std::string_view key) const;
  std::vector<std::string> lines_;  // only the lines outside any "[...]" region
};

}  // namespace cfg
