// The preview against the frontend's own screenshot tool: an object dragged in the preview
// and saved with "Enregistrer" is where the frontend draws it, and a game of the
// configuration chosen for the preview shows the pictures and texts the menu shows for it.
#include <QAction>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "configurator/layouteditor/ui/layout_page.h"
#include "configurator/layouteditor/ui/preview_window.h"
#include "platform/image.h"
#include "solid_png.h"
#include "ui_fixture.h"

namespace {

using testfiles::SolidPng;

std::uint32_t Rgb(const platform::Image& image, int x, int y) {
  const std::uint8_t* p = &image.rgba[(std::size_t(y) * std::size_t(image.width) + std::size_t(x)) * 4];
  return std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
}

bool Near(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int(a >> shift & 255) - int(b >> shift & 255)) > 12) return false;
  return true;
}

const std::string kShotTool = std::string(ORV_BINARY_DIR) + "/tools/orvanel_shot/orvanel-shot";

// What the frontend shows after start-up for the installation in `dir`.
std::optional<platform::Image> FrontendShot(const TempDir& dir) {
  const std::string out = dir / "shot.png";
  const std::string command = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" + kShotTool + "' '" + dir.path() +
                              "' '" + out + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return std::nullopt;
  return platform::LoadImageFile(out, nullptr);
}

// An installation whose configuration T shows the template Shot at 320 x 240 over a
// solid background, with a missing-snapshot picture; the frontend's shot of it on demand.
class PreviewMatchesFrontend : public ::testing::Test {
 protected:
  TempDir dir;
  std::unique_ptr<cfg::ConfigWindow> window;
  cfg::LayoutPage* page = nullptr;

  void SetUp() override {
    if (!std::filesystem::exists(kShotTool)) GTEST_SKIP() << "orvanel-shot is not built";
    uitest::App();
    platform::RecordMessageBoxes();
  }
  void TearDown() override {
    window.reset();
    platform::SetMessageBoxSink({});
  }
  void Install(const std::string& configKeys, const std::string& list, const std::string& layoutKeys) {
    dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=T\r\nEmuBase=T\r\nLargFen=320\r\nHautFen=240\r\n"
                                    "ModeFenetre=OUI\r\nTransitions=NO\r\n");
    dir.Write("config/T/config.ini", "[Config]\r\nTemplateDir=Shot\r\nSnapDir=.\\media\\snap\r\n"
                                     "FichierDescription=.\\config\\T\\T.txt\r\n" + configKeys);
    dir.Write("config/T/T.txt", list);
    dir.Write("Templates/Shot/Layout.cfg", "RESOLUTIONX=320\r\nRESOLUTIONY=240\r\nBackGround_visible=YES\r\n"
                                           "BackGround_Ordre=1\r\nCustom6_Ordre=15\r\nSnap_visible=YES\r\n"
                                           "Snap_left=20\r\nSnap_top=20\r\nSnap_width=100\r\nSnap_height=80\r\n"
                                           "Snap_Stretch=2\r\n" + layoutKeys);
    dir.Write("Templates/Shot/layout.png", SolidPng(320, 240, 0x404080));
    dir.Write("Templates/Shot/missingSnapShot.png", SolidPng(16, 16, 0x20E040));
  }
  // The configurator on its layout page with Shot loaded.
  void OpenShot() {
    window = std::make_unique<cfg::ConfigWindow>(dir.path());
    window->show();
    page = static_cast<cfg::LayoutPage*>(window->page(cfg::kLayoutPage));
    page->SetDesktopSource([] { return cfg::DesktopSize{4000, 4000}; });
    ASSERT_TRUE(window->SelectPage(cfg::kLayoutPage));
    ASSERT_TRUE(page->ChooseTemplateNamed("Shot"));
  }
};

TEST_F(PreviewMatchesFrontend, MovedObjectSavedIsWhereTheFrontendDrawsIt) {
  Install("", "[pac]\r\nFullName=Pac\r\n", "");
  dir.Write("media/snap/none.txt", "");
  ASSERT_NO_FATAL_FAILURE(OpenShot());
  cfg::PreviewWindow* preview = page->preview();
  preview->DrawNow();
  QTest::mouseClick(preview, Qt::RightButton, {}, {50, 50});
  ASSERT_EQ(page->editor().selected, cfg::kEdSnap);
  // (A move to the point just clicked would be no move at all.)
  QTest::mouseMove(preview, {52, 52});
  QTest::mousePress(preview, Qt::LeftButton, {}, {52, 52});
  QTest::mouseMove(preview, {152, 122});
  QTest::mouseRelease(preview, Qt::LeftButton, {}, {152, 122});
  ASSERT_EQ(page->editor().layout.objects[cfg::kEdSnap].left, 120);
  ASSERT_EQ(page->editor().layout.objects[cfg::kEdSnap].top, 90);
  window->findChild<QAction*>("id40002")->trigger();
  ASSERT_FALSE(page->IsModified());
  page->SelectObject(cfg::kEdBackGround);  // no selection frame in the comparison
  preview->DrawNow();
  const QImage& drawn = preview->image();

  const auto shot = FrontendShot(dir);
  ASSERT_TRUE(shot);
  ASSERT_EQ(shot->width, 320);
  const struct {
    int x, y;
    std::uint32_t colour;
  } probes[] = {{130, 100, 0x20E040}, {200, 150, 0x20E040}, {215, 165, 0x20E040},  // the Snap's new place
                {50, 50, 0x404080},   {100, 40, 0x404080},  {300, 220, 0x404080}};  // its old place, background
  for (const auto& p : probes) {
    const std::uint32_t fromPreview = drawn.pixel(p.x, p.y) & 0xFFFFFF;
    EXPECT_TRUE(Near(fromPreview, p.colour)) << p.x << "," << p.y << " preview " << std::hex << fromPreview;
    EXPECT_TRUE(Near(Rgb(*shot, p.x, p.y), p.colour)) << p.x << "," << p.y << " frontend " << std::hex
                                                      << Rgb(*shot, p.x, p.y);
  }
}

// The game chosen for the preview against the frontend showing the same game selected: its
// snapshot, marquee and Custom picture from the configuration's folders, its texts from the
// list; a game without pictures shows what the menu shows for a missing one; and the sample
// comes back whole, the template's Custom picture with it.
TEST_F(PreviewMatchesFrontend, ChosenGameShowsWhatTheMenuShowsForIt) {
  Install("MarqueesDir=.\\media\\marquees\r\nCustom1Dir=.\\media\\custom1\r\nLastGame=pac\r\n",
          "[pac]\r\nFullName=Pac\r\nInfos1=Namco 1980 WWWW\r\n[gal]\r\nFullName=Gal\r\nInfos1=1979\r\n",
          "Marquee_visible=YES\r\nMarquee_left=140\r\nMarquee_top=20\r\nMarquee_width=100\r\nMarquee_height=40\r\n"
          "Marquee_Stretch=2\r\nCustom1_visible=YES\r\nCustom1_left=140\r\nCustom1_top=70\r\nCustom1_width=60\r\n"
          "Custom1_height=40\r\nCustom1_Stretch=2\r\nInfo1_visible=YES\r\nInfo1_left=20\r\nInfo1_top=150\r\n"
          "Info1_width=280\r\nInfo1_height=30\r\nInfo1_font_sizey=20\r\nInfo1_font_color=16777215\r\n");
  dir.Write("media/snap/pac.png", SolidPng(32, 32, 0xE02020));
  dir.Write("media/marquees/pac.png", SolidPng(32, 8, 0x2020E0));
  dir.Write("media/custom1/pac.png", SolidPng(16, 16, 0xE020E0));
  dir.Write("Templates/Shot/missingMarquee.png", SolidPng(16, 16, 0xE0E020));
  dir.Write("Templates/Shot/Custom1.png", SolidPng(16, 16, 0x808080));
  const auto shot = FrontendShot(dir);
  ASSERT_TRUE(shot);
  ASSERT_EQ(std::make_pair(shot->width, shot->height), std::make_pair(320, 240));

  ASSERT_NO_FATAL_FAILURE(OpenShot());
  page->SelectObject(cfg::kEdBackGround);  // no selection frame
  auto* games = window->findChild<QComboBox*>("id1204");
  ASSERT_TRUE(games);
  ASSERT_EQ(games->count(), 3);  // the sample, then the games in the menu's order
  cfg::PreviewWindow* preview = page->preview();
  const auto show = [&](const char* item) {
    EXPECT_TRUE(page->ChoosePreviewGame(games->findText(QString::fromUtf8(item))));
    preview->DrawNow();
    return preview->image().copy();
  };
  // The text pixels (bright) of the Info1 box: the glyphs may sit a pixel apart, their
  // count may not.
  const auto textPixels = [](auto colourAt) {
    int bright = 0;
    for (int y = 145; y < 185; ++y)
      for (int x = 15; x < 305; ++x) bright += (colourAt(x, y) & 0xFF) > 0xC0;
    return bright;
  };
  const int frontendText = textPixels([&](int x, int y) { return Rgb(*shot, x, y); });
  ASSERT_GT(frontendText, 100);
  const struct {
    const char* item;
    std::uint32_t snap, marquee, custom;
  } cases[] = {{"Pac", 0xE02020, 0x2020E0, 0xE020E0},
               {"Gal", 0x20E040, 0xE0E020, 0x404080},  // no pictures: the missing ones, no Custom picture
               {"(Exemple)", 0x20E040, 0xE0E020, 0x808080},
               {"Pac", 0xE02020, 0x2020E0, 0xE020E0}};
  for (const auto& c : cases) {
    const QImage drawn = show(c.item);
    for (const auto& [x, y, colour] : {std::tuple{25, 25, c.snap}, std::tuple{115, 95, c.snap},
                                       std::tuple{145, 25, c.marquee}, std::tuple{235, 55, c.marquee},
                                       std::tuple{145, 75, c.custom}, std::tuple{195, 105, c.custom}})
      EXPECT_TRUE(Near(drawn.pixel(x, y) & 0xFFFFFF, colour))
          << c.item << " " << x << "," << y << " " << std::hex << (drawn.pixel(x, y) & 0xFFFFFF);
    // Pac is the frontend's selection: the same text; the others show texts of their own.
    const int previewText = textPixels([&](int x, int y) { return drawn.pixel(x, y) & 0xFFFFFF; });
    if (std::string(c.item) == "Pac") {
      EXPECT_NEAR(previewText, frontendText, frontendText / 20) << c.item;
      for (const auto& [x, y, colour] : {std::tuple{25, 25, c.snap}, std::tuple{145, 25, c.marquee},
                                         std::tuple{145, 75, c.custom}})
        EXPECT_TRUE(Near(Rgb(*shot, x, y), colour)) << "frontend " << x << "," << y;
    } else {
      EXPECT_LT(previewText, frontendText * 2 / 3) << c.item;
    }
  }
}

}  // namespace
