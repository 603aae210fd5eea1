// The preview drawn by the frontend's drawing code from the editor's model, and the mouse
// editing on it: pixels probed where the model says the objects are.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/ui/preview_window.h"
#include "platform/clock.h"
#include "render/animation_clock.h"
#include "platform/image.h"
#include "render/render_state.h"
#include "solid_png.h"
#include "ui_fixture.h"

using render::LayoutObject;
using render::kCustom1;

namespace {

constexpr std::uint32_t kGrey = 0x404040, kGreen = 0x00FF00, kBlue = 0x0000FF, kRed = 0xFF0000;

using testfiles::SolidPng;

bool Near(QRgb actual, std::uint32_t expected) {
  const int d[3] = {qRed(actual) - int(expected >> 16 & 255), qGreen(actual) - int(expected >> 8 & 255),
                    qBlue(actual) - int(expected & 255)};
  return std::abs(d[0]) <= 10 && std::abs(d[1]) <= 10 && std::abs(d[2]) <= 10;
}

class PreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::App();
    platform::RecordMessageBoxes();
    dir.Write("Templates/T/Layout.cfg",
              "RESOLUTIONX=200\r\nRESOLUTIONY=150\r\nBackGround_visible=YES\r\nBackGround_Ordre=1\r\nCustom6_Ordre=15\r\n"
              "Snap_visible=YES\r\nSnap_left=10\r\nSnap_top=10\r\nSnap_width=40\r\nSnap_height=30\r\nSnap_Stretch=2\r\n"
              "Marquee_visible=YES\r\nMarquee_left=30\r\nMarquee_top=20\r\nMarquee_width=20\r\nMarquee_height=20\r\n"
              "Marquee_Stretch=2\r\n");
    dir.Write("Templates/T/layout.png", SolidPng(200, 150, kGrey));
    dir.Write("Templates/T/missingSnapShot.png", SolidPng(8, 8, kGreen));
    dir.Write("Templates/T/missingMarquee.png", SolidPng(8, 8, kBlue));
    editor.installDirectory = dir.path();
    preview = std::make_unique<cfg::PreviewWindow>(editor);
    editor.hooks.rebuildPreview = [this] { preview->Rebuild(); };
    ASSERT_EQ(cfg::LoadTemplate(editor, "T", {4000, 4000}), 1);
  }
  void TearDown() override {
    preview.reset();
    platform::SetMessageBoxSink({});
  }
  QRgb At(int x, int y) {
    preview->DrawNow();
    return preview->image().pixel(x, y);
  }
  cfg::EditorObject& Object(int index) { return editor.layout.objects[index]; }

  TempDir dir;
  cfg::EditorSession editor;
  std::unique_ptr<cfg::PreviewWindow> preview;
};

#define EXPECT_RGB(actual, expected) EXPECT_TRUE(Near(actual, expected)) << std::hex << (actual & 0xFFFFFF)

TEST_F(PreviewTest, DrawsTheModelAsItStands) {
  EXPECT_EQ(preview->image().size(), QSize(200, 150));
  EXPECT_RGB(At(15, 15), kGreen);
  EXPECT_RGB(At(120, 100), kGrey);

  // Moved in the model: drawn at the new place, and the old place shows the background.
  Object(cfg::kEdSnap).left = 110;
  EXPECT_RGB(At(15, 15), kGrey);
  EXPECT_RGB(At(115, 15), kGreen);

  // Hidden: not drawn.
  Object(cfg::kEdSnap).visible = 0;
  EXPECT_RGB(At(115, 15), kGrey);
}

TEST_F(PreviewTest, HigherOrderIsInFront) {
  // Snap (order 12 by default) over Marquee (11) where they overlap.
  EXPECT_RGB(At(40, 30), kGreen);
  Object(cfg::kEdMarquee).order = 12;
  Object(cfg::kEdSnap).order = 11;
  EXPECT_RGB(At(40, 30), kBlue);
  EXPECT_RGB(At(15, 15), kGreen);
  // Two objects with one order are both drawn, as the frontend draws them.
  Object(cfg::kEdSnap).order = 12;
  EXPECT_RGB(At(15, 15), kGreen);
}

TEST_F(PreviewTest, OutlineSurroundsTheSelectedObject) {
  editor.selected = cfg::kEdSnap;  // 10,10 .. 50,40
  for (auto [x, y] : {std::pair{10, 10}, {11, 11}, {50, 40}, {49, 39}, {30, 10}, {10, 25}}) EXPECT_RGB(At(x, y), kRed);
  EXPECT_RGB(At(12, 12), kGreen);
  EXPECT_RGB(At(9, 9), kGrey);
  EXPECT_RGB(At(51, 41), kGrey);
  // Neither the background nor a hidden object is outlined.
  editor.selected = cfg::kEdBackGround;
  EXPECT_RGB(At(10, 10), kGreen);
}

TEST_F(PreviewTest, RightClickPicksTheSmallestObjectUnderThePointer) {
  preview->show();
  int picked = -1;
  preview->objectPicked = [&](int index) { picked = index; };
  QTest::mouseClick(preview.get(), Qt::RightButton, {}, QPoint(40, 30));
  EXPECT_EQ(picked, cfg::kEdMarquee);
  QTest::mouseClick(preview.get(), Qt::RightButton, {}, QPoint(15, 15));
  EXPECT_EQ(picked, cfg::kEdSnap);
  picked = -1;
  QTest::mouseClick(preview.get(), Qt::RightButton, {}, QPoint(150, 120));  // background only
  EXPECT_EQ(picked, -1);
}

TEST_F(PreviewTest, DragMovesAndResizesTheSelectedObject) {
  preview->show();
  editor.selected = cfg::kEdSnap;
  preview->DrawNow();
  int moves = 0;
  preview->frameMoved = [&] { ++moves; };
  auto drag = [&](QPoint from, QPoint to, bool release = true) {
    QTest::mouseMove(preview.get(), from);
    QTest::mousePress(preview.get(), Qt::LeftButton, {}, from);
    // One pixel at a time, as a hand moves it.
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int i = 1; i <= steps; ++i)
      QTest::mouseMove(preview.get(), from + (to - from) * i / steps);
    if (release) QTest::mouseRelease(preview.get(), Qt::LeftButton, {}, to);
  };
  drag({20, 20}, {60, 50});  // inside: the whole frame
  EXPECT_EQ(Object(cfg::kEdSnap).left, 50);
  EXPECT_EQ(Object(cfg::kEdSnap).top, 40);
  EXPECT_EQ(Object(cfg::kEdSnap).width, 40);
  EXPECT_GT(moves, 0);
  EXPECT_RGB(preview->image().pixel(60, 50), kGreen);

  drag({90, 50}, {120, 50});  // the right edge, to the pixel
  EXPECT_EQ(Object(cfg::kEdSnap).width, 70);
  drag({50, 55}, {10, 55});   // the left edge
  EXPECT_EQ(Object(cfg::kEdSnap).left, 10);
  EXPECT_EQ(Object(cfg::kEdSnap).width, 110);
  drag({60, 70}, {60, 100});  // the bottom edge
  EXPECT_EQ(Object(cfg::kEdSnap).height, 60);
  // The right edge dragged past the left one stops 2 pixels from it.
  drag({120, 60}, {0, 60});
  EXPECT_EQ(Object(cfg::kEdSnap).width, 2);
  // The whole frame pushed beyond the layout stays inside it.
  Object(cfg::kEdSnap).width = 40;
  preview->DrawNow();
  drag({20, 50}, {199, 50}, false);
  EXPECT_EQ(Object(cfg::kEdSnap).left, 160);
  // Back to the left: the frame follows at once, the grab point having slid.
  QTest::mouseMove(preview.get(), {198, 50});
  QTest::mouseRelease(preview.get(), Qt::LeftButton, {}, {198, 50});
  EXPECT_EQ(Object(cfg::kEdSnap).left, 159);
}

// An object half outside the layout (its resolution lowered) is dragged back in, never further out.
TEST_F(PreviewTest, AnObjectOutsideTheLayoutIsDraggedBackIn) {
  preview->show();
  editor.selected = cfg::kEdSnap;
  Object(cfg::kEdSnap).left = 170;  // 10 pixels past the right edge
  preview->DrawNow();
  const auto send = [this](QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), preview->mapToGlobal(QPointF(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(preview.get(), &e);
  };
  send(QEvent::MouseMove, {180, 20}, Qt::NoButton, Qt::NoButton);
  send(QEvent::MouseButtonPress, {180, 20}, Qt::LeftButton, Qt::LeftButton);
  const struct {
    int x, left;
  } steps[] = {{185, 170}, {180, 165}, {175, 160}, {190, 160}, {189, 159}, {150, 120}};
  for (const auto& s : steps) {
    send(QEvent::MouseMove, {s.x, 20}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Object(cfg::kEdSnap).left, s.left) << s.x;
  }
  send(QEvent::MouseButtonRelease, {150, 20}, Qt::LeftButton, Qt::NoButton);
}

// A layout larger than the screen is shown scaled to fit; the mouse works in layout pixels.
TEST_F(PreviewTest, ALayoutLargerThanTheScreenIsZoomedToFit) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const int w = area.width() * 2, h = area.height() * 2;
  dir.Write("Templates/Big/Layout.cfg", "RESOLUTIONX=" + std::to_string(w) + "\r\nRESOLUTIONY=" + std::to_string(h) +
                                            "\r\nSnap_visible=YES\r\nSnap_left=400\r\nSnap_top=200\r\n"
                                            "Snap_width=400\r\nSnap_height=300\r\n");
  ASSERT_EQ(cfg::LoadTemplate(editor, "Big", {100000, 100000}), 1);
  const int percent = preview->zoomPercent();
  ASSERT_LT(percent, 50);
  EXPECT_EQ(preview->size(), QSize(w * percent / 100, h * percent / 100));
  EXPECT_TRUE(preview->windowTitle().endsWith(QStringLiteral(" - %1 %").arg(percent)));
  EXPECT_EQ(preview->image().size(), QSize(w, h));  // drawn at full size

  preview->show();
  int picked = -1;
  preview->objectPicked = [&](int index) { picked = index; };
  const auto send = [this](QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), preview->mapToGlobal(QPointF(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(preview.get(), &e);
  };
  const auto window = [percent](int layoutPixel) { return layoutPixel * percent / 100; };
  send(QEvent::MouseButtonPress, {window(600), window(350)}, Qt::RightButton, Qt::RightButton);
  EXPECT_EQ(picked, cfg::kEdSnap);
  editor.selected = cfg::kEdSnap;
  preview->DrawNow();
  // The left edge, caught though no window pixel falls on it exactly, dragged 100 layout pixels.
  send(QEvent::MouseMove, {window(400) + 1, window(350)}, Qt::NoButton, Qt::NoButton);
  ASSERT_EQ(preview->handle(), cfg::DragHandle::kLeftEdge);
  send(QEvent::MouseButtonPress, {window(400) + 1, window(350)}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, {window(300), window(350)}, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {window(300), window(350)}, Qt::LeftButton, Qt::NoButton);
  EXPECT_NEAR(Object(cfg::kEdSnap).left, 300, 100 / percent + 1);
  EXPECT_EQ(Object(cfg::kEdSnap).left + Object(cfg::kEdSnap).width, 800);
}

TEST_F(PreviewTest, TimerIsArmedOnlyWhileActiveAndOnlyForTheNextDueRedraw) {
  preview->ResetClocks();
  EXPECT_FALSE(preview->TimerArmed());
  preview->SetActive(true);
  EXPECT_TRUE(preview->TimerArmed());
  const int before = preview->framesDrawn();
  QTest::qWait(50);
  EXPECT_GE(preview->framesDrawn(), before + 1);
  // Still layout: the next redraw is a second away, not on every pass.
  const std::int32_t wait = std::int32_t(preview->nextRedraw() - platform::GetTickCount());
  EXPECT_GT(wait, 800);
  EXPECT_LE(wait, 1000);
  // ... and then it draws nothing: the picture has not changed.
  const int drawn = preview->framesDrawn();
  QTest::qWait(1100);
  EXPECT_EQ(preview->framesDrawn(), drawn);
  preview->RequestRedraw();
  QTest::qWait(30);
  EXPECT_EQ(preview->framesDrawn(), drawn + 1);
  preview->SetActive(false);
  EXPECT_FALSE(preview->TimerArmed());
}

TEST_F(PreviewTest, PictureScrollClampsSpeedAndSkipsEmptySides) {
  auto& custom = Object(cfg::kEdCustom1);
  custom.visible = 1;
  custom.width = 0;
  custom.height = 10;
  custom.scrollSpeedX = 50;  // beyond the range a file can still bring
  custom.scrollSpeedY = -1;
  cfg::PreviewRenderer& renderer = preview->renderer();
  renderer.Follow(editor.layout);
  renderer.ResetPictureScroll(1000);
  EXPECT_EQ(renderer.records().clocks.pictureScroll[0][0].period, 5u);   // as speed 10
  EXPECT_EQ(renderer.records().clocks.pictureScroll[0][1].period, 95u);  // speed 1
  renderer.AdvanceClocks(1000 + 95 * 3);
  const LayoutObject& drawn = renderer.drawn().objects[kCustom1];
  EXPECT_EQ(drawn.scrollU, 0.0f);  // a 0-pixel side does not move (no 1/0)
  EXPECT_NEAR(drawn.scrollV, -0.4f, 1e-5);  // four steps of -1/10
  EXPECT_EQ(renderer.nextRedraw(), 1000u + 95 * 3 + 5);
}

TEST_F(PreviewTest, SelectorPulsesBetweenItsBounds) {
  editor.layout.settings.selectorMinAlpha = 50;
  editor.layout.settings.selectorMaxAlpha = 250;
  cfg::PreviewRenderer& renderer = preview->renderer();
  renderer.Follow(editor.layout);
  renderer.ResetClocks(0);
  EXPECT_EQ(renderer.drawn().selectionAlpha, 50);
  int top = 0;
  for (std::uint32_t now = 0; now <= 1000; now += 50) {
    renderer.AdvanceClocks(now);
    top = std::max(top, renderer.drawn().selectionAlpha);
  }
  EXPECT_EQ(top, 250);
  for (std::uint32_t now = 1050; now <= 1950; now += 50) renderer.AdvanceClocks(now);
  EXPECT_LT(renderer.drawn().selectionAlpha, 70);
}

// Bounds made equal stop the pulse where the cabinet draws it: at the minimum.
TEST_F(PreviewTest, ASelectorWithEqualBoundsShowsItsMinimum) {
  editor.layout.settings.selectorMinAlpha = 50;
  editor.layout.settings.selectorMaxAlpha = 250;
  cfg::PreviewRenderer& renderer = preview->renderer();
  renderer.Follow(editor.layout);
  renderer.ResetClocks(0);
  for (std::uint32_t now = 0; now <= 500; now += 50) renderer.AdvanceClocks(now);
  ASSERT_GT(renderer.drawn().selectionAlpha, 100);
  editor.layout.settings.selectorMaxAlpha = 50;
  preview->RequestRedraw();
  for (std::uint32_t now = 550; now <= 700; now += 50) renderer.AdvanceClocks(now);
  EXPECT_EQ(renderer.drawn().selectionAlpha, 50);
}

// A picture stopped by stepping its speed to 0 is drawn back at its origin at once.
TEST_F(PreviewTest, AScrollStoppedAtZeroIsRedrawnAtItsOrigin) {
  auto& custom = Object(cfg::kEdCustom1);
  custom.visible = 1;
  custom.width = 40;
  custom.height = 30;
  custom.scrollSpeedX = 10;
  preview->ResetPictureScroll();
  preview->SetActive(true);
  QTest::qWait(100);
  ASSERT_NE(preview->renderer().drawn().objects[kCustom1].scrollU, 0.0f);
  custom.scrollSpeedX = 0;
  preview->ResetPictureScroll();
  const int frames = preview->framesDrawn();
  QTest::qWait(50);
  EXPECT_EQ(preview->renderer().drawn().objects[kCustom1].scrollU, 0.0f);
  EXPECT_GT(preview->framesDrawn(), frames);
  preview->SetActive(false);
}

TEST_F(PreviewTest, ListRowsSurviveAnyRowCount) {
  auto& list = Object(cfg::kEdList);
  list.visible = 1;
  list.width = 100;
  list.height = 100;
  for (int rows : {0, -3, 1, 50, 1000}) {
    editor.layout.settings.nbItems = rows;
    preview->DrawNow();
    EXPECT_FALSE(preview->image().isNull()) << rows;
  }
}

}  // namespace

// Each preview draws through records of its own: a second preview with another template
// changes nothing in the first, whichever draws last.
TEST_F(PreviewTest, TwoPreviewsDrawTheirOwnLayouts) {
  dir.Write("Templates/U/Layout.cfg",
            "RESOLUTIONX=200\r\nRESOLUTIONY=150\r\nBackGround_visible=YES\r\nBackGround_Ordre=1\r\n"
            "Snap_visible=YES\r\nSnap_left=110\r\nSnap_top=100\r\nSnap_width=40\r\nSnap_height=30\r\nSnap_Stretch=2\r\n");
  dir.Write("Templates/U/layout.png", SolidPng(200, 150, kRed));
  dir.Write("Templates/U/missingSnapShot.png", SolidPng(8, 8, kBlue));
  cfg::EditorSession other;
  other.installDirectory = dir.path();
  auto second = std::make_unique<cfg::PreviewWindow>(other);
  other.hooks.rebuildPreview = [&] { second->Rebuild(); };
  ASSERT_EQ(cfg::LoadTemplate(other, "U", {4000, 4000}), 1);
  auto secondAt = [&](int x, int y) {
    second->DrawNow();
    return second->image().pixel(x, y);
  };
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    EXPECT_RGB(At(15, 15), kGreen);
    EXPECT_RGB(At(120, 110), kGrey);
    EXPECT_RGB(secondAt(15, 15), kRed);
    EXPECT_RGB(secondAt(120, 110), kBlue);
  }
  second.reset();
  EXPECT_RGB(At(15, 15), kGreen);
}
