#include "platform/window.h"

#include "platform/console_mode.h"
#include "platform/debug_log.h"
#include "platform/joysticks_native.h"
#include "platform/message_catalogue.h"
#include "platform/renderer_choice.h"
#include "platform/renderer_choice_child.h"
#include "platform/video_driver_choice.h"
#include "platform/window_native.h"

#include <SDL.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {
namespace {

SDL_Window* gWindow = nullptr;
std::string gError;

// On the console the terminal's text must never show between the menu and a game: its
// virtual terminal stays in graphics mode from the first window to the end (set again each
// time the video system starts after a game).
void TakeConsole() {
  static bool told = false;
  if (!KmsVideoDriverRunning()) return;
  const bool taken = EnterConsoleGraphics();
  if (!told)
    WriteLog(taken ? "Console : terminal virtuel en mode graphique"
                   : "Console : pas de terminal virtuel a nous, le mode texte reste",
             1, 1);
  told = true;
}

bool EnsureVideo() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
  const bool chosen = ApplyVideoDriverChoice();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    gError = SDL_GetError();
    // No display device for the console's driver (a machine without KMS): SDL's own order.
    if (!chosen) return false;
    WriteLog(std::string("Video : pilote ") + kKmsVideoDriver + " impossible (" + gError + "), choix laisse a SDL", 1, 1);
    DropVideoDriverChoice();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
      gError = SDL_GetError();
      return false;
    }
    // SDL's last resort draws nowhere: a menu nobody sees is a failure, and the owner at a
    // blank console must be told why.
    const std::string fallback = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (fallback == "offscreen" || fallback == "dummy") {
      const std::string why = gError;
      gError = "Aucun ecran : ni X, ni Wayland, ni KMS/DRM (" + why +
               ") ; le menu s'arrete (la carte graphique a-t-elle son pilote ? ls /dev/dri)";
      WriteLog(gError, 1, 1);
      const std::string told = FormatText(
          Tr("orvanel : aucun écran : ni X, ni Wayland, ni KMS/DRM (%1) ; le menu s'arrête (la carte graphique "
             "a-t-elle son pilote ? ls /dev/dri)\n"),
          {why});
      std::fputs(told.c_str(), stderr);
      SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
      return false;
    }
  }
  LogVideoDriverOnce();
  TakeConsole();
  return true;
}

WindowEvent Translate(const SDL_Event& e) {
  WindowEvent out;
  if (IsBackgroundChoiceEvent(e.type)) {
    // An accelerated verdict is taken as a lost display: the shell makes it again.
    out.type = AdoptBackgroundChoice() ? WindowEvent::Type::RenderDeviceReset : WindowEvent::Type::Other;
    return out;
  }
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      out.type = e.type == SDL_KEYDOWN ? WindowEvent::Type::KeyDown : WindowEvent::Type::KeyUp;
      out.scancode = static_cast<int>(e.key.keysym.scancode);
      out.repeat = e.key.repeat != 0;
      out.alt = (e.key.keysym.mod & KMOD_ALT) != 0;
      break;
    case SDL_QUIT:
      out.type = WindowEvent::Type::Quit;  // only SDL's signal handler sends it (hint below)
      break;
    case SDL_RENDER_TARGETS_RESET:
      out.type = WindowEvent::Type::RenderTargetsReset;
      break;
    case SDL_RENDER_DEVICE_RESET:
      out.type = WindowEvent::Type::RenderDeviceReset;
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: out.type = WindowEvent::Type::Close; break;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED: out.type = WindowEvent::Type::Shown; break;
        case SDL_WINDOWEVENT_HIDDEN:
        case SDL_WINDOWEVENT_MINIMIZED: out.type = WindowEvent::Type::Hidden; break;
        case SDL_WINDOWEVENT_EXPOSED: out.type = WindowEvent::Type::Exposed; break;
        case SDL_WINDOWEVENT_FOCUS_LOST: out.type = WindowEvent::Type::FocusLost; break;
        default: out.type = WindowEvent::Type::Other; break;
      }
      break;
    case SDL_JOYDEVICEADDED:
      out.device = OpenJoystickAt(e.jdevice.which);
      out.type = out.device >= 0 ? WindowEvent::Type::JoyAdded : WindowEvent::Type::Other;
      break;
    case SDL_JOYDEVICEREMOVED:
      out.device = e.jdevice.which;
      out.type = CloseJoystickId(out.device) ? WindowEvent::Type::JoyRemoved : WindowEvent::Type::Other;
      break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
      out.type = WindowEvent::Type::JoyButton;
      out.device = e.jbutton.which;
      out.control = e.jbutton.button;
      out.value = e.jbutton.state == SDL_PRESSED ? 1 : 0;
      break;
    case SDL_JOYHATMOTION:
      out.type = WindowEvent::Type::JoyHat;
      out.device = e.jhat.which;
      out.control = e.jhat.hat;
      out.value = e.jhat.value;
      break;
    case SDL_JOYAXISMOTION:
      out.type = WindowEvent::Type::JoyAxis;
      out.device = e.jaxis.which;
      out.control = e.jaxis.axis;
      out.value = e.jaxis.value;
      break;
    default:
      out.type = WindowEvent::Type::Other;
      break;
  }
  return out;
}

}  // namespace

SDL_Window* MainSdlWindow() { return gWindow; }

std::string LastWindowError() { return gError; }

bool CreateMainWindow(bool windowed, int width, int height) {
  DestroyMainWindow();
  if (!EnsureVideo()) return false;
  // The close request of the last window must reach us as a window event only: the kiosk
  // lock refuses it, never the end a signal asks for.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // Hidden until ShowMainWindow: SDL may replace the window while it sets up an accelerated
  // renderer, and what is on screen (and gets keys) must be the window that stays.
  Uint32 flags = SDL_WINDOW_HIDDEN;
  int x = 0, y = 0;
  if (windowed) {
    // SDL sizes the client area; centre it on the desktop as the original did.
    int dw = 0, dh = 0;
    GetDesktopSize(dw, dh);
    x = dw / 2 - width / 2;
    y = dh / 2 - height / 2;
  } else {
    GetDesktopSize(width, height);
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
  }
  if (width <= 0 || height <= 0) {
    gError = "window size " + std::to_string(width) + "x" + std::to_string(height);
    return false;
  }
  gWindow = SDL_CreateWindow("Orvanel", x, y, width, height, flags);
  if (!gWindow) {
    gError = SDL_GetError();
    return false;
  }
  SDL_ShowCursor(SDL_DISABLE);
  return true;
}

void DestroyMainWindow() {
  if (gWindow) SDL_DestroyWindow(gWindow);
  gWindow = nullptr;
}

bool MainWindowExists() { return gWindow != nullptr; }

void GetClientSize(int& width, int& height) {
  width = height = 0;
  if (gWindow) SDL_GetWindowSize(gWindow, &width, &height);
}

void GetDesktopSize(int& width, int& height) {
  width = height = 0;
  if (!EnsureVideo()) return;
  int display = gWindow ? SDL_GetWindowDisplayIndex(gWindow) : 0;
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) == 0) {
    width = mode.w;
    height = mode.h;
  }
}

void ShowMainWindow() {
  if (!gWindow) return;
  SDL_ShowWindow(gWindow);
  SDL_RestoreWindow(gWindow);
  SDL_RaiseWindow(gWindow);
  StartPendingRendererCheck();
}

void SetPointerVisible(bool visible) {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void ParkPointer(int x, int y) {
  if (gWindow) SDL_WarpMouseInWindow(gWindow, x, y);
}

bool PollEvent(WindowEvent& event) {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return false;
  UpdateJoysticks();
  SDL_Event e;
  if (!SDL_PollEvent(&e)) return false;
  event = Translate(e);
  return true;
}

bool WaitEvent(std::uint32_t timeoutMs, WindowEvent& event) {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) {
    SDL_Delay(timeoutMs);
    return false;
  }
  SDL_Event e;
  if (!SDL_WaitEventTimeout(&e, static_cast<int>(timeoutMs))) return false;
  event = Translate(e);
  return true;
}

void ReleaseVideo() {
  DestroyMainWindow();
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

void QuitVideo() {
  StopBackgroundChoice();
  ReleaseVideo();
  LeaveConsoleGraphics();
}

void QuitVideoAtExit() {
  // Nothing of an X11 or Wayland window outlives its client. Destroying it would first
  // leave the full screen, where SDL gives a window manager 100 ms to answer the size
  // change (a kiosk session has none): a close that waits for nothing. The console's mode
  // does outlive the process and is given back.
  const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : nullptr;
  const std::string_view name = driver ? driver : "";
  if (gWindow && (name == "x11" || name == "wayland")) {
    StopBackgroundChoice();
    return;
  }
  QuitVideo();
}

}  // namespace platform
