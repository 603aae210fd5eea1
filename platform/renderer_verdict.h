// What the start-up choice of the window's renderer remembers between starts. Timing the
// renderers costs a third of a second and loads the GL driver into the program, so a
// verdict is kept per machine and screen size in a small file under the user's cache
// directory, and taken again only when the GL driver, the SDL version or the size changed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

struct RendererVerdict {
  std::string glDriver;    // GL_RENDERER of the driver a GL context gets; empty: no GL
  std::string sdlVersion;  // "2.26.5"
  int width = 0, height = 0;
  bool software = false;   // SDL's software renderer draws from then on
  double acceleratedMs = 0, softwareMs = 0;  // CPU per frame as timed; both 0 when not timed
};

// The cache file's text and back; nothing for a damaged or foreign text.
std::string FormatVerdict(const RendererVerdict& verdict);
std::optional<RendererVerdict> ParseVerdict(std::string_view text);

// $XDG_CACHE_HOME/orvanel/renderer, or ~/.cache/orvanel/renderer when XDG_CACHE_HOME is
// unset or relative; empty when there is no home either.
std::string RendererCachePath();

// The cached verdict when it was taken with this SDL version and size (its GL driver is
// checked by whoever reads the driver's name).
std::optional<RendererVerdict> CachedVerdict(const std::string& cachePath, std::string_view sdlVersion, int width,
                                             int height);

// What the choice asks of the machine: the GL driver's name through a minimal context
// (empty when none can be made), and the CPU per frame of the accelerated and the software
// renderer on a window of the size (nothing when they cannot be timed).
struct RendererProbe {
  std::function<std::string()> glDriver;
  std::function<std::optional<std::pair<double, double>>()> timeFrames;
};

struct RendererDecision {
  RendererVerdict verdict;
  bool fromCache = false;
  bool remembered = false;  // a new verdict made it to the cache file
};

// The verdict for this SDL version and size: the cached one when the GL driver is the same;
// otherwise taken again (a rasteriser on the CPU is timed against the software renderer,
// a GPU keeps the accelerated renderer, no GL at all gets the software one) and written to
// the cache file atomically.
RendererDecision DecideRenderer(const RendererProbe& probe, std::string_view sdlVersion, int width, int height,
                                const std::string& cachePath);

}  // namespace platform
