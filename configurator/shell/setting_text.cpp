#include "configurator/shell/setting_text.h"

#include "platform/text.h"

namespace cfg {

QString FromSettingText(std::string_view bytes) {
  return QString::fromStdString(platform::ToUtf8ForDisplay(bytes));
}

std::string ToSettingText(const QString& text) { return text.toStdString(); }

}  // namespace cfg
