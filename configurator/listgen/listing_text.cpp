#include "configurator/listgen/listing_text.h"

#include "platform/text.h"

namespace cfg {

std::string BlankControls(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) c = ' ';
  }
  return out;
}

std::string ListingText(std::string_view utf8) {
  for (char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b >= 0x7F) return BlankControls(platform::Utf8ToCp1252(utf8));
  }
  return std::string(utf8);  // plain ASCII, the usual case
}

}  // namespace cfg
