#include "catalogue/game_list.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <utility>

#include "catalogue/name_table.h"
#include "catalogue/side_by_side.h"
#include "platform/text_file.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/utf8.h"

namespace catalogue {

namespace {

// A name of the filter (Liste.ini, or the played games of the statistics file), a view
// into the file it came from, with its play count.
struct FilterName {
  std::string_view name;
  std::int32_t playCount = 0;
};

bool IsHeader(std::string_view line) { return !line.empty() && line.front() == '['; }

std::string_view SectionName(std::string_view header) {
  std::string_view name = header.substr(1);
  if (!name.empty() && name.back() == ']') name.remove_suffix(1);
  return name;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && platform::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// Applies one "key = value" line of a game section: the key loses one trailing blank,
// the value one leading blank. The entry's texts are views into the file until the
// section is over.
void ApplyKeyLine(GameEntry& entry, std::string_view line) {
  // Keys are short: a plain loop finds the "=" sooner than a call to memchr.
  std::size_t eq = 0;
  while (eq < line.size() && line[eq] != '=') ++eq;
  if (eq == line.size()) return;
  std::string_view key = line.substr(0, eq);
  std::string_view value = line.substr(eq + 1);
  if (!key.empty() && key.back() == ' ') key.remove_suffix(1);
  if (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  std::string_view* field = nullptr;
  std::size_t size = kEntryFieldSize;
  // The length picks the one name to compare: 50,000 games give 250,000 key lines.
  if (key.size() == 8) {
    if (platform::EqualsNoCase(key, "FullName")) field = &entry.fullName;
  } else if (key.size() == 6) {
    if (platform::EqualsNoCase(key.substr(0, 5), "Infos")) {
      if (key[5] == '1') field = &entry.infos1;
      else if (key[5] == '2') field = &entry.infos2;
      else if (key[5] == '3') field = &entry.infos3;
    }
  } else if (key.size() == 5 && platform::EqualsNoCase(key, "RomOf")) {
    field = &entry.romOf;
    size = kRomOfFieldSize;
  }
  if (!field) return;
  // Names are shown: a long one loses a whole character, never half of one.
  *field = value.substr(0, value.size() < size ? value.size() : platform::Utf8CutPoint(value, size - 1));
}

// The lines that begin with "[" (at the start or after an LF), each with the hash of the
// section name the loader will take from it: their count bounds the sections, so that
// the table is allocated once, and in a filtered load the table slots of the names
// ahead are fetched into the cache while the current section is read.
struct SectionStarts {
  std::vector<std::size_t> offsets;
  std::vector<std::uint32_t> hashes;  // only when asked for
};

SectionStarts FindSectionStarts(std::string_view text, bool hashed) {
  SectionStarts starts;
  auto add = [&](std::size_t offset) {
    starts.offsets.push_back(offset);
    if (!hashed) return;
    // The header line as ReadFileLine cuts it: to the first CR or LF, at most 500 bytes.
    const std::string_view rest = text.substr(offset, 500);
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n') ++end;
    starts.hashes.push_back(NameTable::Hash(SectionName(rest.substr(0, end))));
  };
  // Looked for by their "[", which is rarer than line ends.
  for (auto p = text.find('['); p != std::string_view::npos; p = text.find('[', p + 1))
    if (p == 0 || text[p - 1] == '\n') add(p);
  return starts;
}

// How many sections ahead the slot of a name is fetched: far enough for the memory to
// answer before the loader gets there.
constexpr std::size_t kFetchAhead = 8;

// One name per non-empty line, taken whole.
void ReadFilter(TextFile& file, std::vector<FilterName>& names) {
  std::string_view line;
  while (ReadFileLine(file, line) >= 0)
    if (!line.empty()) names.push_back({line, 0});
}

// Play counts from the "Nb" keys of the list's statistics file, in one pass over it. The
// file is read block by block; the names of played games that are not in a filter are
// copied into `played`, which the new filter names point into.
void ReadPlayCounts(TextFile& file, bool filterPresent, std::vector<FilterName>& names,
                    std::string& played) {
  NameTable filterIndex(filterPresent ? names.size() : 0);
  if (filterPresent)
    for (std::size_t i = 0; i < names.size(); ++i) filterIndex.Insert(names[i].name, static_cast<std::int32_t>(i));
  std::vector<std::pair<std::size_t, std::int32_t>> playedEnds;  // end in `played`, count
  std::string section;
  std::string_view line;
  while (ReadFileLine(file, line) >= 0) {
    if (IsHeader(line)) {
      section.assign(SectionName(line));
      continue;
    }
    if (!StartsWithNoCase(line, "Nb=") && !StartsWithNoCase(line, "Nb =")) continue;
    const int n = platform::ParseInt(line.substr(line.find('=') + 1));
    if (n < 1 || section.empty()) continue;
    if (filterPresent) {
      if (const std::int32_t* index = filterIndex.Find(section)) names[static_cast<std::size_t>(*index)].playCount = n;
    } else {
      played += section;
      playedEnds.emplace_back(played.size(), n);
    }
  }
  std::size_t start = 0;
  names.reserve(names.size() + playedEnds.size());
  for (const auto& [end, count] : playedEnds) {
    names.push_back({std::string_view(played).substr(start, end - start), count});
    start = end;
  }
}

// The names a filtered load keeps, with their play counts. Filled in place: the names are
// views into the filter file and `played`, so the record must not move once filled.
struct AllowedNames {
  std::optional<TextFile> filterFile;  // Liste.ini
  std::string played;                  // played games that are not in a filter
  std::vector<FilterName> names;
  NameTable table;                     // section name -> play count of its first usable name
};

// The counts of the statistics file, then the table of the names to keep.
void CountAndIndex(AllowedNames& allowed, TextFile* statisticsFile, bool favourites) {
  if (statisticsFile) ReadPlayCounts(*statisticsFile, !allowed.names.empty(), allowed.names, allowed.played);
  const std::vector<FilterName>& names = allowed.names;
  std::vector<std::uint32_t> hashes(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) hashes[i] = NameTable::Hash(names[i].name);
  allowed.table = NameTable(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i + kFetchAhead < names.size()) allowed.table.Prefetch(hashes[i + kFetchAhead]);
    if (!favourites || names[i].playCount > 0) allowed.table.Insert(names[i].name, names[i].playCount, hashes[i]);
  }
}

// Where the sections of one part of the list file are read, and how they are chosen.
struct SectionRange {
  std::size_t base = 0;                          // the part's first byte in the whole text
  std::size_t stop = std::string_view::npos;     // the header, in the whole text, that ends the part
  const SectionStarts* starts = nullptr;
  const NameTable* allowed = nullptr;            // null: every section is kept
  bool favourites = false;
};

// Reads the sections of a part of the list file into `entries`, behind those already
// there, and returns how many it added.
std::size_t ReadSections(TextPart file, const SectionRange& range, GameEntries& entries) {
  const SectionStarts& starts = *range.starts;
  const std::size_t before = entries.size();
  // The first of `starts` not behind the current line.
  std::size_t start = static_cast<std::size_t>(
      std::lower_bound(starts.offsets.begin(), starts.offsets.end(), range.base) - starts.offsets.begin());
  std::string sortKey;  // a favourite's key, built here and copied with the entry
  std::string_view line;
  int n = ReadFileLine(file, line);
  while (n >= 0 && !IsHeader(line)) n = ReadFileLine(file, line);
  while (n >= 0) {
    const std::size_t offset = range.base + static_cast<std::size_t>(line.data() - file.data.data());
    if (offset >= range.stop) break;
    const std::string_view name = SectionName(line);
    std::int32_t playCount = 0;
    if (range.allowed) {
      // A header the scan saw has its hash ready, and the names ahead are fetched; any
      // other (a line cut at 500 bytes, CR-only line ends) is simply hashed here.
      while (start < starts.offsets.size() && starts.offsets[start] < offset) ++start;
      const bool seen = start < starts.offsets.size() && starts.offsets[start] == offset;
      if (seen && start + kFetchAhead < starts.hashes.size()) range.allowed->Prefetch(starts.hashes[start + kFetchAhead]);
      const std::int32_t* count = seen ? range.allowed->Find(name, starts.hashes[start]) : range.allowed->Find(name);
      if (!count) {
        do n = ReadFileLine(file, line);
        while (n >= 0 && !IsHeader(line));
        continue;
      }
      playCount = *count;
    }
    GameEntry entry;
    entry.romName = name.substr(0, kEntryFieldSize - 1);
    for (n = ReadFileLine(file, line); n >= 0 && !IsHeader(line); n = ReadFileLine(file, line))
      ApplyKeyLine(entry, line);
    if (entry.fullName.empty()) entry.fullName = entry.romName;
    if (range.favourites) {
      if (entry.fullName.size() > kFavouriteNameLength)
        entry.fullName = entry.fullName.substr(0, platform::Utf8CutPoint(entry.fullName, kFavouriteNameLength));
      char count[24];
      const auto digits = std::to_chars(count, count + sizeof count, 99999 - static_cast<std::int64_t>(playCount)).ptr;
      const auto length = static_cast<std::size_t>(digits - count);
      sortKey.assign(count, length);
      sortKey.append(entry.fullName.substr(0, kEntryFieldSize - 1 - length));
      entry.sortKey = sortKey;
    }
    entries.push_back(entry);
  }
  return entries.size() - before;
}

// Below this many sections a second thread costs more than it saves.
constexpr std::size_t kSectionsWorthTwoThreads = 4096;

// Reads every section of `file` into `entries`, the second half on a second thread:
// the halves meet at a header that follows an LF, where a line always begins, so each
// half reads exactly the lines the whole would. The second half fills entries of its
// own, in blocks lent from the list's spare ones, which are then moved behind the first.
void ReadSectionsInTwo(const TextFile& file, const SectionStarts& starts, const NameTable* allowed, bool favourites,
                       GameEntries& entries) {
  entries.clear();
  // Only the records are reserved for every section: a filtered list may keep few.
  entries.reserve(starts.offsets.size());
  const TextPart text{file.data, 0, file.displayText};
  const std::size_t half = starts.offsets.size() / 2;
  if (starts.offsets.size() < kSectionsWorthTwoThreads) {
    ReadSections(text, {0, std::string_view::npos, &starts, allowed, favourites}, entries);
    return;
  }
  const std::size_t split = starts.offsets[half];
  GameEntries second;
  entries.LendSpareBlocks(second);
  const SectionRange firstRange{0, split, &starts, allowed, favourites};
  const SectionRange secondRange{split, std::string_view::npos, &starts, allowed, favourites};
  RunSideBySide([&] { ReadSections(text, firstRange, entries); },
                [&] {
                  second.reserve(starts.offsets.size() - half);
                  ReadSections(TextPart{text.data.substr(split), 0, text.displayText}, secondRange, second);
                });
  entries.Append(std::move(second));
}

}  // namespace

int LoadGameList(GameList& list, const GameListSource& source) {
  AllowedNames allowed;
  allowed.filterFile = OpenTextFile(source.filterFile);
  if (allowed.filterFile) ReadFilter(*allowed.filterFile, allowed.names);
  // A favourites list shows only played games, even when none has been played yet;
  // without a statistics file there are no counts and the whole list shows.
  std::optional<TextFile> statisticsFile;
  if (source.favourites) statisticsFile = OpenStreamedTextFile(source.statisticsFile);
  const bool filtering = !allowed.names.empty() || statisticsFile.has_value();

  // The statistics file is read on a second thread while this one reads the list file:
  // the two take about as long. Read whole in one go: the entries keep their own copies,
  // and the heap hands the previous load's buffer back, so the file costs one copy from
  // the page cache.
  std::optional<TextFile> file;
  SectionStarts starts;
  auto readList = [&] {
    file = OpenTextFile(source.listFile, TextBytes::kDisplayUtf8);
    if (file) starts = FindSectionStarts(file->data, filtering);
  };
  TextFile* const statistics = statisticsFile ? &*statisticsFile : nullptr;
  if (filtering)
    RunSideBySide(readList, [&] { CountAndIndex(allowed, statistics, source.favourites); });
  else
    readList();
  if (!file) {
    list.entryCount = 0;
    return 0;
  }
  ReadSectionsInTwo(*file, starts, filtering ? &allowed.table : nullptr, source.favourites, list.entries);
  list.entryCount = static_cast<std::int32_t>(list.entries.size());
  list.displayOrder.resize(list.entries.size());
  for (std::int32_t k = 0; k < list.entryCount; ++k) list.displayOrder[static_cast<std::size_t>(k)] = k;
  return list.entryCount;
}

std::int32_t FindEntryByName(const GameList& list, std::string_view romName) {
  for (std::int32_t p = 0; p < list.entryCount; ++p)
    if (platform::EqualsNoCase(list.AtPosition(p).romName, romName)) return p;
  return 0;
}

}  // namespace catalogue
