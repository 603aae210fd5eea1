// Where the layout and the drawing take the settings: the render sources are filled
// from the settings and the list window before a display is made or a template loaded.
#pragma once

#include <string>

#include "frontend/shell/wiring_render_state.h"
#include "render/render_state.h"

struct Settings;


namespace shell {

namespace wire {

int CreateMainDisplay();                              // negative: the display cannot be made
int CreateOffscreenDisplay();                     // the same without a window (screenshots)
int LoadConfiguredLayout(const std::string& templateDir);   // 0: the template's Layout.cfg cannot be read
void LoadConfiguredTemplateImages(const std::string& templateDir);
// Clears the media directory of every layout object, then stores the snapshot, marquee
// and Custom1..6 directories of the settings just read.
void StoreLayoutMediaDirectories(const Settings& settings);

}  // namespace wire

}  // namespace shell
