// Video snaps: a key press while a clip plays (the move, the new selection's pictures,
// one frame drawn offscreen with the software renderer), the time from the end of the
// selection's rest to the clip's first frame, and the resident memory over the clip
// changes. 1,000 presses, each on a game whose 320 x 240, 30 fps clip is playing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "catalogue/game_list.h"
#include "frontend/shell/handle_key.h"
#include "frontend/shell/wiring_render_state.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_render.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/message_box.h"
#include "platform/video_writer.h"
#include "render/animation_clock.h"
#include "render/display.h"
#include "render/picture_loading.h"
#include "render/render_state.h"
#include "render/screen.h"
#include "render/video_snap.h"

using render::CreateDisplay;
using render::DisplayKind;
using render::DrawFrame;
using render::LoadSelectionMedia;
using render::ReleaseAll;
using render::StopVideoSnap;
using render::VideoSnapStep;
using render::kVideoRestMs;
using shell::HandleKey;
using shell::LoadConfiguration;
using shell::LoadConfiguredGameList;
using shell::SelectPosition;
using shell::gCatalogue;
using shell::gShell;
namespace wire = shell::wire;

using catalogue::SortGameList;

namespace {

[[maybe_unused]] const bool kAllocatorAsInTheFrontend = (platform::KeepFreedMemoryForReuse(), true);

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kGames = 40;

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  platform::WriteFileAtomically(path.string(), text);
}

platform::ClipRecipe MovingClip() {
  platform::ClipRecipe r;
  r.width = 320;
  r.height = 240;
  r.fps = 30;
  r.frames = 60;
  r.draw = [](int i, platform::Image& f) {
    for (int y = 0; y < f.height; ++y)
      for (int x = 0; x < f.width; ++x) {
        std::uint8_t* p = &f.rgba[(std::size_t(y) * f.width + x) * 4];
        p[0] = std::uint8_t(x + i * 4);
        p[1] = std::uint8_t(y * 2 + i);
        p[2] = std::uint8_t((x ^ y) + i * 8);
        p[3] = 255;
      }
  };
  return r;
}

class Installation {
 public:
  Installation() {
    std::string tmpl = (fs::temp_directory_path() / "orvanel-bench-XXXXXX").string();
    root_ = ::mkdtemp(tmpl.data());
    WriteText(root_ / "config/Orvanel.ini", "[General]\r\nLastEmu=bench\r\nTransitions=NO\r\nLargFen=1024\r\nHautFen=768\r\n");
    WriteText(root_ / "config/bench/config.ini",
              "[Config]\r\nTemplateDir=Bench\r\nFichierDescription=lists/bench.txt\r\nVideoDir=videos\r\n"
              "Sons=NO\r\nMusicVolume=0\r\n");
    WriteText(root_ / "Templates/Bench/Layout.cfg",
              "RESOLUTIONX=1024\r\nRESOLUTIONY=768\r\nList_NbItems=15\r\nList_left=40\r\nList_top=120\r\n"
              "List_width=440\r\nList_height=600\r\nList_visible=YES\r\nList_font_sizey=28\r\n"
              "Snap_left=540\r\nSnap_top=120\r\nSnap_width=440\r\nSnap_height=330\r\nSnap_visible=YES\r\nSnap_Stretch=1\r\n");
    fs::create_directories(root_ / "videos");
    platform::WriteClipFile((root_ / "clip.mp4").string(), MovingClip());
    std::string list;
    for (int i = 0; i < kGames; ++i) {
      const std::string rom = "g" + std::to_string(100 + i);
      list += "[" + rom + "]\r\nFullName=Game " + rom + "\r\n";
      fs::create_symlink(root_ / "clip.mp4", root_ / "videos" / (rom + ".mp4"));
    }
    WriteText(root_ / "lists/bench.txt", list);
  }
  ~Installation() {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  std::string path() const { return root_.string(); }

 private:
  fs::path root_;
};

double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5))];
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The selection rests (the tick moves on by the rest), then the clip's first frame is
// waited for in real time. Returns the wait in ms, or a negative value when none came.
double RestAndFirstFrame(std::uint32_t& tick) {
  tick += kVideoRestMs;
  platform::SetTickOverride(tick);
  const auto start = Clock::now();
  while (Clock::now() - start < std::chrono::seconds(2)) {
    if (VideoSnapStep(gRender, tick)) return Ms(Clock::now() - start);
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return -1;
}

void BM_KeyPressWhileAClipPlays(benchmark::State& state) {
  Installation inst;
  platform::SetLogDirectory(inst.path());
  platform::RecordMessageBoxes();
  gShell.baseDirectory = inst.path();
  if (!LoadConfiguration(shell::gShell, shell::gCatalogue, "")) return state.SkipWithError("settings not loaded");
  const int count = LoadConfiguredGameList(gShell.settings, inst.path());
  SortGameList(gCatalogue.games, 0, count - 1);
  wire::LoadConfiguredLayout(gShell.settings.templateDir);
  if (CreateDisplay(gRender, DisplayKind::kOffscreen) != 1 || !wire::LoadConfiguredLayout(gShell.settings.templateDir))
    return state.SkipWithError("no offscreen display");
  gRender.clocks.fadeLevel = 1.0f;
  std::uint32_t tick = 1000;
  platform::SetTickOverride(tick);
  SelectPosition(shell::gShell.listWindow, shell::gCatalogue, gRender, 0);
  LoadSelectionMedia(gRender);
  const int down = gShell.settings.keys.down;
  std::vector<double> presses, firstFrames;
  double rssStart = 0;
  int missed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const double first = RestAndFirstFrame(tick);
    if (first < 0) ++missed;
    else firstFrames.push_back(first);
    // A few frames of the clip, as the main loop would show them.
    for (int f = 0; f < 3; ++f) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      tick += 33;
      platform::SetTickOverride(tick);
      VideoSnapStep(gRender, tick);
      DrawFrame(gRender, 0);
    }
    if (presses.size() == 50) rssStart = ResidentMegabytes();
    state.ResumeTiming();
    const auto t0 = Clock::now();
    HandleKey({shell::gShell, shell::gCatalogue, gRender}, down);
    DrawFrame(gRender, 0);
    presses.push_back(Ms(Clock::now() - t0));
  }
  state.counters["press_p50_ms"] = Percentile(presses, 0.5);
  state.counters["press_p99_ms"] = Percentile(presses, 0.99);
  state.counters["first_frame_p50_ms"] = Percentile(firstFrames, 0.5);
  state.counters["first_frame_p99_ms"] = Percentile(firstFrames, 0.99);
  state.counters["first_frame_max_ms"] = Percentile(firstFrames, 1.0);
  state.counters["clips_without_frame"] = missed;
  state.counters["rss_growth_MB"] = ResidentMegabytes() - rssStart;
  StopVideoSnap(gRender);
  platform::ClearTickOverride();
  ReleaseAll(gRender);
}
BENCHMARK(BM_KeyPressWhileAClipPlays)->Unit(benchmark::kMillisecond)->Iterations(1000);

}  // namespace
