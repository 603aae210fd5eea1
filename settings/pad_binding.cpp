#include "settings/pad_binding.h"

#include <array>
#include <charconv>
#include <utility>

#include "platform/text.h"

namespace settings {
namespace {

constexpr std::array<std::pair<int, std::string_view>, 4> kHatDirections{
    {{1, "Haut"}, {4, "Bas"}, {8, "Gauche"}, {2, "Droite"}}};

// Takes `word` (any letter case) from the front of `text`, and the blanks after it.
bool TakeWord(std::string_view& text, std::string_view word) {
  if (text.size() < word.size() || !platform::EqualsNoCase(text.substr(0, word.size()), word)) return false;
  text = platform::TrimBlanks(text.substr(word.size()));
  return true;
}

bool TakeNumber(std::string_view& text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || value < 0 || value > 255) return false;
  text = platform::TrimBlanks(text.substr(static_cast<std::size_t>(end - text.data())));
  return true;
}

bool ParseControl(std::string_view text, PadControl& c) {
  text = platform::TrimBlanks(text);
  if (TakeWord(text, "Bouton")) {
    c = {PadControl::Kind::Button, 0, 0};
    return TakeNumber(text, c.index) && text.empty();
  }
  if (TakeWord(text, "Croix")) {
    c = {PadControl::Kind::Hat, 0, 0};
    if (!TakeNumber(text, c.index)) return false;
    for (const auto& [bit, word] : kHatDirections)
      if (platform::EqualsNoCase(text, word)) {
        c.direction = bit;
        return true;
      }
    return false;
  }
  if (TakeWord(text, "Axe")) {
    c = {PadControl::Kind::Axis, 0, 0};
    if (!TakeNumber(text, c.index) || text.size() != 1) return false;
    c.direction = text[0] == '-' ? -1 : text[0] == '+' ? +1 : 0;
    return c.direction != 0;
  }
  return false;
}

std::string Collapsed(std::string_view text) {
  std::string out;
  for (char c : platform::TrimBlanks(text)) {
    const bool blank = c == ' ' || c == '\t';
    if (blank && (out.empty() || out.back() == ' ')) continue;
    out.push_back(blank ? ' ' : platform::ToLowerAscii(c));
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace

std::vector<PadBinding> ParsePadBindings(std::string_view text) {
  std::vector<PadBinding> out;
  while (!text.empty()) {
    const auto end = text.find(';');
    const std::string_view part = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const auto at = part.find('@');
    PadBinding b;
    if (!ParseControl(part.substr(0, at), b.control)) continue;
    if (at != std::string_view::npos) b.device = std::string(platform::TrimBlanks(part.substr(at + 1)));
    out.push_back(std::move(b));
  }
  return out;
}

std::string PadControlText(const PadControl& c) {
  const std::string index = std::to_string(c.index);
  switch (c.kind) {
    case PadControl::Kind::Button: return "Bouton " + index;
    case PadControl::Kind::Axis: return "Axe " + index + (c.direction < 0 ? "-" : "+");
    case PadControl::Kind::Hat:
      for (const auto& [bit, word] : kHatDirections)
        if (bit == c.direction) return "Croix " + index + " " + std::string(word);
      break;
  }
  return "Croix " + index;
}

std::string PadBindingsText(std::span<const PadBinding> bindings) {
  std::string out;
  for (const PadBinding& b : bindings) {
    if (!out.empty()) out += " ; ";
    out += PadControlText(b.control);
    if (!b.device.empty()) out += " @ " + b.device;
  }
  return out;
}

std::string PadDeviceName(std::string_view physicalPath, std::string_view guid, std::string_view name) {
  if (!physicalPath.empty()) return std::string(physicalPath);
  // Neither ';' nor '@' may end a binding early when it is read back.
  std::string out = std::string(guid) + " " + std::string(name);
  for (char& c : out)
    if (c == ';' || c == '@') c = ' ';
  return std::string(platform::TrimBlanks(out));
}

bool PadDeviceMatches(std::string_view bindingDevice, std::string_view physicalPath, std::string_view guid,
                      std::string_view name) {
  const std::string wanted = Collapsed(bindingDevice);
  if (wanted.empty()) return true;
  if (!physicalPath.empty() && wanted == Collapsed(physicalPath)) return true;
  return wanted == Collapsed(PadDeviceName({}, guid, name));
}

}  // namespace settings
