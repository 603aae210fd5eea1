// The drawing joined to the shell: the render sources are filled from the settings, the
// list window, the loaded list and the information panel.
#include "frontend/shell/wiring_render.h"

#include "catalogue/catalogue_state.h"
#include "catalogue/game_list.h"
#include "catalogue/history.h"
#include "render/animations.h"
#include "render/display.h"
#include "render/frame_state.h"
#include "render/layout.h"
#include "render/picture_loading.h"
#include "render/render_size.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/screen.h"
#include "render/texture_table.h"
#include "catalogue/list_window.h"
#include "frontend/shell/slide_show.h"
#include "frontend/shell/search_panel.h"
#include "frontend/shell/shell_state.h"
#include "platform/clock.h"

using render::CreateDisplay;
using render::DisplayKind;
using render::HistoryView;
using render::ListPosition;
using render::LoadLayout;
using render::LoadTemplateImages;
using render::RenderSources;
using render::SetRotation;
using render::ShownGame;
using render::StoreMediaDirectories;


namespace shell {

using catalogue::GameEntry;

namespace wire {

namespace {

// What the drawing reads of the settings, refreshed whenever a configuration was read.
void SyncRenderSources() {
  Settings& s = gShell.settings;
  RenderSources& r = gRender.sources;
  r.baseDirectory = gShell.baseDirectory;
  r.configName = s.currentConfig;
  r.templateName = s.templateDir;
  // Under the render size cap a big screen is drawn as a smaller one of its shape, the
  // finished frame scaled up once.
  const render::RenderSize size = render::CappedRenderSize(s.largFen, s.hautFen, 0, 0, s.hauteurRendu);
  const bool capped = size.width != s.largFen || size.height != s.hautFen;
  r.largFen = size.width;
  r.hautFen = size.height;
  r.outputWidth = capped ? s.largFen : 0;
  r.outputHeight = capped ? s.hautFen : 0;
  r.modeFenetre = s.modeFenetre;
  r.iconsDir = s.iconsDir;
  r.videoDir = s.videoDir;
  r.videoSound = s.videoSon;
  r.scrDuration = s.scrDuration;
  r.picturesAtDrawnSize = true;
  r.pictureBudgetBytes = s.memoireImages > 0 ? std::int64_t(s.memoireImages) << 20 : 0;
  s.rotation = SetRotation(gRender.sources, s.rotation);
  // While a search is open the list shows its matches, the first one selected on top.
  r.listPosition = [] { return SearchOpen() ? ListPosition{} : ListPosition{gShell.listWindow.topIndex, gShell.listWindow.row}; };
  r.gameCount = [] { return SearchOpen() ? SearchMatchCount() : static_cast<int>(gCatalogue.games.entryCount); };
  r.gameAt = [](int position) {
    const GameEntry& e = gCatalogue.games.AtPosition(SearchOpen() ? SearchMatchAt(position) : position);
    return ShownGame{e.romName, e.romOf, e.fullName, {e.infos1, e.infos2, e.infos3}};
  };
  r.history = [] { return HistoryView{gCatalogue.history.text, gCatalogue.history.firstLine}; };
  r.searchLine = [] { return SearchLine(); };
  r.pickSlide = [] { return NextSlide(gShell.slideShow, gShell.settings, gCatalogue, platform::GetTickCount()); };
}

}  // namespace

int CreateMainDisplay() {
  SyncRenderSources();
  return CreateDisplay(gRender, DisplayKind::kMainWindow);
}

int CreateOffscreenDisplay() {
  SyncRenderSources();
  return CreateDisplay(gRender, DisplayKind::kOffscreen);
}

int LoadConfiguredLayout(const std::string& templateDir) {
  SyncRenderSources();
  return LoadLayout(gRender, gShell.baseDirectory, gShell.settings.currentConfig, templateDir);
}

void StoreLayoutMediaDirectories(const Settings& settings) {
  StoreMediaDirectories(gRender.layout, settings.snapDir, settings.marqueesDir, settings.customDir);
}

void LoadConfiguredTemplateImages(const std::string& templateDir) {
  SyncRenderSources();
  LoadTemplateImages(gRender, gShell.baseDirectory, templateDir);
}

}  // namespace wire

}  // namespace shell
