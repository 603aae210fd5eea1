#include "configurator/layouteditor/ui/preview_drawing.h"

#include <algorithm>
#include <string_view>

#include "configurator/layouteditor/frontend_view.h"
#include "configurator/layouteditor/object_numbering.h"
#include "configurator/layouteditor/save_layout.h"
#include "render/display.h"
#include "render/frame_composition.h"
#include "render/frame_state.h"
#include "render/layout.h"
#include "render/picture_loading.h"
#include "render/picture_scroll.h"
#include "render/render_sources.h"
#include "render/scroll_text.h"
#include "render/text_style_fonts.h"
#include "render/texture_table.h"

namespace cfg {

const char kSampleScrollText[] =
    "Configurateur Orvanel           [b=1][p=5][b=0] "
    "Aucun ScrollTexte.txt dans la configuration en cours : texte d'exemple.   ";

namespace {

// Texts are Windows-1252 bytes for the drawing code ("N\xB0" is "N°").
constexpr std::string_view kListRowText = "Element liste N\xB0 ";
constexpr std::string_view kInfoSamples[] = {"Nom complet du jeux", "Infos 1", "Infos 2", "Infos 3"};
const GameTexts kSampleGame{"NOM DU JEUX", {"INFOS ", "INFOS ", "INFOS "}};

constexpr std::uint32_t kPulseStep = 50;
constexpr int kPulsePeriod = 1000;
constexpr std::uint32_t kStillRedraw = 1000;
constexpr std::uint32_t kFarAway = 1000000;
constexpr std::uint32_t kOpaqueRed = 0xFFFF0000;
constexpr float kExact = 0.5f;  // quads cover exactly their pixels

bool drawing = false;  // a paint that arrives during a frame draws nothing

bool Due(std::uint32_t now, std::uint32_t due) { return static_cast<std::int32_t>(now - due) >= 0; }

void Lower(std::uint32_t& next, std::uint32_t tick) {
  if (static_cast<std::int32_t>(tick - next) < 0) next = tick;
}

// The sample list: row texts and the infos every sample game carries. The drawing only
// borrows them (string views), so they live here.
struct SampleList {
  std::vector<std::string> rows;
  int selectedRow = 0;
};
SampleList sample;

void HandSampleContents(const EditorLayout& layout) {
  const int rows = ListRowDivisor(layout.settings.nbItems);
  if (int(sample.rows.size()) != rows) {
    sample.rows.clear();
    for (int i = 0; i < rows; ++i) sample.rows.push_back(std::string(kListRowText) + std::to_string(i + 1));
  }
  sample.selectedRow = rows / 2;
  gRenderSources.listPosition = [] { return ListPosition{0, sample.selectedRow}; };
  gRenderSources.gameCount = [] { return int(sample.rows.size()); };
  gRenderSources.gameAt = [](int p) {
    // The selected game's name is the one the name object shows, in the list as on the cabinet.
    const std::string_view name = p == sample.selectedRow ? kInfoSamples[0] : std::string_view(sample.rows[std::size_t(p)]);
    return ShownGame{"", "", name, {kInfoSamples[1], kInfoSamples[2], kInfoSamples[3]}};
  };
  gRenderSources.history = nullptr;
  // With icons on, each text row gets the placeholder square; in image mode every row
  // shows the template's missing-marquee picture.
  const bool icons = layout.settings.listeIcons != 0 && layout.settings.listeImages == 0;
  gRenderSources.iconsDir = icons ? "preview" : "";
  const int lineSlot = layout.settings.listeImages ? kSlotMissingMarquee : icons ? kSlotSlide : 0;
  gFrame.lineSlots.fill(0);
  for (int i = 0; i < rows; ++i) gFrame.lineSlots[std::size_t(i)] = lineSlot;
  gLayout.objects[kSnap].textureSlot = kSlotMissingSnap;
  gLayout.objects[kMarquee].textureSlot = kSlotMissingMarquee;
}

// The icon placeholder: an opaque red square with a white outline, in the slide slot the
// preview has no other use for.
void MakeIconPlaceholder() {
  platform::Device* device = CurrentDevice();
  if (!device) return;
  constexpr int kSize = 16;
  std::vector<std::uint8_t> rgba;
  rgba.reserve(kSize * kSize * 4);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const bool edge = x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1;
      rgba.insert(rgba.end(), {255, std::uint8_t(edge ? 255 : 0), std::uint8_t(edge ? 255 : 0), 255});
    }
  TextureSlot& slot = *SlotAt(kSlotSlide);
  slot = {};
  slot.texture = device->CreateTexture(kSize, kSize, rgba, nullptr);
  slot.width = slot.height = kSize;
}

// The frontend's layout as drawn from this editor layout: the editor's values through the
// numbering map, and the order as the frontend reads it from the saved file.
void ConvertForDrawing(const EditorLayout& layout) {
  CopyToFrontendLayout(layout, gLayout);
  Layout read;
  ReadLayoutText(LayoutFileText(layout), read);
  gLayout.drawOrder = read.drawOrder;
}

void StepPulse(PreviewClocks& clocks, EditorLayout& layout, std::uint32_t now) {
  const LayoutWideSettings& s = layout.settings;
  if (s.selectorMaxAlpha <= s.selectorMinAlpha || !Due(now, clocks.pulseDue)) return;
  // A long wait (the page was hidden) folds into the ramp instead of overflowing it.
  const std::uint64_t elapsed = std::uint64_t(clocks.pulseElapsed) + kPulseStep + (now - clocks.pulseDue);
  if (elapsed >= std::uint64_t(kPulsePeriod) && (elapsed / kPulsePeriod) % 2 == 1) clocks.pulseDirection = -clocks.pulseDirection;
  clocks.pulseElapsed = int(elapsed % kPulsePeriod);
  const long long range = (long long)s.selectorMaxAlpha - s.selectorMinAlpha;
  const int v = int(std::min(range * clocks.pulseElapsed / kPulsePeriod, range));
  layout.selectorAlpha = clocks.pulseDirection > 0 ? s.selectorMinAlpha + v : s.selectorMaxAlpha - v;
  ApplyScrollTextBlink(clocks.pulseDirection > 0, clocks.pulseElapsed);
  clocks.pulseDue = now + kPulseStep;
  Lower(clocks.nextRedraw, clocks.pulseDue);
}

void StepScroll(PreviewClocks& clocks, const EditorLayout& layout, std::uint32_t now) {
  const EditorObject& o = layout.objects[kEdScrollText];
  if (gScrollText.working.empty() || !o.visible || o.width <= 0) return;
  StepScrollText(gScrollText, ScrollBoxOf(gLayout), now, &kSampleGame);
  Lower(clocks.nextRedraw, gScrollText.due);
}

void StepPictures(PreviewClocks& clocks, EditorLayout& layout, std::uint32_t now) {
  for (int k = 0; k < 6; ++k) {
    EditorObject& o = layout.objects[kEdCustom1 + k];
    for (int axis = 0; axis < 2; ++axis) {
      PreviewClock& clock = clocks.pictureScroll[k][axis];
      if (clock.period == 0) continue;
      if (Due(now, clock.due)) {
        const int size = axis == 0 ? o.width : o.height;
        const float speed = axis == 0 ? o.scrollSpeedX : o.scrollSpeedY;
        float& offset = axis == 0 ? o.scrollOffsetX : o.scrollOffsetY;
        // A 0-pixel side has no step (1/0); a long wait catches up a few turns at most.
        if (size > 0) {
          const std::uint32_t n =
              std::min<std::uint32_t>((now - clock.due) / clock.period + 1, 4u * std::uint32_t(size) + 4u);
          const float step = (speed < 0 ? -1.0f : 1.0f) / float(size);
          for (std::uint32_t i = 0; i < n; ++i) {
            offset += step;
            if (offset <= -1 || offset >= 1) offset = -offset;
          }
        }
        clock.due = now + clock.period;
      }
      Lower(clocks.nextRedraw, clock.due);
    }
  }
}

}  // namespace

bool OpenPreviewDevice(int width, int height) {
  gRenderSources.largFen = std::max(width, 1);
  gRenderSources.hautFen = std::max(height, 1);
  gRenderSources.modeFenetre = true;
  return CreateDisplay(DisplayKind::kOffscreen) != kDisplayFailed && CurrentDevice() != nullptr;
}

bool PreviewDeviceOpen() { return CurrentDevice() != nullptr; }

void LoadPreviewTemplate(const std::string& installDirectory, const std::string& templateName,
                         const EditorLayout& layout) {
  if (!CurrentDevice()) return;
  CopyToFrontendLayout(layout, gLayout);
  LoadTemplateImages(installDirectory, templateName);
  MakeIconPlaceholder();
  LayOutPreviewScrollText(layout);
}

void RecreatePreviewFont(const EditorLayout& layout, int editorIndex) {
  if (!IsEditorTextObject(editorIndex)) return;
  CopyToFrontendLayout(layout, gLayout);
  const int f = FrontendIndexOf(editorIndex);
  const TextStyle& style = gLayout.textStyles[f];
  CreateTextStyleFont(f, style.fontHeight, style.faceName, 600);
}

void SetPreviewScrollText(const std::string& text, const EditorLayout& layout) {
  const std::string kept = text.substr(0, std::min(text.find('\0'), kScrollSourceMax));
  gScrollText.source = kept.empty() ? std::string(kSampleScrollText) : kept;
  LayOutPreviewScrollText(layout);
}

void LayOutPreviewScrollText(const EditorLayout& layout) {
  CopyToFrontendLayout(layout, gLayout);
  PrepareScrollText(gScrollText, ScrollBoxOf(gLayout));
}

void ResetPreviewPictureScroll(PreviewClocks& clocks, EditorLayout& layout, std::uint32_t now) {
  for (int k = 0; k < 6; ++k) {
    EditorObject& o = layout.objects[kEdCustom1 + k];
    clocks.pictureScroll[k] = {};
    if (!o.visible) {
      o.scrollOffsetX = o.scrollOffsetY = 0;
      continue;
    }
    const float speeds[2] = {o.scrollSpeedX, o.scrollSpeedY};
    float* offsets[2] = {&o.scrollOffsetX, &o.scrollOffsetY};
    for (int axis = 0; axis < 2; ++axis) {
      if (speeds[axis] != 0) {
        // Speeds beyond 10 act as 10, as in the frontend (a 0 ms period would redraw endlessly).
        clocks.pictureScroll[k][axis] = {now, PictureScrollPeriod(speeds[axis])};
        clocks.nextRedraw = now;
      } else {
        *offsets[axis] = 0;
      }
    }
  }
}

void ResetPreviewClocks(PreviewClocks& clocks, EditorLayout& layout, std::uint32_t now) {
  clocks.pulseDue = now;
  clocks.pulseElapsed = 0;
  clocks.pulseDirection = 1;
  layout.selectorAlpha = layout.settings.selectorMinAlpha;
  gScrollText.due = now;
  gScrollText.period = kScrollDefaultPeriod;
  clocks.nextRedraw = now;
  ResetPreviewPictureScroll(clocks, layout, now);
}

void AdvancePreviewClocks(PreviewClocks& clocks, EditorLayout& layout, std::uint32_t now) {
  clocks.nextRedraw = now + kFarAway;
  CopyToFrontendLayout(layout, gLayout);
  StepPulse(clocks, layout, now);
  StepScroll(clocks, layout, now);
  StepPictures(clocks, layout, now);
  if (clocks.nextRedraw == now + kFarAway) clocks.nextRedraw = now + kStillRedraw;
}

std::array<int, kEditorObjectCount> PreviewSlots(const EditorLayout& layout) {
  // The frontend's reader settles equal and missing orders; asking it keeps the preview
  // and the cabinet from disagreeing about what is in front.
  Layout read;
  ReadLayoutText(LayoutFileText(layout), read);
  std::array<int, kEditorObjectCount> slots{};
  for (int slot = 0; slot < kEditorObjectCount; ++slot) {
    const int f = read.drawOrder[slot];
    slots[slot] = f >= 0 && f < kLayoutObjectCount ? EditorIndexOf(f) : -1;
  }
  return slots;
}

SelectionFrame SelectionFrameOf(const EditorLayout& layout, int selected) {
  SelectionFrame f;
  if (selected <= kEdBackGround || selected >= kEditorObjectCount) return f;
  const EditorObject& o = layout.objects[selected];
  if (!o.visible) return f;
  f = {o.left, o.top, o.left + o.width, o.top + o.height, false};
  f.present = f.right - f.left > 1 && f.bottom - f.top > 1;
  return f;
}

std::vector<std::uint8_t> DrawPreviewFrame(const EditorLayout& layout, int selected) {
  platform::Device* device = CurrentDevice();
  if (!device || drawing) return {};
  drawing = true;
  ConvertForDrawing(layout);
  HandSampleContents(layout);
  device->SetTarget(nullptr);
  device->Clear(0xFF000000);
  DrawLayoutPass(kExact);
  const SelectionFrame f = SelectionFrameOf(layout, selected);
  if (f.present) {
    RectOutline(float(f.left), float(f.top), float(f.right), float(f.bottom), kOpaqueRed);
    RectOutline(float(f.left + 1), float(f.top + 1), float(f.right - 1), float(f.bottom - 1), kOpaqueRed);
  }
  device->Present();
  std::vector<std::uint8_t> pixels = device->ReadBackBufferRgba();
  drawing = false;
  return pixels;
}

}  // namespace cfg
