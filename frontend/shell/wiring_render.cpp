// Empty until the drawing is built. LoadLayout answers success so that the start-up
// goes on to the loop; CreateDisplay answers 0 (made) for the same reason. No frame is
// composed meanwhile because the layout is never ready.
#include "frontend/shell/wiring_render.h"

#include "frontend/shell/settings.h"

namespace wire {

void ClearTextureTable() {}
int CreateDisplay() { return 0; }
int LoadLayout(const std::string&) { return 1; }
void StoreLayoutMediaDirectories(const Settings&) {}
bool LayoutReady() { return false; }
void UpdateAnimations(std::uint32_t) {}
void DrawFrame(int) {}
void LoadTemplateImages(const std::string&) {}
void LoadSelectionMedia() {}
void SetDrawLock(bool) {}
void ReleaseForReset() {}
bool ResetDisplay() { return true; }
void SetupRenderState() {}
void ReleaseAll() {}

}  // namespace wire
