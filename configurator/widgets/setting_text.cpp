#include "configurator/widgets/setting_text.h"

#include "platform/text.h"

namespace cfg {

QString FromSettingText(std::string_view bytes) {
  return QString::fromStdString(platform::ToUtf8ForDisplay(bytes));
}

std::string ToSettingText(const QString& text) { return text.toStdString(); }

std::string ToSettingText(const QString& text, std::size_t maxBytes) {
  std::string bytes = text.toStdString();
  if (bytes.size() <= maxBytes) return bytes;
  std::size_t cut = maxBytes;
  // Back to the first byte of the character the cut falls in (UTF-8 continuation bytes are 10xxxxxx).
  while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;
  bytes.resize(cut);
  return bytes;
}

}  // namespace cfg
