// The key lookup of Layout.cfg: no sections, keys in the region before the first line
// that begins with "[" ("[]" opens it again), the first matching line wins, keys match
// without regard to case when followed by a blank or "=".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class LayoutKeyReader {
 public:
  explicit LayoutKeyReader(std::string_view text);

  // The value as written (one blank after the key or "=" skipped, trailing blanks kept);
  // nothing when the key is absent.
  std::optional<std::string_view> Find(std::string_view key) const;

  // The typed readers: an absent key or an empty value gives the default text, read
  // with the same rule.
  int Integer(std::string_view key, std::string_view def) const;
  bool Boolean(std::string_view key) const;  // "YES" or "OUI" exactly; default "NO"
  std::string Text(std::string_view key, std::string_view def, std::size_t field) const;

 private:
  std::string_view ValueOr(std::string_view key, std::string_view def) const;
  std::unordered_map<std::string, std::string_view> values_;  // lower-case key -> first value
};

// Lines as the frontend's reader sees them: ended by LF (a CR before it dropped), and a
// line longer than 500 bytes cut into 500-byte pieces.
constexpr std::size_t kLayoutLineMax = 500;
