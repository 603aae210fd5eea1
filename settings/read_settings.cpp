#include "settings/read_settings.h"

#include "platform/paths.h"
#include "platform/text.h"

namespace settings {
namespace {

bool IsFlagText(std::string_view v) { return v == "YES" || v == "OUI"; }

// The text form of a field, for a default that is another key's value just read.
std::string FieldText(Settings& s, const SettingKey& key) {
  if (!key.field) return std::string(key.def);
  const SettingField f = key.field(s);
  if (auto p = std::get_if<std::string*>(&f)) return **p;
  if (auto p = std::get_if<int*>(&f)) return std::to_string(**p);
  if (auto p = std::get_if<bool*>(&f)) return **p ? "YES" : "NO";
  const char c = *std::get<char*>(f);
  return c ? std::string(1, c) : std::string();
}

std::string DefaultOf(const SettingKey& key, Settings& s) {
  if (key.defaultFrom == SettingId::Count) return std::string(key.def);
  return FieldText(s, Key(key.defaultFrom));
}

}  // namespace

std::string ReadText(const platform::ProfileFile& file, const SettingKey& key) {
  return file.Get(key.section, key.key, key.def, key.size);
}

int ReadNumber(const platform::ProfileFile& file, const SettingKey& key) {
  return platform::ParseInt(ReadText(file, key));
}

bool ReadFlagValue(const platform::ProfileFile& file, const SettingKey& key) {
  return IsFlagText(ReadText(file, key));
}

void ReadSetting(const platform::ProfileFile& file, const SettingKey& key, std::string_view base,
                 Settings& s) {
  if (!key.field) return;
  const std::string text = file.Get(key.section, key.key, DefaultOf(key, s), key.size);
  const SettingField f = key.field(s);
  switch (key.type) {
    case SettingType::Text:
      *std::get<std::string*>(f) = text;
      break;
    case SettingType::Path:
      *std::get<std::string*>(f) = platform::MakeAbsolutePath(base, text);
      break;
    case SettingType::Int:
    case SettingType::Key:
      *std::get<int*>(f) = platform::ParseInt(text);
      break;
    case SettingType::Flag:
      *std::get<bool*>(f) = IsFlagText(text);
      break;
    case SettingType::Char:
      *std::get<char*>(f) = text.empty() ? '\0' : text[0];
      break;
  }
}

void ReadGeneralSettings(const platform::ProfileFile& file, Settings& s) {
  for (const SettingKey& key : SettingKeys())
    if (key.file == SettingFile::Main) ReadSetting(file, key, {}, s);
}

void ReadConfigSettings(const platform::ProfileFile& file, std::string_view base, Settings& s) {
  for (const SettingKey& key : SettingKeys())
    if (key.file == SettingFile::Configuration) ReadSetting(file, key, base, s);
  SplitEmuExe(s.emuExe, base, s.emuDirectory, s.emuProgram);
}

bool ReadFlag(const platform::ProfileFile& file, std::string_view section, std::string_view key,
              std::string_view def) {
  return IsFlagText(file.Get(section, key, def, 260));
}

int ReadInt(const platform::ProfileFile& file, std::string_view section, std::string_view key,
            std::string_view def) {
  return platform::ParseInt(file.Get(section, key, def, 260));
}

void SplitEmuExe(std::string_view emuExe, std::string_view base, std::string& directory,
                 std::string& program) {
  const auto sep = emuExe.find_last_of("\\/");
  if (sep == std::string_view::npos) {
    directory.clear();
    program = std::string(emuExe);
    return;
  }
  directory = platform::MakeAbsolutePath(base, emuExe.substr(0, sep));
  program = std::string(emuExe.substr(sep + 1));
}

}  // namespace settings
