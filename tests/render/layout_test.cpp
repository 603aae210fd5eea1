#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "render/animation_clock.h"
#include "render/display.h"
#include "render/layout.h"
#include "render/render_reset.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "platform/debug_log.h"
#include "temp_dir.h"

using render::CreateDisplay;
using render::DisplayKind;
using render::Layout;
using render::LayoutObject;
using render::LayoutObjectName;
using render::LoadLayout;
using render::ReadLayoutText;
using render::ResetRenderState;
using render::kBackGround;
using render::kCustom1;
using render::kCustom6;
using render::kInfo;
using render::kInfo1;
using render::kInfo2;
using render::kInfo3;
using render::kLayoutObjectCount;
using render::kList;
using render::kMarquee;
using render::kScrollText;
using render::kSnap;

namespace {

Layout Read(const std::string& text) {
  Layout layout;
  ReadLayoutText(text, layout);
  return layout;
}

std::string Crlf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

TEST(LayoutFile, EmptyFileGivesEveryDefault) {
  const Layout l = Read("");
  EXPECT_EQ(l.Width(), 800);
  EXPECT_EQ(l.Height(), 600);
  EXPECT_FALSE(l.objects[kBackGround].visible);
  EXPECT_EQ(l.objects[kBackGround].alpha, 255);
  for (int i = kList; i < kLayoutObjectCount; ++i) {
    EXPECT_FALSE(l.objects[i].visible) << i;
    EXPECT_EQ(l.objects[i].alpha, 255) << i;
    EXPECT_EQ(l.objects[i].stretch, 0) << i;
    EXPECT_EQ(l.objects[i].left, 0) << i;
    EXPECT_EQ(l.objects[i].scrollSpeedX, 0.0f) << i;
  }
  for (int i : {kList, kInfo, kInfo1, kInfo2, kInfo3, kScrollText}) {
    EXPECT_EQ(l.textStyles[i].fontColour, 16777215u) << i;
    EXPECT_EQ(l.textStyles[i].fontHeight, 10) << i;
    EXPECT_EQ(l.textStyles[i].alignment, 0) << i;
    EXPECT_EQ(l.textStyles[i].faceName, "system") << i;
  }
  // Default orders: ScrollText 1 ... List 14, background 15 (drawn last, on top).
  const std::array<int, 15> expected = {14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
  EXPECT_EQ(l.drawOrder, expected);
  EXPECT_FALSE(l.listeImages);
  EXPECT_FALSE(l.listeIcons);
  EXPECT_EQ(l.transparentColour, 0u);
  EXPECT_EQ(l.listNbItems, 1);  // absent: clamped up from 0, no division by zero
  EXPECT_EQ(l.selectionAlphaMin, 0);
  EXPECT_EQ(l.selectionAlphaMax, 0);
  EXPECT_EQ(l.pulseDirection, 0);
}

TEST(LayoutFile, ReadsEveryKeyOfAnObject) {
  const Layout l = Read(Crlf({"RESOLUTIONX=1024", "RESOLUTIONY=768", "BackGround_visible=YES", "BackGround_Alpha=128",
                              "BackGround_Resize=2", "Custom2_scrollX=-3", "Custom2_scrollY=4", "Custom2_left=10",
                              "Custom2_top=20", "Custom2_width=200", "Custom2_height=100", "Custom2_visible=OUI",
                              "Custom2_Alpha=300", "Custom2_Stretch=1", "Info1_font_color=255", "Info1_font_sizey=24",
                              "Info1_Aligne=2", "Info1_fontname=Arial", "Transparent_color=16711935",
                              "ListeImages=YES", "ListeIcons=YES"}));
  EXPECT_EQ(l.Width(), 1024);
  EXPECT_EQ(l.Height(), 768);
  EXPECT_TRUE(l.objects[kBackGround].visible);
  EXPECT_EQ(l.objects[kBackGround].alpha, 128);
  EXPECT_EQ(l.objects[kBackGround].stretch, 2);
  const LayoutObject& c2 = l.objects[kCustom1 + 1];
  EXPECT_EQ(c2.scrollSpeedX, -3.0f);
  EXPECT_EQ(c2.scrollSpeedY, 4.0f);
  EXPECT_EQ(c2.left, 10);
  EXPECT_EQ(c2.top, 20);
  EXPECT_EQ(c2.width, 200);
  EXPECT_EQ(c2.height, 100);
  EXPECT_TRUE(c2.visible);
  EXPECT_EQ(c2.alpha, 300);  // kept as read; the drawing uses the low 8 bits
  EXPECT_EQ(c2.stretch, 1);
  EXPECT_EQ(l.textStyles[kInfo1].fontColour, 255u);
  EXPECT_EQ(l.textStyles[kInfo1].fontHeight, 24);
  EXPECT_EQ(l.textStyles[kInfo1].alignment, 2);
  EXPECT_EQ(l.textStyles[kInfo1].faceName, "Arial");
  EXPECT_EQ(l.transparentColour, 0xFF00FFu);
  EXPECT_TRUE(l.listeImages);
  EXPECT_TRUE(l.listeIcons);
}

TEST(LayoutFile, KeyMatchingRules) {
  // Other capitals match; "Key = 5" gives the text "= 5", which reads as 0; "Key 5"
  // and "Key= 5" give 5; the first matching line wins.
  const Layout l = Read(Crlf({"list_LEFT=12", "List_top = 5", "List_width 300", "List_height= 40",
                              "List_left=99", "List_visible=yes", "Info_visible=YES ", "Snap_visible=OUI"}));
  EXPECT_EQ(l.objects[kList].left, 12);
  EXPECT_EQ(l.objects[kList].top, 0);
  EXPECT_EQ(l.objects[kList].width, 300);
  EXPECT_EQ(l.objects[kList].height, 40);
  EXPECT_FALSE(l.objects[kList].visible);  // lower-case yes is false
  EXPECT_FALSE(l.objects[kInfo].visible);  // nothing may follow YES
  EXPECT_TRUE(l.objects[kSnap].visible);
}

TEST(LayoutFile, KeyNeedsBlankOrEqualsBehindIt) {
  // "List_selection_alpha" must not take the line of List_selection_alphaMax.
  Layout l = Read(Crlf({"List_selection_alphaMax=200", "List_selection_alpha=60"}));
  EXPECT_EQ(l.selectionAlphaMin, 60);
  EXPECT_EQ(l.selectionAlpha, 60);
  EXPECT_EQ(l.selectionAlphaMax, 200);
  EXPECT_EQ(l.pulseDirection, 1);

  l = Read(Crlf({"List_selection_alpha=80"}));
  EXPECT_EQ(l.selectionAlphaMax, 80);  // absent maximum: no pulse
  EXPECT_EQ(l.pulseDirection, 0);
  l = Read(Crlf({"List_selection_alpha=80", "List_selection_alphaMax="}));
  EXPECT_EQ(l.selectionAlphaMax, 80);  // empty maximum: likewise
  EXPECT_EQ(l.pulseDirection, 0);
}

TEST(LayoutFile, EmptyValuesTakeDefaultsAndSectionLinesCloseTheRegion) {
  const Layout l = Read(Crlf({"RESOLUTIONX=", "List_Alpha=", "[Other]", "RESOLUTIONY=480", "Info_left=7", "[]",
                              "Info_top=9"}));
  EXPECT_EQ(l.Width(), 800);
  EXPECT_EQ(l.objects[kList].alpha, 255);
  EXPECT_EQ(l.Height(), 600);  // inside [Other]: not seen
  EXPECT_EQ(l.objects[kInfo].left, 0);
  EXPECT_EQ(l.objects[kInfo].top, 9);  // "[]" opens the region again
}

TEST(LayoutFile, LinuxLineEndsReadLikeWindowsOnes) {
  const Layout l = Read("RESOLUTIONX=640\nRESOLUTIONY=480\nList_visible=YES\n");
  EXPECT_EQ(l.Width(), 640);
  EXPECT_EQ(l.Height(), 480);
  EXPECT_TRUE(l.objects[kList].visible);
}

TEST(LayoutFile, LongLinesAreCutAt500BytesAndTextAt99) {
  // The 500-byte cut makes the rest of a long line a line of its own.
  std::string filler = "Comment=" + std::string(492, 'x');
  ASSERT_EQ(filler.size(), 500u);
  const Layout l = Read(Crlf({filler + "Info_left=33", "List_fontname=" + std::string(150, 'F')}));
  EXPECT_EQ(l.objects[kInfo].left, 33);
  EXPECT_EQ(l.textStyles[kList].faceName, std::string(99, 'F'));
}

TEST(LayoutFile, DrawOrderFirstComeAndGapFilling) {
  // The background takes slot 2 before every object; List then finds it taken. Info and
  // Snap both want slot 0: Info is read first. Marquee's 0 and Custom1's 20 are ignored;
  // Info2 (default 3) and ScrollText (default 1) lose their default slots. The losers
  // fill the free slots 9-14 in index order.
  const Layout l = Read(Crlf({"BackGround_Ordre=3", "List_Ordre=3", "Info_Ordre=1", "Snap_Ordre=1",
                              "Marquee_Ordre=0", "Custom1_Ordre=20"}));
  const std::array<int, 15> expected = {kInfo,    kInfo3,      kBackGround, kInfo1,  kCustom6,
                                        kCustom6 - 1, kCustom6 - 2, kCustom6 - 3, kCustom6 - 4, kList,
                                        kSnap,    kMarquee,    kCustom1,    kInfo2,  kScrollText};
  EXPECT_EQ(l.drawOrder, expected);
}

TEST(LayoutFile, ListLinesAreClampedAndItemHeightDerived) {
  Layout l = Read(Crlf({"List_height=400", "List_NbItems=10"}));
  EXPECT_EQ(l.listNbItems, 10);
  EXPECT_EQ(l.itemHeight, 40);
  l = Read(Crlf({"List_height=400", "List_NbItems=0"}));
  EXPECT_EQ(l.listNbItems, 1);
  EXPECT_EQ(l.itemHeight, 400);
  l = Read(Crlf({"List_height=400", "List_NbItems=500"}));
  EXPECT_EQ(l.listNbItems, 50);
  EXPECT_EQ(l.itemHeight, 8);
  l = Read(Crlf({"List_height=400", "List_NbItems=-4"}));
  EXPECT_EQ(l.listNbItems, 1);
}

TEST(LayoutFile, HistoryStyleAndListImageDirectory) {
  Layout l;
  l.objects[kMarquee].mediaDirectory = "/media/marquees";
  l.textStyles[kSnap].faceName = "stale";
  ReadLayoutText(Crlf({"ListeImages=YES", "Snap_font_sizey=40"}), l);
  EXPECT_EQ(l.textStyles[kSnap].faceName, "Courier New");
  EXPECT_EQ(l.textStyles[kSnap].fontHeight, 16);
  EXPECT_EQ(l.textStyles[kSnap].fontColour, 0xFFFFFF00u);
  EXPECT_EQ(l.textStyles[kSnap].alignment, 0);
  EXPECT_EQ(l.listImageDirectory, "/media/marquees");
  EXPECT_EQ(l.objects[kMarquee].mediaDirectory, "/media/marquees");  // belongs to the configuration
  ReadLayoutText(Crlf({"ListeImages=NO"}), l);
  EXPECT_EQ(l.listImageDirectory, "");
}

TEST(LayoutFile, FontHeightsAreKeptAsWritten) {
  // A height below 6 is the font code's business (no font then); the file keeps it.
  const Layout l = Read(Crlf({"Info_font_sizey=5", "Info1_font_sizey=-2", "Info2_font_sizey=abc",
                              "ScrollText_font_sizey=  +18px"}));
  EXPECT_EQ(l.textStyles[kInfo].fontHeight, 5);
  EXPECT_EQ(l.textStyles[kInfo1].fontHeight, -2);
  EXPECT_EQ(l.textStyles[kInfo2].fontHeight, 0);
  EXPECT_EQ(l.textStyles[kScrollText].fontHeight, 18);
}

TEST(LayoutFile, SurvivesBinaryAndHugeInput) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    std::string junk(static_cast<std::size_t>(rng() % 3000), '\0');
    for (char& c : junk) c = static_cast<char>(rng());
    if (round % 3 == 0) junk = "List_NbItems=" + junk;
    Layout l;
    ReadLayoutText(junk, l);
    EXPECT_GE(l.listNbItems, 1);
    EXPECT_LE(l.listNbItems, 50);
  }
  const Layout l = Read("RESOLUTIONX=99999999999999999999\r\nList_height=-2147483648\r\nList_NbItems=-1\r\n" +
                        std::string(2'000'000, 'Z'));
  EXPECT_EQ(l.Width(), 2147483647);
  EXPECT_EQ(l.itemHeight, -2147483647 - 1);
}

class LoadLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetLogDirectory(dir.path());  // a missing template is logged
    ResetRenderState(state);
  }
  void TearDown() override { ResetRenderState(state); }
  render::RenderState state;
  TempDir dir;
};

TEST_F(LoadLayoutTest, MissingFileLeavesTheLayoutAlone) {
  ASSERT_EQ(CreateDisplay(state, DisplayKind::kOffscreen), 1);
  state.layout.objects[kList].left = 77;
  EXPECT_EQ(LoadLayout(state, dir.path(), "Demo", "Nowhere"), 0);
  EXPECT_EQ(state.layout.objects[kList].left, 77);
  EXPECT_FALSE(state.display.deviceReady);  // no template pictures were loaded
}

TEST_F(LoadLayoutTest, ReadsTheTemplateAndRunsTheFollowUpsInOrder) {
  dir.Write("templates/Arcade/layout.CFG", "List_left=42\r\nBackGround_visible=YES\r\nCustom1_visible=YES\r\n"
                                           "Custom1_scrollX=3\r\nScrollText_visible=YES\r\nScrollText_width=100\r\n");
  dir.Write("Config/Demo/ScrollTexte.txt", "Hello");
  ASSERT_EQ(CreateDisplay(state, DisplayKind::kOffscreen), 1);
  EXPECT_EQ(LoadLayout(state, dir.path(), "Demo", "Arcade"), 1);  // other capitals on disk
  EXPECT_EQ(state.layout.objects[kList].left, 42);
  // The template pictures load after the read: the missing layout.png hides the
  // background that the file shows.
  EXPECT_TRUE(state.display.deviceReady);
  EXPECT_FALSE(state.layout.objects[kBackGround].visible);
  EXPECT_EQ(state.scrollText.source, "Hello");
  EXPECT_FALSE(state.scrollText.working.empty());  // prepared
  // The picture scroll timers start from the layout just read.
  EXPECT_NE(state.clocks.pictureScroll[0][0].period, 0u);
}

}  // namespace

namespace {

TEST(DemoTemplate, LayoutReadsAsDesigned) {
  const auto text = [] {
    std::ifstream in(std::string(ORV_SOURCE_DIR) + "/demo/Templates/Etoiles/Layout.cfg", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();
  ASSERT_NE(text.find("\r\n"), std::string::npos);
  Layout l;
  ReadLayoutText(text, l);
  EXPECT_EQ(l.Width(), 800);
  EXPECT_EQ(l.Height(), 600);
  EXPECT_EQ(l.drawOrder[0], kBackGround);  // underneath everything
  EXPECT_EQ(l.drawOrder[1], kCustom1);
  for (int i : std::initializer_list<int>{kBackGround, kList, kInfo, kSnap, kMarquee, kCustom1, kCustom1 + 1, kCustom1 + 2, kInfo1, kInfo2,
                kInfo3, kScrollText}) {
    EXPECT_TRUE(l.objects[i].visible) << LayoutObjectName(i);
  }
  EXPECT_EQ(l.objects[kCustom1].scrollSpeedX, -2.0f);
  EXPECT_EQ(l.listNbItems, 14);
  EXPECT_EQ(l.itemHeight, 30);
  EXPECT_EQ(l.pulseDirection, 1);
  EXPECT_EQ(l.textStyles[kList].faceName, "Arial");
  EXPECT_GE(l.textStyles[kScrollText].fontHeight, 6);
}

}  // namespace
