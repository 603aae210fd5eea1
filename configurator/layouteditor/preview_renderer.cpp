#include "configurator/layouteditor/preview_renderer.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "configurator/layouteditor/object_numbering.h"
#include "render/animation_clock.h"
#include "render/animations.h"
#include "render/display.h"
#include "render/frame_composition.h"
#include "render/frame_state.h"
#include "render/picture_loading.h"
#include "render/picture_scroll.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "render/text_style_fonts.h"
#include "render/texture_table.h"
#include "platform/text.h"

using render::AnimationClock;
using render::CreateDisplay;
using render::CreateTextStyleFont;
using render::DisplayKind;
using render::DrawLayoutPass;
using render::GameTexts;
using render::InitPictureScroll;
using render::IsTextObject;
using render::Layout;
using render::LayoutObject;
using render::ListPosition;
using render::LoadSelectionMedia;
using render::LoadTemplateImages;
using render::PrepareScrollText;
using render::RectOutline;
using render::ScrollBoxOf;
using render::ScrollTextOfFile;
using render::SelectedGameTexts;
using render::ShownGame;
using render::SlotAt;
using render::SlotLoaded;
using render::StepPictureScroll;
using render::StepPulse;
using render::StepScrollText;
using render::StoreMediaDirectories;
using render::TextStyle;
using render::TextureSlot;
using render::kBackGround;
using render::kCustom1;
using render::kList;
using render::kCustom6;
using render::kDisplayFailed;
using render::kLayoutObjectCount;
using render::kMarquee;
using render::kMaxListItems;
using render::kScrollDefaultPeriod;
using render::kScrollText;
using render::kSlotCustomTemplate1;
using render::kSlotMissingMarquee;
using render::kSlotMissingSnap;
using render::kSlotSlide;
using render::kSnap;
using render::CurrentDevice;

using catalogue::GameEntry;
using catalogue::GameList;
using catalogue::ListShape;
using catalogue::SelectEntry;

namespace cfg {

const char kSampleScrollText[] =
    "Configurateur Orvanel           [b=1][p=5][b=0] "
    "Aucun ScrollTexte.txt dans la configuration en cours : texte d'exemple.   ";

namespace {

constexpr std::string_view kListRowText = "Element liste N° ";
constexpr std::string_view kInfoSamples[] = {"Nom complet du jeux", "Infos 1", "Infos 2", "Infos 3"};
const GameTexts kSampleGame{"NOM DU JEUX", {"INFOS ", "INFOS ", "INFOS "}};

constexpr std::uint32_t kStillRedraw = 1000;
constexpr std::uint32_t kOpaqueRed = 0xFFFF0000;
constexpr float kExact = 0.5f;  // quads cover exactly their pixels

void Lower(std::optional<std::uint32_t>& next, std::uint32_t tick) {
  if (!next || static_cast<std::int32_t>(tick - *next) < 0) next = tick;
}

bool ScrollTextRuns(const render::RenderState& rs) {
  const LayoutObject& o = rs.layout.objects[kScrollText];
  return !rs.scrollText.working.empty() && o.visible && o.width > 0;
}

// The icon placeholder: an opaque red square with a white outline, in the slide slot the
// preview has no other use for.
void MakeIconPlaceholder(render::RenderState& rs) {
  platform::Device* device = CurrentDevice(rs);
  if (!device) return;
  constexpr int kSize = 16;
  std::vector<std::uint8_t> rgba;
  rgba.reserve(kSize * kSize * 4);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const bool edge = x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1;
      rgba.insert(rgba.end(), {255, std::uint8_t(edge ? 255 : 0), std::uint8_t(edge ? 255 : 0), 255});
    }
  TextureSlot& slot = *SlotAt(rs.textures, kSlotSlide);
  slot = {};
  slot.texture = device->CreateTexture(kSize, kSize, rgba, nullptr);
  slot.width = slot.height = kSize;
}

}  // namespace

void CopyToFrontendLayout(const EditorLayout& editor, Layout& frontend) {
  for (int e = 0; e < kEditorObjectCount; ++e) ApplyObjectFields(editor.objects[e], FrontendIndexOf(e), frontend);
  frontend.objects[kBackGround].stretch = 0;  // the background is always drawn at its size
  const auto slots = EditorDrawOrder(editor);
  for (int slot = 0; slot < kEditorObjectCount; ++slot) frontend.drawOrder[slot] = FrontendIndexOf(slots[slot]);
  const LayoutWideSettings& s = editor.settings;
  frontend.listeImages = s.listeImages != 0;
  frontend.listeIcons = s.listeIcons != 0;
  frontend.transparentColour = static_cast<std::uint32_t>(s.transparentColour);
  frontend.listNbItems = ListRowDivisor(s.nbItems);
  frontend.itemHeight = frontend.objects[kList].height / frontend.listNbItems;
  frontend.selectionAlphaMin = s.selectorMinAlpha;
  frontend.selectionAlphaMax = s.selectorMaxAlpha;
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

bool PreviewRenderer::OpenDevice(int width, int height) {
  state_.sources.largFen = std::max(width, 1);
  state_.sources.hautFen = std::max(height, 1);
  state_.sources.modeFenetre = true;
  return CreateDisplay(state_, DisplayKind::kOffscreen) != kDisplayFailed && CurrentDevice(state_) != nullptr;
}

bool PreviewRenderer::DeviceOpen() const { return CurrentDevice(state_) != nullptr; }

void PreviewRenderer::Follow(const EditorLayout& layout) {
  const auto styles = state_.layout.textStyles;
  CopyToFrontendLayout(layout, state_.layout);
  // A face or size committed by any path (applied, or another object selected) makes that
  // object's font again.
  for (int f = 0; f < kLayoutObjectCount && CurrentDevice(state_); ++f) {
    const TextStyle &was = styles[std::size_t(f)], &now = state_.layout.textStyles[std::size_t(f)];
    if (IsTextObject(f) && (was.fontHeight != now.fontHeight || !platform::EqualsNoCase(was.faceName, now.faceName)))
      CreateTextStyleFont(state_, f, now.fontHeight, now.faceName, 600);
  }
  // The selector pulses only between a minimum and a larger maximum; a still one shows
  // its minimum, and a pulse stopped that way resumes in the direction it had.
  if (state_.layout.selectionAlphaMax > state_.layout.selectionAlphaMin) {
    if (state_.layout.pulseDirection == 0) state_.layout.pulseDirection = pulseDirection_;
  } else {
    if (state_.layout.pulseDirection != 0) pulseDirection_ = state_.layout.pulseDirection;
    state_.layout.pulseDirection = 0;
    state_.layout.selectionAlpha = state_.layout.selectionAlphaMin;
  }
}

void PreviewRenderer::LoadTemplate(const std::string& installDirectory, const std::string& templateName,
                                   bool newLayout) {
  if (newLayout) {
    for (LayoutObject& o : state_.layout.objects) o.scrollU = o.scrollV = 0.0f;
  }
  if (!CurrentDevice(state_)) return;
  LoadTemplateImages(state_, installDirectory, templateName);
  MakeIconPlaceholder(state_);
  mediaStale_ = true;  // the template's load released the game's pictures
  LayOutScrollText();
}

void PreviewRenderer::ShowGame(const PreviewGames* games, int position) {
  const bool shown = games && position >= 0 && position < games->list.entryCount;
  games_ = shown ? games : nullptr;
  gamePosition_ = shown ? position : 0;
  mediaStale_ = true;
  const Settings none;
  const Settings& s = shown ? games->settings : none;
  StoreMediaDirectories(state_.layout, s.snapDir, s.marqueesDir, s.customDir);
  if (shown) return;
  // Back to the sample: the drawing lets go of the list at once (it may be about to go),
  // and the Custom objects show the template's pictures again.
  HandSampleContents();
  for (int k = 0; k < 6; ++k)
    if (SlotLoaded(state_.textures, kSlotCustomTemplate1 + k)) state_.layout.objects[kCustom1 + k].textureSlot = kSlotCustomTemplate1 + k;
}

void PreviewRenderer::SetScrollText(const std::string& text) {
  const std::string kept = ScrollTextOfFile(text);
  state_.scrollText.source = kept.empty() ? std::string(kSampleScrollText) : kept;
  LayOutScrollText();
}

void PreviewRenderer::LayOutScrollText() { PrepareScrollText(state_.scrollText, ScrollBoxOf(state_.layout)); }

void PreviewRenderer::ResetPictureScroll(std::uint32_t now) {
  InitPictureScroll(state_, now);
  for (int k = 0; k < 6; ++k) {
    LayoutObject& o = state_.layout.objects[kCustom1 + k];
    const auto& axes = state_.clocks.pictureScroll[std::size_t(k)];
    // A picture that does not move along an axis shows its origin there.
    if (axes[0].period == 0) o.scrollU = 0;
    if (axes[1].period == 0) o.scrollV = 0;
    if (axes[0].period != 0 || axes[1].period != 0) nextRedraw_ = now;
  }
}

void PreviewRenderer::ResetClocks(std::uint32_t now) {
  state_.clocks.selectionPulse.due = now;
  state_.clocks.pulseElapsed = 0;
  pulseDirection_ = 1;
  state_.layout.pulseDirection = state_.layout.selectionAlphaMax > state_.layout.selectionAlphaMin ? 1 : 0;
  state_.layout.selectionAlpha = state_.layout.selectionAlphaMin;
  state_.scrollText.due = now;
  state_.scrollText.period = kScrollDefaultPeriod;
  nextRedraw_ = now;
  ResetPictureScroll(now);
}

void PreviewRenderer::AdvanceClocks(std::uint32_t now) {
  StepPulse(state_, now);
  if (ScrollTextRuns(state_)) {
    const std::optional<GameTexts> game = games_ ? SelectedGameTexts(state_) : std::optional<GameTexts>(kSampleGame);
    StepScrollText(state_.scrollText, ScrollBoxOf(state_.layout), now, game ? &*game : nullptr);
  }
  StepPictureScroll(state_, now);
  std::optional<std::uint32_t> next;
  if (state_.layout.pulseDirection != 0) Lower(next, state_.clocks.selectionPulse.due);
  if (ScrollTextRuns(state_)) Lower(next, state_.scrollText.due);
  for (const auto& axes : state_.clocks.pictureScroll)
    for (const AnimationClock& c : axes)
      if (c.period != 0) Lower(next, c.due);
  nextRedraw_ = next.value_or(now + kStillRedraw);
}

std::vector<std::uint8_t> PreviewRenderer::DrawFrame(const SelectionFrame& f) {
  platform::Device* device = CurrentDevice(state_);
  if (!device || drawing_) return {};
  drawing_ = true;
  if (games_) HandGameContents();
  else HandSampleContents();
  device->SetTarget(nullptr);
  device->Clear(0xFF000000);
  DrawLayoutPass(state_, kExact);
  if (f.present) {
    RectOutline(state_, float(f.left), float(f.top), float(f.right), float(f.bottom), kOpaqueRed);
    RectOutline(state_, float(f.left + 1), float(f.top + 1), float(f.right - 1), float(f.bottom - 1), kOpaqueRed);
  }
  device->Present();
  std::vector<std::uint8_t> pixels = device->ReadBackBufferRgba();
  drawing_ = false;
  return pixels;
}

void PreviewRenderer::HandSampleContents() {
  const int rows = state_.layout.listNbItems;
  if (int(rows_.size()) != rows) {
    rows_.clear();
    for (int i = 0; i < rows; ++i) rows_.push_back(std::string(kListRowText) + std::to_string(i + 1));
  }
  selectedRow_ = rows / 2;
  state_.sources.listPosition = [this] { return ListPosition{0, selectedRow_}; };
  state_.sources.gameCount = [this] { return int(rows_.size()); };
  state_.sources.gameAt = [this](int p) {
    // The selected game's name is the one the name object shows, in the list as on the cabinet.
    const std::string_view name = p == selectedRow_ ? kInfoSamples[0] : std::string_view(rows_[std::size_t(p)]);
    return ShownGame{"", "", name, {kInfoSamples[1], kInfoSamples[2], kInfoSamples[3]}};
  };
  state_.sources.history = nullptr;
  // With icons on, each text row gets the placeholder square; in image mode every row
  // shows the template's missing-marquee picture.
  const bool icons = state_.layout.listeIcons && !state_.layout.listeImages;
  state_.sources.iconsDir = icons ? "preview" : "";
  const int lineSlot = state_.layout.listeImages ? kSlotMissingMarquee : icons ? kSlotSlide : 0;
  state_.frame.lineSlots.fill(0);
  for (int i = 0; i < rows; ++i) state_.frame.lineSlots[std::size_t(i)] = lineSlot;
  state_.layout.objects[kSnap].textureSlot = kSlotMissingSnap;
  state_.layout.objects[kMarquee].textureSlot = kSlotMissingMarquee;
}

void PreviewRenderer::HandGameContents() {
  const GameList& list = games_->list;
  const int rows = std::clamp(state_.layout.listNbItems, 1, kMaxListItems);
  // The menu's own window over the list with the chosen game selected.
  window_ = {};
  SelectEntry(window_, ListShape{list.entryCount, rows}, gamePosition_);
  state_.sources.listPosition = [this] { return ListPosition{window_.topIndex, window_.row}; };
  state_.sources.gameCount = [&list] { return int(list.entryCount); };
  state_.sources.gameAt = [&list](int p) {
    const GameEntry& e = list.AtPosition(p);
    return ShownGame{e.romName, e.romOf, e.fullName, {e.infos1, e.infos2, e.infos3}};
  };
  state_.sources.history = nullptr;
  state_.sources.iconsDir = games_->settings.iconsDir;
  const MediaKey key = CurrentMediaKey();
  if (!mediaStale_ && key == mediaKey_) return;
  state_.layout.listImageDirectory = state_.layout.listeImages ? games_->settings.marqueesDir : std::string();
  LoadSelectionMedia(state_);
  mediaKey_ = key;
  mediaStale_ = false;
}

PreviewRenderer::MediaKey PreviewRenderer::CurrentMediaKey() const {
  MediaKey key{state_.layout.listNbItems, state_.layout.listeImages, state_.layout.listeIcons, 0};
  for (int object = kSnap; object <= kCustom6; ++object)
    if (state_.layout.objects[object].visible) key.visibleBits |= 1u << object;
  return key;
}

}  // namespace cfg

const Layout& cfg::PreviewRenderer::drawn() const { return state_.layout; }
