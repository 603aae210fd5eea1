// The preview's picture and clocks, drawn by the frontend's own drawing code with the
// software renderer. This is the one place of the configurator that talks to the drawing
// code: everything else hands it the editor's layout and gets pixels back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "configurator/layouteditor/editor_layout.h"

namespace cfg {

// The preview clocks (tick counts in ms). A period of 0 means the axis does not scroll.
struct PreviewClock {
  std::uint32_t due = 0;
  std::uint32_t period = 0;
};

struct PreviewClocks {
  std::uint32_t pulseDue = 0;
  int pulseElapsed = 0;  // ms into the current ramp
  int pulseDirection = 1;
  std::array<std::array<PreviewClock, 2>, 6> pictureScroll{};  // [Custom k][0 = x, 1 = y]
  std::uint32_t nextRedraw = 0;
};

// What stands in for a game when no ScrollTexte.txt can be shown.
extern const char kSampleScrollText[];

// The drawing device at the layout's size (made again when the size changes); false
// when no device can be made ("Erreur CreateDevice" has been shown then).
bool OpenPreviewDevice(int width, int height);
bool PreviewDeviceOpen();

// Loads the template's pictures with the layout's colour key and makes every object's
// font (weight 600); lays the scroll text out.
void LoadPreviewTemplate(const std::string& installDirectory, const std::string& templateName,
                         const EditorLayout& layout);
// Makes one object's font again from its face and size (editor numbering).
void RecreatePreviewFont(const EditorLayout& layout, int editorIndex);
// The scroll text shown: `text` (cut to the frontend's 10000 bytes); empty gives the sample.
void SetPreviewScrollText(const std::string& text, const EditorLayout& layout);
// Starts the scroll text again from its beginning in the ScrollText object's box.
void LayOutPreviewScrollText(const EditorLayout& layout);

// Clock resets: the pulse, the scroll text and the pictures; the pictures alone.
void ResetPreviewClocks(PreviewClocks& clocks, EditorLayout& layout, std::uint32_t now);
void ResetPreviewPictureScroll(PreviewClocks& clocks, EditorLayout& layout, std::uint32_t now);
// Runs every clock that is due at `now` (catching up missed steps) and sets the next
// redraw to the earliest clock, or one second later when nothing moves.
void AdvancePreviewClocks(PreviewClocks& clocks, EditorLayout& layout, std::uint32_t now);

// The objects (editor numbering) in the order the frontend draws them from this layout once
// saved, back to front; -1 for a slot it leaves empty. Two objects with one order are both
// drawn, as on the cabinet.
std::array<int, kEditorObjectCount> PreviewSlots(const EditorLayout& layout);

// One frame of the layout with the sample contents, the selected object outlined; the
// pixels as RGBA bytes, rows top to bottom, opaque. Empty without a device.
std::vector<std::uint8_t> DrawPreviewFrame(const EditorLayout& layout, int selected);

// The outline drawn around the selected object (right = left + width, bottom = top +
// height); present only for a visible object other than the background at least 2 x 2.
struct SelectionFrame {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool present = false;
};
SelectionFrame SelectionFrameOf(const EditorLayout& layout, int selected);

}  // namespace cfg
