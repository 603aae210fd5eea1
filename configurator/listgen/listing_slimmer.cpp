#include "configurator/listgen/listing_slimmer.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace cfg {
namespace {

// A start tag longer than this is passed on as it is instead of being held back whole.
constexpr std::size_t kMaxHeldTag = 1 << 16;

// Empty elements whose content the game list never reads.
constexpr std::array<std::string_view, 19> kDropped = {
    "dipvalue", "slotoption", "device_ref", "chip", "diplocation", "port", "confsetting",
    "conflocation", "biosset", "extension", "sample", "ramoption", "feature", "adjuster",
    "softwarelist", "analog", "instance", "sound", "driver"};

bool IsNameStart(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b == '_' || b == ':' || b >= 0x80;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The longest end of `seen` + c that begins `term` (terminators are a few bytes).
std::size_t Advance(std::string_view term, std::size_t matched, char c) {
  if (matched < term.size() && term[matched] == c) return matched + 1;
  std::string probe(term.substr(0, matched));
  probe += c;
  for (std::size_t n = std::min(probe.size(), term.size() - 1); n > 0; --n)
    if (probe.compare(probe.size() - n, n, term.substr(0, n)) == 0) return n;
  return 0;
}

}  // namespace

bool ListingSlimmer::Quoted(char c) {
  if (quote_) {
    if (c == quote_) quote_ = 0;
    return true;
  }
  if (c == '"' || c == '\'') {
    quote_ = c;
    return true;
  }
  return false;
}

void ListingSlimmer::PassUntil(std::string_view terminator) {
  state_ = State::kPassUntil;
  until_ = terminator;
  matched_ = 0;
}

void ListingSlimmer::EndStartTag(std::string& out) {
  std::size_t last = held_.size() - 1;  // the '>'
  while (last > 0 && IsSpace(held_[last - 1])) --last;
  const bool empty = last > 0 && held_[last - 1] == '/';
  std::size_t nameEnd = 1;
  while (nameEnd < held_.size() && !IsSpace(held_[nameEnd]) && held_[nameEnd] != '/' && held_[nameEnd] != '>')
    ++nameEnd;
  const std::string_view name(held_.data() + 1, nameEnd - 1);
  if (empty && (name == "rom" || name == "disk")) {
    out += '<';
    out += name;
    out += "/>";
  } else if (!empty || std::find(kDropped.begin(), kDropped.end(), name) == kDropped.end()) {
    out += held_;
  }
  held_.clear();
  state_ = State::kText;
}

void ListingSlimmer::Feed(std::string_view in, std::string& out) {
  std::size_t i = 0;
  while (i < in.size()) {
    switch (state_) {
      case State::kText: i = FeedText(in, i, out); break;
      case State::kMarkup: FeedMarkup(in[i++], out); break;
      case State::kStartTag: i = FeedStartTag(in, i, out); break;
      default: FeedPassed(in[i++], out); break;
    }
  }
}

std::size_t ListingSlimmer::FeedText(std::string_view in, std::size_t i, std::string& out) {
  const void* lt = std::memchr(in.data() + i, '<', in.size() - i);
  const std::size_t at = lt ? static_cast<std::size_t>(static_cast<const char*>(lt) - in.data()) : in.size();
  out.append(in.data() + i, at - i);
  if (at < in.size()) {
    held_.assign(1, '<');
    state_ = State::kMarkup;
    return at + 1;
  }
  return at;
}

void ListingSlimmer::FeedMarkup(char c, std::string& out) {
  // Held: "<", "<!", "<!-", "<![", ... until the kind of markup is known.
  held_ += c;
  if (held_.size() == 2) {
    if (IsNameStart(c)) {
      state_ = State::kStartTag;
      quote_ = 0;
    } else if (c == '!') {
      // wait for more
    } else {
      out += held_;
      held_.clear();
      if (c == '?') PassUntil("?>");
      else if (c == '/') PassUntil(">");
      else state_ = State::kText;
    }
  } else if (held_ == "<!-" || (std::string_view("<![CDATA[").starts_with(held_) && held_.size() < 9)) {
    // wait for more
  } else {
    out += held_;
    if (held_ == "<!--") PassUntil("-->");
    else if (held_ == "<![CDATA[") PassUntil("]]>");
    else {
      state_ = State::kDeclaration;
      quote_ = 0;
      brackets_ = 0;
      if (c == '>') state_ = State::kText;
      else if (c == '[') brackets_ = 1;
    }
    held_.clear();
  }
}

std::size_t ListingSlimmer::FeedStartTag(std::string_view in, std::size_t i, std::string& out) {
  // Quoted values are skipped with memchr: they are most of a tag's bytes.
  std::size_t j = i;
  bool ended = false;
  while (j < in.size() && !ended) {
    if (quote_) {
      const void* q = std::memchr(in.data() + j, quote_, in.size() - j);
      j = q ? static_cast<std::size_t>(static_cast<const char*>(q) - in.data()) + 1 : in.size();
      if (q) quote_ = 0;
    } else {
      const char c = in[j++];
      if (c == '"' || c == '\'') quote_ = c;
      else ended = c == '>';
    }
  }
  held_.append(in.data() + i, j - i);
  if (ended) {
    EndStartTag(out);
  } else if (held_.size() > kMaxHeldTag) {
    out += held_;
    held_.clear();
    state_ = State::kPassTag;
  }
  return j;
}

// The states that pass every byte on: an overlong tag, a comment or instruction up to its
// terminator, a document type with its internal subset up to its closing '>'.
void ListingSlimmer::FeedPassed(char c, std::string& out) {
  out += c;
  if (state_ == State::kPassTag) {
    if (!Quoted(c) && c == '>') state_ = State::kText;
  } else if (state_ == State::kPassUntil) {
    matched_ = Advance(until_, matched_, c);
    if (matched_ == until_.size()) state_ = State::kText;
  } else if (Quoted(c)) {
    // inside a literal
  } else if (c == '[') {
    ++brackets_;
  } else if (c == ']') {
    if (brackets_ > 0) --brackets_;
  } else if (c == '>' && brackets_ == 0) {
    state_ = State::kText;
  }
}

void ListingSlimmer::Finish(std::string& out) {
  out += held_;
  held_.clear();
  state_ = State::kText;
}

}  // namespace cfg
