#include "frontend/render/layout_file.h"

#include "platform/text.h"

LayoutKeyReader::LayoutKeyReader(std::string_view text) {
  bool inRegion = true;
  auto takeLine = [&](std::string_view line) {
    if (!line.empty() && line.front() == '[') {
      inRegion = line == "[]";
      return;
    }
    if (!inRegion) return;
    const std::size_t sep = line.find_first_of(" \t=");
    if (sep == std::string_view::npos || sep == 0) return;
    std::string_view value = line.substr(sep + 1);
    if (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    values_.try_emplace(platform::ToLowerCopy(line.substr(0, sep)), value);
  };
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    do {
      takeLine(line.substr(0, kLayoutLineMax));
      line = line.size() > kLayoutLineMax ? line.substr(kLayoutLineMax) : std::string_view();
    } while (!line.empty());
  }
}

std::optional<std::string_view> LayoutKeyReader::Find(std::string_view key) const {
  auto it = values_.find(platform::ToLowerCopy(key));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string_view LayoutKeyReader::ValueOr(std::string_view key, std::string_view def) const {
  auto value = Find(key);
  return value && !value->empty() ? *value : def;
}

int LayoutKeyReader::Integer(std::string_view key, std::string_view def) const {
  return platform::ParseInt(ValueOr(key, def));
}

bool LayoutKeyReader::Boolean(std::string_view key) const {
  const std::string_view value = ValueOr(key, "NO");
  return value == "YES" || value == "OUI";
}

std::string LayoutKeyReader::Text(std::string_view key, std::string_view def, std::size_t field) const {
  return platform::CutToField(ValueOr(key, def), field);
}
