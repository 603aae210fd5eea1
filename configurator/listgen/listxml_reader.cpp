#include "configurator/listgen/listxml_reader.h"

#include <algorithm>
#include <memory>
#include <span>

#include "configurator/listgen/game_list_builder.h"
#include "configurator/listgen/game_summaries.h"
#include "configurator/listgen/listing_slimmer.h"
#include "configurator/listgen/listing_text.h"
#include "platform/file_stream.h"
#include "platform/text.h"
#include "platform/xml_reader.h"

namespace cfg {
namespace {

// Far more than any title; keeps a hostile listing from growing one value without end.
constexpr std::size_t kMaxText = 4096;

std::string_view Attribute(std::span<const platform::XmlAttribute> attributes, std::string_view name) {
  for (const platform::XmlAttribute& a : attributes)
    if (a.name == name) return a.value;
  return {};
}

class ListXmlHandler : public platform::XmlHandler {
 public:
  explicit ListXmlHandler(GameListBuilder& games) : games_(games) {}

  void StartElement(std::string_view name, std::span<const platform::XmlAttribute> attributes) override {
    ++depth_;
    if (gameDepth_ == 0) {
      if (name == "game" || name == "machine") StartGame(name == "machine", attributes);
      return;
    }
    if (skipping_) return;
    if (depth_ == gameDepth_ + 1) StartChild(name, attributes);
    else if (name == "control" && inInput_) AddControl(attributes);
  }

  void EndElement(std::string_view name) override {
    if (gameDepth_ != 0) {
      if (depth_ == gameDepth_) {
        if (!skipping_) games_.Add(game_);
        gameDepth_ = 0;
      } else if (depth_ == gameDepth_ + 1) {
        EndChild(name);
      }
    }
    --depth_;
  }

  void CharacterData(std::string_view text) override {
    if (capture_ && capture_->size() < kMaxText)
      capture_->append(text.substr(0, kMaxText - capture_->size()));
  }

 private:
  void StartGame(bool machine, std::span<const platform::XmlAttribute> attributes) {
    gameDepth_ = depth_;
    skipping_ = Attribute(attributes, "isbios") == "yes" || Attribute(attributes, "isdevice") == "yes" ||
                Attribute(attributes, "runnable") == "no";
    game_ = ListedGame{};
    description_.clear();
    year_.clear();
    descriptionSeen_ = yearSeen_ = screenSeen_ = inputSeen_ = inInput_ = false;
    if (skipping_) return;
    game_.name = ListingText(Attribute(attributes, "name"));
    // A clone's pictures are its parent's; romof often names only the BIOS.
    std::string_view parent = machine ? Attribute(attributes, "cloneof") : std::string_view();
    if (parent.empty()) parent = Attribute(attributes, "romof");
    game_.romOf = ListingText(parent);
  }

  void StartChild(std::string_view name, std::span<const platform::XmlAttribute> attributes) {
    if (name == "description" && !descriptionSeen_) {
      descriptionSeen_ = true;
      capture_ = &description_;
    } else if (name == "year" && !yearSeen_) {
      yearSeen_ = true;
      capture_ = &year_;
    } else if (name == "rom" || name == "disk") {
      game_.needsFiles = true;
    } else if (name == "video" && !screenSeen_) {
      screenSeen_ = true;
      game_.screen = ListingText(ScreenSummary(Attribute(attributes, "orientation"), Attribute(attributes, "width"),
                                               Attribute(attributes, "height"), Attribute(attributes, "refresh")));
    } else if (name == "display" && !screenSeen_) {
      screenSeen_ = true;
      game_.screen = ListingText(DisplaySummary(Attribute(attributes, "rotate"), Attribute(attributes, "width"),
                                                Attribute(attributes, "height"), Attribute(attributes, "refresh")));
    } else if (name == "input" && !inputSeen_) {
      inputSeen_ = inInput_ = true;
      players_ = Attribute(attributes, "players");
      buttons_ = Attribute(attributes, "buttons");
      coins_ = Attribute(attributes, "coins");
      control_ = Attribute(attributes, "control");
      mostButtons_ = -1;
    }
  }

  void AddControl(std::span<const platform::XmlAttribute> attributes) {
    const std::string_view buttons = Attribute(attributes, "buttons");
    if (!buttons.empty()) mostButtons_ = std::max(mostButtons_, platform::ParseInt(buttons));
    if (control_.empty()) control_ = ControlName(Attribute(attributes, "type"), Attribute(attributes, "ways"));
  }

  void EndChild(std::string_view name) {
    if (name == "description" && capture_ == &description_) {
      game_.fullName = ListingText(description_);
    } else if (name == "year" && capture_ == &year_) {
      game_.year = ListingText(year_);
    } else if (name == "input" && inInput_) {
      inInput_ = false;
      if (buttons_.empty() && mostButtons_ >= 0) buttons_ = std::to_string(mostButtons_);
      game_.controls = ListingText(ControlsSummary(players_, buttons_, coins_, control_));
      game_.takesCoins = platform::ParseInt(coins_) > 0;
    }
    capture_ = nullptr;
  }

  GameListBuilder& games_;
  int depth_ = 0;
  int gameDepth_ = 0;  // depth of the open game element; 0 outside one
  bool skipping_ = false;
  ListedGame game_;
  std::string description_, year_;
  std::string* capture_ = nullptr;
  bool descriptionSeen_ = false;
  bool yearSeen_ = false;
  bool screenSeen_ = false;
  bool inputSeen_ = false;
  bool inInput_ = false;
  std::string players_, buttons_, coins_, control_;
  int mostButtons_ = -1;
};

// Slims each piece and parses what is left.
class SlimParser {
 public:
  SlimParser(GameListBuilder& games, bool slim) : handler_(games), parser_(handler_), slim_(slim) {}

  void Feed(std::string_view piece) {
    if (!slim_) {
      parser_.Feed(piece, false);
      return;
    }
    kept_.clear();
    slimmer_.Feed(piece, kept_);
    parser_.Feed(kept_, false);
  }
  void Finish() {
    kept_.clear();
    if (slim_) slimmer_.Finish(kept_);
    parser_.Feed(kept_, true);
  }

 private:
  ListXmlHandler handler_;
  platform::XmlPushParser parser_;
  ListingSlimmer slimmer_;
  std::string kept_;
  bool slim_;
};

constexpr std::size_t kReadBlock = 1 << 20;

}  // namespace

bool ReadListXmlFile(const std::string& path, GameListBuilder& games) {
  std::unique_ptr<platform::FileStream> file = platform::FileStream::Open(path);
  if (!file) return false;
  SlimParser parser(games, true);
  std::string block;
  for (;;) {
    block.clear();
    if (file->ReadInto(block, kReadBlock) == 0) break;
    parser.Feed(block);
  }
  parser.Finish();
  return true;
}

bool ReadListXmlText(std::string_view text, GameListBuilder& games) {
  const std::string_view pieces[] = {text};
  return ReadListXmlPieces(pieces, games, true);
}

bool ReadListXmlPieces(std::span<const std::string_view> pieces, GameListBuilder& games, bool slim) {
  SlimParser parser(games, slim);
  for (std::string_view piece : pieces) parser.Feed(piece);
  parser.Finish();
  return true;
}

}  // namespace cfg
