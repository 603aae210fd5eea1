#include "render/scroll_text.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/utf8.h"
#include "render/render_state.h"

namespace render {

namespace {

int WidthAt(const ScrollText& st, std::size_t i) {
  if (i >= st.working.size()) return 0;
  const auto b = static_cast<unsigned char>(st.working[i]);
  if (b < 0x80) return st.charWidths[b];
  const char32_t cp = platform::NextCodePoint(st.working, i);
  if (cp < 256) return st.charWidths[cp];
  return st.wideWidth ? st.wideWidth(cp) : 0;
}

// The bytes of the character at i: the text moves a whole character at a time.
std::size_t LengthAt(const ScrollText& st, std::size_t i) {
  return i < st.working.size() ? platform::CharacterLength(st.working, i) : 1;
}

bool IsGameTagLetter(char c) { return c == 'i' || c == 'I' || c == 'n' || c == 'N'; }

int Saturated(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// A catch-up after a long stall moves at most this many pixels at once.
constexpr std::uint32_t kMaxStepsPerUpdate = 10000;

// Replaces the tag starting at `start` (up to its "]", or the end) by `text`.
void ReplaceGameTag(ScrollText& st, std::size_t start, std::string_view text) {
  const std::size_t close = st.working.find(']', start);
  const std::size_t restFrom = close == std::string::npos ? st.working.size() : close + 1;
  // Inserted data never grows the text without bound (a name may hold a tag itself).
  if (st.working.size() + text.size() > kScrollWorkingMax) text = {};
  st.working.replace(start, restFrom - start, text);
}

// Cuts a valued tag out; a following "[" keeps one blank in front of it so that the
// next tag is examined on a later step.
std::int64_t CutValuedTag(ScrollText& st, std::size_t start) {
  const std::size_t valueFrom = start + 3;
  const std::size_t close = st.working.find(']', valueFrom);
  const std::size_t end = close == std::string::npos ? st.working.size() : close + 1;
  const std::int64_t value = platform::ParseDecimal(
      std::string_view(st.working).substr(valueFrom, (close == std::string::npos ? st.working.size() : close) - valueFrom));
  const bool tagFollows = end < st.working.size() && st.working[end] == '[';
  st.working.replace(start, end - start, tagFollows ? " " : "");
  return value;
}

}  // namespace

ScrollBox ScrollBoxOf(const Layout& layout) {
  const LayoutObject& o = layout.objects[kScrollText];
  return ScrollBox{o.visible, o.left, o.top, o.width, o.height, layout.textStyles[kScrollText].fontColour, o.alpha};
}

std::string ScrollTextOfFile(std::string_view bytes) {
  // The text ends at its first NUL byte, as a C string would.
  const std::string_view kept = bytes.substr(0, std::min(bytes.find('\0'), kScrollSourceMax));
  return platform::TextAsUtf8(std::string(kept));
}

int ReadScrollText(RenderState& rs, const std::string& installDir, const std::string& configName) {
  rs.scrollText.source.clear();
  rs.scrollText.working.clear();
  const auto text = platform::ReadWholeFile(
      platform::ResolvePath(installDir + "/config/" + configName + "/ScrollTexte.txt"), kScrollSourceMax);
  if (!text) return 0;
  rs.scrollText.source = ScrollTextOfFile(*text);
  return 1;
}

void MeasureCharWidths(RenderState& rs, const std::array<int, 256>& advanceWidths,
                       std::function<int(char32_t)> wideWidth) {
  rs.scrollText.charWidths = advanceWidths;
  rs.scrollText.wideWidth = std::move(wideWidth);
  PrepareScrollText(rs);
}

void PrepareScrollText(ScrollText& st, const ScrollBox& box) {
  st.working = st.source;
  st.hasGameTags = false;
  st.firstChar = 0;
  st.pixelOffset = 0;
  if (st.working.empty() || !box.visible || box.width <= 0) return;
  for (char& c : st.working) {
    if (c >= 1 && c <= 19) c = ' ';
  }
  for (std::size_t i = 0; i + 1 < st.working.size(); ++i) {
    if (st.working[i] == '[' && IsGameTagLetter(st.working[i + 1])) {
      st.hasGameTags = true;
      break;
    }
  }
  const int blank = st.charWidths[' '];
  // No screen is wider than this: a hand-edited width of millions of pixels must not
  // make the text millions of blanks long.
  constexpr int kWidestBox = 16384;
  st.pad = std::max(blank > 0 ? std::min(box.width, kWidestBox) / blank : 0, 10);
  st.working.insert(0, static_cast<std::size_t>(st.pad) + 1, ' ');
  st.colour = box.fontColour;
  st.currentWidth = WidthAt(st, 0);
  st.alpha = box.alpha;
  st.blink = false;
}

ScrollTag ScrollTextTag(ScrollText& st, const ScrollBox& box, const GameTexts* game) {
  // Walk from the first shown character to the one under the box's right edge.
  std::int64_t room = static_cast<std::int64_t>(box.width) - st.charWidths[' '];
  std::size_t i = static_cast<std::size_t>(std::max(st.firstChar, 0));
  std::size_t last = i;  // where the character under the edge begins
  while (room >= 0) {
    if (i >= st.working.size()) return {};  // the text ends before the right edge
    room -= WidthAt(st, i);
    last = i;
    i += LengthAt(st, i);
  }
  if (i > 1) i = last;
  if (i >= st.working.size()) return {};
  std::size_t start;
  if (st.working[i] == '[') {
    start = i;
  } else if (i >= 1 && st.working[i - 1] == '[') {
    start = i - 1;
  } else {
    return {};
  }
  const std::string_view tag = std::string_view(st.working).substr(start + 1);
  if (tag.empty()) return {};
  const char letter = platform::ToLowerAscii(tag[0]);
  if (letter == 'b' || letter == 'c' || letter == 'p' || letter == 'v') {
    if (tag.size() < 2 || tag[1] != '=') return {};  // shown as it stands
    const std::int64_t value = CutValuedTag(st, start);
    switch (letter) {
      case 'b':
        st.blink = value >= 1;
        if (!st.blink) st.alpha = box.alpha;
        return {};
      case 'c':
        return {ScrollTagKind::kColour, value < 0 || value > 0xFFFFFF ? 0xFFFFFF : value};
      case 'p':
        return {ScrollTagKind::kPause, std::clamp<std::int64_t>(value, 0, kScrollPauseMaxSeconds)};
      default:
        return {ScrollTagKind::kSpeed, value >= 1 && value <= 9 ? value : 5};
    }
  }
  if (platform::EqualsNoCase(tag.substr(0, 5), "infos")) {
    const char digit = tag.size() > 5 ? tag[5] : 0;
    std::string text;
    if (game && digit >= '1' && digit <= '3') text = game->infos[static_cast<std::size_t>(digit - '1')];
    ReplaceGameTag(st, start, text);
  } else if (platform::EqualsNoCase(tag.substr(0, 7), "nomjeux")) {
    ReplaceGameTag(st, start, game ? game->fullName : std::string());
  }
  return {};
}

void StepScrollText(ScrollText& st, const ScrollBox& box, std::uint32_t now, const GameTexts* game) {
  if (st.working.empty() || !box.visible || box.width <= 0) return;
  if (static_cast<std::int32_t>(now - st.due) < 0) return;
  if (st.period == 0) st.period = kScrollDefaultPeriod;
  const std::uint32_t steps = std::min((now - st.due) / st.period + 1, kMaxStepsPerUpdate);
  st.due = now + st.period;
  for (std::uint32_t k = 0; k < steps; ++k) {
    st.pixelOffset += 1;
    // ">=": a character of width 0 is consumed at once instead of never.
    if (st.pixelOffset >= st.currentWidth) {
      st.pixelOffset = 0;
      st.firstChar += static_cast<int>(LengthAt(st, static_cast<std::size_t>(st.firstChar)));
      if (static_cast<std::size_t>(st.firstChar) >= st.working.size()) {
        PrepareScrollText(st, box);
        st.period = kScrollDefaultPeriod;
      }
      const ScrollTag tag = ScrollTextTag(st, box, game);
      if (static_cast<std::size_t>(st.firstChar) >= st.working.size()) PrepareScrollText(st, box);
      if (tag.kind == ScrollTagKind::kPause) {
        st.due = now + static_cast<std::uint32_t>(tag.value) * 1000u;
        st.currentWidth = WidthAt(st, static_cast<std::size_t>(st.firstChar));
        return;  // the text stands still from here
      }
      if (tag.kind == ScrollTagKind::kSpeed) st.period = static_cast<std::uint32_t>(10 - tag.value) * 5u;
      if (tag.kind == ScrollTagKind::kColour) st.colour = static_cast<std::uint32_t>(tag.value);
    }
    st.currentWidth = WidthAt(st, static_cast<std::size_t>(st.firstChar));
  }
}

ScrollTextDrawing ScrollTextToDraw(const ScrollText& st, const ScrollBox& box) {
  ScrollTextDrawing d;
  if (st.working.empty() || !box.visible || box.width <= 0 ||
      static_cast<std::size_t>(st.firstChar) >= st.working.size()) {
    return d;
  }
  d.visible = true;
  d.text = std::string_view(st.working).substr(static_cast<std::size_t>(st.firstChar));
  const int widthB = st.charWidths['B'];
  // A layout may place the box anywhere an int reaches: the sums saturate, never wrap.
  d.left = Saturated(std::int64_t(box.left) - st.pixelOffset + widthB);
  d.top = box.top;
  d.right = Saturated(std::int64_t(box.left) + box.width - st.pixelOffset);
  d.bottom = Saturated(std::int64_t(box.top) + box.height);
  d.argb = (static_cast<std::uint32_t>(st.alpha) << 24) + st.colour;
  return d;
}

void PrepareScrollText(RenderState& rs) { PrepareScrollText(rs.scrollText, ScrollBoxOf(rs.layout)); }

ScrollTag ScrollTextTag(RenderState& rs, const GameTexts* game) { return ScrollTextTag(rs.scrollText, ScrollBoxOf(rs.layout), game); }

void StepScrollText(RenderState& rs, std::uint32_t now, const GameTexts* game) {
  StepScrollText(rs.scrollText, ScrollBoxOf(rs.layout), now, game);
}

void ApplyScrollTextBlink(RenderState& rs, bool rising, int elapsedMs) {
  if (!rs.scrollText.blink) return;
  const int g = std::clamp(155 * elapsedMs / 1000, 0, 155);
  rs.scrollText.alpha = rising ? 100 + g : 255 - g;
}

ScrollTextDrawing ScrollTextToDraw(const RenderState& rs) { return ScrollTextToDraw(rs.scrollText, ScrollBoxOf(rs.layout)); }

}  // namespace render
