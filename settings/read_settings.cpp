#include "settings/read_settings.h"

#include "platform/paths.h"
#include "platform/text.h"
#include "settings/setting_fields.h"

namespace settings {
namespace {

std::string DefaultOf(const SettingKey& key, Settings& s) {
  if (key.defaultFrom == SettingId::Count) return std::string(key.def);
  return FieldText(s, Key(key.defaultFrom));
}

}  // namespace

std::string ReadText(const platform::ProfileFile& file, const SettingKey& key) {
  return file.Get(key.section, key.key, key.def, key.size);
}

void ReadSetting(const platform::ProfileFile& file, const SettingKey& key, std::string_view base,
                 Settings& s) {
  if (!key.field) return;
  const std::string text = file.Get(key.section, key.key, DefaultOf(key, s), key.size);
  SetFieldText(s, key, key.type == SettingType::Path ? platform::MakeAbsolutePath(base, text) : text);
}

void ReadGeneralSettings(const platform::ProfileFile& file, Settings& s) {
  for (const SettingKey& key : SettingKeys())
    if (key.file == SettingFile::Main && !key.configuratorOnly) ReadSetting(file, key, {}, s);
}

void ReadConfigSettings(const platform::ProfileFile& file, std::string_view base, Settings& s) {
  for (const SettingKey& key : SettingKeys())
    if (key.file == SettingFile::Configuration && !key.configuratorOnly) ReadSetting(file, key, base, s);
  SplitEmuExe(s.emuExe, base, s.emuDirectory, s.emuProgram);
}

void ReadWrittenSettings(const platform::ProfileFile& file, SettingFile which, Settings& s) {
  for (const SettingKey& key : SettingKeys()) {
    if (key.file != which || !key.field) continue;
    // A default taken from another key is the reader's fallback, not what is written.
    if (key.defaultFrom != SettingId::Count && !file.Has(key.section, key.key)) continue;
    // A key that shares that key's field (RepCustomN) stands in only for a file without it:
    // what the frontend reads comes first.
    if (key.defaultFrom != SettingId::Count && SharesField(key.id)) {
      const SettingKey& first = Key(key.defaultFrom);
      if (file.Has(first.section, first.key)) continue;
    }
    SetFieldText(s, key, file.Get(key.section, key.key, key.def, key.size));
  }
  s.rotation = QuarterTurns(s.rotation);
}

Settings LoadWrittenSettings(const std::string& path, SettingFile which) {
  Settings s;
  ReadWrittenSettings(platform::ProfileFile::Load(path).value_or(platform::ProfileFile{}), which, s);
  return s;
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
