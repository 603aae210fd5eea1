#include <gtest/gtest.h>

#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/object_numbering.h"
#include "configurator/layouteditor/save_layout.h"
#include "editor_test_support.h"
#include "render/layout.h"
#include "platform/files.h"
#include "temp_dir.h"

using render::Layout;
using render::ReadLayoutText;

using namespace cfg;

namespace {

constexpr DesktopSize kDesktop{1024, 768};

struct Loaded {
  TempDir dir;
  RecordingEditor r{dir.path()};
  int result = 0;
  explicit Loaded(const std::string& text, DesktopSize desktop = kDesktop) {
    dir.Write("templates/Mine/layout.cfg", text);  // found in any letter case
    result = LoadTemplate(r.editor, "Mine", desktop);
  }
  const EditorObject& operator[](int i) const { return r.editor.layout.objects[i]; }
};

}  // namespace

// The keys a file leaves out read as the cabinet reads them.
TEST(LoadTemplate, AFileWithOnlyTheResolutionGivesTheFrontendsDefaults) {
  Loaded l("RESOLUTIONX=800\r\nRESOLUTIONY=600\r\nList_Selection_Alpha=80\r\n");
  ASSERT_EQ(l.result, 1);
  EXPECT_EQ(std::make_tuple(l[0].width, l[0].height, l[0].visible, l[0].alpha, l[0].stretch, l[0].order),
            std::make_tuple(800, 600, 0, 255, 0, 15));
  for (int i = 1; i < kEditorObjectCount; ++i) {
    const bool text = IsEditorTextObject(i);
    EXPECT_EQ(
        std::make_tuple(l[i].visible + l[i].left + l[i].top + l[i].width + l[i].height, l[i].alpha, l[i].stretch,
                        l[i].order, l[i].fontFace, l[i].fontSize, l[i].fontColour),
        std::make_tuple(0, 255, 0, 15 - FrontendIndexOf(i), std::string(text ? "system" : ""), text ? 10 : 0,
                        text ? 16777215 : 0));
  }
  const LayoutWideSettings& s = l.r.editor.layout.settings;
  EXPECT_EQ(std::make_tuple(s.nbItems, s.selectorMinAlpha, s.selectorMaxAlpha), std::make_tuple(0, 80, 80));
  EXPECT_FALSE(IsModified(l.r.editor.layout));
  EXPECT_EQ(l.r.editor.currentFilePath, l.dir.path() + "/templates/Mine/layout.cfg");
  EXPECT_EQ(l.r.calls, (std::vector<std::string>{"RebuildPreview", "ResetAnimationTimers"}));
}

TEST(LoadTemplate, ResolutionDefaultsAndTheDesktopLimit) {
  const struct {
    std::string text;
    DesktopSize desktop;
    int width, height;
  } cases[] = {{"", kDesktop, 800, 600},  // a file without them: the frontend's 800 x 600
               {"", {600, 900}, 0, 0},    // which this desktop cannot show
               {"[Layout]\r\nRESOLUTIONX=1000\r\n", kDesktop, 800, 600},
               {"RESOLUTIONX=1024\r\nRESOLUTIONY=768", kDesktop, 1024, 768},
               {"RESOLUTIONX=1025\r\n", kDesktop, 0, 0},
               {"RESOLUTIONY=769\r\n", kDesktop, 0, 0}};  // refused, nothing changes
  for (const auto& c : cases) {
    Loaded l(c.text, c.desktop);
    EXPECT_EQ(std::make_tuple(l.result, l.r.editor.layout.Width(), l.r.editor.layout.Height()),
              std::make_tuple(c.width ? 1 : 0, c.width, c.height))
        << c.text;
    EXPECT_EQ(l.r.messages,
              c.width ? std::vector<std::string>{}
                      : std::vector<std::string>{"Configurateur Orvanel|" + std::string(LoadTooLargeMessage())});
  }
  TempDir dir;
  RecordingEditor r(dir.path());
  ASSERT_EQ(LoadTemplate(r.editor, "Gone", kDesktop), 1);  // no file: a new layout's defaults
  EXPECT_EQ(r.editor.currentFilePath, dir.path() + "/Templates/Gone/Layout.cfg");
  EXPECT_EQ(std::make_tuple(r.editor.layout.Width(), r.editor.layout.Height(), r.editor.layout.objects[kEdSnap].stretch,
                            r.editor.layout.settings.nbItems),
            std::make_tuple(640, 480, 1, 10));
  ASSERT_EQ(LoadTemplate(r.editor, "Gone", {600, 900}), 1);  // a desktop below 640 x 480 gives its own size
  EXPECT_EQ(std::make_pair(r.editor.layout.Width(), r.editor.layout.Height()), std::make_pair(600, 900));
}

// Orders that fit a slot stay as written, repeated or not; once one fits none, the objects
// are numbered in the order the frontend draws the same file.
TEST(LoadTemplate, OrdersOutsideTheSlotsAreRenumberedAsTheFrontendDrawsThem) {
  std::string all;
  for (int i = 0; i < 15; ++i) all += std::string(EditorKeyPrefix(i)) + "_Ordre=" + std::to_string(15 - i) + "\r\n";
  for (const std::string first : {"Info_Ordre=0\r\n", "Info_Ordre=20\r\nSnap_Ordre=-3\r\n",
                                  "Custom6_Ordre=99\r\nList_Ordre=2\r\nSnap_Ordre=2\r\n", "BackGround_Ordre=16\r\n"}) {
    Loaded l(first + all);  // the first line of a key wins
    Layout frontend;
    ReadLayoutText(first + all, frontend);
    for (int slot = 0; slot < 15; ++slot)
      EXPECT_EQ(l[EditorIndexOf(frontend.drawOrder[slot])].order, slot + 1) << first;
  }
  Loaded repeated("List_Ordre=2\r\nSnap_Ordre=2\r\n" + all);
  EXPECT_EQ(std::make_pair(repeated[kEdList].order, repeated[kEdSnap].order), std::make_pair(2, 2));
}

TEST(SaveLayout, WritesEveryLineInItsOrder) {
  RecordingEditor r;
  ASSERT_EQ(LoadTemplate(r.editor, "", kDesktop), 1);
  r.editor.layout.settings.listeImages = 1;  // the List's stretch is written too
  r.editor.layout.objects[kEdCustom1 + 1].scrollSpeedX = 3.7f;
  r.editor.layout.objects[kEdCustom1 + 1].scrollSpeedY = -2.5f;
  r.editor.layout.objects[kEdInfo2].fontFace = "";  // no _Fontname line
  TempDir dir;
  ASSERT_EQ(SaveLayout(r.editor, dir / "Layout.cfg"), 1);
  EXPECT_EQ(dir.Read("Layout.cfg"), *platform::ReadWholeFile(SamplePath("saved_defaults.cfg")));
  EXPECT_EQ(r.editor.currentFilePath, dir / "Layout.cfg");
  EXPECT_FALSE(IsModified(r.editor.layout));
}

TEST(SaveLayout, AFailureChangesNothing) {
  TempDir dir;
  RecordingEditor r(dir.path());
  ASSERT_EQ(LoadTemplate(r.editor, "", kDesktop), 1);
  r.editor.layout.objects[kEdMarquee].left = 321;
  ASSERT_EQ(SaveLayout(r.editor, dir / "a.cfg"), 1);
  EXPECT_NE(dir.Read("a.cfg").find("\r\nMarquee_Left=321\r\n"), std::string::npos);

  dir.Write("taken/x", "");
  for (const std::string& bad : {dir / "taken", dir / "no/such/dir.cfg"}) {
    r.messages.clear();
    EXPECT_EQ(SaveLayout(r.editor, bad), 0) << bad;
    EXPECT_EQ(r.messages, (std::vector<std::string>{std::string(CannotCreateCaption()) + "|" + bad}));
    EXPECT_EQ(std::make_tuple(r.editor.layout.objects[kEdMarquee].left, r.editor.currentFilePath,
                              IsModified(r.editor.layout)),
              std::make_tuple(321, dir / "a.cfg", false));
  }
}
