#include "render/still_layer.h"

#include "render/display.h"
#include "render/drawing_generation.h"
#include "render/frame_composition.h"
#include "render/frame_state.h"
#include "render/layout.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "render/texture_table.h"
#include "render/video_snap.h"

#include <algorithm>
#include <array>
#include <vector>

namespace render {

namespace {

// Quads reach up to a pixel beyond their rectangle (e = 1) and round to whole pixels.
constexpr int kMargin = 2;

struct Box {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Overlaps(const Box& b) const { return x0 < b.x1 && b.x0 < x1 && y0 < b.y1 && b.y0 < y1; }
};

Box Around(int left, int top, int width, int height) {
  return {left - kMargin, top - kMargin, left + std::max(0, width) + kMargin, top + std::max(0, height) + kMargin};
}

// One drawing step of the pass: a layout object or the list's selection bar.
struct Piece {
  int object = 0;
  ObjectPart part = ObjectPart::kWhole;
  Box box;  // everything the step can draw lies inside
  bool moving = false;
};

// What the still objects' pixels depend on besides what the generation counts cover.
struct ObjectKey {
  int left = 0, top = 0, width = 0, height = 0, stretch = 0, alpha = 0, textureSlot = 0;
  bool visible = false;
  float scrollU = 0, scrollV = 0, speedX = 0, speedY = 0;
  bool operator==(const ObjectKey&) const = default;
};

struct LayerKey {
  float e = 0;
  int topIndex = 0, row = 0, gameCount = 0;
  int selectionAlpha = 0, pulseDirection = 0, listNbItems = 0, itemHeight = 0;
  bool listeImages = false, listeIcons = false;
  std::array<int, kMaxListItems> lineSlots{};
  std::array<int, kLayoutObjectCount> drawOrder{};
  std::array<ObjectKey, kLayoutObjectCount> objects{};
  bool operator==(const LayerKey&) const = default;
};

struct StillLayer {
  bool enabled = true;
  DrawingGeneration generation;  // the counts the layer and its texture were made at
  bool keyValid = false;
  LayerKey key;
  platform::Texture texture;
  bool built = false;
  // The layout target holds the layer with the moving pieces of the last frame on it.
  bool targetInSync = false;
  std::vector<Piece> moving;  // in draw order
  long framesFromLayer = 0;
};

StillLayer gLayer;

bool IsMovingPicture(RenderState& rs, int index) {
  const LayoutObject& o = rs.layout.objects[index];
  if (index == kSnap) return VideoSnapShown();
  return index >= kCustom1 && index <= kCustom6 && (o.scrollSpeedX != 0 || o.scrollSpeedY != 0);
}

LayerKey CurrentKey(RenderState& rs, float e) {
  LayerKey k;
  k.e = e;
  const ListPosition where = CurrentListPosition(rs.sources);
  k.topIndex = where.topIndex;
  k.row = where.row;
  k.gameCount = GameCount(rs.sources);
  const Layout& l = rs.layout;
  k.pulseDirection = l.pulseDirection;
  // The pulse changes the selection's alpha every frame: then it is a moving piece.
  k.selectionAlpha = l.pulseDirection != 0 ? 0 : l.selectionAlpha;
  k.listNbItems = l.listNbItems;
  k.itemHeight = l.itemHeight;
  k.listeImages = l.listeImages;
  k.listeIcons = l.listeIcons;
  k.lineSlots = rs.frame.lineSlots;
  k.drawOrder = l.drawOrder;
  for (int i = 0; i < kLayoutObjectCount; ++i) {
    const LayoutObject& o = l.objects[i];
    ObjectKey& ok = k.objects[static_cast<std::size_t>(i)];
    ok = {o.left, o.top, o.width, o.height, o.stretch, o.alpha, o.textureSlot, o.visible,
          o.scrollU, o.scrollV, o.scrollSpeedX, o.scrollSpeedY};
    if (IsMovingPicture(rs, i)) ok.scrollU = ok.scrollV = 0;
  }
  return k;
}

int WidestCharacter(RenderState& rs) {
  return *std::max_element(rs.scrollText.charWidths.begin(), rs.scrollText.charWidths.end());
}

// The pass's steps in draw order; a still step drawn over a moving one becomes moving
// too, so that composing the still ones first and the moving ones after changes no pixel.
std::vector<Piece> Pieces(RenderState& rs) {
  std::vector<Piece> pieces;
  const Layout& l = rs.layout;
  for (int index : l.drawOrder) {
    if (index < 0 || index >= kLayoutObjectCount || !l.objects[index].visible) continue;
    const LayoutObject& o = l.objects[index];
    switch (index) {
      case kBackGround:
        pieces.push_back({index, ObjectPart::kWhole, Around(0, 0, l.Width(), l.Height()), false});
        break;
      case kList:
        if (l.pulseDirection == 0) {
          pieces.push_back({index, ObjectPart::kWhole, Around(o.left, o.top, o.width, o.height), false});
        } else {
          pieces.push_back({index, ObjectPart::kAllButSelection, Around(o.left, o.top, o.width, o.height), false});
          const int row = CurrentListPosition(rs.sources).row;
          pieces.push_back({index, ObjectPart::kSelectionOnly,
                            Around(o.left, o.top + l.itemHeight * row, o.width, l.itemHeight), true});
        }
        break;
      case kScrollText: {
        // The text's box is shifted left by the part of the first character scrolled out.
        const int shift = WidestCharacter(rs);
        pieces.push_back({index, ObjectPart::kWhole, Around(o.left - shift, o.top, o.width + shift, o.height), true});
        break;
      }
      default:
        pieces.push_back({index, ObjectPart::kWhole, Around(o.left, o.top, o.width, o.height), IsMovingPicture(rs, index)});
        break;
    }
  }
  for (std::size_t i = 0; i < pieces.size(); ++i)
    for (std::size_t j = 0; j < i && !pieces[i].moving; ++j)
      if (pieces[j].moving && pieces[j].box.Overlaps(pieces[i].box)) pieces[i].moving = true;
  return pieces;
}

void DrawPieces(RenderState& rs, const std::vector<Piece>& pieces, bool moving, float e) {
  for (const Piece& p : pieces)
    if (p.moving == moving) DrawLayoutObject(rs, p.object, e, p.part);
}

// Composes the still pieces into the layer; the layout target is the target again after.
bool BuildLayer(RenderState& rs, platform::Device& device, const platform::Texture& layoutTarget, float e) {
  if (!gLayer.texture || gLayer.texture.Width() != layoutTarget.Width() ||
      gLayer.texture.Height() != layoutTarget.Height())
    gLayer.texture = device.CreateTarget(layoutTarget.Width(), layoutTarget.Height(), nullptr);
  if (!gLayer.texture || !device.SetTarget(&gLayer.texture)) {
    gLayer.texture.Reset();
    device.SetTarget(&layoutTarget);
    return false;
  }
  if (!BackgroundCoversLayout(rs)) device.Clear(0xFF000000);
  const std::vector<Piece> pieces = Pieces(rs);
  DrawPieces(rs, pieces, false, e);
  gLayer.moving.clear();
  for (const Piece& p : pieces)
    if (p.moving) gLayer.moving.push_back(p);
  gLayer.built = device.SetTarget(&layoutTarget);
  return gLayer.built;
}

// The layer's texture, or all of the layer, dropped when the display or the pictures
// changed since it was made.
void ForgetWhatChanged() {
  const DrawingGeneration now = CurrentDrawingGeneration();
  if (now == gLayer.generation) return;
  if (now.device != gLayer.generation.device) gLayer.texture.Reset();
  gLayer.keyValid = false;
  gLayer.built = false;
  gLayer.targetInSync = false;
  gLayer.generation = now;
}

void ComposeEverything(RenderState& rs, float e) {
  if (!BackgroundCoversLayout(rs))
    if (platform::Device* device = CurrentDevice(rs)) device->Clear(0xFF000000);
  DrawLayoutPass(rs, e);
}

}  // namespace

void ComposeLayout(RenderState& rs, float e) {
  ForgetWhatChanged();
  platform::Device* device = CurrentDevice(rs);
  const TextureSlot* layoutSlot = SlotAt(rs.textures, kSlotLayout);
  const bool usable = gLayer.enabled && device && layoutSlot && layoutSlot->texture && !OverlaysShown(rs);
  const LayerKey key = CurrentKey(rs, e);
  if (!usable || !gLayer.keyValid || !(key == gLayer.key)) {
    // A frame that changed something still (a key, mostly) is drawn at once as before;
    // the layer is composed at the next frame that finds nothing still changed.
    gLayer.key = key;
    gLayer.keyValid = usable;
    gLayer.built = false;
    gLayer.targetInSync = false;
    ComposeEverything(rs, e);
    return;
  }
  if (!gLayer.built && !BuildLayer(rs, *device, layoutSlot->texture, e)) {
    gLayer.keyValid = false;
    ComposeEverything(rs, e);
    return;
  }
  const platform::Texture& layer = gLayer.texture;
  if (gLayer.targetInSync) {
    for (const Piece& p : gLayer.moving)
      device->CopyTextureRegion(layer, p.box.x0, p.box.y0, p.box.x1 - p.box.x0, p.box.y1 - p.box.y0);
  } else {
    device->CopyTextureRegion(layer, 0, 0, layer.Width(), layer.Height());
  }
  for (const Piece& p : gLayer.moving) DrawLayoutObject(rs, p.object, e, p.part);
  gLayer.targetInSync = true;
  ++gLayer.framesFromLayer;
}

void SetStillLayerEnabled(bool enabled) {
  const long framesFromLayer = gLayer.framesFromLayer;
  gLayer = {};
  gLayer.enabled = enabled;
  gLayer.generation = CurrentDrawingGeneration();
  gLayer.framesFromLayer = framesFromLayer;
}

long FramesFromStillLayer() { return gLayer.framesFromLayer; }

}  // namespace render
