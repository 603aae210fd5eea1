#include "frontend/catalogue/history_xml.h"

#include <array>
#include <unordered_map>

#include "platform/text.h"
#include "platform/xml_reader.h"

namespace {

// A record bigger than this is far beyond what the panel can show.
constexpr std::size_t kMaxRecordText = 1 << 20;

class HistoryEntryFinder : public platform::XmlHandler {
 public:
  explicit HistoryEntryFinder(std::string_view romName) : romName_(romName) {}

  void StartElement(std::string_view name, std::span<const platform::XmlAttribute> attributes) override {
    if (name == "entry") {
      inEntry_ = true;
      listed_ = false;
      text_.clear();
    } else if (inEntry_ && name == "system") {
      for (const auto& a : attributes)
        if (a.name == "name" && platform::EqualsNoCase(a.value, romName_)) listed_ = true;
    } else if (inEntry_ && name == "text") {
      inText_ = true;
    }
  }
  void EndElement(std::string_view name) override {
    if (name == "text") {
      inText_ = false;
    } else if (name == "entry") {
      inEntry_ = false;
      if (listed_) {
        found_ = true;
        stop = true;
      }
    }
  }
  void CharacterData(std::string_view text) override {
    if (inText_ && text_.size() < kMaxRecordText) text_.append(text.substr(0, kMaxRecordText - text_.size()));
  }

  bool Found() const { return found_; }
  const std::string& Text() const { return text_; }

 private:
  std::string romName_;
  bool inEntry_ = false;
  bool inText_ = false;
  bool listed_ = false;
  bool found_ = false;
  std::string text_;
};

std::string_view TrimLineBreaksAndBlanks(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

const std::unordered_map<char32_t, char>& Cp1252Bytes() {
  static const auto table = [] {
    std::unordered_map<char32_t, char> t;
    for (int b = 0x80; b < 0x100; ++b) t.emplace(platform::Cp1252ToUnicode(static_cast<unsigned char>(b)), static_cast<char>(b));
    return t;
  }();
  return table;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    }
    const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
    char32_t cp = length == 4 ? b & 0x07 : length == 3 ? b & 0x0F : b & 0x1F;
    bool ok = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
    for (int k = 1; ok && k < length; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      ok = (c & 0xC0) == 0x80;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok) {
      out.push_back('?');
      ++i;
      continue;
    }
    i += static_cast<std::size_t>(length);
    auto it = Cp1252Bytes().find(cp);
    out.push_back(it != Cp1252Bytes().end() ? it->second : '?');
  }
  return out;
}

std::optional<std::string> ReadHistoryXmlRecord(const std::string& path, std::string_view romName) {
  HistoryEntryFinder finder(romName);
  platform::ParseXmlFile(path, finder);
  if (!finder.Found()) return std::nullopt;
  return Utf8ToCp1252(TrimLineBreaksAndBlanks(finder.Text()));
}
