#include "render/picture_loading.h"

#include "render/display.h"
#include "render/drawing_generation.h"
#include "render/font_table.h"
#include "render/frame_state.h"
#include "render/layout.h"
#include "render/picture_budget.h"
#include "render/picture_size.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/text_style_fonts.h"
#include "render/texture_table.h"
#include "render/video_snap.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/paths.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace render {

namespace {

// A picture file into a slot, decoded and reduced to the size the slot is drawn at; the
// full-size pixels are gone before the texture is made. key: 0xFF000000 + RGB keys that
// colour, 0 keys none.
int LoadPicture(RenderState& rs, int slot, std::uint32_t key, const std::string& file, const std::string& caption) {
  TextureSlot* target = SlotAt(rs.textures, slot);
  platform::Device* device = CurrentDevice(rs);
  if (!target || !device) return 0;
  if (!platform::FileExists(file)) return 0;
  *target = {};
  platform::PictureRequest request;
  // Keying needs the file's exact colours: a keyed JPEG is decoded whole, then reduced.
  if ((key >> 24) != 0) request.colourKey = key & 0xFFFFFFu;
  else if (const std::optional<PictureSize> f = SlotDecodeFloor(rs, slot)) request.floor = {f->width, f->height};
  request.keep = [&rs, slot](platform::ImageSize own) {
    const PictureSize kept = KeptSlotPictureSize(rs, slot, {own.width, own.height});
    return platform::ImageSize{kept.width, kept.height};
  };
  platform::ImageSize full;
  std::string error;
  std::optional<platform::Image> image = platform::LoadPictureFile(file, request, &error, &full);
  if (!image) {
    if (error == "missing") return 0;
    ReportD3DErrorOnce(rs, kD3DXErrInvalidData, caption);
    return 0;
  }
  MakeRoomForPicture(rs, slot, std::int64_t(image->width) * image->height * 4);
  platform::Texture texture = device->CreateTexture(image->width, image->height, image->rgba, &error);
  if (!texture) {
    ReportD3DError(kD3DErrOutOfVideoMemory, caption);
    return 0;
  }
  target->texture = std::move(texture);
  target->width = full.width;
  target->height = full.height;
  target->source = file;
  target->key = key;
  target->fromPicture = true;
  MarkPictureUsed(rs, slot);
  return 1;
}

// The key's alpha byte: 0xFF turns keying on, 0 (from 0x1000000) turns it off.
int LoadPictureKeyed(RenderState& rs, int slot, std::uint32_t colourKey, const std::string& path) {
  return LoadPicture(rs, slot, colourKey + 0xFF000000u, platform::ResolvePath(path), path);
}

// The selected game's media for one picture object: its ROM name, else its parent's.
bool LoadGameMedia(RenderState& rs, int slot, const std::string& dir, const ShownGame& game, std::string_view extensions,
                   bool icon) {
  for (std::string_view name : {game.romName, game.romOf}) {
    if (name.empty()) continue;
    std::string path = platform::JoinPath(dir, name);
    if (icon) {
      path += ".ico";
      if (LoadIconTexture(rs, slot, kNoColourKey, path)) return true;
    } else if (FindImageFile(path, extensions) && LoadTexture(rs, slot, kNoColourKey, path)) {
      return true;
    }
  }
  return false;
}

int MediaSlotOf(int object) {
  if (object == kSnap) return kSlotSnap;
  if (object == kMarquee) return kSlotMarqueeMedia;
  return kSlotCustomMedia1 + (object - kCustom1);
}

int WrapPosition(int position, int count) {
  if (count <= 0) return 0;
  position %= count;
  return position < 0 ? position + count : position;
}

// Fills the per-line slots, reusing a picture that an earlier page already loaded.
void LoadLineMedia(RenderState& rs, bool icons, const std::string& dir, int lines, int count, int topIndex) {
  std::array<TextureSlot, kMaxListItems> previous;
  for (int i = 0; i < kMaxListItems; ++i) previous[i] = std::move(*SlotAt(rs.textures, kSlotFirstLine + i));
  rs.frame.lineSlots.fill(0);
  for (int i = 0; i < lines && i < count; ++i) {
    const ShownGame game = GameAt(rs.sources, WrapPosition(topIndex + i, count));
    const int slot = kSlotFirstLine + i;
    // A picture the previous page already showed is moved into place, not decoded again.
    bool fresh = false;
    for (std::string_view name : {game.romName, game.romOf}) {
      if (name.empty()) continue;
      std::string path = platform::JoinPath(dir, name);
      if (icons) path += ".ico";
      else if (!FindImageFile(path, kImageExtensions)) continue;
      const std::string file = platform::ResolvePath(path);
      for (TextureSlot& old : previous)
        if (old.texture && old.source == file) {
          *SlotAt(rs.textures, slot) = std::move(old);
          fresh = true;
          break;
        }
      break;
    }
    if (!fresh) fresh = LoadGameMedia(rs, slot, dir, game, kImageExtensions, icons);
    if (icons) rs.frame.lineSlots[i] = fresh ? slot : 0;
    else rs.frame.lineSlots[i] = fresh ? slot : kSlotMissingMarquee;
  }
}

}  // namespace

int LoadTexture(RenderState& rs, int slot, std::uint32_t colourKey, const std::string& path) {
  CountContentChange();
  return LoadPictureKeyed(rs, slot, colourKey, path);
}

int LoadIconTexture(RenderState& rs, int slot, std::uint32_t colourKey, const std::string& path) {
  CountContentChange();
  // The image decoder reads the first image of an icon, its mask applied.
  return LoadPictureKeyed(rs, slot, colourKey, path);
}

bool PictureForDrawing(RenderState& rs, int slot) {
  TextureSlot* s = SlotAt(rs.textures, slot);
  if (!s) return false;
  if (s->released && !s->texture) {
    // The same file, key and size: the same pixels as before it was let go.
    s->released = false;
    const std::string file = s->source;
    LoadPicture(rs, slot, s->key, file, file);
  }
  if (!s->texture) return false;
  MarkPictureUsed(rs, slot);
  return true;
}

int LoadTemplateImages(RenderState& rs, const std::string& installDir, const std::string& templateName) {
  ReleaseMedia(rs);
  const std::string dir = TemplateDirectory(installDir, templateName);
  const std::uint32_t key = rs.layout.transparentColour;
  auto file = [&](const char* name) { return platform::JoinPath(dir, name); };
  if (!LoadTexture(rs, kSlotBackground, key, file("layout.png"))) rs.layout.objects[kBackGround].visible = false;
  LoadTexture(rs, kSlotSelection, key, file("ListSelection.png"));
  LoadTexture(rs, kSlotMissingSnap, key, file("missingSnapShot.png"));
  LoadTexture(rs, kSlotMissingMarquee, key, file("missingMarquee.png"));
  LoadTexture(rs, kSlotListBackground, key, file("ListBkground.png"));
  for (int k = 0; k < 6; ++k) {
    const std::string name = "Custom" + std::to_string(k + 1) + ".png";
    if (LoadTexture(rs, kSlotCustomTemplate1 + k, key, file(name.c_str())))
      rs.layout.objects[kCustom1 + k].textureSlot = kSlotCustomTemplate1 + k;
  }
  for (int i = 0; i < kLayoutObjectCount; ++i) {
    const TextStyle& style = rs.layout.textStyles[i];
    CreateTextStyleFont(rs, i, style.fontHeight, style.faceName, 600);
  }
  rs.display.deviceReady = true;
  return 1;
}

int LoadSelectionMedia(RenderState& rs) {
  CountContentChange();
  VideoSnapSelectionChanged(rs, platform::GetTickCount());
  const int count = GameCount(rs.sources);
  const ListPosition where = CurrentListPosition(rs.sources);
  const std::optional<ShownGame> game =
      count > 0 ? std::optional<ShownGame>(GameAt(rs.sources, WrapPosition(where.topIndex + where.row, count))) : std::nullopt;
  for (int object = kSnap; object <= kCustom6; ++object) {
    LayoutObject& o = rs.layout.objects[object];
    if (!o.visible || o.mediaDirectory.empty()) continue;
    const int slot = MediaSlotOf(object);
    if (game && LoadGameMedia(rs, slot, o.mediaDirectory, *game, kImageExtensions, false)) {
      o.textureSlot = slot;
    } else {
      *SlotAt(rs.textures, slot) = {};
      o.textureSlot = object == kSnap ? kSlotMissingSnap : object == kMarquee ? kSlotMissingMarquee : 0;
    }
  }
  const int lines = std::clamp(rs.layout.listNbItems, 1, kMaxListItems);
  if (rs.layout.listeImages)
    LoadLineMedia(rs, false, rs.layout.listImageDirectory, lines, count, where.topIndex);
  else if (!rs.sources.iconsDir.empty())
    LoadLineMedia(rs, true, rs.sources.iconsDir, lines, count, where.topIndex);
  return 1;
}

}  // namespace render
