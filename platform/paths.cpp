#include "platform/paths.h"

#include "platform/files.h"
#include "platform/text.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace platform {
namespace {

// Picture look-ups try several names per object on every key press, most of them missing
// in large art folders: the lower-case names of each directory are kept until the
// directory changes (its modification time moves with every entry added or removed).
struct DirectoryNames {
  FileStamp stamp;
  std::int64_t listedNs = 0;
  std::unordered_map<std::string, std::string> byLowerName;  // the first entry of each
};

constexpr std::size_t kMaxCachedDirectories = 256;
// Directory times advance in coarse ticks (two seconds on FAT): a change made in the tick
// of the listing would keep the time, so a listing is trusted for good only once its
// directory is older than this. Before that it is listed again, at most this often, so a
// folder just written is neither listed at every look-up nor missed for long.
constexpr std::int64_t kTimeTickMarginNs = 2'000'000'000;
constexpr std::int64_t kYoungDirectoryRelistNs = 100'000'000;

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch()).count();
}

bool StillValid(const DirectoryNames& names, const FileStamp& stamp, std::int64_t now) {
  if (!(names.stamp == stamp)) return false;
  return stamp.modifiedNs + kTimeTickMarginNs < names.listedNs || now - names.listedNs < kYoungDirectoryRelistNs;
}

std::optional<std::string> FindNoCase(const std::string& dir, const std::string& name) {
  static std::mutex mutex;
  static std::map<std::string, DirectoryNames> cache;
  const auto stamp = FileStampOf(dir);
  if (!stamp) return std::nullopt;
  std::lock_guard lock(mutex);
  auto it = cache.find(dir);
  const std::int64_t now = NowNs();
  if (it == cache.end() || !StillValid(it->second, *stamp, now)) {
    if (it == cache.end() && cache.size() >= kMaxCachedDirectories) cache.clear();
    DirectoryNames names{*stamp, now, {}};
    for (auto& e : ListDirectory(dir)) names.byLowerName.emplace(ToLowerCopy(e.name), std::move(e.name));
    it = cache.insert_or_assign(dir, std::move(names)).first;
  }
  auto found = it->second.byLowerName.find(ToLowerCopy(name));
  if (found == it->second.byLowerName.end()) return std::nullopt;
  return found->second;
}

}  // namespace

std::string ProgramDirectory() {
  std::vector<char> buf(4096);
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return ".";
  std::string exe(buf.data(), static_cast<std::size_t>(n));
  auto slash = exe.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : exe.substr(0, slash);
}

std::string MakeAbsolutePath(std::string_view base, std::string_view value) {
  if (value.empty()) return {};
  if (IsSeparator(value[0])) return std::string(value);
  if (value.size() >= 2 && value[1] == ':') return std::string(value);
  // "..\x" names a sibling of the installation: the parent of base, then the rest.
  if (value.substr(0, 2) == "..") return std::string(DirectoryPart(base)) + std::string(value.substr(2));
  if (value[0] == '.') return std::string(base) + std::string(value.substr(1));
  return std::string(base) + "/" + std::string(value);
}

std::string AbsolutePath(std::string_view path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(path), error);
  return error ? std::string(path) : absolute.lexically_normal().string();
}

std::string MakeRelativePath(std::string_view base, std::string_view path) {
  while (base.size() > 1 && IsSeparator(base.back())) base.remove_suffix(1);
  // Letter case counts: on Linux "/home/u/Arcade" and "/home/u/arcade" are two folders.
  if (base.empty() || path.size() < base.size() || path.substr(0, base.size()) != base) return std::string(path);
  std::string_view rest = path.substr(base.size());
  // "/opt/orv2" is not below "/opt/orv": only a separator may follow the base.
  if (!rest.empty() && !IsSeparator(rest.front()) && !IsSeparator(base.back())) return std::string(path);
  while (!rest.empty() && IsSeparator(rest.front())) rest.remove_prefix(1);
  return rest.empty() ? std::string(".") : std::string(rest);
}

std::string ToNativeSeparators(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  for (std::size_t i = 0; i < path.size(); ++i) {
    char c = path[i] == '\\' ? '/' : path[i];
    if (c == '/' && !out.empty() && out.back() == '/' && i > 1) continue;
    out.push_back(c);
  }
  return out;
}

std::string JoinPath(std::string_view dir, std::string_view name) {
  if (dir.empty()) return std::string(name);
  std::string out(dir);
  if (!IsSeparator(out.back())) out.push_back('/');
  out.append(name);
  return out;
}

std::string_view FileNamePart(std::string_view path) {
  auto pos = path.find_last_of("\\/");
  return pos == std::string_view::npos ? path : path.substr(pos + 1);
}

std::string_view DirectoryPart(std::string_view path) {
  auto pos = path.find_last_of("\\/");
  return pos == std::string_view::npos ? std::string_view{} : path.substr(0, pos);
}

std::string ResolvePath(std::string_view path) {
  std::string native = ToNativeSeparators(path);
  if (native.empty() || ::access(native.c_str(), F_OK) == 0) return native;

  // Walk the components, keeping each one that exists as written and otherwise looking
  // for a sibling whose name differs only in letter case.
  std::string done;
  std::size_t pos = 0;
  if (native[0] == '/') {
    done = "/";
    pos = 1;
  }
  while (pos <= native.size()) {
    auto next = native.find('/', pos);
    std::string part = native.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
    if (!part.empty()) {
      std::string candidate = done.empty() ? part : JoinPath(done, part);
      if (::access(candidate.c_str(), F_OK) != 0 && part != "." && part != "..") {
        if (auto name = FindNoCase(done.empty() ? "." : done, part))
          candidate = done.empty() ? *name : JoinPath(done, *name);
      }
      if (::access(candidate.c_str(), F_OK) != 0) {
        // Nothing below can exist: keep the rest as written.
        return next == std::string::npos ? candidate : candidate + native.substr(next);
      }
      done = std::move(candidate);
    }
    if (next == std::string::npos) break;
    pos = next + 1;
  }
  return done.empty() ? native : done;
}

namespace {
// Without "." components and a trailing separator: "base/./Music/" -> "base/Music".
std::string WithoutDotsAndTrailingSeparator(std::string_view path) {
  std::string native = ToNativeSeparators(path);
  for (auto at = native.find("/./"); at != std::string::npos; at = native.find("/./")) native.erase(at, 2);
  if (native.ends_with("/.")) native.resize(native.size() - 2);
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  return native;
}
}  // namespace

bool SamePath(std::string_view a, std::string_view b) {
  const std::string ra = ResolvePath(WithoutDotsAndTrailingSeparator(a));
  const std::string rb = ResolvePath(WithoutDotsAndTrailingSeparator(b));
  const auto ia = FileIdOf(ra), ib = FileIdOf(rb);
  if (ia && ib) return *ia == *ib;
  return EqualsNoCase(ra, rb);
}

}  // namespace platform
