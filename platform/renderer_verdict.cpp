#include "platform/renderer_verdict.h"

#include "platform/device.h"
#include "platform/files.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace platform {
namespace {

constexpr std::string_view kHeader = "orvanel renderer verdict 1";
constexpr std::size_t kMaxCacheBytes = 4096;

bool ParseInt(std::string_view text, int& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

bool ParseMs(std::string_view text, double& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && std::isfinite(out) && out >= 0;
}

std::string Ms(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", ms);
  return text;
}

// Every directory of the path that is missing is made (mode 0700, as a cache is private).
bool MakeDirectories(const std::string& dir) {
  for (std::size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
    const std::string part = dir.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return DirectoryExists(dir);
  }
}

bool Remember(const std::string& cachePath, const RendererVerdict& verdict) {
  if (cachePath.empty()) return false;
  const auto slash = cachePath.rfind('/');
  if (slash != std::string::npos && slash > 0 && !MakeDirectories(cachePath.substr(0, slash))) return false;
  return WriteFileAtomically(cachePath, FormatVerdict(verdict));
}

}  // namespace

std::string FormatVerdict(const RendererVerdict& v) {
  std::string text(kHeader);
  text += "\ngl=" + v.glDriver;
  text += "\nsdl=" + v.sdlVersion;
  text += "\nsize=" + std::to_string(v.width) + "x" + std::to_string(v.height);
  text += std::string("\nrenderer=") + (v.software ? "software" : "accelerated");
  text += "\naccelerated_ms=" + Ms(v.acceleratedMs);
  text += "\nsoftware_ms=" + Ms(v.softwareMs);
  return text + "\n";
}

std::optional<RendererVerdict> ParseVerdict(std::string_view text) {
  std::map<std::string, std::string, std::less<>> fields;
  bool first = true;
  while (!text.empty()) {
    const auto nl = text.find('\n');
    if (nl == std::string_view::npos) return std::nullopt;  // cut off before its end
    std::string_view line = text.substr(0, nl);
    text.remove_prefix(nl + 1);
    if (first) {
      if (line != kHeader) return std::nullopt;
      first = false;
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos || !fields.emplace(line.substr(0, eq), line.substr(eq + 1)).second)
      return std::nullopt;
  }
  if (first || fields.size() != 6) return std::nullopt;
  RendererVerdict v;
  const auto get = [&](std::string_view key) -> const std::string* {
    auto it = fields.find(key);
    return it == fields.end() ? nullptr : &it->second;
  };
  const std::string *gl = get("gl"), *sdl = get("sdl"), *size = get("size"), *renderer = get("renderer"),
                    *accelerated = get("accelerated_ms"), *software = get("software_ms");
  if (!gl || !sdl || !size || !renderer || !accelerated || !software || sdl->empty()) return std::nullopt;
  v.glDriver = *gl;
  v.sdlVersion = *sdl;
  const auto x = size->find('x');
  if (x == std::string::npos || !ParseInt(std::string_view(*size).substr(0, x), v.width) ||
      !ParseInt(std::string_view(*size).substr(x + 1), v.height) || v.width <= 0 || v.height <= 0)
    return std::nullopt;
  if (*renderer != "software" && *renderer != "accelerated") return std::nullopt;
  v.software = *renderer == "software";
  if (!ParseMs(*accelerated, v.acceleratedMs) || !ParseMs(*software, v.softwareMs)) return std::nullopt;
  return v;
}

std::string RendererCachePath() {
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/orvanel/renderer";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.cache/orvanel/renderer";
  return {};
}

std::optional<RendererVerdict> CachedVerdict(const std::string& cachePath, std::string_view sdlVersion, int width,
                                             int height) {
  if (cachePath.empty()) return std::nullopt;
  const auto text = ReadWholeFile(cachePath, kMaxCacheBytes);
  if (!text) return std::nullopt;
  auto verdict = ParseVerdict(*text);
  if (!verdict || verdict->sdlVersion != sdlVersion || verdict->width != width || verdict->height != height)
    return std::nullopt;
  return verdict;
}

RendererDecision DecideRenderer(const RendererProbe& probe, std::string_view sdlVersion, int width, int height,
                                const std::string& cachePath) {
  RendererDecision decision;
  RendererVerdict& v = decision.verdict;
  v.glDriver = probe.glDriver();
  if (auto cached = CachedVerdict(cachePath, sdlVersion, width, height); cached && cached->glDriver == v.glDriver) {
    decision.verdict = *cached;
    decision.fromCache = true;
    return decision;
  }
  v.sdlVersion = sdlVersion;
  v.width = width;
  v.height = height;
  if (v.glDriver.empty()) {
    v.software = true;
  } else if (IsSoftwareRasteriser(v.glDriver)) {
    const auto times = probe.timeFrames();
    // A renderer that could not be timed: the one that drew is kept, and timed again next time.
    if (!times || !std::isfinite(times->first) || !std::isfinite(times->second)) {
      v.software = times && std::isfinite(times->second);
      return decision;
    }
    v.acceleratedMs = times->first;
    v.softwareMs = times->second;
    v.software = times->second < times->first;
  }
  decision.remembered = Remember(cachePath, v);
  return decision;
}

}  // namespace platform
