#include "render/layout.h"

#include <algorithm>

#include "render/layout_file.h"
#include "platform/paths.h"

Layout gLayout;

namespace {

constexpr std::string_view kObjectNames[kLayoutObjectCount] = {
    "BackGround", "List",    "Info",    "Snap",    "Marquee", "Custom1", "Custom2",   "Custom3",
    "Custom4",    "Custom5", "Custom6", "Info1",   "Info2",   "Info3",   "ScrollText"};

std::string Key(int index, std::string_view suffix) {
  return std::string(kObjectNames[index]) + std::string(suffix);
}

constexpr std::string_view kObjectKeys[] = {"_scrollX", "_scrollY", "_left",    "_top",   "_width",
                                            "_height",  "_visible", "_Alpha",   "_Stretch", "_Ordre"};
constexpr std::string_view kTextKeys[] = {"_font_color", "_font_sizey", "_Aligne", "_fontname"};

// Every key of the file, so that one pass over it finds them all.
std::vector<std::string> AllKeys() {
  std::vector<std::string> keys = {"RESOLUTIONX",      "RESOLUTIONY",    "BackGround_visible", "BackGround_Alpha",
                                   "BackGround_Resize", "BackGround_Ordre", "ListeImages",      "ListeIcons",
                                   "Transparent_color", "List_NbItems",   "List_selection_alpha",
                                   "List_selection_alphaMax"};
  for (int index = kList; index < kLayoutObjectCount; ++index) {
    for (auto suffix : kObjectKeys) keys.push_back(Key(index, suffix));
    if (IsTextObject(index)) {
      for (auto suffix : kTextKeys) keys.push_back(Key(index, suffix));
    }
  }
  return keys;
}

void ReadObject(const LayoutKeyReader& keys, int index, Layout& layout) {
  LayoutObject& o = layout.objects[index];
  o.scrollSpeedX = static_cast<float>(keys.Integer(Key(index, "_scrollX"), "0"));
  o.scrollSpeedY = static_cast<float>(keys.Integer(Key(index, "_scrollY"), "0"));
  o.left = keys.Integer(Key(index, "_left"), "");
  o.top = keys.Integer(Key(index, "_top"), "");
  o.width = keys.Integer(Key(index, "_width"), "");
  o.height = keys.Integer(Key(index, "_height"), "");
  o.visible = keys.Boolean(Key(index, "_visible"));
  o.alpha = keys.Integer(Key(index, "_Alpha"), "255");
  o.stretch = keys.Integer(Key(index, "_Stretch"), "0");
  // Default order: List 14, then one less per object in reading order, ScrollText 1.
  const int order = keys.Integer(Key(index, "_Ordre"), std::to_string(15 - index));
  if (order >= 1 && order <= kLayoutObjectCount && layout.drawOrder[order - 1] == kEmptyDrawSlot) {
    layout.drawOrder[order - 1] = index;
  }
  if (IsTextObject(index)) {
    TextStyle& style = layout.textStyles[index];
    style.fontColour = static_cast<std::uint32_t>(keys.Integer(Key(index, "_font_color"), "16777215"));
    style.fontHeight = keys.Integer(Key(index, "_font_sizey"), "10");
    style.alignment = keys.Integer(Key(index, "_Aligne"), "0");
    style.faceName = keys.Text(Key(index, "_fontname"), "system", kFaceNameField);
  }
}

// Every empty slot takes the smallest object index that has no slot yet.
void FillDrawOrderGaps(std::array<int, kLayoutObjectCount>& order) {
  std::array<bool, kLayoutObjectCount> placed{};
  for (int index : order) {
    if (index >= 0 && index < kLayoutObjectCount) placed[index] = true;
  }
  int next = 0;
  for (int& slot : order) {
    if (slot != kEmptyDrawSlot) continue;
    while (next < kLayoutObjectCount && placed[next]) ++next;
    if (next == kLayoutObjectCount) break;
    slot = next;
    placed[next] = true;
  }
}

}  // namespace

std::string_view LayoutObjectName(int index) {
  return index >= 0 && index < kLayoutObjectCount ? kObjectNames[index] : std::string_view();
}

bool IsTextObject(int index) {
  return index == kList || index == kInfo || index == kInfo1 || index == kInfo2 || index == kInfo3 ||
         index == kScrollText;
}

void ReadLayoutText(std::string_view text, Layout& layout) {
  static const std::vector<std::string> kAllKeys = AllKeys();
  const LayoutKeyReader keys(text, kAllKeys);
  layout.drawOrder.fill(kEmptyDrawSlot);
  // A new layout starts with no picture and still scroll offsets: what the previous
  // configuration showed (its media, the place of its scrolling pictures) is not its own.
  for (LayoutObject& o : layout.objects) {
    o.visible = false;
    o.textureSlot = 0;
    o.scrollU = o.scrollV = 0.0f;
  }

  LayoutObject& background = layout.objects[kBackGround];
  background.width = keys.Integer("RESOLUTIONX", "800");
  background.height = keys.Integer("RESOLUTIONY", "600");
  background.visible = keys.Boolean("BackGround_visible");
  background.alpha = keys.Integer("BackGround_Alpha", "255");
  background.stretch = keys.Integer("BackGround_Resize", "0");
  const int backgroundOrder = keys.Integer("BackGround_Ordre", "15");
  if (backgroundOrder >= 1 && backgroundOrder <= kLayoutObjectCount) layout.drawOrder[backgroundOrder - 1] = kBackGround;

  layout.listeImages = keys.Boolean("ListeImages");
  layout.listeIcons = keys.Boolean("ListeIcons");
  for (int index = kList; index < kLayoutObjectCount; ++index) ReadObject(keys, index, layout);
  FillDrawOrderGaps(layout.drawOrder);

  // The history panel's style is the program's own, whatever the file says.
  layout.textStyles[kSnap] = TextStyle{0xFFFFFF00u, 16, 0, "Courier New"};

  layout.listImageDirectory = layout.listeImages ? layout.objects[kMarquee].mediaDirectory : std::string();

  layout.transparentColour = static_cast<std::uint32_t>(keys.Integer("Transparent_color", ""));
  // Lines are divided by this count and per-line tables hold 50 entries.
  layout.listNbItems = std::clamp(keys.Integer("List_NbItems", ""), 1, kMaxListItems);
  layout.itemHeight = layout.objects[kList].height / layout.listNbItems;

  layout.selectionAlphaMin = keys.Integer("List_selection_alpha", "");
  layout.selectionAlpha = layout.selectionAlphaMin;
  layout.selectionAlphaMax = keys.Integer("List_selection_alphaMax", std::to_string(layout.selectionAlphaMin));
  layout.pulseDirection = layout.selectionAlphaMax != layout.selectionAlphaMin ? 1 : 0;
}

std::string TemplateDirectory(const std::string& installDir, const std::string& templateName) {
  return platform::ResolvePath(installDir + "/Templates/" + templateName);
}
