// The preview on a scaled screen that is not the primary one: it opens on the screen of the
// configurator's window and shows one layout pixel per device pixel at 100 %. Qt takes its
// screens once per process, so the test runs itself again on two offscreen screens, the
// second at twice the pixel density.
#include <QComboBox>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "configurator/layouteditor/ui/layout_page.h"
#include "configurator/layouteditor/ui/preview_window.h"
#include "platform/image.h"
#include "ui_fixture.h"

namespace {

constexpr char kChildVariable[] = "ORV_PREVIEW_SCREEN_CHILD";

// One-pixel black and white checks: any scaling or smoothing of the picture shows.
std::string CheckerPng(int w, int h) {
  platform::Image image{w, h, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint8_t v = (x + y) % 2 ? 255 : 0;
      image.rgba.insert(image.rgba.end(), {v, v, v, 255});
    }
  const auto png = platform::EncodePng(image);
  return std::string(png.begin(), png.end());
}

TEST(PreviewOnScaledScreen, OpensOnTheWindowsScreenOneLayoutPixelPerDevicePixel) {
  if (std::getenv(kChildVariable)) GTEST_SKIP() << "the child runs the checks";
  TempDir dir;
  const std::string config = dir.Write(
      "screens.json",
      R"({"screens": [{"name": "plain", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "dpr": 1},
                      {"name": "scaled", "x": 1024, "y": 0, "width": 960, "height": 540, "logicalDpi": 96, "dpr": 2}]})");
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  const std::string log = dir / "child.log";
  const std::string command = std::string(kChildVariable) + "=1 QT_QPA_PLATFORM='offscreen:configfile=" + config +
                              "' '" + self + "' --gtest_filter='PreviewOnScaledScreen.Child' >'" + log + "' 2>&1";
  const int status = std::system(command.c_str());
  const std::string output = dir.Read("child.log");
  EXPECT_EQ(status, 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
}

TEST(PreviewOnScaledScreen, Child) {
  if (!std::getenv(kChildVariable)) GTEST_SKIP() << "run by OpensOnTheWindowsScreenOneLayoutPixelPerDevicePixel";
  uitest::App();
  platform::RecordMessageBoxes();
  const QList<QScreen*> screens = QGuiApplication::screens();
  ASSERT_EQ(screens.size(), 2);
  QScreen* scaled = screens[1];
  ASSERT_EQ(scaled->devicePixelRatio(), 2.0);

  TempDir dir;
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=T\r\nEmuBase=T\r\n");
  dir.Write("config/T/config.ini", "[Config]\r\nTemplateDir=Fine\r\n");
  dir.Write("Templates/Fine/Layout.cfg", "RESOLUTIONX=320\r\nRESOLUTIONY=240\r\nBackGround_visible=YES\r\n");
  dir.Write("Templates/Fine/layout.png", CheckerPng(320, 240));
  dir.Write("Templates/Wide/Layout.cfg", "RESOLUTIONX=3000\r\nRESOLUTIONY=1000\r\nBackGround_visible=YES\r\n");

  cfg::ConfigWindow window(dir.path());
  window.setScreen(scaled);
  window.move(scaled->geometry().topLeft() + QPoint(50, 50));
  window.show();
  auto* page = static_cast<cfg::LayoutPage*>(window.page(cfg::kLayoutPage));
  page->SetDesktopSource([] { return cfg::DesktopSize{4000, 4000}; });
  ASSERT_TRUE(window.SelectPage(cfg::kLayoutPage));
  // Opened on the window's screen, though the page was made before the window went there.
  EXPECT_EQ(page->preview()->screen(), scaled);
  ASSERT_TRUE(page->ChooseTemplateNamed("Fine"));
  page->SelectObject(cfg::kEdBackGround);
  cfg::PreviewWindow* preview = page->preview();
  preview->DrawNow();

  EXPECT_EQ(preview->screen(), scaled);
  EXPECT_TRUE(scaled->geometry().contains(preview->geometry().topLeft())) << preview->geometry().x();
  EXPECT_EQ(preview->zoomPercent(), 100);
  EXPECT_EQ(preview->windowTitle(), QStringLiteral("Configurateur Orvanel"));  // no percent at 100 %
  EXPECT_EQ(preview->size(), QSize(160, 120));  // logical pixels: 320 x 240 device pixels
  const QImage grabbed = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(grabbed.size(), QSize(320, 240));
  int differ = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) differ += (grabbed.pixel(x, y) & 0xFFFFFF) != ((x + y) % 2 ? 0xFFFFFFu : 0u);
  EXPECT_EQ(differ, 0);

  // Too wide for the scaled screen's 1920 device pixels: scaled down, the percent of device pixels shown.
  ASSERT_TRUE(page->ChooseTemplateNamed("Wide"));
  EXPECT_EQ(preview->zoomPercent(), 64);
  EXPECT_EQ(preview->windowTitle(), QStringLiteral("Configurateur Orvanel - 64 %"));
  EXPECT_EQ(preview->size(), QSize(960, 320));
  platform::SetMessageBoxSink({});
}

}  // namespace
