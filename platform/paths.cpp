#include "platform/paths.h"

#include "platform/files.h"
#include "platform/text.h"

#include <unistd.h>

#include <vector>

namespace platform {

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
        for (const auto& e : ListDirectory(done.empty() ? "." : done)) {
          if (EqualsNoCase(e.name, part)) {
            candidate = done.empty() ? e.name : JoinPath(done, e.name);
            break;
          }
        }
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

}  // namespace platform
