// The frontend's main window and its event queue (SDL video). Full screen covers the
// desktop without a border; windowed mode has a client area of exactly the asked size,
// centred on the desktop. The title is "Orvanel" and the pointer is invisible over it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct WindowEvent {
  enum class Type {
    None,
    KeyDown,              // scancode = SDL scancode, repeat = auto-repeat
    KeyUp,
    Close,                // the window's close request (a window manager's, Alt+F4)
    Quit,                 // the process is asked to end (SIGTERM, SIGINT)
    RenderTargetsReset,   // target textures lost their content
    RenderDeviceReset,    // the whole renderer must be re-created
    Shown,
    Hidden,
    Exposed,
    FocusLost,            // keys now go to another window
    JoyAdded,             // device = the joystick's id, now open (platform/joysticks.h)
    JoyRemoved,           // device = the id of a joystick unplugged, now closed
    JoyButton,            // control = button index, value = 1 down, 0 up
    JoyHat,               // control = hat index, value = SDL hat bits
    JoyAxis,              // control = axis index, value = -32768 to 32767
    Other,
  };
  Type type = Type::None;
  int scancode = 0;
  bool repeat = false;
  bool alt = false;       // an Alt key is held with this key
  int device = -1;        // joystick events: the joystick's id
  int control = 0;
  int value = 0;
};

// Creates the main window, hidden until ShowMainWindow (destroying the previous one).
// False when the video system or the window cannot be made; LastWindowError() then says why.
bool CreateMainWindow(bool windowed, int width, int height);
void DestroyMainWindow();
bool MainWindowExists();
std::string LastWindowError();

// The client area size, and the desktop size of the display the window is on.
void GetClientSize(int& width, int& height);
void GetDesktopSize(int& width, int& height);

// Shows and raises the window (also restores it when minimised).
void ShowMainWindow();

// The pointer: hidden over the window, or shown again at exit; parking moves it inside
// the window to (x, y).
void SetPointerVisible(bool visible);
void ParkPointer(int x, int y);

// The event queue. PollEvent takes one event if one is waiting; WaitEvent sleeps until an
// event arrives or timeoutMs have passed (the idle path never spins).
bool PollEvent(WindowEvent& event);
bool WaitEvent(std::uint32_t timeoutMs, WindowEvent& event);

// Gives the display up entirely (on the console: the DRM device and the input devices SDL
// reads): the window goes and the video system ends; CreateMainWindow starts them again.
// The console's terminal stays in graphics mode.
void ReleaseVideo();

// Ends the video system after the window is gone; the console's terminal is in text mode
// again.
void QuitVideo();
// The same when the program ends: on a window system the window is left to the server,
// which takes it away with the connection when the process ends.
void QuitVideoAtExit();

}  // namespace platform
