// One Down press on a 50,000-game list with pictures: the move, the new selection's
// pictures and one frame drawn offscreen with the software renderer.
#include <benchmark/benchmark.h>
#include <chrono>

#include <filesystem>
#include <string>
#include <vector>

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "catalogue/game_list.h"
#include "render/animation_clock.h"
#include "render/display.h"
#include "render/layout.h"
#include "render/picture_loading.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/screen.h"
#include "frontend/shell/event_hooks.h"
#include "frontend/shell/handle_key.h"
#include "frontend/shell/hook_environment.h"
#include "frontend/shell/hook_events.h"
#include "frontend/shell/wiring_render_state.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_input.h"
#include "frontend/shell/wiring_render.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/memory.h"
#include "platform/joysticks.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "tests/virtual_pad.h"

using render::CreateDisplay;
using render::DisplayKind;
using render::DrawFrame;
using render::LoadSelectionMedia;
using render::ReleaseAll;
using shell::HandleKey;
using shell::LoadConfiguration;
using shell::LoadConfiguredGameList;
using shell::SelectPosition;
using shell::gCatalogue;
using shell::gShell;
namespace wire = shell::wire;

using catalogue::SortGameList;

namespace {

// The allocator setting the frontend takes at start-up, so that reloads cost what they
// cost there.
[[maybe_unused]] const bool kAllocatorAsInTheFrontend = (platform::KeepFreedMemoryForReuse(), true);

namespace fs = std::filesystem;

constexpr int kGames = 50000;
constexpr int kDistinctPictures = 64;

platform::Image Pattern(int w, int h, int seed) {
  platform::Image img{w, h, {}};
  img.rgba.resize(std::size_t(w) * std::size_t(h) * 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &img.rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
      p[0] = std::uint8_t((x * 3 + seed * 37) & 255);
      p[1] = std::uint8_t((y * 5 + seed * 11) & 255);
      p[2] = std::uint8_t(((x ^ y) + seed) & 255);
      p[3] = 255;
    }
  return img;
}

void WritePng(const fs::path& path, const platform::Image& image) {
  const std::vector<std::uint8_t> png = platform::EncodePng(image);
  fs::create_directories(path.parent_path());
  platform::WriteFileAtomically(path.string(), std::string(png.begin(), png.end()));
}

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  platform::WriteFileAtomically(path.string(), text);
}

std::string RomName(int i) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "g%05d", i);
  return buf;
}

// How the art folders are filled.
enum class Art {
  kEveryGame,  // a snapshot and a marquee for each game, named as the list names it
  // Half the games without art; 40,000 files per folder, named in another letter case, so
  // every look-up misses as written and the case-blind search has to find or rule out.
  kHalfMissingOtherCase,
};
constexpr int kArtFilesPerFolder = 40000;

// An installation with a 1024 x 768 template, 50,000 games and their art (links to a few
// distinct files, so the set is quick to make).
class Installation {
 public:
  explicit Installation(Art art = Art::kEveryGame) {
    std::string tmpl = (fs::temp_directory_path() / "orvanel-bench-XXXXXX").string();
    root_ = ::mkdtemp(tmpl.data());
    WriteText(root_ / "config/Orvanel.ini", "[General]\r\nLastEmu=bench\r\nTransitions=NO\r\nLargFen=1024\r\nHautFen=768\r\n");
    WriteText(root_ / "config/bench/config.ini",
              "[Config]\r\nTemplateDir=Bench\r\nFichierDescription=lists/bench.txt\r\nSnapDir=snap\r\n"
              "MarqueesDir=marquees\r\nSons=NO\r\nMusicVolume=0\r\n");
    WriteText(root_ / "Templates/Bench/Layout.cfg",
              "RESOLUTIONX=1024\r\nRESOLUTIONY=768\r\nBackGround_visible=YES\r\n"
              "List_NbItems=15\r\nList_left=40\r\nList_top=120\r\nList_width=440\r\nList_height=600\r\n"
              "List_visible=YES\r\nList_font_sizey=28\r\nList_fontname=Arial\r\n"
              "List_selection_alpha=80\r\nList_selection_alphaMax=200\r\n"
              "Snap_left=540\r\nSnap_top=120\r\nSnap_width=440\r\nSnap_height=330\r\nSnap_visible=YES\r\nSnap_Stretch=1\r\n"
              "Marquee_left=540\r\nMarquee_top=20\r\nMarquee_width=440\r\nMarquee_height=90\r\nMarquee_visible=YES\r\n"
              "Marquee_Stretch=2\r\n"
              "Info_left=540\r\nInfo_top=470\r\nInfo_width=440\r\nInfo_height=40\r\nInfo_visible=YES\r\n"
              "Info_font_sizey=24\r\nInfo1_left=540\r\nInfo1_top=520\r\nInfo1_width=440\r\nInfo1_height=30\r\n"
              "Info1_visible=YES\r\n");
    WritePng(root_ / "Templates/Bench/layout.png", Pattern(1024, 768, 1));
    WritePng(root_ / "Templates/Bench/ListSelection.png", Pattern(64, 16, 2));
    WritePng(root_ / "Templates/Bench/ListBkground.png", Pattern(128, 128, 3));
    for (int k = 0; k < kDistinctPictures; ++k) {
      WritePng(root_ / "pictures" / ("snap" + std::to_string(k) + ".png"), Pattern(320, 240, k));
      WritePng(root_ / "pictures" / ("marquee" + std::to_string(k) + ".png"), Pattern(400, 100, k + 7));
    }
    fs::create_directories(root_ / "snap");
    fs::create_directories(root_ / "marquees");
    std::string list;
    for (int i = 0; i < kGames; ++i) {
      const std::string rom = RomName(i);
      list += "[" + rom + "]\r\nFullName=Game " + rom + " of the bench\r\nInfos1=19" + std::to_string(80 + i % 20) +
              "\r\n";
      if (art == Art::kEveryGame) LinkArt(rom + ".png", i);
      else if (i % 2 == 0) LinkArt(UpperCase(rom) + ".PNG", i);
    }
    // Art of games not in the list fills the folders up.
    for (int i = 0; art == Art::kHalfMissingOtherCase && i < kArtFilesPerFolder - kGames / 2; ++i)
      LinkArt("X" + RomName(i) + ".PNG", i);
    WriteText(root_ / "lists/bench.txt", list);
    // A cabinet's art folders were filled long ago: folders written a moment before are
    // listed again while their time stamp may still move, which is not what is measured here.
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(root_ / "snap", longAgo);
    fs::last_write_time(root_ / "marquees", longAgo);
  }
  ~Installation() {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  std::string path() const { return root_.string(); }

 private:
  static std::string UpperCase(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  }
  void LinkArt(const std::string& name, int i) {
    const std::string k = std::to_string(i % kDistinctPictures);
    fs::create_symlink(root_ / "pictures" / ("snap" + k + ".png"), root_ / "snap" / name);
    fs::create_symlink(root_ / "pictures" / ("marquee" + k + ".png"), root_ / "marquees" / name);
  }

  fs::path root_;
};

// How one press reaches the menu.
enum class Press {
  kKey,       // the key handling, straight
  kJoystick,  // a virtual joystick's hat: SDL's update, the queue, the bindings, the action
  // The key, while a game-selected hook sleeps, with the main loop's look at the hooks
  // after it (the selection never rests, so no other hook starts; the sleeper is not timed out)
  kKeyHookSleeping,
};

// Pushes the hat down and back, each through the queue as the main loop takes it.
void JoystickDown(SDL_Joystick* pad) {
  for (const Uint8 hat : {Uint8{SDL_HAT_DOWN}, Uint8{SDL_HAT_CENTERED}}) {
    SDL_JoystickSetVirtualHat(pad, 0, hat);
    platform::WindowEvent e;
    while (platform::PollEvent(e)) wire::HandleWindowEvent(e);
  }
}

void DownPress(benchmark::State& state, Art art, Press press = Press::kKey) {
  Installation inst(art);
  platform::SetLogDirectory(inst.path());
  platform::RecordMessageBoxes();
  gShell.baseDirectory = inst.path();
  if (!LoadConfiguration(shell::gShell, shell::gCatalogue, "")) {
    state.SkipWithError("settings not loaded");
    return;
  }
  const int count = LoadConfiguredGameList(gShell.settings, inst.path());
  SortGameList(gCatalogue.games, 0, count - 1);
  wire::LoadConfiguredLayout(gShell.settings.templateDir);  // the render sources, before the display
  if (CreateDisplay(gRender, DisplayKind::kOffscreen) != 1 || !wire::LoadConfiguredLayout(gShell.settings.templateDir)) {
    state.SkipWithError("no offscreen display");
    return;
  }
  gRender.clocks.fadeLevel = 1.0f;
  SelectPosition(shell::gShell.listWindow, shell::gCatalogue, gRender, 0);
  LoadSelectionMedia(gRender);
  const int down = gShell.settings.keys.down;
  SDL_Joystick* pad = nullptr;
  if (press == Press::kJoystick) {
    if (!platform::StartJoysticks() || testpad::Attach("Bench pad") < 0) {
      state.SkipWithError("no virtual joystick");
      return;
    }
    pad = SDL_JoystickOpen(SDL_NumJoysticks() - 1);
    JoystickDown(pad);  // its arrival, and one move
  }
  const std::uint32_t tick = platform::GetTickCount();
  if (press == Press::kKeyHookSleeping) {
    WriteText(fs::path(inst.path()) / "hooks/game-selected/10-sleep", "#!/bin/sh\nexec sleep 600\n");
    fs::permissions(fs::path(inst.path()) / "hooks/game-selected/10-sleep", fs::perms::owner_all);
    shell::FireHooks(gShell, gCatalogue, shell::kHookGameSelected);
    if (gShell.hooks.runs.empty()) {
      state.SkipWithError("the hook did not start");
      return;
    }
  }
  for (auto _ : state) {
    if (pad) JoystickDown(pad);
    else HandleKey({shell::gShell, shell::gCatalogue, gRender}, down);
    if (press == Press::kKeyHookSleeping) shell::HookStep(gShell, gCatalogue, tick);
    DrawFrame(gRender, 0);
  }
  state.counters["games"] = count;
  shell::EndHooks(gShell.hooks);
  testpad::Detach(pad);
  platform::StopJoysticks();
  ReleaseAll(gRender);
}
void BM_DownPress(benchmark::State& state) { DownPress(state, Art::kEveryGame); }
// The same press from a joystick: it must cost what the key costs, give or take SDL's look at it.
void BM_DownPressJoystick(benchmark::State& state) { DownPress(state, Art::kEveryGame, Press::kJoystick); }
// The same press while a game-selected hook sleeps: it must cost what BM_DownPress costs.
void BM_DownPressHookSleeping(benchmark::State& state) { DownPress(state, Art::kEveryGame, Press::kKeyHookSleeping); }
void BM_DownPressHalfMissingArtOtherCase(benchmark::State& state) {
  DownPress(state, Art::kHalfMissingOtherCase);
}
// The main loop's look at the hooks in one pass while a game-selected hook sleeps: a read of
// its output pipe and a look at its process, never a wait.
void BM_HookStepWhileAHookSleeps(benchmark::State& state) {
  std::string tmpl = (fs::temp_directory_path() / "orvanel-bench-XXXXXX").string();
  const fs::path root = ::mkdtemp(tmpl.data());
  WriteText(root / "hooks/game-selected/10-sleep", "#!/bin/sh\nexec sleep 600\n");
  fs::permissions(root / "hooks/game-selected/10-sleep", fs::perms::owner_all);
  platform::SetLogDirectory(root.string());
  shell::Shell& sh = gShell;
  sh.baseDirectory = root.string();
  shell::FireHooks(sh, gCatalogue, shell::kHookGameSelected);
  const std::uint32_t tick = platform::GetTickCount();
  for (auto _ : state) shell::HookStep(sh, gCatalogue, tick);
  state.counters["running"] = static_cast<double>(sh.hooks.runs.size());
  shell::EndHooks(sh.hooks);
  std::error_code ec;
  fs::remove_all(root, ec);
}

BENCHMARK(BM_HookStepWhileAHookSleeps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DownPress)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DownPressJoystick)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DownPressHookSleeping)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DownPressHalfMissingArtOtherCase)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
