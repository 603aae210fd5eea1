#include "render/layout.h"

#include <algorithm>

#include "render/layout_file.h"
#include "render/layout_keys.h"
#include "platform/paths.h"

namespace render {

namespace {

// The typed reads of one table row with the frontend's default.
int Integer(const LayoutKeyReader& keys, LayoutKey key) {
  return keys.Integer(RowOf(key).name, RowOf(key).frontendDefault);
}
bool Boolean(const LayoutKeyReader& keys, LayoutKey key) { return keys.Boolean(RowOf(key).name); }

// Fills object `index` and returns its order.
int ReadObject(const LayoutKeyReader& keys, int index, Layout& layout) {
  LayoutObjectFields fields;
  ReadObjectFields(keys, index, {KeyDefaults::kFrontend, kFaceNameField, FrontendDefaultOrder(index)}, fields);
  const int order = fields.order;
  ApplyObjectFields(std::move(fields), index, layout);
  return order;
}

}  // namespace

void ApplyObjectFields(LayoutObjectFields fields, int object, Layout& layout) {
  LayoutObject& o = layout.objects[std::size_t(object)];
  o.left = fields.left;
  o.top = fields.top;
  o.width = fields.width;
  o.height = fields.height;
  o.stretch = fields.stretch;
  o.alpha = fields.alpha;
  o.visible = fields.visible != 0;
  o.scrollSpeedX = fields.scrollSpeedX;
  o.scrollSpeedY = fields.scrollSpeedY;
  if (IsTextObject(object)) {
    layout.textStyles[std::size_t(object)] = TextStyle{static_cast<std::uint32_t>(fields.fontColour), fields.fontSize,
                                                       fields.alignment, std::move(fields.fontFace)};
  }
}

void ReadLayoutText(std::string_view text, Layout& layout) {
  const LayoutKeyReader keys(text, AllFrontendKeys());
  // A new layout starts with no picture and still scroll offsets: what the previous
  // configuration showed (its media, the place of its scrolling pictures) is not its own.
  for (LayoutObject& o : layout.objects) {
    o.visible = false;
    o.textureSlot = 0;
    o.scrollU = o.scrollV = 0.0f;
  }

  std::array<int, kLayoutObjectCount> orders{};
  LayoutObject& background = layout.objects[kBackGround];
  background.width = Integer(keys, LayoutKey::kResolutionX);
  background.height = Integer(keys, LayoutKey::kResolutionY);
  background.visible = Boolean(keys, LayoutKey::kBackgroundVisible);
  background.alpha = Integer(keys, LayoutKey::kBackgroundAlpha);
  background.stretch = Integer(keys, LayoutKey::kBackgroundResize);
  orders[kBackGround] = Integer(keys, LayoutKey::kBackgroundOrder);

  layout.listeImages = Boolean(keys, LayoutKey::kListeImages);
  layout.listeIcons = Boolean(keys, LayoutKey::kListeIcons);
  for (int index = kList; index < kLayoutObjectCount; ++index) orders[index] = ReadObject(keys, index, layout);
  layout.drawOrder = DrawOrderOf(orders);

  // The history panel's style is the program's own, whatever the file says.
  layout.textStyles[kSnap] = TextStyle{0xFFFFFF00u, 16, 0, "Courier New"};

  layout.listImageDirectory = layout.listeImages ? layout.objects[kMarquee].mediaDirectory : std::string();

  layout.transparentColour = static_cast<std::uint32_t>(Integer(keys, LayoutKey::kTransparentColour));
  // Lines are divided by this count and per-line tables hold 50 entries.
  layout.listNbItems = std::clamp(Integer(keys, LayoutKey::kListNbItems), 1, kMaxListItems);
  layout.itemHeight = layout.objects[kList].height / layout.listNbItems;

  layout.selectionAlphaMin = Integer(keys, LayoutKey::kSelectionAlpha);
  layout.selectionAlpha = layout.selectionAlphaMin;
  layout.selectionAlphaMax =
      keys.Integer(RowOf(LayoutKey::kSelectionAlphaMax).name, std::to_string(layout.selectionAlphaMin));
  layout.pulseDirection = layout.selectionAlphaMax != layout.selectionAlphaMin ? 1 : 0;
}

std::string TemplateDirectory(const std::string& installDir, const std::string& templateName) {
  return platform::ResolvePath(installDir + "/Templates/" + templateName);
}

void StoreMediaDirectories(Layout& layout, const std::string& snap, const std::string& marquees,
                           const std::array<std::string, 6>& custom) {
  for (LayoutObject& o : layout.objects) o.mediaDirectory.clear();
  layout.objects[kSnap].mediaDirectory = snap;
  layout.objects[kMarquee].mediaDirectory = marquees;
  for (int k = 0; k < 6; ++k) layout.objects[kCustom1 + k].mediaDirectory = custom[std::size_t(k)];
}

}  // namespace render
