#include "platform/utf8.h"

#include <cstdint>
#include <cstring>

#include "platform/text.h"

namespace platform {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// How long the sequence a lead byte opens is, 0 for a byte that opens none.
std::size_t LeadLength(unsigned char c) {
  if (c >= 0xC2 && c <= 0xDF) return 2;
  if (c >= 0xE0 && c <= 0xEF) return 3;
  if (c >= 0xF0 && c <= 0xF4) return 4;
  return 0;
}

// The second byte of E0, ED, F0 and F4 sequences is narrower than the others.
bool SecondByteFits(unsigned char lead, unsigned char c) {
  switch (lead) {
    case 0xE0: return c >= 0xA0 && c <= 0xBF;
    case 0xED: return c >= 0x80 && c <= 0x9F;
    case 0xF0: return c >= 0x90 && c <= 0xBF;
    case 0xF4: return c >= 0x80 && c <= 0x8F;
    default: return IsContinuation(c);
  }
}

// Plain ASCII, the bulk of any list, eight bytes at a time.
std::size_t AsciiRun(std::string_view s, std::size_t i) {
  std::uint64_t word;
  while (i + 8 <= s.size() && (std::memcpy(&word, s.data() + i, 8), (word & 0x8080808080808080ull) == 0)) i += 8;
  while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
  return i;
}

void AppendAsCp1252(std::string& out, std::string_view bytes) {
  for (char c : bytes) AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
}

}  // namespace

std::size_t Utf8SequenceAt(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  const std::size_t n = LeadLength(lead);
  if (n == 0 || i + n > s.size()) return 0;
  if (!SecondByteFits(lead, static_cast<unsigned char>(s[i + 1]))) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if (!IsContinuation(static_cast<unsigned char>(s[i + k]))) return 0;
  return n;
}

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while ((i = AsciiRun(s, i)) < s.size()) {
    const std::size_t n = Utf8SequenceAt(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  const std::size_t n = Utf8SequenceAt(text, i);
  if (n == 0) {
    ++i;
    return Cp1252ToUnicode(lead);
  }
  char32_t cp = lead & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  i += n;
  return cp;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) ++count;
  return count;
}

std::size_t IncompleteUtf8Tail(std::string_view text) {
  // The last lead byte within three bytes of the end, with only continuations after it.
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const std::size_t at = text.size() - back;
    const auto c = static_cast<unsigned char>(text[at]);
    if (IsContinuation(c)) continue;
    const std::size_t n = LeadLength(c);
    if (n <= back) return 0;
    if (back >= 2 && !SecondByteFits(c, static_cast<unsigned char>(text[at + 1]))) return 0;
    return back;
  }
  return 0;
}

std::size_t Utf8CutPoint(std::string_view text, std::size_t bytes) {
  if (bytes >= text.size()) return text.size();
  // Only a cut right before a continuation byte can split a character.
  if (!IsContinuation(static_cast<unsigned char>(text[bytes]))) return bytes;
  const std::size_t tail = IncompleteUtf8Tail(text.substr(0, bytes));
  if (tail == 0) return bytes;
  const std::size_t start = bytes - tail;
  return Utf8SequenceAt(text, start) > tail ? start : bytes;
}

void AppendLinesAsUtf8(std::string& out, std::string_view bytes) {
  if (IsValidUtf8(bytes)) {
    out.append(bytes);
    return;
  }
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t lf = bytes.find('\n', pos);
    const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf + 1;
    const std::string_view line = bytes.substr(pos, end - pos);
    if (IsValidUtf8(line)) out.append(line);
    else AppendAsCp1252(out, line);
    pos = end;
  }
}

std::string TextAsUtf8(std::string bytes) {
  if (IsValidUtf8(bytes)) return bytes;
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  AppendLinesAsUtf8(out, bytes);
  return out;
}

}  // namespace platform
