#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "configurator/layouteditor/layout_import.h"
#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/object_numbering.h"
#include "configurator/layouteditor/save_layout.h"
#include "editor_test_support.h"
#include "frontend/render/layout.h"
#include "temp_dir.h"

using namespace cfg;

namespace {

// A layout in which every object differs from every other in every field.
EditorLayout VariedLayout(unsigned seed, bool listImages) {
  std::mt19937 random(seed);
  auto any = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  EditorLayout l;
  for (int i = 0; i < kEditorObjectCount; ++i) {
    EditorObject& o = l.objects[i];
    o = {any(0, 900), any(0, 700), any(1, 900), any(1, 700), any(0, 2),  any(0, 255), any(0, 1),
         "Face " + std::to_string(any(0, 99999)), any(6, 80), any(0, 0xFFFFFF), any(0, 2), i + 1};
    o.scrollSpeedX = static_cast<float>(any(-10, 10));
    o.scrollSpeedY = static_cast<float>(any(-10, 10));
  }
  l.objects[kEdBackGround].left = l.objects[kEdBackGround].top = 0;
  std::shuffle(l.objects.begin() + 1, l.objects.end(), random);  // orders 1 ... 15 in any sequence
  l.settings = {listImages, any(0, 1), any(0, 0xFFFFFF), any(1, 50), any(0, 255), any(0, 255)};
  return l;
}

// The fields the writer leaves out come back with the loader's defaults (pictures have no font).
EditorLayout AsReadBack(EditorLayout l) {
  l.objects[kEdBackGround].stretch = 0;
  for (int i = 0; i < kEditorObjectCount; ++i) {
    EditorObject& o = l.objects[i];
    if (!IsEditorCustomObject(i)) o.scrollSpeedX = o.scrollSpeedY = 0;
    if (!IsEditorTextObject(i)) o.fontFace.clear(), o.fontSize = o.fontColour = o.alignment = 0;
    if (IsEditorTextObject(i) && o.fontFace.empty()) o.fontFace = "System";
    if (IsEditorTextObject(i) && !(i == kEdList && l.settings.listeImages)) o.stretch = 1;
  }
  l.objects[kEdScrollText].alignment = 0;
  return l;
}

}  // namespace

TEST(RoundTrip, TheFrontendReadsWhatTheEditorSaved) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    TempDir dir;
    RecordingEditor r(dir.path());
    r.editor.layout = VariedLayout(seed, seed % 2 == 0);
    NormaliseOrder(r.editor.layout);
    ASSERT_EQ(SaveLayout(r.editor, dir / "Layout.cfg"), 1);
    Layout f;
    ReadLayoutText(dir.Read("Layout.cfg"), f);
    const EditorLayout& e = r.editor.layout;
    for (int i = 0; i < kEditorObjectCount; ++i) {
      const EditorObject& eo = e.objects[i];
      const LayoutObject& fo = f.objects[FrontendIndexOf(i)];
      EXPECT_EQ(std::make_tuple(fo.left, fo.top, fo.width, fo.height, fo.alpha, fo.visible),
                std::make_tuple(eo.left, eo.top, eo.width, eo.height, eo.alpha, eo.visible != 0))
          << seed << " object " << i;
      if (i != kEdBackGround && (!IsEditorTextObject(i) || (i == kEdList && e.settings.listeImages))) {
        EXPECT_EQ(fo.stretch, eo.stretch) << seed << " object " << i;
      }
      if (IsEditorCustomObject(i)) {
        EXPECT_EQ(fo.scrollSpeedX, eo.scrollSpeedX);
        EXPECT_EQ(fo.scrollSpeedY, eo.scrollSpeedY);
      }
      if (IsEditorTextObject(i)) {
        const TextStyle& style = f.textStyles[FrontendIndexOf(i)];
        EXPECT_EQ(style.faceName, eo.fontFace);
        EXPECT_EQ(style.fontHeight, eo.fontSize);
        EXPECT_EQ(style.fontColour, static_cast<std::uint32_t>(eo.fontColour));
        EXPECT_EQ(style.alignment, i == kEdScrollText ? 0 : eo.alignment);
      }
      EXPECT_EQ(f.drawOrder[eo.order - 1], FrontendIndexOf(i)) << seed << " object " << i;
    }
    EXPECT_EQ(f.listeImages, e.settings.listeImages != 0);
    EXPECT_EQ(f.listeIcons, e.settings.listeIcons != 0);
    EXPECT_EQ(f.transparentColour, static_cast<std::uint32_t>(e.settings.transparentColour));
    EXPECT_EQ(f.listNbItems, e.settings.nbItems);
    EXPECT_EQ(f.selectionAlphaMin, e.settings.selectorMinAlpha);
    EXPECT_EQ(f.selectionAlphaMax, e.settings.selectorMaxAlpha);

    // And the editor itself reads back what it wrote.
    const EditorLayout written = AsReadBack(r.editor.layout);
    EditorLayout reread;
    ReadEditorLayoutText(dir.Read("Layout.cfg"), written.Width(), written.Height(), reread);
    reread.savedObjects = written.objects;
    reread.savedSettings = written.settings;
    EXPECT_FALSE(IsModified(reread)) << seed;
  }
}

TEST(RoundTrip, AnImportedLayoutSavedAndLoadedAgainIsUnchanged) {
  for (const bool mamewah : {true, false}) {
    TempDir dir;
    RecordingEditor imported(dir.path());
    const int ok = mamewah ? ImportMamewahLayout(imported.editor, SamplePath("layout.lay"), {})
                           : ImportAtomicFeLayout(imported.editor, SamplePath("layout.cfg"), {});
    ASSERT_EQ(ok, 1);
    EXPECT_TRUE(IsModified(imported.editor.layout));
    ASSERT_EQ(SaveLayout(imported.editor, dir.path() + "/Templates/New/Layout.cfg"), 0);  // no directory yet
    dir.Write("Templates/New/Layout.cfg", "");
    ASSERT_EQ(SaveLayout(imported.editor, dir.path() + "/Templates/New/Layout.cfg"), 1);

    RecordingEditor loaded(dir.path());
    ASSERT_EQ(LoadTemplate(loaded.editor, "New", {}), 1);
    const EditorLayout expected = AsReadBack(imported.editor.layout);
    loaded.editor.layout.savedObjects = expected.objects;
    loaded.editor.layout.savedSettings = expected.settings;
    EXPECT_FALSE(IsModified(loaded.editor.layout)) << (mamewah ? "MAMEWAH" : "AtomicFe");
    EXPECT_EQ(loaded.editor.layout.drawOrder, imported.editor.layout.drawOrder);
  }
}
