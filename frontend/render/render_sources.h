// What the drawing reads from the rest of the frontend. The shell fills it (settings,
// list window, volume output, slide picks); the drawing never reaches into the shell.
#pragma once

#include <functional>
#include <string>

struct ListPosition {
  int topIndex = 0;  // display position on the first line
  int row = 0;       // line of the selection
};

struct RenderSources {
  std::string baseDirectory;  // templates and configurations are below it
  std::string configName;     // the current configuration (its ScrollTexte.txt)
  std::string templateName;   // TemplateDir of the configuration
  int largFen = 640;          // display size (back buffer) in both modes
  int hautFen = 480;
  bool modeFenetre = false;   // windowed
  std::string iconsDir;       // IconsDir of the configuration, absolute
  int scrDuration = 0;        // ScrDuration, seconds
  // The configuration's Rotation (quarter turns); the drawing resets a value outside
  // 0-3 to 0 there. Nothing: the screen's own value.
  int* rotation = nullptr;

  // The list window of the navigation; nothing = first position, first line.
  std::function<ListPosition()> listPosition;
  // Applies the music volume 0-1000 while a volume key is held.
  std::function<void(int volume)> applyVolume;
  // The next slide-show picture when one is due (empty: keep the current one).
  std::function<std::string()> pickSlide;
};

extern RenderSources gRenderSources;

ListPosition CurrentListPosition();
