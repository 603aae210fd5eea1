// The whole path of a layout edit: an object dragged in the preview and saved with
// "Enregistrer" is where the frontend's own screenshot tool draws it, and both agree on the
// template pictures' pixels.
#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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

TEST(PreviewMatchesFrontend, MovedObjectSavedIsWhereTheFrontendDrawsIt) {
  const std::string shotTool = std::string(ORV_BINARY_DIR) + "/tools/orvanel_shot/orvanel-shot";
  if (!std::filesystem::exists(shotTool)) GTEST_SKIP() << "orvanel-shot is not built";
  uitest::App();
  platform::RecordMessageBoxes();
  TempDir dir;
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=T\r\nEmuBase=T\r\nLargFen=320\r\nHautFen=240\r\n"
                                  "ModeFenetre=OUI\r\nTransitions=NO\r\n");
  dir.Write("config/T/config.ini", "[Config]\r\nTemplateDir=Shot\r\nSnapDir=.\\media\\snap\r\n"
                                   "FichierDescription=.\\config\\T\\T.txt\r\n");
  dir.Write("config/T/T.txt", "[pac]\r\nFullName=Pac\r\n");
  dir.Write("media/snap/none.txt", "");
  dir.Write("Templates/Shot/Layout.cfg",
            "RESOLUTIONX=320\r\nRESOLUTIONY=240\r\nBackGround_visible=YES\r\nBackGround_Ordre=1\r\n"
            "Custom6_Ordre=15\r\nSnap_visible=YES\r\nSnap_left=20\r\nSnap_top=20\r\nSnap_width=100\r\n"
            "Snap_height=80\r\nSnap_Stretch=2\r\n");
  dir.Write("Templates/Shot/layout.png", SolidPng(320, 240, 0x404080));
  dir.Write("Templates/Shot/missingSnapShot.png", SolidPng(16, 16, 0x20E040));

  cfg::ConfigWindow window(dir.path());
  window.show();
  auto* page = static_cast<cfg::LayoutPage*>(window.page(cfg::kLayoutPage));
  page->SetDesktopSource([] { return cfg::DesktopSize{4000, 4000}; });
  ASSERT_TRUE(window.SelectPage(cfg::kLayoutPage));
  ASSERT_TRUE(page->ChooseTemplateNamed("Shot"));
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
  window.findChild<QAction*>("id40002")->trigger();
  ASSERT_FALSE(page->IsModified());
  page->SelectObject(cfg::kEdBackGround);  // no selection frame in the comparison
  preview->DrawNow();
  const QImage& drawn = preview->image();

  const std::string out = dir / "shot.png";
  const std::string command = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" + shotTool + "' '" + dir.path() +
                              "' '" + out + "' >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const auto shot = platform::LoadImageFile(out, nullptr);
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
  platform::SetMessageBoxSink({});
}

}  // namespace
