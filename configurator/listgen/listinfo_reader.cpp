#include "configurator/listgen/listinfo_reader.h"

#include <memory>

#include "configurator/listgen/game_list_builder.h"
#include "configurator/listgen/game_summaries.h"
#include "configurator/listgen/listing_text.h"
#include "platform/file_stream.h"
#include "platform/text.h"

namespace cfg {
namespace {

// A line holds a few keys; the rest of a longer one is dropped rather than read as lines
// of its own, which could then pass for a key or the end of a block.
constexpr std::size_t kMaxLine = 500;
constexpr std::size_t kBlock = 1 << 16;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && platform::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// The word after the first `marker` (case kept), up to the next blank; empty without one.
std::string_view WordAfter(std::string_view text, std::string_view marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string_view::npos) return {};
  std::string_view rest = text.substr(at + marker.size());
  std::size_t end = 0;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  return rest.substr(0, end);
}

std::string_view WithoutLeadingBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view WithoutTrailingBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

class ListInfoParser {
 public:
  explicit ListInfoParser(GameListBuilder& games) : games_(games) {}
  ~ListInfoParser() { Flush(); }  // a block cut off at the end of the listing still counts
  ListInfoParser(const ListInfoParser&) = delete;
  ListInfoParser& operator=(const ListInfoParser&) = delete;

  // Feeds the next piece of the listing.
  void Feed(std::string_view bytes) {
    for (char c : bytes) {
      if (c == '\n') {
        Line(line_);
        line_.clear();
      } else if (line_.size() < kMaxLine) {
        line_ += c;
      }
    }
  }
  void Finish() {
    if (!line_.empty()) Line(line_);
    line_.clear();
    Flush();
  }

 private:
  void Line(std::string_view line) {
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (platform::EqualsNoCase(line, "game (")) {
      Flush();
      inGame_ = true;
      return;
    }
    if (line == ")") {
      Flush();
      inGame_ = false;
      return;
    }
    if (!inGame_ || line.empty()) return;
    const std::string_view text = WithoutLeadingBlanks(line);
    if (StartsWithNoCase(text, "name ")) {
      Flush();
      pending_ = true;
      game_ = ListedGame{};
      game_.name = BlankControls(WithoutTrailingBlanks(text.substr(5)));
      return;
    }
    if (!pending_) return;
    if (StartsWithNoCase(text, "description ")) {
      std::string_view value = text.substr(12);
      if (value.starts_with('"')) value.remove_prefix(1);
      if (value.ends_with('"')) value.remove_suffix(1);
      game_.fullName = BlankControls(value);
    } else if (StartsWithNoCase(text, "romof ")) {
      game_.romOf = BlankControls(text.substr(6));
    } else if (StartsWithNoCase(text, "year ")) {
      game_.year = BlankControls(text.substr(5));
    } else if (StartsWithNoCase(text, "video ")) {
      game_.screen = BlankControls(ListInfoScreen(text.substr(6)));
    } else if (StartsWithNoCase(text, "input ")) {
      game_.controls = BlankControls(ListInfoControls(text.substr(6)));
      game_.takesCoins = platform::ParseInt(WordAfter(text, "coins ")) > 0;
    } else if (StartsWithNoCase(text, "rom (") || StartsWithNoCase(text, "disk (")) {
      game_.needsFiles = true;
    }
  }

  void Flush() {
    if (pending_) games_.Add(game_);
    pending_ = false;
  }

  GameListBuilder& games_;
  std::string line_;
  bool inGame_ = false;
  bool pending_ = false;
  ListedGame game_;
};

}  // namespace

std::string ListInfoScreen(std::string_view video) {
  std::string out = ScreenSummary(WordAfter(video, "orientation "), WordAfter(video, " x "),
                                  WordAfter(video, " y "), WordAfter(video, "freq "));
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string ListInfoControls(std::string_view input) {
  return ControlsSummary(WordAfter(input, "players "), WordAfter(input, "buttons "), WordAfter(input, "coins "),
                         WordAfter(input, "control "));
}

bool ReadListInfoText(std::string_view text, GameListBuilder& games) {
  ListInfoParser parser(games);
  parser.Feed(text);
  parser.Finish();
  return true;
}

bool ReadListInfoFile(const std::string& path, GameListBuilder& games) {
  std::unique_ptr<platform::FileStream> file = platform::FileStream::Open(path);
  if (!file) return false;
  ListInfoParser parser(games);
  std::string block;
  for (;;) {
    block.clear();
    if (file->ReadInto(block, kBlock) == 0) break;
    parser.Feed(block);
  }
  parser.Finish();
  return true;
}

}  // namespace cfg
