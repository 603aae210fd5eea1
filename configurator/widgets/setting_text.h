// Setting values are bytes (UTF-8 paths, or Windows-1252 text written on the cabinet's
// original system); widgets show Unicode.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace cfg {

QString FromSettingText(std::string_view bytes);
std::string ToSettingText(const QString& text);
// The same cut to at most maxBytes, never inside a character.
std::string ToSettingText(const QString& text, std::size_t maxBytes);

}  // namespace cfg
