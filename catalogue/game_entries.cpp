#include "catalogue/game_entries.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/utf8.h"

namespace catalogue {

GameEntries::GameEntries(std::initializer_list<GameEntry> entries) {
  records_.reserve(entries.size());
  for (const GameEntry& e : entries) push_back(e);
}

GameEntry GameEntries::operator[](std::size_t i) const {
  const Record& r = records_[i];
  const char* p = r.text;
  std::string_view texts[kTexts];
  for (std::size_t k = 0; k < kTexts; ++k) {
    texts[k] = std::string_view(p, r.lengths[k]);
    p += r.lengths[k];
  }
  return GameEntry{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]};
}

std::string_view GameEntries::SortKey(std::size_t i) const {
  const Record& r = records_[i];
  if (r.lengths[6] == 0) return std::string_view(r.text + r.lengths[0], r.lengths[1]);
  std::size_t before = 0;
  for (std::size_t k = 0; k < 6; ++k) before += r.lengths[k];
  return std::string_view(r.text + before, r.lengths[6]);
}

char* GameEntries::Room(std::size_t bytes) {
  if (blocks_.empty()) {
    blocks_.push_back(std::make_unique<char[]>(kBlockSize));
    inUse_ = 0;
    used_ = 0;
  }
  if (used_ + bytes > kBlockSize) {
    if (++inUse_ == blocks_.size()) blocks_.push_back(std::make_unique<char[]>(kBlockSize));
    used_ = 0;
  }
  char* room = blocks_[inUse_].get() + used_;
  used_ += bytes;
  return room;
}

void GameEntries::push_back(const GameEntry& entry) {
  std::string_view texts[kTexts] = {entry.romName, entry.fullName, entry.infos1, entry.infos2,
                                    entry.infos3,  entry.romOf,    entry.sortKey};
  std::size_t total = 0;
  for (std::string_view& t : texts) {
    if (t.size() > kLongestText) t = t.substr(0, platform::Utf8CutPoint(t, kLongestText));
    total += t.size();
  }
  Record r;
  char* p = Room(total);
  r.text = p;
  for (std::size_t k = 0; k < kTexts; ++k) {
    // memcpy wants a valid pointer even for no bytes; an empty view may hold none.
    if (!texts[k].empty()) std::memcpy(p, texts[k].data(), texts[k].size());
    p += texts[k].size();
    r.lengths[k] = static_cast<std::uint8_t>(texts[k].size());
  }
  records_.push_back(r);
}

void GameEntries::clear() {
  records_.clear();
  inUse_ = 0;
  used_ = 0;
}

void GameEntries::Append(GameEntries&& other) {
  records_.insert(records_.end(), other.records_.begin(), other.records_.end());
  other.records_.clear();
  if (other.blocks_.empty()) return;
  // The other's blocks that hold texts go before this one's current block, its spare ones
  // to the end: the current block stays the one being filled.
  const auto filled = static_cast<std::ptrdiff_t>(other.inUse_ + 1);
  const auto at = blocks_.begin() + static_cast<std::ptrdiff_t>(blocks_.empty() ? 0 : inUse_);
  blocks_.insert(at, std::make_move_iterator(other.blocks_.begin()),
                 std::make_move_iterator(other.blocks_.begin() + filled));
  if (blocks_.size() == static_cast<std::size_t>(filled)) {
    // This had no block: the other's last filled block goes on being filled.
    inUse_ = other.inUse_;
    used_ = other.used_;
  } else {
    inUse_ += static_cast<std::size_t>(filled);
  }
  blocks_.insert(blocks_.end(), std::make_move_iterator(other.blocks_.begin() + filled),
                 std::make_move_iterator(other.blocks_.end()));
  other.blocks_.clear();
  other.inUse_ = 0;
  other.used_ = 0;
}

void GameEntries::LendSpareBlocks(GameEntries& other) {
  const std::size_t firstSpare = blocks_.empty() ? 0 : inUse_ + 1;
  const std::size_t lent = (blocks_.size() - firstSpare) / 2;
  const auto from = blocks_.end() - static_cast<std::ptrdiff_t>(lent);
  // Behind the other's current block, so that the ones it fills stay in front.
  other.blocks_.insert(other.blocks_.end(), std::make_move_iterator(from), std::make_move_iterator(blocks_.end()));
  blocks_.erase(from, blocks_.end());
}

}  // namespace catalogue
