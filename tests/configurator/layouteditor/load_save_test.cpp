#include <gtest/gtest.h>

#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/object_numbering.h"
#include "configurator/layouteditor/save_layout.h"
#include "editor_test_support.h"
#include "frontend/render/layout.h"
#include "platform/files.h"
#include "temp_dir.h"

using namespace cfg;

namespace {

constexpr DesktopSize kDesktop{1024, 768};

struct Loaded {
  TempDir dir;
  RecordingEditor r{dir.path()};
  int result = 0;
  Loaded(const std::string& text, DesktopSize desktop = kDesktop) {
    dir.Write("templates/Mine/layout.cfg", text);  // any letter case finds it
    result = LoadTemplate(r.editor, "Mine", desktop);
  }
  const EditorObject& operator[](int i) const { return r.editor.layout.objects[i]; }
};

}  // namespace

TEST(LoadTemplate, AFileWithOnlyTheResolutionGivesTheEditorsDefaults) {
  Loaded l(Crlf({"RESOLUTIONX=800", "RESOLUTIONY=600"}));
  ASSERT_EQ(l.result, 1);
  EXPECT_EQ(l.r.editor.layout.Width(), 800);
  EXPECT_EQ(l.r.editor.layout.Height(), 600);
  EXPECT_EQ(l[0].visible, 0);
  EXPECT_EQ(l[0].alpha, 255);
  EXPECT_EQ(l[0].stretch, 0);
  EXPECT_EQ(l[0].order, 15);
  for (int i = 1; i < kEditorObjectCount; ++i) {
    EXPECT_EQ(l[i].visible + l[i].left + l[i].top + l[i].width + l[i].height, 0) << i;
    EXPECT_EQ(l[i].alpha, 255);
    EXPECT_EQ(l[i].stretch, 1);
    EXPECT_EQ(l[i].order, 15 - i);
    const bool text = IsEditorTextObject(i);
    EXPECT_EQ(l[i].fontFace, text ? "System" : "") << i;
    EXPECT_EQ(l[i].fontSize, text ? 10 : 0);
    EXPECT_EQ(l[i].fontColour, text ? 16777215 : 0);
  }
  EXPECT_EQ(l.r.editor.layout.settings.nbItems, 10);
  EXPECT_FALSE(IsModified(l.r.editor.layout));
  EXPECT_EQ(l.r.editor.templateName, "Mine");
  EXPECT_EQ(l.r.editor.currentFilePath, l.dir.path() + "/templates/Mine/layout.cfg");
  EXPECT_EQ(l.r.calls, (std::vector<std::string>{"RebuildPreview", "ResetAnimationTimers"}));
}

TEST(LoadTemplate, ResolutionDefaultsAndTheDesktopLimit) {
  const struct { std::string text; DesktopSize desktop; int result, width, height; } cases[] = {
      {"", kDesktop, 1, 640, 480},
      {"", {600, 900}, 1, 600, 900},  // a desktop smaller than 640 x 480 gives its own size
      {"[Layout]\r\nRESOLUTIONX=800\r\n", kDesktop, 1, 640, 480},  // behind a header: not read
      {"RESOLUTIONX=1024\r\nRESOLUTIONY=768\r\n", kDesktop, 1, 1024, 768},
      {"RESOLUTIONX=1025\r\n", kDesktop, 0, 0, 0},
      {"RESOLUTIONY=769\r\n", kDesktop, 0, 0, 0},
  };
  for (const auto& c : cases) {
    Loaded l(c.text, c.desktop);
    EXPECT_EQ(l.result, c.result) << c.text;
    EXPECT_EQ(l.r.editor.layout.Width(), c.width) << c.text;  // a refusal changes nothing
    EXPECT_EQ(l.r.editor.layout.Height(), c.height) << c.text;
    EXPECT_EQ(l.r.messages.size(), c.result ? 0u : 1u);
    if (!c.result) {
      EXPECT_EQ(l.r.messages[0], std::string(kEditorCaption) + "|" + std::string(kLoadTooLargeMessage));
      EXPECT_EQ(l.r.editor.templateName, "");
    }
  }
  RecordingEditor empty;
  ASSERT_EQ(LoadTemplate(empty.editor, "", kDesktop), 1);
  EXPECT_EQ(empty.editor.currentFilePath, "");
  TempDir dir;
  RecordingEditor missing(dir.path());
  ASSERT_EQ(LoadTemplate(missing.editor, "Gone", kDesktop), 1);  // no file: every default
  EXPECT_EQ(missing.editor.currentFilePath, dir.path() + "/Templates/Gone/Layout.cfg");
}

TEST(LoadTemplate, SelectorMaximumDefaultsToTheMinimum) {
  Loaded l(Crlf({"List_Selection_Alpha=80"}));
  EXPECT_EQ(l.r.editor.layout.settings.selectorMinAlpha, 80);
  EXPECT_EQ(l.r.editor.layout.settings.selectorMaxAlpha, 80);
}

// Orders that fit a slot stay as written, repeated or not; once one fits none, the objects
// are numbered in the order the frontend draws the same file.
TEST(LoadTemplate, OrdersOutsideTheSlotsAreRenumberedAsTheFrontendDrawsThem) {
  const std::string all = "BackGround_Ordre=15\r\nSnap_Ordre=14\r\nList_Ordre=13\r\nInfo_Ordre=12\r\nInfo1_Ordre=11\r\n"
                          "Info2_Ordre=10\r\nInfo3_Ordre=9\r\nScrollText_Ordre=8\r\nMarquee_Ordre=7\r\n"
                          "Custom1_Ordre=6\r\nCustom2_Ordre=5\r\nCustom3_Ordre=4\r\nCustom4_Ordre=3\r\n"
                          "Custom5_Ordre=2\r\nCustom6_Ordre=1\r\n";
  const std::string cases[] = {
      "Info_Ordre=0\r\n", "Info_Ordre=20\r\nSnap_Ordre=-3\r\n", "Custom6_Ordre=99\r\nList_Ordre=2\r\nSnap_Ordre=2\r\n",
      "BackGround_Ordre=16\r\nMarquee_Ordre=16\r\nInfo3_Ordre=1\r\n"};
  for (const std::string& first : cases) {
    Loaded l(first + all);  // the first line of a key wins
    Layout frontend;
    ReadLayoutText(first + all, frontend);
    for (int slot = 0; slot < 15; ++slot) {
      EXPECT_EQ(l[EditorIndexOf(frontend.drawOrder[slot])].order, slot + 1) << first << slot;
    }
  }
  Loaded repeated("List_Ordre=2\r\nSnap_Ordre=2\r\n" + all);
  EXPECT_EQ(repeated[kEdList].order, 2);
  EXPECT_EQ(repeated[kEdSnap].order, 2);
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

TEST(SaveLayout, CommitsTheFieldsFirstAndAFailureChangesNothing) {
  TempDir dir;
  RecordingEditor r(dir.path());
  ASSERT_EQ(LoadTemplate(r.editor, "", kDesktop), 1);
  r.editor.selected = kEdMarquee;
  r.editor.hooks.commitFields = [&r](int index) { r.editor.layout.objects[index].left = 321; };
  ASSERT_EQ(SaveLayout(r.editor, dir / "a.cfg"), 1);
  EXPECT_NE(dir.Read("a.cfg").find("\r\nMarquee_Left=321\r\n"), std::string::npos);

  r.editor.hooks.commitFields = [&r](int index) { r.editor.layout.objects[index].left = 999; };
  dir.Write("taken/x", "");
  for (const std::string& bad : {dir / "taken", dir / "no/such/dir.cfg", std::string()}) {
    r.messages.clear();
    EXPECT_EQ(SaveLayout(r.editor, bad), 0) << bad;
    EXPECT_EQ(r.messages, (std::vector<std::string>{std::string(kCannotCreateCaption) + "|" + bad}));
    EXPECT_EQ(r.editor.layout.objects[kEdMarquee].left, 321);
    EXPECT_EQ(r.editor.currentFilePath, dir / "a.cfg");
    EXPECT_FALSE(IsModified(r.editor.layout));
  }
}
