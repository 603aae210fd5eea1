// The preview's picture and clocks, drawn by the frontend's own drawing code with the
// software renderer. This is the one place of the configurator that talks to the drawing
// code: the editor's layout is converted into the drawn layout when an edit is committed,
// and every frame after that draws it as it stands, animated by the frontend's clocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "configurator/layouteditor/editor_layout.h"
#include "configurator/layouteditor/preview_games.h"
#include "catalogue/list_window.h"
#include "render/layout.h"
#include "render/render_state.h"

namespace cfg {

// What stands in for a game when no ScrollTexte.txt can be shown.
std::string SampleScrollText();

// The outline drawn around the selected object (right = left + width, bottom = top +
// height); present only for a visible object other than the background at least 2 x 2.
struct SelectionFrame {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool present = false;
};
SelectionFrame SelectionFrameOf(const EditorLayout& layout, int selected);

// The editor's layout as the frontend's drawing code takes it: each object goes to the
// frontend's number for it with its fields (text styles with whole faces), the draw order
// follows the frontend's rule, and the list settings follow. Media directories, texture
// slots, scroll offsets, the selector's current opacity and pulse direction and the
// history panel's style stay as `frontend` holds them: they belong to the drawing side
// and its clocks.
void CopyToFrontendLayout(const EditorLayout& editor, render::Layout& frontend);

// A preview draws through drawing records of its own (layout, texture table, fonts,
// clocks): several can exist at once.
class PreviewRenderer {
 public:
  // The drawing device at the layout's size (made again when the size changes); false
  // when no device can be made ("Erreur CreateDevice" has been shown then).
  bool OpenDevice(int width, int height);
  bool DeviceOpen() const;

  // The edited layout as committed: converted here once, drawn by every frame after; an
  // object whose face or size changed gets its font made again.
  void Follow(const EditorLayout& layout);
  // After Follow: the template's pictures with the layout's colour key, every object's
  // font (weight 600), the scroll text laid out. A new layout starts with still pictures.
  void LoadTemplate(const std::string& installDirectory, const std::string& templateName, bool newLayout);
  // The scroll text shown: a ScrollTexte.txt's bytes, read as the cabinet reads them;
  // empty gives the sample.
  void SetScrollText(const std::string& text);
  // The game shown: the one at display position `position` of `games` (which must live as
  // long as it is shown), its pictures and texts found as the menu finds them; nullptr or
  // a position outside the list shows the sample again.
  void ShowGame(const PreviewGames* games, int position);
  bool ShowsGame() const { return games_ != nullptr; }
  // Starts the scroll text again from its beginning in the ScrollText object's box.
  void LayOutScrollText();

  // Clock resets: the pulse, the scroll text and the pictures; the pictures alone.
  void ResetClocks(std::uint32_t now);
  void ResetPictureScroll(std::uint32_t now);
  // Runs every clock that is due at `now` (catching up missed steps) and sets the next
  // redraw to the earliest clock, or one second later when nothing moves.
  void AdvanceClocks(std::uint32_t now);
  std::uint32_t nextRedraw() const { return nextRedraw_; }
  void RedrawAt(std::uint32_t tick) { nextRedraw_ = tick; }

  // One frame of the drawn layout with the game or the sample and `frame` outlined; the
  // pixels as RGBA bytes, rows top to bottom, opaque. Empty without a device.
  std::vector<std::uint8_t> DrawFrame(const SelectionFrame& frame);

  // The layout as drawn, with its scroll offsets and selector opacity.
  const render::Layout& drawn() const;
  // Every record the preview draws through (tests).
  const render::RenderState& records() const { return state_; }

 private:
  void HandSampleContents();
  void HandGameContents();
  // What the selection's pictures depend on besides the game: a change loads them again.
  struct MediaKey {
    int rows = 0;
    bool listeImages = false, listeIcons = false;
    unsigned visibleBits = 0;
    bool operator==(const MediaKey&) const = default;
  };
  MediaKey CurrentMediaKey() const;

  // The sample list: row texts the drawing borrows (string views), so they live here.
  std::vector<std::string> rows_;
  int selectedRow_ = 0;
  const PreviewGames* games_ = nullptr;
  int gamePosition_ = 0;
  catalogue::ListWindow window_;
  bool mediaStale_ = true;  // the game's pictures are to be loaded before the next frame
  MediaKey mediaKey_;
  int pulseDirection_ = 1;  // the direction a pulse stopped by equal bounds resumes in
  std::uint32_t nextRedraw_ = 0;
  bool drawing_ = false;  // a paint that arrives during a frame draws nothing
  render::RenderState state_;
};

}  // namespace cfg
