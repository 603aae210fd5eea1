// Where the layout and the drawing join the start-up, the settings loading, the main
// loop and the shutdown. Each function is one call into frontend/render.
#pragma once

#include <cstdint>
#include <string>

struct Settings;

namespace wire {

void ClearTextureTable();
int CreateDisplay();                              // negative: the display cannot be made
int CreateOffscreenDisplay();                     // the same without a window (screenshots)
int LoadLayout(const std::string& templateDir);   // 0: the template's Layout.cfg cannot be read
// Clears the media directory of every layout object, then stores the snapshot, marquee
// and Custom1..6 directories of the settings just read.
void StoreLayoutMediaDirectories(const Settings& settings);
bool LayoutReady();                               // the layout's pictures are loaded
bool UpdateAnimations(std::uint32_t now);         // true: a clock moved something
bool DrawFrame(int mode);                         // false: skipped (no device, draw lock)
bool CrossFadeRunning();                          // a slide is fading in
void LoadTemplateImages(const std::string& templateDir);
void LoadSelectionMedia();
void SetDrawLock(bool locked);
void ReleaseForReset();                           // resources that do not survive a reset
bool ResetDisplay();                              // false: the display must be re-created
void SetupRenderState();
void ReleaseAll();

}  // namespace wire
