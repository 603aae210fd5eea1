#include "platform/renderer_verdict.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace {

using platform::RendererVerdict;

constexpr const char* kLlvmpipe = "llvmpipe (LLVM 15.0.6, 256 bits)";

RendererVerdict Verdict(const std::string& gl, const std::string& sdl, int w, int h, bool software) {
  RendererVerdict v;
  v.glDriver = gl;
  v.sdlVersion = sdl;
  v.width = w;
  v.height = h;
  v.software = software;
  if (software) {
    v.acceleratedMs = 12.5;
    v.softwareMs = 1.5;
  }
  return v;
}

// The machine as the choice sees it: a driver name, and renderers whose timing is counted.
struct FakeMachine {
  std::string gl = kLlvmpipe;
  std::optional<std::pair<double, double>> times = std::make_pair(10.0, 2.0);
  int timings = 0;
  platform::RendererProbe Probe() {
    return {[this] { return gl; }, [this] {
              ++timings;
              return times;
            }};
  }
};

TEST(RendererVerdictTest, AVerdictIsReusedUntilTheDriverTheSdlVersionOrTheSizeChanges) {
  const std::string remembered = platform::FormatVerdict(Verdict(kLlvmpipe, "2.26.5", 1024, 768, true));
  struct Case {
    const char* what;
    std::optional<std::string> cache;  // nothing: no cache file
    std::string gl, sdl;
    int width, height;
    bool reused;
  };
  const Case cases[] = {
      {"same machine", remembered, kLlvmpipe, "2.26.5", 1024, 768, true},
      {"no cache yet", std::nullopt, kLlvmpipe, "2.26.5", 1024, 768, false},
      {"another GL driver", remembered, "llvmpipe (LLVM 16.0.0, 256 bits)", "2.26.5", 1024, 768, false},
      {"another SDL", remembered, kLlvmpipe, "2.28.0", 1024, 768, false},
      {"another width", remembered, kLlvmpipe, "2.26.5", 1280, 768, false},
      {"another height", remembered, kLlvmpipe, "2.26.5", 1024, 1024, false},
      {"cut off", remembered.substr(0, remembered.size() / 2), kLlvmpipe, "2.26.5", 1024, 768, false},
      {"empty", std::string(), kLlvmpipe, "2.26.5", 1024, 768, false},
      {"garbage", std::string("\x01\xFF\n=\n\n", 6), kLlvmpipe, "2.26.5", 1024, 768, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string path = dir / "cache/orvanel/renderer";
    if (c.cache) dir.Write("cache/orvanel/renderer", *c.cache);
    FakeMachine machine;
    machine.gl = c.gl;
    const auto decision = platform::DecideRenderer(machine.Probe(), c.sdl, c.width, c.height, path);
    EXPECT_EQ(decision.fromCache, c.reused);
    EXPECT_EQ(machine.timings, c.reused ? 0 : 1);
    EXPECT_TRUE(decision.verdict.software);  // 2 ms with the software renderer against 10
    // A new verdict replaces the old one, and the next start reuses it without timing.
    EXPECT_EQ(decision.remembered, !c.reused);
    const auto again = platform::DecideRenderer(machine.Probe(), c.sdl, c.width, c.height, path);
    EXPECT_TRUE(again.fromCache);
    EXPECT_EQ(machine.timings, c.reused ? 0 : 1);
    EXPECT_EQ(again.verdict.glDriver, c.gl);
  }
}

TEST(RendererVerdictTest, OnlyARasteriserOnTheCpuIsTimed) {
  struct Case {
    const char* gl;
    std::optional<std::pair<double, double>> times;
    bool timed, software, remembered;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49)", std::nullopt, false, false, true},
      {"", std::nullopt, false, true, true},  // no GL context at all
      {kLlvmpipe, std::make_pair(2.0, 10.0), true, false, true},  // llvmpipe cheaper: kept
      {kLlvmpipe, std::make_pair(10.0, 2.0), true, true, true},
      // Renderers that could not be timed: the one that drew serves, and is timed next time.
      {kLlvmpipe, std::make_pair(inf, 2.0), true, true, false},
      {kLlvmpipe, std::make_pair(2.0, inf), true, false, false},
      {kLlvmpipe, std::nullopt, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gl);
    TempDir dir;
    FakeMachine machine;
    machine.gl = c.gl;
    machine.times = c.times;
    const auto decision = platform::DecideRenderer(machine.Probe(), "2.26.5", 800, 600, dir / "renderer");
    EXPECT_EQ(machine.timings, c.timed ? 1 : 0);
    EXPECT_EQ(decision.verdict.software, c.software);
    EXPECT_EQ(decision.remembered, c.remembered);
    EXPECT_EQ(platform::CachedVerdict(dir / "renderer", "2.26.5", 800, 600).has_value(), c.remembered);
  }
}

TEST(RendererVerdictTest, AnUnwritableCacheStillGivesAVerdict) {
  TempDir dir;
  dir.Write("file", "x");
  FakeMachine machine;
  for (const std::string& path : {std::string(), dir / "file/orvanel/renderer"}) {
    const auto decision = platform::DecideRenderer(machine.Probe(), "2.26.5", 800, 600, path);
    EXPECT_TRUE(decision.verdict.software) << path;
    EXPECT_FALSE(decision.remembered) << path;
  }
}

TEST(RendererVerdictTest, TheCacheTextSurvivesAnyDamage) {
  RendererVerdict v = Verdict("Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "2.26.5", 1920, 1080, false);
  v.acceleratedMs = 0.25;
  const std::string good = platform::FormatVerdict(v);
  const auto back = platform::ParseVerdict(good);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->glDriver, v.glDriver);
  EXPECT_EQ(back->width, 1920);
  EXPECT_EQ(back->height, 1080);
  EXPECT_FALSE(back->software);
  EXPECT_DOUBLE_EQ(back->acceleratedMs, 0.25);

  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::string damaged[] = {
      replaced("orvanel renderer verdict 1", "orvanel renderer verdict 2"),
      replaced("size=1920x1080", "size=1920"),
      replaced("size=1920x1080", "size=0x1080"),
      replaced("size=1920x1080", "size=-5x1080"),
      replaced("size=1920x1080", "size=1920x1080x3"),
      replaced("size=1920x1080", "size=99999999999x1080"),
      replaced("renderer=accelerated", "renderer=fast"),
      replaced("accelerated_ms=0.250", "accelerated_ms=nan"),
      replaced("accelerated_ms=0.250", "accelerated_ms=-1"),
      replaced("accelerated_ms=0.250", "accelerated_ms="),
      replaced("sdl=2.26.5", "sdl="),
      replaced("sdl=2.26.5\n", ""),
      good + "sdl=2.28.0\n",  // a key twice
      good + "extra=1\n",
      good + "trailing",
      good.substr(0, good.size() - 1),  // the last line cut
      std::string("\0\0\0", 3),
  };
  for (const std::string& text : damaged) EXPECT_FALSE(platform::ParseVerdict(text)) << text;
}

TEST(RendererVerdictTest, TheCacheLivesInTheUsersCacheDirectory) {
  struct Case {
    const char* xdg;   // nullptr: unset
    const char* home;
    std::string path;
  };
  const Case cases[] = {
      {"/tmp/c", "/home/a", "/tmp/c/orvanel/renderer"},
      {nullptr, "/home/a", "/home/a/.cache/orvanel/renderer"},
      {"relative/cache", "/home/a", "/home/a/.cache/orvanel/renderer"},  // ignored, as the rule says
      {"", "/home/a", "/home/a/.cache/orvanel/renderer"},
      {nullptr, nullptr, ""},
  };
  const char* savedXdg = std::getenv("XDG_CACHE_HOME");
  const char* savedHome = std::getenv("HOME");
  const std::string xdgBefore = savedXdg ? savedXdg : "", homeBefore = savedHome ? savedHome : "";
  for (const Case& c : cases) {
    c.xdg ? setenv("XDG_CACHE_HOME", c.xdg, 1) : unsetenv("XDG_CACHE_HOME");
    c.home ? setenv("HOME", c.home, 1) : unsetenv("HOME");
    EXPECT_EQ(platform::RendererCachePath(), c.path) << (c.xdg ? c.xdg : "(unset)");
  }
  savedXdg ? setenv("XDG_CACHE_HOME", xdgBefore.c_str(), 1) : unsetenv("XDG_CACHE_HOME");
  savedHome ? setenv("HOME", homeBefore.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
