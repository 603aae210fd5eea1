#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "configurator/layouteditor/layout_import.h"
#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/object_numbering.h"
#include "configurator/layouteditor/preview_renderer.h"
#include "configurator/layouteditor/save_layout.h"
#include "editor_test_support.h"
#include "render/layout.h"
#include "temp_dir.h"

using render::IsTextObject;
using render::Layout;
using render::LayoutObject;
using render::ReadLayoutText;
using render::TextStyle;
using render::kCustom1;
using render::kCustom6;
using render::kLayoutObjectCount;
using render::kList;
using render::kMarquee;
using render::kScrollText;
using render::kSnap;

using namespace cfg;

namespace {

// A layout in which the objects differ from each other in every field; orders 1 ... 15.
EditorLayout VariedLayout(unsigned seed, bool listImages) {
  std::mt19937 random(seed);
  auto any = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  EditorLayout l;
  for (int i = 0; i < kEditorObjectCount; ++i) {
    l.objects[i] = {any(0, 900), any(0, 700),      any(1, 900), any(1, 700),
                    any(0, 2),   any(0, 255),      any(0, 1),   "Face " + std::to_string(any(0, 99999)),
                    any(6, 80),  any(0, 0xFFFFFF), any(0, 2),   i + 1};
    l.objects[i].scrollSpeedX = static_cast<float>(any(-10, 10));
    l.objects[i].scrollSpeedY = static_cast<float>(any(-10, 10));
  }
  l.objects[kEdBackGround].left = l.objects[kEdBackGround].top = 0;
  std::shuffle(l.objects.begin() + 1, l.objects.end(), random);
  l.settings = {listImages, any(0, 1), any(0, 0xFFFFFF), any(1, 50), any(0, 255), any(0, 255)};
  NormaliseOrder(l);
  return l;
}

// What the editor reads back: the fields the writer leaves out take the frontend's defaults.
EditorLayout AsReadBack(EditorLayout l) {
  l.objects[kEdBackGround].stretch = 0;
  l.objects[kEdScrollText].alignment = 0;
  for (int i = 0; i < kEditorObjectCount; ++i) {
    EditorObject& o = l.objects[i];
    if (!IsEditorCustomObject(i)) o.scrollSpeedX = o.scrollSpeedY = 0;
    if (!IsEditorTextObject(i)) o.fontFace.clear(), o.fontSize = o.fontColour = o.alignment = 0;
    if (IsEditorTextObject(i) && o.fontFace.empty()) o.fontFace = "system";
    if (IsEditorTextObject(i) && !(i == kEdList && l.settings.listeImages)) o.stretch = 0;
  }
  return l;
}

bool ReadsBackAs(std::string_view text, const EditorLayout& expected) {
  EditorLayout read;
  ReadEditorLayoutText(text, expected.Width(), expected.Height(), read);
  read.savedObjects = expected.objects;
  read.savedSettings = expected.settings;
  return !IsModified(read);
}

}  // namespace

TEST(RoundTrip, TheFrontendReadsWhatTheEditorSaved) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    TempDir dir;
    RecordingEditor r(dir.path());
    const EditorLayout& e = r.editor.layout = VariedLayout(seed, seed % 2 == 0);
    ASSERT_EQ(SaveLayout(r.editor, dir / "Layout.cfg"), 1);
    Layout f;
    ReadLayoutText(dir.Read("Layout.cfg"), f);
    for (int i = 0; i < kEditorObjectCount; ++i) {
      const EditorObject& eo = e.objects[i];
      const LayoutObject& fo = f.objects[FrontendIndexOf(i)];
      const bool picture = !IsEditorTextObject(i) || (i == kEdList && e.settings.listeImages);
      EXPECT_EQ(std::make_tuple(fo.left, fo.top, fo.width, fo.height, fo.alpha, fo.visible, f.drawOrder[eo.order - 1]),
                std::make_tuple(eo.left, eo.top, eo.width, eo.height, eo.alpha, eo.visible != 0, FrontendIndexOf(i)))
          << seed << " object " << i;
      if (picture && i != kEdBackGround) {
        EXPECT_EQ(fo.stretch, eo.stretch) << seed << " object " << i;
      }
      if (IsEditorCustomObject(i)) {
        EXPECT_EQ(std::make_pair(fo.scrollSpeedX, fo.scrollSpeedY), std::make_pair(eo.scrollSpeedX, eo.scrollSpeedY));
      }
      if (!IsEditorTextObject(i)) continue;
      const TextStyle& style = f.textStyles[FrontendIndexOf(i)];
      EXPECT_EQ(std::make_tuple(style.faceName, style.fontHeight, style.fontColour, style.alignment),
                std::make_tuple(eo.fontFace, eo.fontSize, static_cast<std::uint32_t>(eo.fontColour),
                                i == kEdScrollText ? 0 : eo.alignment));
    }
    const LayoutWideSettings& s = e.settings;
    EXPECT_EQ(std::make_tuple(f.listeImages, f.listeIcons, f.transparentColour, f.listNbItems, f.selectionAlphaMin,
                              f.selectionAlphaMax),
              std::make_tuple(s.listeImages != 0, s.listeIcons != 0, static_cast<std::uint32_t>(s.transparentColour),
                              s.nbItems, s.selectorMinAlpha, s.selectorMaxAlpha));
    EXPECT_TRUE(ReadsBackAs(dir.Read("Layout.cfg"), AsReadBack(e))) << seed;
    // The preview hands the frontend's drawing code what the frontend reads from the file.
    Layout view;
    CopyToFrontendLayout(e, view);
    EXPECT_EQ(std::make_tuple(view.drawOrder, view.listNbItems, view.itemHeight),
              std::make_tuple(f.drawOrder, f.listNbItems, f.itemHeight));
    for (int i = 0; i < kLayoutObjectCount; ++i) {
      const LayoutObject &a = view.objects[i], &b = f.objects[i];
      EXPECT_EQ(std::make_tuple(a.left, a.top, a.width, a.height, a.alpha, a.visible),
                std::make_tuple(b.left, b.top, b.width, b.height, b.alpha, b.visible));
      if (IsTextObject(i) && i != kScrollText) {
        EXPECT_EQ(view.textStyles[i].faceName, f.textStyles[i].faceName);
        EXPECT_EQ(view.textStyles[i].alignment, f.textStyles[i].alignment);
      }
    }  // and the editor reads it back
  }
}

TEST(RoundTrip, AnImportedLayoutSavedAndLoadedAgainIsUnchanged) {
  for (const bool mamewah : {true, false}) {
    TempDir dir;
    RecordingEditor r(dir.path());
    ASSERT_EQ(mamewah ? ImportMamewahLayout(r.editor, SamplePath("layout.lay"), {})
                      : ImportAtomicFeLayout(r.editor, SamplePath("layout.cfg"), {}),
              1);
    ASSERT_EQ(SaveLayout(r.editor, dir / "Layout.cfg"), 1);
    EXPECT_TRUE(ReadsBackAs(dir.Read("Layout.cfg"), AsReadBack(r.editor.layout))) << mamewah;
  }
}

// What the cabinet shows from a hand-written template must not change when the editor
// loads and saves it: the keys the file leaves out took the frontend's defaults.
TEST(RoundTrip, SavingAHandWrittenTemplateLeavesTheCabinetAsItWas) {
  const std::string templates[] = {
      "",
      "RESOLUTIONX=1024\r\nRESOLUTIONY=768\r\n",
      "Snap_visible=YES\r\nSnap_width=300\r\nSnap_height=200\r\nMarquee_visible=YES\r\nCustom3_visible=YES\r\n"
      "List_visible=YES\r\nList_height=300\r\nInfo_visible=YES\r\nScrollText_visible=YES\r\nScrollText_width=500\r\n",
      "ListeImages=YES\r\nList_visible=YES\r\nList_Ordre=1\r\nInfo2_Ordre=1\r\nList_selection_alpha=30\r\n",
  };
  for (const std::string& text : templates) {
    TempDir dir;
    RecordingEditor r(dir.path());
    dir.Write("Templates/T/Layout.cfg", text);
    ASSERT_EQ(LoadTemplate(r.editor, "T", {1920, 1080}), 1) << text;
    ASSERT_EQ(SaveLayout(r.editor, dir / "saved.cfg"), 1);
    Layout before, after;
    ReadLayoutText(text, before);
    ReadLayoutText(dir.Read("saved.cfg"), after);
    for (int i = 0; i < kLayoutObjectCount; ++i) {
      const LayoutObject &a = before.objects[i], &b = after.objects[i];
      EXPECT_EQ(std::make_tuple(a.left, a.top, a.width, a.height, a.alpha, a.visible),
                std::make_tuple(b.left, b.top, b.width, b.height, b.alpha, b.visible))
          << text << " object " << i;
      const bool picture = i == kSnap || i == kMarquee || (i >= kCustom1 && i <= kCustom6) ||
                           (i == kList && before.listeImages);
      if (picture) {
        EXPECT_EQ(a.stretch, b.stretch) << text << " object " << i;
      }
      if (IsTextObject(i) && i != kScrollText) {
        EXPECT_EQ(std::make_tuple(before.textStyles[i].faceName, before.textStyles[i].fontHeight,
                                  before.textStyles[i].alignment),
                  std::make_tuple(after.textStyles[i].faceName, after.textStyles[i].fontHeight,
                                  after.textStyles[i].alignment))
            << text << " object " << i;
      }
    }
    EXPECT_EQ(std::make_tuple(before.drawOrder, before.listNbItems, before.listeImages, before.selectionAlphaMin,
                              before.selectionAlphaMax),
              std::make_tuple(after.drawOrder, after.listNbItems, after.listeImages, after.selectionAlphaMin,
                              after.selectionAlphaMax))
        << text;
  }
}
