#include "platform/text_file.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/file_stream.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/utf8.h"

namespace {

constexpr std::size_t kReadSize = 500;
constexpr std::size_t kStreamBlock = 1 << 16;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Whether the line sets `key` (blank or "=" after it); `value` gets the rest.
bool MatchKey(std::string_view line, std::string_view key, std::string_view& value) {
  if (line.size() <= key.size()) return false;
  if (!platform::EqualsNoCase(line.substr(0, key.size()), key)) return false;
  char next = line[key.size()];
  if (next != '=' && !IsBlank(next)) return false;
  value = line.substr(key.size() + 1);
  if (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<TextFile> OpenTextFile(std::string_view path, TextBytes bytes) {
  if (path.empty()) return std::nullopt;
  auto data = platform::ReadWholeFile(platform::ResolvePath(path));
  if (!data) return std::nullopt;
  const bool display = bytes == TextBytes::kDisplayUtf8;
  if (display) *data = platform::TextAsUtf8(std::move(*data));
  TextFile file{std::move(*data), 0, nullptr};
  file.displayText = display;
  return file;
}

std::optional<TextFile> OpenStreamedTextFile(std::string_view path, TextBytes bytes) {
  if (path.empty()) return std::nullopt;
  const std::string resolved = platform::ResolvePath(path);
  std::shared_ptr<platform::FileStream> stream = platform::FileStream::Open(resolved);
  if (!stream) return std::nullopt;
  TextFile file{std::string(), 0, std::move(stream)};
  file.displayText = bytes == TextBytes::kDisplayUtf8;
  file.data.reserve(kStreamBlock + kReadSize + 1);
  return file;
}

std::size_t CountLinesStartingWith(std::string_view path, char first) {
  if (path.empty()) return 0;
  auto stream = platform::FileStream::Open(platform::ResolvePath(path));
  if (!stream) return 0;
  std::size_t count = 0;
  char before = '\n';  // the character before the block: the file's start counts as a line start
  std::string block;
  block.reserve(kStreamBlock);
  while (stream->ReadInto(block, kStreamBlock) > 0) {
    if (block.front() == first && before == '\n') ++count;
    for (auto p = block.find('\n'); p != std::string::npos && p + 1 < block.size(); p = block.find('\n', p + 1))
      if (block[p + 1] == first) ++count;
    before = block.back();
    block.clear();
  }
  return count;
}

namespace {

// Keeps at least one read and the byte after it ahead of the position while the file has
// more: the rest of the block moves to the front and the next block follows it.
void Refill(TextFile& file) {
  if (file.data.size() - file.position > kReadSize) return;
  file.data.erase(0, file.position);
  file.position = 0;
  while (file.data.size() <= kReadSize) {
    if (!file.displayText) {
      if (file.stream->ReadInto(file.data, kStreamBlock) == 0) break;
      continue;
    }
    if (file.stream->ReadInto(file.cut, kStreamBlock) == 0) {
      platform::AppendLinesAsUtf8(file.data, file.cut);  // the last line, without its LF
      file.cut.clear();
      break;
    }
    // Whole lines are converted; the start of the next one waits for the rest of it. A
    // line longer than a block goes in pieces, never split inside a character.
    const std::size_t lf = file.cut.rfind('\n');
    const std::size_t whole = lf != std::string::npos ? lf + 1
                              : file.cut.size() - platform::IncompleteUtf8Tail(file.cut);
    platform::AppendLinesAsUtf8(file.data, std::string_view(file.cut).substr(0, whole));
    file.cut.erase(0, whole);
  }
  if (file.data.size() <= kReadSize) file.stream.reset();  // the end: what is left is read from memory
}

// The first CR or LF in [p, stop), or stop. Eight bytes at a time: lines of a list are
// read by the hundred thousand on every load.
const char* FindLineEnd(const char* p, const char* stop) {
#if defined(__SSE2__)
  // Sixteen at a time where every x86-64 processor can.
  const __m128i cr16 = _mm_set1_epi8('\r');
  const __m128i lf16 = _mm_set1_epi8('\n');
  while (stop - p >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int found = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr16), _mm_cmpeq_epi8(bytes, lf16)));
    if (found) return p + std::countr_zero(static_cast<unsigned>(found));
    p += 16;
  }
#endif
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  static_assert(std::endian::native == std::endian::little, "the first match is the lowest byte");
  while (stop - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    const std::uint64_t cr = word ^ (kOnes * '\r');
    const std::uint64_t lf = word ^ (kOnes * '\n');
    // A zero byte of cr or lf sets its high bit here; bits above the first may be wrong,
    // the lowest one never is.
    const std::uint64_t found = ((cr - kOnes) & ~cr & kHighs) | ((lf - kOnes) & ~lf & kHighs);
    if (found) return p + std::countr_zero(found) / 8;
    p += 8;
  }
  while (p < stop && *p != '\r' && *p != '\n') ++p;
  return p;
}

}  // namespace

namespace {

int ReadLine(std::string_view data, std::size_t& position, bool displayText, std::string_view& line) {
  const std::size_t size = data.size();
  if (position >= size) {
    line = {};
    return -1;
  }
  const char* start = data.data() + position;
  const std::size_t avail = std::min(kReadSize, size - position);
  const char* stop = start + avail;
  const char* end = FindLineEnd(start, stop);
  const std::size_t length = static_cast<std::size_t>(end - start);
  line = std::string_view(start, length);
  if (end == stop) {
    if (displayText) {
      // A character the limit would split is taken whole: the line runs a few bytes over.
      const std::string_view rest(start, size - position);
      const std::size_t from = platform::Utf8CutPoint(rest, length);
      if (from < length) line = rest.substr(0, from + platform::Utf8SequenceAt(rest, from));
    }
    position += line.size();
  } else {
    std::size_t next = position + length + 1;
    if (*end == '\r' && next < size && data[next] == '\n') ++next;
    position = next;
  }
  return static_cast<int>(line.size());
}

}  // namespace

int ReadFileLine(TextFile& file, std::string_view& line) {
  if (file.stream) Refill(file);
  return ReadLine(file.data, file.position, file.displayText, line);
}

int ReadFileLine(TextPart& part, std::string_view& line) {
  return ReadLine(part.data, part.position, part.displayText, line);
}

int ReadFileLine(TextFile& file, std::string& line) {
  std::string_view view;
  int n = ReadFileLine(file, view);
  line.assign(view);
  return n;
}

int WriteFileLine(std::string& out, std::string_view text, int newline) {
  out.append(text);
  if (newline == 1) out.append("\r\n");
  return static_cast<int>(text.size()) + (newline == 1 ? 2 : 0);
}

void ReadKeyValues(std::string_view section, std::span<const std::string_view> keys,
                   std::string_view def, std::size_t size, TextFile& file,
                   std::span<std::string> values) {
  const std::string header = "[" + std::string(section) + "]";
  std::vector<bool> found(keys.size(), false);
  std::size_t remaining = keys.size();
  for (auto& v : values) v.clear();
  file.position = 0;
  bool inside = section.empty();
  std::string_view line;
  while (remaining > 0 && ReadFileLine(file, line) >= 0) {
    if (section.empty()) {
      if (!line.empty() && line.front() == '[') {
        inside = platform::EqualsNoCase(line, header);
        continue;
      }
    } else if (auto name = platform::ProfileSectionName(line)) {
      // Named sections live in files the profile writer keeps: its header rules hold.
      inside = platform::EqualsNoCase(*name, section);
      continue;
    }
    if (!inside) continue;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      std::string_view value;
      if (found[i] || !MatchKey(line, keys[i], value)) continue;
      found[i] = true;
      --remaining;
      values[i] = platform::CutToField(value, size);
    }
  }
  for (auto& v : values)
    if (v.empty()) v = platform::CutToField(def, size);
}

std::string ReadKeyValue(std::string_view section, std::string_view key, std::string_view def,
                         std::size_t size, TextFile& file) {
  std::string value;
  ReadKeyValues(section, std::span<const std::string_view>(&key, 1), def, size, file,
                std::span<std::string>(&value, 1));
  return value;
}
