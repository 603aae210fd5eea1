// The main loop draws a frame only when it would differ from the one on screen: a still
// menu presents nothing, and each thing that changes the screen presents exactly one.
#include "frontend/shell/shell_state.h"
#include "render/render_state.h"
#include "shell_installation.h"

#include "render/display.h"
#include "render/frame_state.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/main_loop.h"
#include "frontend/shell/volume_ramp.h"
#include "frontend/shell/wiring_render.h"
#include "platform/window.h"

using render::ReleaseAll;
using render::CurrentDevice;
using shell::AskForFrame;
using shell::DispatchEvent;
using shell::HoldVolumeKey;
using shell::IdleStep;
using shell::LoadConfiguration;
using shell::ReleaseVolumeKey;
using shell::ResetClocks;
using shell::gShell;
namespace wire = shell::wire;

namespace {

using Type = platform::WindowEvent::Type;

class IdleFramesTest : public shelltest::ShellInstallation {
 protected:
  void SetUp() override {
    ShellInstallation::SetUp();
    ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
    gShell.settings.musicFond.clear();
    ASSERT_EQ(wire::CreateOffscreenDisplay(), 1);
    ASSERT_EQ(wire::LoadConfiguredLayout(gShell.settings.templateDir), 1);
    gRender.clocks.fadeLevel = 1.0f;  // transitions off
    ResetClocks(gRender, gShell.volumeRamp, now);
  }
  void TearDown() override {
    ReleaseAll(gRender);
    ShellInstallation::TearDown();
  }
  // Runs the loop's idle passes every 10 ms for `ms`; the frames presented meanwhile.
  int Run(std::uint32_t ms) {
    const platform::Device* device = CurrentDevice(gRender);
    if (!device) return -1;
    const std::uint64_t before = device->PresentCount();
    for (const std::uint32_t end = now + ms; now != end; now += 10) {
      platform::SetTickOverride(now);
      IdleStep(now);
    }
    return CurrentDevice(gRender) == device ? int(device->PresentCount() - before) : -1;
  }
  void Dispatch(Type type, int scancode = 0) {
    platform::WindowEvent e;
    e.type = type;
    e.scancode = scancode;
    DispatchEvent(e);
  }

  std::uint32_t now = 100000;
};

TEST_F(IdleFramesTest, AStillMenuPresentsNothingAndEachChangeOneFrame) {
  EXPECT_EQ(Run(500), 1);   // the first frame
  EXPECT_EQ(Run(5000), 0);  // still: the once-a-second pass draws nothing

  struct Case {
    const char* what;
    Type type;
    int scancode;
  };
  const Case cases[] = {
      {"a key that does nothing", Type::KeyDown, 4 /* A */},
      {"an expose", Type::Exposed, 0},
      {"the window shown again", Type::Shown, 0},
      {"a display reset", Type::RenderTargetsReset, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Dispatch(c.type, c.scancode);
    EXPECT_EQ(Run(3000), 1);
  }
  AskForFrame(gRender.clocks);
  EXPECT_EQ(Run(3000), 1);
}

TEST_F(IdleFramesTest, AMovingClockDrawsOneFramePerStepAndStopsWithIt) {
  EXPECT_EQ(Run(500), 1);
  // The volume ramp of a held volume key: one step every 50 ms.
  HoldVolumeKey(gShell.volumeRamp, gShell.settings, gRender, 10);
  gShell.volumeRamp.clock.due = now;
  gRender.clocks.nextFrameTime = now;
  EXPECT_EQ(Run(1000), 20);
  // Released: the gauge's last frame (the key's release asks for it), then nothing.
  ReleaseVolumeKey(gShell.volumeRamp, gShell.settings, gRender);
  EXPECT_EQ(Run(3000), 1);
}

}  // namespace
