#include "catalogue/directory_scan.h"

#include <set>
#include <vector>

#include "catalogue/random.h"
#include "catalogue/random.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace catalogue {

namespace {

std::vector<std::string_view> SplitExtensions(std::string_view list) {
  std::vector<std::string_view> out;
  for (;;) {
    auto semi = list.find(';');
    out.push_back(list.substr(0, semi));
    if (semi == std::string_view::npos) break;
    list.remove_prefix(semi + 1);
  }
  return out;
}

bool MatchesExtension(std::string_view name, std::string_view ext) {
  if (!ext.empty() && ext.front() == '*') return true;
  return platform::EndsWithNoCase(name, ext);
}

// With a single extension the listing itself asks for "*.<ext>": only names with that
// dotted extension are offered ("*.*" offers all; "*." only names without extension).
bool OfferedBySinglePattern(std::string_view name, std::string_view ext) {
  if (!ext.empty() && ext.front() == '*') return true;
  if (ext.empty()) return name.find('.') == std::string_view::npos;
  if (name.size() < ext.size() + 1) return false;
  return name[name.size() - ext.size() - 1] == '.' && platform::EndsWithNoCase(name, ext);
}

struct Scan {
  const std::vector<std::string_view>& exts;
  bool recurse;
  int target;
  std::string found;
  // Real directories already entered: a link to a parent (or a second link to one folder)
  // must neither loop nor count the same files again.
  std::set<platform::FileId> visited;
};

int CountIn(const std::string& dir, Scan& scan, int countBefore) {
  const auto& exts = scan.exts;
  const int target = scan.target;
  std::string& found = scan.found;
  int count = 0;
  if (auto id = platform::FileIdOf(dir); id && !scan.visited.insert(*id).second) return 0;
  const auto listing = platform::ListDirectory(dir);
  if (scan.recurse) {
    for (const auto& e : listing) {
      if (!e.isDirectory || e.name.empty() || e.name.front() == '.') continue;
      count += CountIn(platform::JoinPath(dir, e.name), scan, countBefore + count);
      if (target > 0 && countBefore + count >= target) return count;
    }
  }
  for (const auto& e : listing) {
    if (e.isDirectory) continue;
    if (exts.size() == 1 && !OfferedBySinglePattern(e.name, exts.front())) continue;
    for (std::string_view ext : exts) {
      if (!MatchesExtension(e.name, ext)) continue;
      ++count;
      if (target > 0 && countBefore + count >= target) {
        found = platform::JoinPath(dir, e.name);
        return count;
      }
    }
  }
  return count;
}

}  // namespace

int CountMediaFiles(std::string& directory, std::string_view extensions, bool recurse,
                    int countBefore, int target) {
  const auto exts = SplitExtensions(extensions);
  Scan scan{exts, recurse, target, {}, {}};
  int count = CountIn(platform::ResolvePath(directory), scan, countBefore);
  if (!scan.found.empty()) directory = scan.found;
  return count;
}

int PickFileAt(std::string& directory, std::string_view extensions, bool recurse, int position) {
  std::string picked = directory;
  if (CountMediaFiles(picked, extensions, recurse, 0, position) < position) return 0;
  directory = std::move(picked);
  return 1;
}

int PickRandomFile(RandomGenerator& random, std::int32_t& lastPick, std::string& directory,
                   std::string_view extensions, bool recurse) {
  const int total = CountMediaFiles(directory, extensions, recurse, 0, 0);
  if (total < 1) return 0;
  int k;
  do {
    k = total > 32767 ? RandomBelow(random, total) + 1 : Random15(random) / (32767 / total) + 1;
  } while (k < 1 || k > total || (total > 1 && k == lastPick));
  lastPick = k;
  return PickFileAt(directory, extensions, recurse, k);
}

}  // namespace catalogue
