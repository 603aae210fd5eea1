#include <gtest/gtest.h>

#include <algorithm>

#include "configurator/layouteditor/layout_import.h"
#include "editor_test_support.h"
#include "platform/files.h"
#include "temp_dir.h"

using namespace cfg;

namespace {

constexpr DesktopSize kDesktop{1024, 768};

std::vector<std::string> SampleLines() {
  std::vector<std::string> lines;
  const std::string text = *platform::ReadWholeFile(SamplePath("layout.lay"));
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count && i < lines.size(); ++i) out += lines[i] + "\r\n";
  return out;
}

struct Imported {
  TempDir dir;
  RecordingEditor r{dir.path()};
  int result = 0;
  Imported(bool mamewah, const std::string& text, DesktopSize desktop = kDesktop) {
    r.editor.templateName = "Kept";
    r.editor.currentFilePath = "/kept/Layout.cfg";
    r.editor.layout.objects[kEdSnap].left = 77;  // what a refusal must leave
    const std::string path = dir.Write("in", text);
    result = mamewah ? ImportMamewahLayout(r.editor, path, desktop) : ImportAtomicFeLayout(r.editor, path, desktop);
  }
  const EditorObject& operator[](int i) const { return r.editor.layout.objects[i]; }
  // The objects from the front (order 15) to the back.
  std::vector<int> FrontToBack() const {
    std::vector<int> out(r.editor.layout.drawOrder.rbegin(), r.editor.layout.drawOrder.rend());
    return out;
  }
};

}  // namespace

TEST(ImportMamewah, ReadsTheRecordsAtTheirLines) {
  Imported m(true, Join(SampleLines(), 999));
  ASSERT_EQ(m.result, 1);
  EXPECT_EQ(m.r.editor.layout.Width(), 800);  // "800 ;width of the layout"
  EXPECT_EQ(m.r.editor.layout.Height(), 600);
  const EditorObject& list = m[kEdList];
  EXPECT_EQ(std::make_tuple(list.visible, list.fontColour, list.fontFace, list.fontSize, list.alignment),
            std::make_tuple(1, 65280, std::string("Liberation Sans"), 20, 2));  // 1 in the file is right
  EXPECT_EQ(std::make_tuple(list.left, list.top, list.width, list.height, list.alpha), std::make_tuple(40, 100, 300, 400, 255));
  EXPECT_EQ(m[kEdInfo].alignment, 1);  // 2 in the file is centre
  EXPECT_EQ(m[kEdInfo3].alignment, 3);  // kept
  const struct { int object, visible, left; } visibility[] = {
      {kEdInfo, 1, 40},  {kEdSnap, 1, 400}, {kEdMarquee, 1, 400},   {kEdCustom1, 1, 10}, {kEdCustom1 + 1, 0, 120},
      {kEdCustom6, 0, 560},  // "True " is not "True"
      {kEdInfo1, 1, 40}, {kEdInfo2, 0, 40}, {kEdInfo3, 1, 40},      {kEdScrollText, 0, 0}, {kEdBackGround, 0, 0}};
  for (const auto& v : visibility) EXPECT_EQ(std::make_pair(m[v.object].visible, m[v.object].left), std::make_pair(v.visible, v.left)) << v.object;
  EXPECT_EQ(m.FrontToBack(), (std::vector<int>{kEdList, kEdInfo, kEdSnap, kEdMarquee, 9, 10, 11, 12, 13, 14, kEdInfo1,
                                               kEdInfo2, kEdInfo3, kEdBackGround, kEdScrollText}));
  const LayoutWideSettings& s = m.r.editor.layout.settings;
  EXPECT_EQ(std::make_tuple(s.nbItems, s.listeImages, s.listeIcons, s.transparentColour, s.selectorMinAlpha, s.selectorMaxAlpha),
            std::make_tuple(10, 0, 0, 0, 255, 255));  // 400 / (2 x 20)
  EXPECT_EQ(m.r.editor.templateName, "Kept");
  EXPECT_EQ(m.r.editor.currentFilePath, "/kept/Layout.cfg");
  EXPECT_TRUE(IsModified(m.r.editor.layout));
  EXPECT_EQ(m.r.calls, (std::vector<std::string>{"RebuildPreview", "ResetImageScroll"}));
}

TEST(ImportMamewah, FilesThatEndEarlyOrBringOddValues) {
  const std::vector<std::string> lines = SampleLines();
  const struct { std::size_t count; std::string listSize; std::string listFace; int visible, nbItems; } cases[] = {
      {2, "20", "", 0, 10},    // nothing but the size: the list has no font size, so 10 rows
      {50, "20", "", 1, 10},   // record 1 stops after its colour
      {176, "0", "Liberation Sans", 1, 10},
      {999, "-3", "Liberation Sans", 1, 10},
      {999, "1500000000", "Liberation Sans", 1, 0},  // twice the size does not overflow
      {999, "7", std::string(300, 'F'), 1, 28},      // a face keeps 259 characters
  };
  for (const auto& c : cases) {
    std::vector<std::string> edited = lines;
    edited[53] = c.listSize;
    if (c.listFace.size() > 100) edited[50] = c.listFace;
    Imported m(true, Join(edited, c.count));
    ASSERT_EQ(m.result, 1);
    EXPECT_EQ(m[kEdList].visible, c.visible) << c.count;
    EXPECT_EQ(m[kEdList].fontFace, c.listFace.substr(0, 259)) << c.count;
    EXPECT_EQ(m.r.editor.layout.settings.nbItems, c.nbItems) << c.count << " " << c.listSize;
    if (c.count < 267) {
      EXPECT_EQ(m[kEdInfo3].visible + m[kEdInfo3].left, 0);
    }
  }
}

TEST(ImportMamewah, RefusalsLeaveTheLayoutAlone) {
  const std::string tooLarge = std::string(kEditorCaption) + "|" + std::string(kImportTooLargeMessage);
  const std::string invalid = std::string(kEditorCaption) + "|" + std::string(kInvalidFileMessage);
  const struct { std::string text; std::string message; } cases[] = {
      {"", invalid}, {"9\r\n600\r\n", invalid}, {"abc\r\n", invalid}, {";800\r\n600\r\n", invalid},
      {"1025\r\n768\r\n", tooLarge}, {"1024\r\n769\r\n", tooLarge}, {"10\r\n", ""}};
  for (const auto& c : cases) {
    Imported m(true, c.text);
    EXPECT_EQ(m.result, c.message.empty() ? 1 : 0) << c.text;  // "10" alone is small but valid
    if (c.message.empty()) continue;
    EXPECT_EQ(m.r.messages, std::vector<std::string>{c.message}) << c.text;
    EXPECT_EQ(m[kEdSnap].left, 77);
  }
  RecordingEditor r;
  EXPECT_EQ(ImportMamewahLayout(r.editor, "/no/such/layout.lay", kDesktop), 0);
  EXPECT_EQ(ImportAtomicFeLayout(r.editor, "/no/such/layout.cfg", kDesktop), 0);
  EXPECT_TRUE(r.messages.empty());
}

TEST(ImportAtomicFe, ReadsTheSampleWithItsPrefixesLayersAndScrolling) {
  Imported a(false, *platform::ReadWholeFile(SamplePath("layout.cfg")));
  ASSERT_EQ(a.result, 1);
  EXPECT_EQ(std::make_tuple(a[0].width, a[0].height, a[0].visible, a[0].alpha, a[0].stretch),
            std::make_tuple(1024, 768, 1, 200, 1));
  const EditorObject& list = a[kEdList];  // from the Listtxt_ keys
  EXPECT_EQ(std::make_tuple(list.left, list.width, list.visible, list.alpha, list.fontColour, list.fontSize, list.alignment,
                            list.fontFace),
            std::make_tuple(20, 400, 1, 230, 16776960, 22, 1, std::string("Liberation Serif")));
  const LayoutWideSettings& s = a.r.editor.layout.settings;
  EXPECT_EQ(std::make_tuple(s.listeImages, s.nbItems, s.selectorMinAlpha, s.selectorMaxAlpha, a.r.editor.layout.selectorAlpha,
                            s.transparentColour),
            std::make_tuple(0, 12, 128, 128, 128, 16711935));
  EXPECT_EQ(a[kEdSnap].stretch, 2);
  EXPECT_EQ(a[kEdInfo].stretch, 1);
  EXPECT_EQ(std::make_pair(a[kEdInfo].fontFace, a[kEdInfo1].fontFace), std::make_pair(std::string("DejaVu Sans"), std::string("System")));
  EXPECT_EQ(a[kEdScrollText].alignment, 1);
  const struct { int object, visible; float x, y; } scroll[] = {
      {kEdCustom1, 1, -3, -3}, {kEdCustom1 + 1, 1, 0, 0}, {kEdCustom1 + 2, 1, 0, 0}, {kEdCustom1 + 3, 1, 12, 0},
      {kEdCustom1 + 4, 1, 1, 1} /* from Custom0 */, {kEdCustom6, 0, 0, 4} /* from Custom5 */, {kEdSnap, 1, 0, 0}};
  for (const auto& c : scroll) {
    EXPECT_EQ(std::make_tuple(a[c.object].visible, a[c.object].scrollSpeedX, a[c.object].scrollSpeedY),
              std::make_tuple(c.visible, c.x, c.y)) << c.object;
  }
  EXPECT_EQ(a[kEdCustom1 + 4].left, 900);
  const std::vector<int> order = a.FrontToBack();
  EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 10),
            (std::vector<int>{kEdBackGround, 13, 12, 10, 9, kEdMarquee, kEdSnap, kEdInfo, kEdList, kEdScrollText}));
  // Hidden objects and a visible one without a layer lie behind the rest, whatever their layer.
  std::vector<int> back(order.begin() + 10, order.end());
  std::sort(back.begin(), back.end());
  EXPECT_EQ(back, (std::vector<int>{kEdInfo1, kEdInfo2, kEdInfo3, 11, kEdCustom6}));
  EXPECT_TRUE(IsModified(a.r.editor.layout));
}

TEST(ImportAtomicFe, TheListPrefixFollowsListVisible) {
  std::string text = *platform::ReadWholeFile(SamplePath("layout.cfg"));
  text.replace(text.find("List_visible=NO"), 15, "List_visible=YES");
  Imported a(false, text);
  EXPECT_EQ(std::make_tuple(a[kEdList].left, a[kEdList].top, a[kEdList].width, a[kEdList].height, a[kEdList].visible),
            std::make_tuple(1, 2, 3, 4, 1));  // list_visible=NO comes after List_visible=YES
  EXPECT_EQ(std::make_tuple(a.r.editor.layout.settings.listeImages, a.r.editor.layout.settings.nbItems,
                            a.r.editor.layout.settings.selectorMaxAlpha),
            std::make_tuple(1, 7, 9));
}

TEST(ImportAtomicFe, DirectionCodesAndLayers) {
  const struct { std::string keys; float x, y; } scroll[] = {
      {"speed=3\nCustom1_scroll=0", 0, 3},  {"speed=3\nCustom1_scroll=1", 0, -3}, {"speed=3\nCustom1_scroll=2", 3, 0},
      {"speed=3\nCustom1_scroll=3", -3, 0}, {"speed=3\nCustom1_scroll=4", -3, 3}, {"speed=3\nCustom1_scroll=5", -3, -3},
      {"speed=3\nCustom1_scroll=6", 3, 3},  {"speed=3\nCustom1_scroll=7", 3, -3}, {"speed=3\nCustom1_scroll=8", 0, 0},
      {"speed=3\nCustom1_scroll=-1", 0, 0}, {"speed=3", 0, 0}, {"speed=0\nCustom1_scroll=2", 0, 0},
      {"scroll=2", 10, 0},  // the speed defaults to 10
  };
  for (const auto& c : scroll) {
    Imported a(false, "Custom1_" + c.keys + "\n");
    EXPECT_EQ(std::make_pair(a[kEdCustom1].scrollSpeedX, a[kEdCustom1].scrollSpeedY), std::make_pair(c.x, c.y)) << c.keys;
  }
  const struct { std::string keys; int backgroundSlot; } layers[] = {
      {"Layout_Layer=0", 0},          {"Layout_ForeGround=YES", 14}, {"Layout_Layer=\nLayout_ForeGround=YES", 14},
      {"Layout_ForeGround=NO", 0},    {"Layout_Layer=-5\nLayout_ForeGround=YES", 0},
      {"Layout_Layer=2147483647", 14},  // one more than the largest layer does not wrap round
  };
  for (const auto& c : layers) {
    Imported a(false, c.keys + "\n");
    EXPECT_EQ(a.r.editor.layout.drawOrder[c.backgroundSlot], kEdBackGround) << c.keys;
  }
  Imported small(false, "", {600, 400});
  EXPECT_EQ(std::make_pair(small.result, small.r.editor.layout.Width()), std::make_pair(1, 600));
  Imported large(false, "RESOLUTIONX=1025\n");
  EXPECT_EQ(large.result, 0);
  EXPECT_EQ(large.r.messages, std::vector<std::string>{std::string(kEditorCaption) + "|" + std::string(kImportTooLargeMessage)});
  EXPECT_EQ(large[kEdSnap].left, 77);
}
