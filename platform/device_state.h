// What a drawing device holds of SDL: shared by the files of platform/device only.
#pragma once

#include "platform/device.h"

#include <SDL.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

namespace platform {
namespace detail {

// Which renderer a window device draws with; decided once, kept across resets.
enum class WindowRenderer { Undecided, Accelerated, Software };

struct RendererState {
  SDL_Renderer* renderer = nullptr;
  SDL_Window* window = nullptr;
  SDL_Surface* surface = nullptr;  // offscreen devices draw onto it
  DisplayParameters params;
  bool software = false;
  bool screenIsBackBuffer = false;  // drawing "to the back buffer" draws on the screen
  WindowRenderer pick = WindowRenderer::Undecided;
  bool probe = false;  // a hidden window where the renderers are timed for a full screen
  std::string verdictNote;  // why a verdict chose the renderer, logged once it is made
  std::string expectedGl;   // a remembered accelerated verdict's GL driver, checked once made
  std::atomic<bool> reset{false};
  SDL_Texture* target = nullptr;   // current target texture
  // The window's content was lost (shown, exposed, resized): the next present is whole.
  std::atomic<bool> windowLost{true};
  std::optional<SDL_Rect> clip;    // caller's clip on the current target
};

struct TextureObject {
  SDL_Texture* texture = nullptr;
  int width = 0, height = 0;
  bool opaque = false;
  bool target = false;
  SDL_ScaleMode scale = SDL_ScaleModeNearest;
  SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
  std::weak_ptr<RendererState> owner;
  ~TextureObject() {
    // A dead renderer has taken its textures with it.
    if (texture && !owner.expired()) SDL_DestroyTexture(texture);
  }
};

}  // namespace detail

}  // namespace platform
