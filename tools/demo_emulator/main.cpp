// The demo installation's emulator: a window that shows the game it was started for and
// the coin keys (5 to 8) pressed in it, so the frontend's coin counting can be watched.
// It ends on Esc, on closing the window, or after $ORV_DEMO_EMULATOR_SECONDS seconds
// (default 20), as a player leaving the game would.
#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/message_catalogue.h"
#include "platform/paths.h"
#include "settings/message_language.h"

namespace {

std::string FindFontFile() {
  std::string file;
  if (!FcInit()) return file;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans:bold"));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
      file = reinterpret_cast<const char*>(path);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return file;
}

std::string GameName(const std::string& romPath) {
  std::string name = romPath;
  auto slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  auto dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name = name.substr(0, dot);
  return name;
}

void DrawLine(SDL_Renderer* renderer, TTF_Font* font, const std::string& text, int y, SDL_Color colour) {
  if (!font || text.empty()) return;
  SDL_Surface* surface = TTF_RenderUTF8_Blended(font, text.c_str(), colour);
  if (!surface) return;
  if (SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface)) {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    SDL_Rect dst{(w - surface->w) / 2, y, surface->w, surface->h};
    SDL_RenderCopy(renderer, texture, nullptr, &dst);
    SDL_DestroyTexture(texture);
  }
  SDL_FreeSurface(surface);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string romPath = argc > 1 ? argv[1] : "";
  const char* secondsEnv = std::getenv("ORV_DEMO_EMULATOR_SECONDS");
  const Uint32 limitMs = static_cast<Uint32>((secondsEnv ? std::atoi(secondsEnv) : 20) * 1000);
  std::printf("demo emulator: %s\n", romPath.c_str());
  // The menu starts its emulator in the installation's folder: its Langue is the owner's.
  std::error_code error;
  settings::UseLanguageOfInstallation(std::filesystem::current_path(error).string(), platform::ProgramDirectory());

  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "demo emulator: %s\n", SDL_GetError());
    return 1;
  }
  TTF_Init();
  SDL_Window* window = SDL_CreateWindow(Tr("Émulateur de démonstration"), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640,
                                        480, SDL_WINDOW_SHOWN);
  SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
  if (!renderer) {
    std::fprintf(stderr, "demo emulator: %s\n", SDL_GetError());
    SDL_Quit();
    return 1;
  }
  const std::string fontFile = FindFontFile();
  TTF_Font* big = fontFile.empty() ? nullptr : TTF_OpenFont(fontFile.c_str(), 40);
  TTF_Font* small = fontFile.empty() ? nullptr : TTF_OpenFont(fontFile.c_str(), 18);

  std::array<int, 4> coins{};
  const Uint32 start = SDL_GetTicks();
  bool running = true;
  while (running) {
    const Uint32 elapsed = SDL_GetTicks() - start;
    if (elapsed >= limitMs) break;
    SDL_SetRenderDrawColor(renderer, 10, 20, 60, 255);
    SDL_RenderClear(renderer);
    const SDL_Color white{255, 255, 255, 255}, yellow{255, 220, 60, 255}, grey{170, 170, 190, 255};
    DrawLine(renderer, small, Tr("ÉMULATEUR DE DÉMONSTRATION"), 40, grey);
    DrawLine(renderer, big, GameName(romPath), 110, yellow);
    DrawLine(renderer, small, romPath, 180, grey);
    DrawLine(renderer, small,
             platform::FormatText(Tr("Pièces  5 : %1   6 : %2   7 : %3   8 : %4"),
                                  {std::to_string(coins[0]), std::to_string(coins[1]), std::to_string(coins[2]),
                                   std::to_string(coins[3])}),
             260, white);
    DrawLine(renderer, small,
             platform::FormatText(Tr("Échap pour quitter ; fin automatique dans %1 s"),
                                  {std::to_string((limitMs - elapsed + 999) / 1000)}),
             400, grey);
    SDL_RenderPresent(renderer);

    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, 250)) {
      do {
        if (event.type == SDL_QUIT) running = false;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) running = false;
        if (event.type == SDL_KEYUP && event.key.keysym.sym >= SDLK_5 && event.key.keysym.sym <= SDLK_8) {
          coins[event.key.keysym.sym - SDLK_5]++;
        }
      } while (SDL_PollEvent(&event));
    }
  }
  std::printf("demo emulator: coins 5=%d 6=%d 7=%d 8=%d\n", coins[0], coins[1], coins[2], coins[3]);
  if (big) TTF_CloseFont(big);
  if (small) TTF_CloseFont(small);
  SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  TTF_Quit();
  SDL_Quit();
  return 0;
}
