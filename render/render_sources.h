// What the drawing reads from the rest of the program. The frontend's shell fills it
// (settings, list window, the loaded list, the information panel, slide picks); a
// preview fills it with sample contents. The drawing never reaches past it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace render {

struct ListPosition {
  int topIndex = 0;  // display position on the first line
  int row = 0;       // line of the selection
};

// One game of the list as the frame shows it; the texts stay owned by the list.
struct ShownGame {
  std::string_view romName;  // pictures are looked up by it, then by romOf
  std::string_view romOf;
  std::string_view fullName;
  std::array<std::string_view, 3> infos;
};

// The information panel: its text (empty = closed) and the first line shown.
struct HistoryView {
  std::string_view text;
  int firstLine = 0;
};

struct RenderSources {
  std::string baseDirectory;  // templates and configurations are below it
  std::string configName;     // the current configuration (its ScrollTexte.txt)
  std::string templateName;   // TemplateDir of the configuration
  int largFen = 640;          // display size (back buffer) in both modes
  int hautFen = 480;
  // The screen the back buffer is scaled onto when the render size cap makes it smaller
  // (0: the back buffer's own size).
  int outputWidth = 0, outputHeight = 0;
  bool modeFenetre = false;   // windowed
  std::string iconsDir;       // IconsDir of the configuration, absolute
  std::string videoDir;       // VideoDir of the configuration, absolute (empty: no clips)
  bool videoSound = false;    // VideoSon
  int scrDuration = 0;        // ScrDuration, seconds
  int rotation = 0;           // quarter turns 0-3; set through SetRotation
  // Pictures kept no larger than they are drawn (the menu). The layout editor keeps them
  // whole: its objects change size under pictures loaded once.
  bool picturesAtDrawnSize = false;
  // Bytes all textures may hold before the least recently drawn game pictures are let
  // go ([General] MemoireImages); 0 = no limit.
  std::int64_t pictureBudgetBytes = 0;

  // The list window of the navigation; nothing = first position, first line.
  std::function<ListPosition()> listPosition;
  // The games in display order: how many, and the one at a position 0..count-1.
  // Nothing = an empty list.
  std::function<int()> gameCount;
  std::function<ShownGame(int position)> gameAt;
  // The information panel; nothing = closed.
  std::function<HistoryView()> history;
  // The search line drawn over the menu; nothing or empty = no search open.
  std::function<std::string()> searchLine;
  // The next slide-show picture when one is due (empty: keep the current one).
  std::function<std::string()> pickSlide;
  // A line across the top of the menu, over everything: something the owner must put right
  // (the panel cannot be read). Empty = none.
  std::string notice;
};

ListPosition CurrentListPosition(const RenderSources& sources);
int GameCount(const RenderSources& sources);
ShownGame GameAt(const RenderSources& sources, int position);
HistoryView CurrentHistory(const RenderSources& sources);
std::string CurrentSearchLine(const RenderSources& sources);
// A rotation outside 0-3 becomes 0; returns the value kept.
int SetRotation(RenderSources& sources, int quarterTurns);

}  // namespace render
