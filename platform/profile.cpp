#include "platform/profile.h"

#include "platform/files.h"
#include "platform/text.h"

#include <cctype>
#include <unordered_set>

namespace platform {

std::optional<std::string_view> ProfileSectionName(std::string_view line) {
  std::string_view t = TrimBlanks(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  auto close = t.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(t.substr(1, close - 1));
}

namespace {

std::optional<std::string_view> SectionName(std::string_view line) { return ProfileSectionName(line); }

// The key of a setting line, or nothing when the line has no '='.
std::optional<std::string_view> KeyName(std::string_view line) {
  auto eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(0, eq));
}

std::string_view StripQuotes(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

}  // namespace

ProfileFile ProfileFile::Parse(std::string_view text) {
  ProfileFile file;
  Section* current = nullptr;
  for (std::string_view line : SplitLines(text)) {
    if (auto name = SectionName(line)) {
      file.sections_.push_back({std::string(*name), {}});
      current = &file.sections_.back();
      continue;
    }
    if (!current) continue;
    auto key = KeyName(line);
    if (!key || key->empty()) continue;
    std::string_view value = TrimBlanks(line.substr(line.find('=') + 1));
    current->values.push_back({std::string(*key), std::string(value)});
  }
  return file;
}

std::optional<ProfileFile> ProfileFile::Load(const std::string& path) {
  auto text = ReadWholeFile(path);
  if (!text) return std::nullopt;
  return Parse(*text);
}

const ProfileValue* ProfileFile::Find(std::string_view section, std::string_view key) const {
  for (const Section& s : sections_) {
    if (!EqualsNoCase(s.name, section)) continue;
    for (const ProfileValue& v : s.values)
      if (EqualsNoCase(v.key, key)) return &v;
    return nullptr;  // only the first section of a name counts
  }
  return nullptr;
}

std::string ProfileFile::Get(std::string_view section, std::string_view key, std::string_view def,
                             std::size_t bufferSize) const {
  const ProfileValue* v = Find(section, key);
  std::string_view value = v ? StripQuotes(v->value) : def;
  return CutToField(value, bufferSize);
}

bool ProfileFile::Has(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

std::vector<std::string> ProfileFile::SectionNames() const {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;  // lower case: a list may hold tens of thousands
  for (const Section& s : sections_) {
    std::string key = s.name;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (seen.insert(std::move(key)).second) names.push_back(s.name);
  }
  return names;
}

std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view def, std::size_t bufferSize) {
  auto file = ProfileFile::Load(path);
  if (!file) return CutToField(def, bufferSize);
  return file->Get(section, key, def, bufferSize);
}

std::string UpdateProfileText(std::string_view text, std::string_view section,
                              std::span<const ProfileValue> values) {
  std::vector<std::string> lines;
  for (std::string_view l : SplitLines(text)) lines.emplace_back(l);
  // A file ending in a line break yields an empty last piece: it is not a line.
  if (!lines.empty() && lines.back().empty() && !text.empty() && text.back() == '\n') lines.pop_back();

  // The first section of that name: [begin, end) of its lines after the header.
  std::size_t header = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto name = SectionName(lines[i]);
    if (name && EqualsNoCase(*name, section)) {
      header = i;
      break;
    }
  }
  if (header == lines.size()) {
    if (!lines.empty() && !TrimBlanks(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + std::string(section) + "]");
    header = lines.size() - 1;
  }

  for (const ProfileValue& v : values) {
    std::size_t end = header + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    std::string newLine = v.key + "=" + v.value;
    bool replaced = false;
    for (std::size_t i = header + 1; i < end; ++i) {
      auto key = KeyName(lines[i]);
      if (key && EqualsNoCase(*key, v.key)) {
        lines[i] = newLine;
        replaced = true;
        break;
      }
    }
    if (replaced) continue;
    // New keys go after the last non-blank line of the section.
    std::size_t at = end;
    while (at > header + 1 && TrimBlanks(lines[at - 1]).empty()) --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), newLine);
  }

  std::string out;
  for (const std::string& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::string RemoveProfileKeys(std::string_view text, std::string_view section,
                              std::span<const std::string> keys) {
  std::string out;
  bool inSection = false;
  bool sectionSeen = false;
  std::vector<std::string_view> lines = SplitLines(text);
  if (!lines.empty() && lines.back().empty() && !text.empty() && text.back() == '\n') lines.pop_back();
  for (std::string_view line : lines) {
    if (auto name = SectionName(line)) {
      inSection = !sectionSeen && EqualsNoCase(*name, section);
      sectionSeen = sectionSeen || inSection;
    } else if (inSection) {
      auto key = KeyName(line);
      bool drop = false;
      for (const std::string& k : keys) drop = drop || (key && EqualsNoCase(*key, k));
      if (drop) continue;
    }
    out.append(line);
    out += "\r\n";
  }
  return out;
}

bool WriteProfileStrings(const std::string& path, std::string_view section,
                         std::span<const ProfileValue> values) {
  std::string old;
  if (auto text = ReadWholeFile(path)) {
    old = std::move(*text);
  } else if (FileExists(path)) {
    return false;  // exists but unreadable: never replace it with a fragment
  }
  return WriteFileAtomically(path, UpdateProfileText(old, section, values));
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  ProfileValue v{std::string(key), std::string(value)};
  return WriteProfileStrings(path, section, std::span<const ProfileValue>(&v, 1));
}

}  // namespace platform
