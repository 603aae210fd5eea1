#include "configurator/layouteditor/ui/preview_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cmath>

#include "configurator/layouteditor/object_nudge.h"
#include "configurator/layouteditor/object_numbering.h"
#include "configurator/layouteditor/preview_zoom.h"
#include "configurator/widgets/page.h"
#include "platform/clock.h"

namespace cfg {
namespace {

constexpr std::uint32_t kStillLayoutWait = 1000;  // what the clocks give when none runs

}  // namespace

DragHandle HandleAt(const SelectionFrame& f, int x, int y, int slack) {
  const auto near = [slack](int a, int edge) { return a >= edge - slack && a <= edge + slack; };
  if ((near(x, f.left) || near(x, f.right)) && y >= f.top && y <= f.bottom)
    return near(x, f.left) ? DragHandle::kLeftEdge : DragHandle::kRightEdge;
  if ((near(y, f.top) || near(y, f.bottom)) && x >= f.left && x <= f.right)
    return near(y, f.top) ? DragHandle::kTopEdge : DragHandle::kBottomEdge;
  if (x < f.left || x > f.right || y < f.top || y > f.bottom) return DragHandle::kNone;
  return DragHandle::kWholeFrame;
}

int PickObject(const EditorLayout& layout, int x, int y) {
  const auto drawOrder = EditorDrawOrder(layout);
  int found = -1;
  long long best = LLONG_MAX;
  for (int slot = kEditorObjectCount - 1; slot >= 0; --slot) {
    const int e = drawOrder[slot];
    if (e <= kEdBackGround) continue;
    const EditorObject& o = layout.objects[e];
    if (!o.visible) continue;
    if (x < o.left || x > o.left + o.width || y < o.top || y > o.top + o.height) continue;
    const long long area = (long long)o.width * o.height;
    if (area < best) {
      best = area;
      found = e;
    }
  }
  return found;
}

PreviewWindow::PreviewWindow(EditorSession& editor, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      editor_(editor) {
  setObjectName("preview");
  setWindowTitle(QString::fromStdString(Caption()));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  SizeToLayout();
}

void PreviewWindow::Rebuild(bool newLayout) {
  const int w = std::max(editor_.layout.Width(), 1), h = std::max(editor_.layout.Height(), 1);
  if (!renderer_.DeviceOpen() || image_.width() != w || image_.height() != h) renderer_.OpenDevice(w, h);
  image_ = QImage(w, h, QImage::Format_RGBA8888);
  image_.fill(Qt::black);
  Follow();
  renderer_.LoadTemplate(editor_.installDirectory, editor_.templateName, newLayout);
  SizeToLayout();
  RequestRedraw();
}

void PreviewWindow::SizeToLayout() {
  const int w = std::max(editor_.layout.Width(), 1), h = std::max(editor_.layout.Height(), 1);
  QScreen* screen = owner_ && owner_->screen() ? owner_->screen() : QGuiApplication::primaryScreen();
  const QRect desktop = screen ? screen->geometry() : QRect();
  const QRect area = screen ? screen->availableGeometry() : QRect();
  dpr_ = screen ? screen->devicePixelRatio() : 1.0;
  constexpr int kTitleRoom = 40;
  zoom_ = area.isEmpty() ? 100 : FitPercent(w, h, area.width(), area.height() - kTitleRoom, dpr_);
  const int shownW = WindowExtent(w, zoom_, dpr_), shownH = WindowExtent(h, zoom_, dpr_);
  const QString title = zoom_ < 100 ? QStringLiteral("%1 - %2 %").arg(QString::fromStdString(Caption())).arg(zoom_)
                                    : QString::fromStdString(Caption());
  setWindowTitle(title);
  if (width() == shownW && height() == shownH && minimumSize() == maximumSize() && placedOn_ == screen) return;
  placedOn_ = screen;
  // A layout exactly as large as the screen leaves no room for a frame: show it bare.
  const bool bare = zoom_ == 100 && !desktop.isEmpty() &&
                    (shownW >= desktop.width() || shownH + kTitleRoom >= desktop.height());
  const bool shown = isVisible();
  setWindowFlag(Qt::FramelessWindowHint, bare);  // this hides the window
  if (screen && screen != this->screen()) setScreen(screen);
  setFixedSize(shownW, shownH);
  const int frameWidth = frameGeometry().width() > shownW ? frameGeometry().width() : shownW;
  const QPoint origin = area.isEmpty() ? QPoint() : area.topLeft();
  move(bare ? desktop.topLeft() : origin + QPoint(std::max(0, area.width() / 2 - frameWidth / 2), zoom_ < 100 ? 0 : 20));
  if (shown) show();
}

QPoint PreviewWindow::ToLayout(QPointF p) const {
  return {LayoutPixelAt(p.x(), zoom_, dpr_), LayoutPixelAt(p.y(), zoom_, dpr_)};
}

void PreviewWindow::ResetClocks() {
  Follow();
  renderer_.ResetClocks(platform::GetTickCount());
  changed_ = true;
  ArmTimer();
}

void PreviewWindow::ResetPictureScroll() {
  const std::uint32_t now = platform::GetTickCount();
  Follow();
  renderer_.ResetPictureScroll(now);
  // A picture the reset stopped is back at its origin: that is a new frame too.
  renderer_.RedrawAt(now);
  changed_ = true;
  ArmTimer();
}

void PreviewWindow::LayOutScrollText() {
  Follow();
  renderer_.LayOutScrollText();
}

void PreviewWindow::SetScrollText(const std::string& text) {
  Follow();
  renderer_.SetScrollText(text);
}

void PreviewWindow::ShowGame(const PreviewGames* games, int position) {
  renderer_.ShowGame(games, position);
  RequestRedraw();
}

void PreviewWindow::RequestRedraw() {
  Follow();
  renderer_.RedrawAt(platform::GetTickCount());
  changed_ = true;
  ArmTimer();
}

void PreviewWindow::SetActive(bool active) {
  active_ = active;
  if (active)
    ArmTimer();
  else
    timer_.stop();
}

void PreviewWindow::ArmTimer() {
  if (!active_) return;
  const std::int32_t wait = static_cast<std::int32_t>(renderer_.nextRedraw() - platform::GetTickCount());
  timer_.start(std::clamp(wait, 0, 1000000));
}

void PreviewWindow::Tick() {
  if (!active_) return;
  const std::uint32_t now = platform::GetTickCount();
  if (static_cast<std::int32_t>(now - renderer_.nextRedraw()) >= 0) {
    renderer_.AdvanceClocks(now);
    // With no clock running and nothing changed the frame would be the same as the last:
    // a still layout draws nothing until it changes.
    if (changed_ || renderer_.nextRedraw() != now + kStillLayoutWait) Draw();
  }
  ArmTimer();
}

void PreviewWindow::DrawNow() {
  Follow();
  Draw();
}

void PreviewWindow::Draw() {
  changed_ = false;
  frame_ = SelectionFrameOf(editor_.layout, editor_.selected);
  const std::vector<std::uint8_t> pixels = renderer_.DrawFrame(frame_);
  const std::size_t bytes = std::size_t(image_.width()) * std::size_t(image_.height()) * 4;
  if (pixels.size() == bytes && !image_.isNull()) {
    for (int y = 0; y < image_.height(); ++y)
      std::copy_n(pixels.data() + std::size_t(y) * std::size_t(image_.width()) * 4, std::size_t(image_.width()) * 4,
                  image_.scanLine(y));
    ++framesDrawn_;
  }
  update();
}

void PreviewWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The target in logical pixels covers exactly the device pixels the layout is shown on:
  // at 100 % each layout pixel lands on one device pixel, unsmoothed.
  const QRectF target(0, 0, ShownExtent(image_.width(), zoom_) / dpr_, ShownExtent(image_.height(), zoom_) / dpr_);
  if (zoom_ < 100) painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image_);
}

void PreviewWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ToLayout(event->position());
  if (pointerMoved) pointerMoved(p.x(), p.y());
  if (!buttonDown_) {
    if (!frame_.present) return;
    handle_ = HandleAt(frame_, p.x(), p.y(), EdgeSlack(zoom_, dpr_));
    static const Qt::CursorShape kShapes[] = {Qt::ArrowCursor,   Qt::SizeHorCursor, Qt::SizeHorCursor,
                                              Qt::SizeVerCursor, Qt::SizeVerCursor, Qt::SizeAllCursor};
    setCursor(kShapes[int(handle_)]);
    return;
  }
  DragTo(p.x(), p.y());
}

void PreviewWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint p = ToLayout(event->position());
  if (event->button() == Qt::LeftButton) {
    if (handle_ != DragHandle::kNone && !buttonDown_) {
      grab_ = {p.x() - frame_.left, p.y() - frame_.top};
      buttonDown_ = true;
    }
  } else if (event->button() == Qt::RightButton) {
    const int picked = PickObject(editor_.layout, p.x(), p.y());
    if (picked >= 0 && objectPicked) objectPicked(picked);
  }
}

void PreviewWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool dragged = buttonDown_;
  buttonDown_ = false;
  handle_ = DragHandle::kNone;
  if (dragged && editFinished) editFinished();
}

void PreviewWindow::DragTo(int x, int y) {
  // A pointer left of or above the window is outside the layout: the frame waits for it.
  if (!frame_.present || x < 0 || y < 0 || x > editor_.layout.Width() || y > editor_.layout.Height()) return;
  if (QPoint(x, y) == last_) return;
  SelectionFrame& f = frame_;
  switch (handle_) {
    case DragHandle::kLeftEdge:
      if (f.right - x > 1) f.left = x;
      break;
    case DragHandle::kRightEdge:
      if (x - f.left > 1) f.right = x;
      break;
    case DragHandle::kTopEdge:
      if (f.bottom - y > 1) f.top = y;
      break;
    case DragHandle::kBottomEdge:
      if (y - f.top > 1) f.bottom = y;
      break;
    case DragHandle::kWholeFrame: {
      // An object left outside by a lower resolution comes back in, never goes further out.
      const int w = f.right - f.left, h = f.bottom - f.top;
      const int left = KeptPosition(f.left, x - grab_.x(), w, editor_.layout.Width());
      const int top = KeptPosition(f.top, y - grab_.y(), h, editor_.layout.Height());
      // The grab point slides where the frame stops, so moving back moves it at once.
      grab_ = {x - left, y - top};
      f = {left, top, left + w, top + h, true};
      break;
    }
    case DragHandle::kNone:
      return;
  }
  last_ = {x, y};
  WriteFrameBack();
  DrawNow();
}

void PreviewWindow::WriteFrameBack() {
  const int index = editor_.selected;
  if (index <= kEdBackGround || index >= kEditorObjectCount) return;
  EditorObject& o = editor_.layout.objects[index];
  const int oldWidth = o.width;
  o.left = frame_.left;
  o.top = frame_.top;
  o.width = frame_.right - frame_.left;
  o.height = frame_.bottom - frame_.top;
  if (index == kEdScrollText && o.width != oldWidth) LayOutScrollText();
  if (frameMoved) frameMoved();
}

bool PreviewWindow::event(QEvent* event) {
  // Tab walks the objects here instead of moving the keyboard focus.
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      const bool backward = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
      const int next = NextInDrawOrder(editor_.layout, editor_.selected, backward);
      if (next != editor_.selected && objectPicked) objectPicked(next);
      return true;
    }
  }
  return QWidget::event(event);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
  int dx = 0, dy = 0;
  switch (event->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
  const int index = editor_.selected;
  const bool resize = event->modifiers() & Qt::AltModifier;
  if (buttonDown_ || index <= kEdBackGround || index >= kEditorObjectCount) return;
  const int oldWidth = editor_.layout.objects[index].width;
  if (!NudgeObject(editor_.layout, index, dx * step, dy * step, resize)) return;
  if (index == kEdScrollText && editor_.layout.objects[index].width != oldWidth) LayOutScrollText();
  if (frameMoved) frameMoved();
  DrawNow();
  if (editFinished) editFinished();
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
  // The preview lives as long as the editor page; its close box asks to quit.
  event->ignore();
  if (closeRequested) closeRequested();
}

}  // namespace cfg
