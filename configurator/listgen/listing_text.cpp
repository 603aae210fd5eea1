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
    if (b < 0x20 || b >= 0x7F) {
      // Windows-1252 where every character has a byte there, so that lists stay readable
      // by older frontends; UTF-8 for the others (Japanese, Greek...): each value is a
      // line of its own, and the frontend reads every line in the encoding it is in.
      std::string cp1252 = platform::Utf8ToCp1252(utf8);
      if (platform::ToUtf8ForDisplay(cp1252) == utf8) return BlankControls(cp1252);
      return BlankControls(utf8);
    }
  }
  return std::string(utf8);  // plain ASCII, the usual case
}

}  // namespace cfg
