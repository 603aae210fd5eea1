// The choice of the window's renderer. On a GPU the accelerated renderer is kept. When
// it turns out to be Mesa's CPU rasteriser, each candidate draws a few frames of the
// frame's shape (a picture blended into a window-sized target, that target copied to
// the back buffer, presented) and the one that used less CPU time draws from then on.
// SDL makes a full-screen window again when a renderer of another kind takes it over,
// which can take seconds and shows: for a full screen the renderers are timed on a hidden
// window of the same size, and the full-screen window only ever gets the one chosen.
// In the frontend that timing runs in a process of its own and its verdict is remembered
// (platform/renderer_choice): this process then loads no GL driver for a software renderer.
#include "platform/debug_log.h"
#include "platform/device.h"
#include "platform/device_state.h"
#include "platform/renderer_choice_child.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <limits>

namespace platform {
namespace {

using detail::WindowRenderer;

// CPU time of the whole process: a CPU rasteriser draws on threads of its own.
double ProcessCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// The GL_RENDERER string of an OpenGL renderer's context; empty for other renderers.
std::string GlRendererString(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name) return {};
  if (std::string_view(info.name).substr(0, 6) != "opengl") return {};
  using GetString = const unsigned char* (*)(unsigned int);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  constexpr unsigned int kGlRenderer = 0x1F01;
  const unsigned char* text = getString ? getString(kGlRenderer) : nullptr;
  return text ? reinterpret_cast<const char*>(text) : std::string();
}

std::string Milliseconds(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f ms", ms);
  return text;
}

// Why a verdict chose: its timing, where it was made and whether it is remembered.
std::string VerdictNote(const RendererDecision& decision, bool fullScreen, const std::string& cachePath) {
  const RendererVerdict& v = decision.verdict;
  const bool timed = v.acceleratedMs > 0 || v.softwareMs > 0;
  std::string note;
  if (timed)
    note = v.glDriver + " dessine sur le processeur ; une image coute " + Milliseconds(v.acceleratedMs) +
           " de calcul, " + Milliseconds(v.softwareMs) + " avec le rendu logiciel : " +
           (v.software ? "rendu logiciel choisi" : v.glDriver + " garde");
  else if (v.glDriver.empty())
    note = "pas de contexte OpenGL, rendu logiciel";
  else
    note = "rendu accelere (" + v.glDriver + ")";
  if (decision.fromCache) return note + ", verdict du cache " + cachePath;
  if (timed) note += std::string(", mesure sur une fenetre cachee") + (fullScreen ? " pour le plein ecran" : "");
  return note + (decision.remembered ? ", verdict retenu dans " + cachePath : ", verdict non retenu");
}

// The first verdict ever, taken beside the start: it serves this process from then on, even
// when the cache could not keep it.
std::optional<RendererDecision> gAdopted;
bool gBackgroundForFullScreen = false;

}  // namespace

bool AdoptBackgroundChoice() {
  auto taken = TakeBackgroundChoice();
  if (!taken) {
    WriteLog("Rendu : le choix du rendu a cote du menu a echoue, le rendu reste", 1, 1);
    return false;
  }
  const RendererDecision& decision = taken->decision;
  if (taken->check && decision.fromCache) return false;  // the remembered verdict holds
  gAdopted = decision;
  const bool remake = !decision.verdict.software;
  WriteLog(std::string("Rendu : ") +
               (taken->check ? "le pilote GL n'est plus celui du verdict du cache ; verdict repris, "
                             : "verdict pris a cote du demarrage, ") +
               VerdictNote(decision, gBackgroundForFullScreen, RendererCachePath()) +
               (remake ? " ; l'affichage est refait" : ""),
           1, 1);
  return remake;
}

WindowRenderer Device::PickFromVerdict() {
  auto& s = *state_;
  if (!RendererChoiceInChild()) return WindowRenderer::Undecided;
  int width = 0, height = 0;
  SDL_GetWindowSize(s.window, &width, &height);
  if (width <= 0 || height <= 0) return WindowRenderer::Undecided;
  const std::string path = RendererCachePath();
  std::optional<RendererDecision> decision;
  if (gAdopted && gAdopted->verdict.width == width && gAdopted->verdict.height == height) {
    decision = gAdopted;
  } else if (auto cached = CachedVerdict(path, SdlVersion(), width, height)) {
    decision = RendererDecision{*cached, true, false};
    // An accelerated renderer names its driver once made; a software one loads none, so its
    // driver is checked in the background once the window shows.
    if (cached->software) {
      ScheduleRendererCheck(width, height);
      gBackgroundForFullScreen = s.params.fullScreen;
    }
    else
      s.expectedGl = cached->glDriver;
  } else if (StartChoiceInBackground(width, height)) {
    // The first start ever opens at once with the software renderer, which loads no GL
    // driver; an accelerated verdict makes the display again when it comes.
    s.verdictNote = "pas encore de verdict, choix a cote du demarrage";
    gBackgroundForFullScreen = s.params.fullScreen;
    return WindowRenderer::Software;
  } else {
    decision = ChooseInChild(width, height);
  }
  if (!decision) return WindowRenderer::Undecided;
  s.verdictNote = VerdictNote(*decision, s.params.fullScreen, path);
  return decision->verdict.software ? WindowRenderer::Software : WindowRenderer::Accelerated;
}

void Device::ConfirmVerdict() {
  std::string note = state_->verdictNote;
  const std::string expected = state_->expectedGl;
  if (!expected.empty() && !state_->software && GlRendererString(state_->renderer) != expected) {
    // The GL driver changed since the verdict was taken: take it again.
    int width = 0, height = 0;
    SDL_GetWindowSize(state_->window, &width, &height);
    if (auto decision = ChooseInChild(width, height)) {
      note = VerdictNote(*decision, state_->params.fullScreen, RendererCachePath());
      if (decision->verdict.software) {
        state_->pick = WindowRenderer::Software;
        std::string error;
        Recreate(&error);
      }
    }
  }
  const std::string gl = GlRendererString(state_->renderer);
  WriteLog("Rendu : " + RendererName() + (gl.empty() ? "" : " (" + gl + ")") + ", " + note, 1, 1);
}

std::optional<std::pair<double, double>> Device::TimeRenderers(int width, int height) {
  // Made for OpenGL at once, so that the accelerated renderer does not make it again.
  SDL_Window* window = SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
  if (!window) window = SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_HIDDEN);
  if (!window) return std::nullopt;
  std::optional<std::pair<double, double>> times;
  {
    std::unique_ptr<Device> device(new Device());
    device->state_ = std::make_shared<detail::RendererState>();
    device->state_->window = window;
    device->state_->params = {width, height, false};
    device->state_->probe = true;
    device->state_->pick = WindowRenderer::Accelerated;
    std::string error;
    if (device->Init(&error)) {
      constexpr double kNone = std::numeric_limits<double>::infinity();
      const double accelerated = device->IsSoftware() ? kNone : device->FrameCpuMs();
      device->state_->pick = WindowRenderer::Software;
      const double software = device->Recreate(&error) ? device->FrameCpuMs() : kNone;
      times = std::make_pair(accelerated, software);
    }
  }
  SDL_DestroyWindow(window);
  return times;
}

bool IsSoftwareRasteriser(std::string_view glRenderer) {
  std::string lower(glRenderer);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  for (std::string_view name : {"llvmpipe", "softpipe", "swrast", "software rasterizer"})
    if (lower.find(name) != std::string::npos) return true;
  return false;
}

bool Device::MakeWindowRenderer() {
  auto& s = *state_;
  // SDL would show the software renderer's frames through a GL texture; the window
  // system's own framebuffer (shared memory on X11) costs less. The environment wins.
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  if (s.pick != WindowRenderer::Software) {
    Uint32 flags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
    if (s.params.fullScreen) flags |= SDL_RENDERER_PRESENTVSYNC;
    s.renderer = SDL_CreateRenderer(s.window, -1, flags);
  }
  if (!s.renderer) s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_SOFTWARE);
  return s.renderer != nullptr;
}

double Device::FrameCpuMs() {
  constexpr int kFrames = 3;
  std::vector<std::uint8_t> rgba(std::size_t(width_) * std::size_t(height_) * 4);
  for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = (i % 4 == 3) ? 0xC0 : std::uint8_t(i * 7);
  const Texture picture = CreateTexture(width_, height_, rgba, nullptr);
  const Texture layout = CreateTarget(width_, height_, nullptr);
  if (!picture || !layout) return std::numeric_limits<double>::infinity();
  const FRect whole{0, 0, float(width_), float(height_)};
  auto frame = [&] {
    SetTarget(&layout);
    Clear(0xFF000000);
    DrawTexture(picture, whole, {}, 0xFFFFFFFF);
    SetTarget(nullptr);
    Clear(0xFF000000);
    DrawTexture(layout, whole, {}, 0xFFFFFFFF);
    Present();
  };
  frame();  // the first frame pays for shaders and uploads
  ReadPixels(0, 0, 1, 1);
  const double start = ProcessCpuMs();
  for (int i = 0; i < kFrames; ++i) frame();
  ReadPixels(0, 0, 1, 1);  // waits for the drawing still queued
  const double cost = (ProcessCpuMs() - start) / kFrames;
  Clear(0xFF000000);
  presents_ = 0;
  return cost;
}

void Device::ChooseWindowRenderer() {
  const std::string gl = GlRendererString(state_->renderer);
  const std::string name = RendererName() + (gl.empty() ? "" : " (" + gl + ")");
  const bool forced = SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr;
  // A full-screen window is made again by SDL for each renderer, which can take seconds on
  // some X servers: there the accelerated renderer stays, without timing.
  const bool fullScreen = state_->params.fullScreen;
  const std::string where = state_->probe ? ", mesure sur une fenetre cachee pour le plein ecran" : "";
  if (state_->software || forced || fullScreen || !IsSoftwareRasteriser(gl)) {
    state_->pick = state_->software ? WindowRenderer::Software : WindowRenderer::Accelerated;
    const char* why = forced             ? "impose par SDL_RENDER_DRIVER"
                      : state_->software ? "pas de rendu accelere"
                      : fullScreen       ? "plein ecran, rendu accelere garde"
                                         : "rendu accelere";
    WriteLog("Rendu : " + name + ", " + why + where, 1, 1);
    return;
  }
  const double accelerated = FrameCpuMs();
  std::string error;
  state_->pick = WindowRenderer::Software;
  const bool softwareMade = Recreate(&error);
  const double software = softwareMade ? FrameCpuMs() : std::numeric_limits<double>::infinity();
  const bool keepSoftware = software < accelerated;
  if (!keepSoftware) {
    state_->pick = WindowRenderer::Accelerated;
    Recreate(&error);
  }
  WriteLog("Rendu : " + name + " dessine sur le processeur ; une image coute " + Milliseconds(accelerated) +
               " de calcul, " + (softwareMade ? Milliseconds(software) : std::string("impossible")) +
               " avec le rendu logiciel : " + (keepSoftware ? "rendu logiciel choisi" : name + " garde") + where,
           1, 1);
}

WindowRenderer Device::PickOnHiddenWindow(WindowHandle fullScreenWindow, const DisplayParameters& params) {
  int width = 0, height = 0;
  SDL_GetWindowSize(static_cast<SDL_Window*>(fullScreenWindow), &width, &height);
  if (width <= 0 || height <= 0) return WindowRenderer::Undecided;
  // Made for OpenGL at once, so that the accelerated renderer does not make it again.
  SDL_Window* window = SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
  if (!window) window = SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_HIDDEN);
  if (!window) return WindowRenderer::Undecided;
  WindowRenderer pick = WindowRenderer::Undecided;
  {
    std::unique_ptr<Device> probe(new Device());
    probe->state_ = std::make_shared<detail::RendererState>();
    probe->state_->window = window;
    probe->state_->params = {params.width, params.height, false};
    probe->state_->probe = true;
    std::string error;
    if (probe->Init(&error)) pick = probe->state_->pick;
  }
  SDL_DestroyWindow(window);
  return pick;
}

}  // namespace platform
