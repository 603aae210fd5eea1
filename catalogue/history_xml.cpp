#include "catalogue/history_xml.h"

#include <array>

#include "platform/text.h"
#include "platform/xml_reader.h"

namespace catalogue {

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

}  // namespace

std::optional<std::string> ReadHistoryXmlRecord(const std::string& path, std::string_view romName) {
  HistoryEntryFinder finder(romName);
  platform::ParseXmlFile(path, finder);
  if (!finder.Found()) return std::nullopt;
  return std::string(TrimLineBreaksAndBlanks(finder.Text()));
}

}  // namespace catalogue
