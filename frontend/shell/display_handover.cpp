#include "frontend/shell/display_handover.h"

#include "render/display.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/message_box.h"
#include "platform/message_catalogue.h"
#include "platform/window.h"
#include "platform/window_handover.h"

#include <optional>
#include <string>

using render::ReleaseAll;
namespace shell {

namespace {

// The game's last process may hold the display device a moment after the game ended.
constexpr int kWindowAttempts = 10;
constexpr std::uint32_t kWindowRetryMs = 200;

bool gReleased = false;
std::optional<std::uint32_t> gGameEnd;

bool GiveUp(Shell& shell, const std::string& why) {
  platform::WriteLog("Affichage impossible apres le jeu : " + why, 1, 1);
  platform::ShowTranslatedMessageBox(TrLater("Problème durant l'initialisation de DirectX"), {}, "");
  shell.runState = kRunStopped;
  shell.exitStatus = kFailureStatus;
  return false;
}

}  // namespace

bool ReleaseWholeDisplay(render::RenderState& render) {
  if (!platform::ReleaseDisplayDuringGames()) return false;
  ReleaseAll(render);
  platform::ReleaseVideo();
  gReleased = true;
  return true;
}

bool WholeDisplayReleased() { return gReleased; }

bool TakeBackWholeDisplay(Shell& shell, const Settings& s) {
  gReleased = false;
  bool made = false;
  for (int attempt = 0; attempt < kWindowAttempts && !made; ++attempt) {
    if (attempt > 0) platform::Sleep(kWindowRetryMs);
    made = platform::CreateMainWindow(s.modeFenetre, s.largFen, s.hautFen);
  }
  if (!made) return GiveUp(shell, platform::LastWindowError());
  if (wire::CreateMainDisplay() < 0) return GiveUp(shell, "CreateDevice");
  platform::ShowMainWindow();
  return true;
}

void NoteGameEnded(std::uint32_t now) { gGameEnd = now; }

void NoteMenuFrameShown() {
  if (!gGameEnd) return;
  const std::uint32_t now = platform::GetTickCount();
  platform::WriteLog("Menu affiche " + std::to_string(now - *gGameEnd) + " ms apres la fin du jeu", 1, 1);
  gGameEnd.reset();
}

}  // namespace shell
