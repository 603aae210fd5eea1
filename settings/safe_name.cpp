#include "settings/safe_name.h"

#include "platform/message_catalogue.h"

namespace settings {

std::string_view UnsafeNameReason(std::string_view name) {
  if (name.empty()) return TrLater("nom vide");
  if (name.front() == '-') return TrLater("commence par -");
  if (name.find("..") != std::string_view::npos) return TrLater("contient ..");
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"') return TrLater("contient un guillemet");
    if (c == '/' || c == '\\') return TrLater("contient / ou \\");
    if (u < 0x20 || u == 0x7F) return TrLater("contient un caractère de contrôle");
  }
  return {};
}

}  // namespace settings
