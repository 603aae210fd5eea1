#include "settings/safe_name.h"

namespace settings {

std::string_view UnsafeNameReason(std::string_view name) {
  if (name.empty()) return "nom vide";
  if (name.front() == '-') return "commence par -";
  if (name.find("..") != std::string_view::npos) return "contient ..";
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"') return "contient un guillemet";
    if (c == '/' || c == '\\') return "contient / ou \\";
    if (u < 0x20 || u == 0x7F) return "contient un caract\xE8re de contr\xF4le";
  }
  return {};
}

}  // namespace settings
