#include <gtest/gtest.h>

#include <algorithm>

#include "configurator/layouteditor/layout_import.h"
#include "configurator/layouteditor/object_numbering.h"
#include "editor_test_support.h"
#include "platform/files.h"
#include "temp_dir.h"

using namespace cfg;

namespace {

const std::string kTooLarge = "Configurateur Orvanel|" + std::string(ImportTooLargeMessage());
const std::string kInvalid = "Configurateur Orvanel|" + std::string(InvalidFileMessage());

std::string Sample(const char* name) { return *platform::ReadWholeFile(SamplePath(name)); }

// The MAMEWAH sample's first `count` lines, with line `at` (from 1) replaced by `line`.
std::string MamewahLines(std::size_t count, std::size_t at = 0, const std::string& line = "") {
  const std::string text = Sample("layout.lay");
  std::string out;
  std::size_t start = 0;
  for (std::size_t n = 1; n <= count && start < text.size(); ++n) {
    const std::size_t end = text.find("\r\n", start) + 2;
    out += n == at ? line + "\r\n" : text.substr(start, end - start);
    start = end;
  }
  return out;
}

struct Imported {
  TempDir dir;
  RecordingEditor r{dir.path()};
  int result = 0;
  Imported(bool mamewah, const std::string& text, DesktopSize desktop = {1024, 768}) {
    r.editor.templateName = "Kept";
    // What a refusal must leave, down to the resolution.
    r.editor.layout.objects[kEdBackGround].width = 640;
    r.editor.layout.objects[kEdBackGround].height = 480;
    r.editor.layout.objects[kEdSnap].left = 77;
    TakeSnapshot(r.editor.layout);
    const std::string path = dir.Write("in", text);
    result = mamewah ? ImportMamewahLayout(r.editor, path, desktop) : ImportAtomicFeLayout(r.editor, path, desktop);
  }
  const EditorObject& operator[](int i) const { return r.editor.layout.objects[i]; }
  std::vector<int> FrontToBack() const {
    const auto drawOrder = EditorDrawOrder(r.editor.layout);
    return {drawOrder.rbegin(), drawOrder.rend()};
  }
};

}  // namespace

TEST(ImportMamewah, ReadsTheRecordsAtTheirLines) {
  Imported m(true, Sample("layout.lay"));
  ASSERT_EQ(m.result, 1);
  const EditorObject& list = m[kEdList];  // the width line holds a comment after ";"
  EXPECT_EQ(
      std::make_tuple(m[0].width, m[0].height, list.fontColour, list.fontFace, list.fontSize, list.top, list.height),
      std::make_tuple(800, 600, 65280, std::string("Liberation Sans"), 20, 100, 400));
  const struct {
    int object, visible, left, alignment;
  } objects[] = {{kEdList, 1, 40, 2},    {kEdInfo, 1, 40, 1},  // alignment 1 in the file is right, 2 centre
                 {kEdInfo3, 1, 40, 3},   {kEdSnap, 1, 400, 0},        {kEdMarquee, 1, 400, 0},
                 {kEdCustom1, 1, 10, 0}, {kEdCustom1 + 1, 0, 120, 0}, {kEdCustom6, 0, 560, 0} /* "True " */,
                 {kEdInfo1, 1, 40, 0},   {kEdInfo2, 0, 40, 2}};
  for (const auto& o : objects) {
    EXPECT_EQ(std::make_tuple(m[o.object].visible, m[o.object].left, m[o.object].alignment, m[o.object].alpha),
              std::make_tuple(o.visible, o.left, o.alignment, 255))
        << o.object;
  }
  EXPECT_EQ(m.FrontToBack(), (std::vector<int>{kEdList, kEdInfo, kEdSnap, kEdMarquee, 9, 10, 11, 12, 13, 14, kEdInfo1,
                                               kEdInfo2, kEdInfo3, kEdBackGround, kEdScrollText}));
  // The source stretches its pictures to their boxes; texts keep their natural size.
  for (int o : std::initializer_list<int>{kEdSnap, kEdMarquee, kEdCustom1, kEdCustom1 + 3, kEdCustom6, kEdList, kEdInfo, kEdInfo3})
    EXPECT_EQ(m[o].stretch, o == kEdSnap || o == kEdMarquee || o >= kEdCustom1 ? 2 : 0) << o;
  // No scroll text in the source: a hidden one along the bottom that shows once made visible.
  const EditorObject& scroll = m[kEdScrollText];
  EXPECT_EQ(std::make_tuple(scroll.visible, scroll.alpha, scroll.left, scroll.top, scroll.width, scroll.height,
                            scroll.fontSize, scroll.fontColour, scroll.fontFace),
            std::make_tuple(0, 255, 0, 570, 800, 30, 20, 0xFFFFFF, std::string("Liberation Sans")));
  const LayoutWideSettings& s = m.r.editor.layout.settings;
  EXPECT_EQ(std::make_tuple(s.nbItems, s.listeImages, s.transparentColour, s.selectorMinAlpha, s.selectorMaxAlpha),
            std::make_tuple(10, 0, 0, 255, 255));  // 400 / (2 x 20)
  EXPECT_EQ(m.r.editor.templateName, "Kept");
  EXPECT_TRUE(IsModified(m.r.editor.layout));
  EXPECT_EQ(m.r.calls, (std::vector<std::string>{"RebuildPreview", "ResetImageScroll"}));
}

TEST(ImportMamewah, FilesThatEndEarlyOrBringOddValues) {
  const std::string face(300, 'F');
  const struct {
    std::string text;
    int visible, nbItems;
    std::string face;
  } cases[] = {{MamewahLines(2), 0, 10, ""},   // no list font size: 10 rows instead of a division by zero
               {MamewahLines(50), 1, 10, ""},  // record 1 stops after its colour
               {MamewahLines(267, 54, "-3"), 1, 10, "Liberation Sans"},
               {MamewahLines(267, 54, "1500000000"), 1, 0, "Liberation Sans"},  // twice the size does not overflow
               {MamewahLines(267, 51, face), 1, 10, face.substr(0, 259)}};
  for (const auto& c : cases) {
    Imported m(true, c.text);
    ASSERT_EQ(m.result, 1);
    EXPECT_EQ(std::make_tuple(m[kEdList].visible, m.r.editor.layout.settings.nbItems, m[kEdList].fontFace),
              std::make_tuple(c.visible, c.nbItems, c.face))
        << &c - cases;
  }
  // The scroll text's band and font on odd heights: never empty, never off the layout, never unreadable.
  const struct {
    std::string text;
    int top, height, fontSize;
  } heights[] = {{"800\r\n0\r\n", 0, 1, 12},
                 {"800\r\n-40\r\n", 0, 1, 12},
                 {"800\r\n240\r\n", 228, 12, 12},
                 {"800\r\n1080\r\n", 1026, 54, 36}};
  for (const auto& c : heights) {
    Imported m(true, c.text, {4000, 4000});
    ASSERT_EQ(m.result, 1);
    const EditorObject& scroll = m[kEdScrollText];
    EXPECT_EQ(std::make_tuple(scroll.top, scroll.height, scroll.fontSize, scroll.alpha),
              std::make_tuple(c.top, c.height, c.fontSize, 255))
        << c.text;
  }
  const struct {
    std::string text, message;
  } refusals[] = {{"", kInvalid},
                  {"9\r\n600\r\n", kInvalid},
                  {";800\r\n600\r\n", kInvalid},
                  {"1025\r\n768\r\n", kTooLarge},
                  {"1024\r\n769", kTooLarge}};
  for (const auto& c : refusals) {
    Imported m(true, c.text);
    const EditorLayout& l = m.r.editor.layout;
    EXPECT_EQ(std::make_tuple(m.result, m.r.messages, l.Width(), l.Height(), m[kEdSnap].left, IsModified(l)),
              std::make_tuple(0, std::vector{c.message}, 640, 480, 77, false))
        << c.text;
  }
  RecordingEditor r;
  EXPECT_EQ(
      ImportMamewahLayout(r.editor, "/no/such/layout.lay", {}) + ImportAtomicFeLayout(r.editor, "/no/such.cfg", {}), 0);
  EXPECT_TRUE(r.messages.empty());
}

TEST(ImportAtomicFe, ReadsTheSampleWithItsPrefixesLayersAndScrolling) {
  Imported a(false, Sample("layout.cfg"));
  ASSERT_EQ(a.result, 1);
  const EditorObject& list = a[kEdList];  // from the Listtxt_ keys
  EXPECT_EQ(std::make_tuple(a[0].width, a[0].height, a[0].visible, a[0].alpha, a[0].stretch, list.left, list.alpha,
                            list.fontColour, list.fontSize, list.alignment, list.fontFace),
            std::make_tuple(1024, 768, 1, 200, 1, 20, 230, 16776960, 22, 1, std::string("Liberation Serif")));
  const LayoutWideSettings& s = a.r.editor.layout.settings;
  EXPECT_EQ(
      std::make_tuple(s.listeImages, s.nbItems, s.selectorMinAlpha, s.selectorMaxAlpha,
                      s.transparentColour, a[kEdSnap].stretch, a[kEdInfo1].fontFace, a[kEdScrollText].alignment),
      std::make_tuple(0, 12, 128, 128, 16711935, 2, std::string("System"), 1));
  const struct {
    int object, visible;
    float x, y;
  } scroll[] = {{kEdCustom1, 1, -3, -3},
                {kEdCustom1 + 1, 1, 0, 0},
                {kEdCustom1 + 2, 1, 0, 0},
                {kEdCustom1 + 3, 1, 12, 0},
                {kEdCustom1 + 4, 1, 1, 1} /* from Custom0 */,
                {kEdCustom6, 0, 0, 4} /* from Custom5 */,
                {kEdSnap, 1, 0, 0}};
  for (const auto& c : scroll) {
    EXPECT_EQ(std::make_tuple(a[c.object].visible, a[c.object].scrollSpeedX, a[c.object].scrollSpeedY),
              std::make_tuple(c.visible, c.x, c.y))
        << c.object;
  }
  const std::vector<int> order = a.FrontToBack();
  EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 10),
            (std::vector<int>{kEdBackGround, 13, 12, 10, 9, kEdMarquee, kEdSnap, kEdInfo, kEdList, kEdScrollText}));
  std::vector<int> back(order.begin() + 10, order.end());  // hidden, or visible without a layer
  std::sort(back.begin(), back.end());
  EXPECT_EQ(back, (std::vector<int>{kEdInfo1, kEdInfo2, kEdInfo3, 11, kEdCustom6}));

  std::string images = Sample("layout.cfg");
  images.replace(images.find("List_visible=NO"), 15, "List_visible=YES");
  Imported b(false, images);  // the List now from the list_ keys
  EXPECT_EQ(
      std::make_tuple(b[kEdList].left, b[kEdList].height, b[kEdList].visible, b.r.editor.layout.settings.listeImages,
                      b.r.editor.layout.settings.nbItems, b.r.editor.layout.settings.selectorMaxAlpha),
      std::make_tuple(1, 4, 1, 1, 7, 9));
}

TEST(ImportAtomicFe, DirectionCodesLayersAndRefusals) {
  const struct {
    std::string keys;
    float x, y;
  } scroll[] = {{"speed=3\nCustom1_scroll=0", 0, 3},  {"speed=3\nCustom1_scroll=1", 0, -3},
                {"speed=3\nCustom1_scroll=2", 3, 0},  {"speed=3\nCustom1_scroll=3", -3, 0},
                {"speed=3\nCustom1_scroll=4", -3, 3}, {"speed=3\nCustom1_scroll=6", 3, 3},
                {"speed=3\nCustom1_scroll=7", 3, -3}, {"speed=3\nCustom1_scroll=8", 0, 0},
                {"speed=3\nCustom1_scroll=-1", 0, 0}, {"speed=3", 0, 0},
                {"speed=0\nCustom1_scroll=2", 0, 0},  {"scroll=2", 10, 0}};  // the speed defaults to 10
  for (const auto& c : scroll) {
    Imported a(false, "Custom1_" + c.keys + "\n");
    EXPECT_EQ(std::make_pair(a[kEdCustom1].scrollSpeedX, a[kEdCustom1].scrollSpeedY), std::make_pair(c.x, c.y))
        << c.keys;
  }
  const struct {
    std::string keys;
    int backgroundSlot;
  } layers[] = {{"Layout_Layer=0", 0},
                {"Layout_ForeGround=YES", 14},
                {"Layout_Layer=\nLayout_ForeGround=YES", 14},
                {"Layout_Layer=-5\nLayout_ForeGround=YES", 0},
                {"Layout_Layer=2147483647", 14}};  // no wrap round
  for (const auto& c : layers)
    EXPECT_EQ(EditorDrawOrder(Imported(false, c.keys).r.editor.layout)[c.backgroundSlot], 0) << c.keys;
  EXPECT_EQ(Imported(false, "", {600, 400}).r.editor.layout.Width(), 600);
  // A refusal leaves the model as it was: its resolution, its objects, nothing modified.
  std::string tall = Sample("layout.cfg");
  tall.replace(tall.find("RESOLUTIONY=768"), 15, "RESOLUTIONY=769");
  for (const std::string& text : {std::string("RESOLUTIONX=1025\n"), tall}) {
    Imported large(false, text);
    const EditorLayout& l = large.r.editor.layout;
    EXPECT_EQ(std::make_tuple(large.result, large.r.messages, l.Width(), l.Height(), large[kEdSnap].left,
                              IsModified(l), large.r.calls.size()),
              std::make_tuple(0, std::vector{kTooLarge}, 640, 480, 77, false, 0u))
        << text.substr(0, 16);
  }
}
