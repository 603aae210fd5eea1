// The INI ("profile") files of the settings and the statistics, read and written with
// the rules of the original profile functions:
//  - "[name]" starts a section; "key=value" is a setting; names match without regard to
//    letter case; the first section of a name and the first key of a name in it count;
//  - the value is the text after the first '=' without leading and trailing blanks; a
//    value enclosed in a pair of matching quotes (" or ') loses them;
//  - a missing file, section or key yields the default; a value longer than the
//    reader's buffer is cut to the buffer size minus one;
//  - CR LF and LF files read alike; writers write CR LF.
// A write keeps every other line of the file, creates the file and the section when
// missing, and replaces the file atomically; several keys of one section go in one replace.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ProfileValue {
  std::string key;
  std::string value;
};

// A profile file parsed once, for readers that ask for many keys.
class ProfileFile {
 public:
  ProfileFile() = default;
  static ProfileFile Parse(std::string_view text);
  // Nothing when the file cannot be opened for reading.
  static std::optional<ProfileFile> Load(const std::string& path);

  // GetPrivateProfileString: at most bufferSize - 1 bytes are returned.
  std::string Get(std::string_view section, std::string_view key, std::string_view def,
                  std::size_t bufferSize = 260) const;
  bool Has(std::string_view section, std::string_view key) const;
  // The sections' names in file order (a name given twice, once).
  std::vector<std::string> SectionNames() const;

 private:
  struct Section {
    std::string name;
    std::vector<ProfileValue> values;
  };
  const ProfileValue* Find(std::string_view section, std::string_view key) const;
  std::vector<Section> sections_;
};

// The name of a section header line ("[name]", blanks around the line and the name
// ignored), or nothing when the line is not one. Every reader of a file these writers
// write must agree with it.
std::optional<std::string_view> ProfileSectionName(std::string_view line);

// One value read straight from a file (a missing file gives the default).
std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view def, std::size_t bufferSize = 260);

// The text of a profile file after setting the given keys of one section (pure; used by
// the writers below and by tests).
std::string UpdateProfileText(std::string_view text, std::string_view section,
                              std::span<const ProfileValue> values);

// The text of a profile file without the given keys in the first section of that name
// (every line of such a key goes, so a reader then gets its default). Pure.
std::string RemoveProfileKeys(std::string_view text, std::string_view section,
                              std::span<const std::string> keys);

// WritePrivateProfileString for one or several keys of one section, in one atomic replace.
// False when the file could not be written; the old file is then left whole.
bool WriteProfileStrings(const std::string& path, std::string_view section,
                         std::span<const ProfileValue> values);
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace platform
