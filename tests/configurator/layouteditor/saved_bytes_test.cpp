// The bytes the editor writes for a table of loads and edits, against files saved by an
// earlier build of the editor: a reshaped reader, table or writer must not change a byte
// of what lands on the cabinet.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "configurator/layouteditor/layout_import.h"
#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/save_layout.h"
#include "editor_test_support.h"
#include "platform/files.h"
#include "temp_dir.h"

using namespace cfg;

namespace {

constexpr DesktopSize kDesktop{1920, 1200};

// Every object's order, one less per object from the background's down.
std::string AllOrders(int background) {
  static const char* const kPrefixes[] = {"BackGround", "Snap",    "List",    "Info",    "Info1",
                                          "Info2",      "Info3",   "ScrollText", "Marquee", "Custom1",
                                          "Custom2",    "Custom3", "Custom4", "Custom5", "Custom6"};
  std::string text;
  for (int i = 0; i < kEditorObjectCount; ++i)
    text += std::string(kPrefixes[i]) + "_Ordre=" + std::to_string(background - i) + "\r\n";
  return text;
}

// A template that sets every key the frontend reads, in the frontend's own spellings.
const std::string kFullTemplate =
    "RESOLUTIONX=1024\r\nRESOLUTIONY=768\r\nBackGround_visible=YES\r\nBackGround_Alpha=200\r\n"
    "BackGround_Resize=1\r\nBackGround_Ordre=1\r\nListeImages=NO\r\nListeIcons=YES\r\nTransparent_color=65280\r\n"
    "List_NbItems=12\r\nList_selection_alpha=40\r\nList_selection_alphaMax=220\r\n"
    "List_left=10\r\nList_top=20\r\nList_width=300\r\nList_height=600\r\nList_visible=YES\r\nList_Alpha=250\r\n"
    "List_Stretch=2\r\nList_Ordre=9\r\nList_font_color=255\r\nList_font_sizey=24\r\nList_Aligne=2\r\n"
    "List_fontname=Liberation Sans\r\n"
    "Info_left=400\r\nInfo_top=700\r\nInfo_width=600\r\nInfo_height=40\r\nInfo_visible=OUI\r\nInfo_Ordre=10\r\n"
    "Info_font_sizey=30\r\nInfo_Aligne=1\r\nInfo_fontname=DejaVu Sans\r\n"
    "Snap_left=400\r\nSnap_top=20\r\nSnap_width=600\r\nSnap_height=450\r\nSnap_visible=YES\r\nSnap_Stretch=0\r\n"
    "Snap_Ordre=3\r\nMarquee_left=400\r\nMarquee_top=480\r\nMarquee_width=600\r\nMarquee_height=150\r\n"
    "Marquee_visible=YES\r\nMarquee_Stretch=2\r\nMarquee_Ordre=4\r\n"
    "Custom1_left=0\r\nCustom1_top=0\r\nCustom1_width=1024\r\nCustom1_height=20\r\nCustom1_visible=YES\r\n"
    "Custom1_scrollX=-3\r\nCustom1_scrollY=2\r\nCustom1_Ordre=2\r\nCustom3_visible=YES\r\nCustom3_Ordre=5\r\n"
    "Info1_visible=YES\r\nInfo1_Ordre=11\r\nInfo2_fontname=\r\nInfo3_font_color=16711680\r\n"
    "ScrollText_left=0\r\nScrollText_top=740\r\nScrollText_width=1024\r\nScrollText_height=28\r\n"
    "ScrollText_visible=YES\r\nScrollText_Aligne=2\r\nScrollText_Ordre=15\r\nScrollText_font_sizey=22\r\n";

struct Case {
  const char* name;     // the expected file is saved/<name>.cfg
  std::string source;   // the template's Layout.cfg ("" with `empty`: no file at all)
  std::function<void(EditorSession&)> edit;
  DesktopSize desktop = kDesktop;
};

void Nothing(EditorSession&) {}

std::vector<Case> Cases() {
  std::string outside = "Info_Ordre=0\r\nCustom6_Ordre=99\r\nList_Ordre=2\r\nSnap_Ordre=2\r\nBackGround_Ordre=16\r\n";
  std::string repeated = "RESOLUTIONX=800\r\nRESOLUTIONY=600\r\nList_Ordre=2\r\nSnap_Ordre=2\r\nInfo_Ordre=2\r\n";
  return {
      {"full_template", kFullTemplate, Nothing},
      {"demo_template", *platform::ReadWholeFile(std::string(ORV_SOURCE_DIR) + "/demo/Templates/Etoiles/Layout.cfg"),
       Nothing},
      {"no_file_defaults", "", Nothing},
      {"small_desktop_defaults", "", Nothing, {600, 400}},
      {"resolution_only", "RESOLUTIONX=800\r\nRESOLUTIONY=600\r\nList_Selection_Alpha=80\r\n", Nothing},
      {"orders_outside_slots", outside + AllOrders(15), Nothing},
      {"orders_repeated", repeated, Nothing},
      {"letter_cases_sections_blanks",
       "resolutionx 900\r\nRESOLUTIONY=700\r\n[Other]\r\nList_left=99\r\n[]\r\nlist_LEFT=33\r\nlist_left=44\r\n"
       "SNAP_VISIBLE=YES\r\nsnap_visible=NO\r\nInfo_fontname Courier New\r\nInfo_font_sizey=\r\n"
       "Custom2_SCROLLX=7\r\nCustom2_ScrollY=-11\r\nlisteimages=OUI\r\nList_stretch=1\r\n",
       Nothing},
      {"fields_edited", kFullTemplate,
       [](EditorSession& e) {
         EditorLayout& l = e.layout;
         l.objects[kEdSnap].left = -5;
         l.objects[kEdSnap].width = 2000;
         l.objects[kEdInfo].fontFace = "Nimbus\r\nSans";  // a line break never enters the file
         l.objects[kEdInfo1].fontFace = "";               // no line at all
         l.objects[kEdInfo2].fontFace = std::string(300, 'F');
         l.objects[kEdInfo3].fontFace = "Caf\xE9 Script";  // Windows-1252 bytes stay bytes
         l.objects[kEdScrollText].alignment = 2;           // never written for the scroll text
         l.objects[kEdCustom1 + 2].scrollSpeedX = 3.7f;
         l.objects[kEdCustom1 + 2].scrollSpeedY = -1e12f;
         l.objects[kEdCustom1 + 3].scrollSpeedX = 1e12f;
         l.objects[kEdList].fontColour = -1;
         l.settings.listeImages = 1;  // the List's stretch is written too
         l.settings.nbItems = 0;
         l.settings.selectorMaxAlpha = 300;
       }},
      {"order_dialog_renumbering", kFullTemplate,
       [](EditorSession& e) {
         e.layout.objects[kEdMarquee].order = 1;
         e.layout.objects[kEdCustom6].order = 9;
         NormaliseOrder(e.layout);
       }},
      {"import_mamewah", "",
       [](EditorSession& e) { ASSERT_EQ(ImportMamewahLayout(e, SamplePath("layout.lay"), {}), 1); }},
      {"import_atomicfe", "",
       [](EditorSession& e) { ASSERT_EQ(ImportAtomicFeLayout(e, SamplePath("layout.cfg"), {}), 1); }},
  };
}

std::string Expected(const std::string& name) {
  const auto text = platform::ReadWholeFile(std::string(ORV_SOURCE_DIR) + "/tests/configurator/layouteditor/saved/" +
                                            name + ".cfg");
  return text ? *text : std::string("(missing)");
}

}  // namespace

TEST(SavedBytes, EveryEditWritesTheSameFileAsBefore) {
  // ORV_SAVED_LAYOUTS_OUT=<dir> keeps the files written, to inspect a difference.
  const char* keep = std::getenv("ORV_SAVED_LAYOUTS_OUT");
  for (const Case& c : Cases()) {
    TempDir dir;
    RecordingEditor r(dir.path());
    if (!c.source.empty()) dir.Write("Templates/T/Layout.cfg", c.source);
    ASSERT_EQ(LoadTemplate(r.editor, c.source.empty() ? "" : "T", c.desktop), 1) << c.name;
    c.edit(r.editor);
    ASSERT_EQ(SaveLayout(r.editor, dir / "out.cfg"), 1) << c.name;
    const std::string written = dir.Read("out.cfg");
    if (keep) std::ofstream(std::filesystem::path(keep) / (std::string(c.name) + ".cfg"), std::ios::binary) << written;
    EXPECT_EQ(written, Expected(c.name)) << c.name;
  }
}
