// The preview window: the layout drawn at one layout pixel per screen pixel, animated by
// a single-shot timer armed for the next due redraw while the editor page is shown, and
// the mouse editing of the selected object (drag to move, edges to resize, right click
// to pick the smallest object under the pointer) and by keys (arrows move by 1 pixel,
// with Shift by 10, with Alt they resize; Tab selects the next object in draw order).
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

class QScreen;

#include "configurator/layouteditor/editor_session.h"
#include "configurator/layouteditor/preview_renderer.h"

namespace cfg {

enum class DragHandle { kNone, kLeftEdge, kRightEdge, kTopEdge, kBottomEdge, kWholeFrame };

// The handle under the pointer for a frame (edges to the pixel, or within `slack` pixels
// of it on a scaled preview; on a corner the left or right edge wins).
DragHandle HandleAt(const SelectionFrame& frame, int x, int y, int slack = 0);
// The object a right click at (x, y) picks: the visible non-background object with the
// smallest area containing the point (edges included), scanning from the front; -1 none.
int PickObject(const EditorLayout& layout, int x, int y);

class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewWindow(EditorSession& editor, QWidget* parent = nullptr);

  // Device and pictures for the current template at the layout's size; the window takes
  // the layout's size. A new layout (a load, an import) starts with still pictures; the
  // same layout at a new resolution keeps their places.
  void Rebuild(bool newLayout = true);
  // Every call below follows the editor's layout as it stands: call them when an edit is
  // committed. The frames the clocks ask for draw what was last followed.
  void ResetClocks();
  void ResetPictureScroll();
  void LayOutScrollText();
  void SetScrollText(const std::string& text);
  // The game shown instead of the sample (nullptr: the sample); see PreviewRenderer::ShowGame.
  void ShowGame(const PreviewGames* games, int position);
  // The next redraw is due now.
  void RequestRedraw();
  // Animated and redrawn only while active.
  void SetActive(bool active);
  bool active() const { return active_; }
  // One frame drawn at once.
  void DrawNow();

  // The screen the preview opens on and fits: the one of `owner` (the editor page).
  void SetOwner(QWidget* owner) { owner_ = owner; }
  // Sized and placed for the layout on the owner's screen, at one layout pixel per device
  // pixel or scaled down to fit (the title gives the percent then).
  void SizeToLayout();
  // Layout pixels per device pixel in percent: 100, or less when the layout is larger
  // than the screen.
  int zoomPercent() const { return zoom_; }
  double devicePixelRatioUsed() const { return dpr_; }

  const QImage& image() const { return image_; }
  PreviewRenderer& renderer() { return renderer_; }
  std::uint32_t nextRedraw() const { return renderer_.nextRedraw(); }
  bool TimerArmed() const { return timer_.isActive(); }
  DragHandle handle() const { return handle_; }
  int framesDrawn() const { return framesDrawn_; }

  // A right click picked an object (editor numbering).
  std::function<void(int index)> objectPicked;
  // The pointer is over the layout at (x, y), in layout pixels.
  std::function<void(int x, int y)> pointerMoved;
  // A drag or a key changed the selected object's rectangle.
  std::function<void()> frameMoved;
  // A drag ended or a key moved the object: the editor records it as one step to undo.
  std::function<void()> editFinished;
  // The close box: the editor asks whether to quit.
  std::function<void()> closeRequested;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Tick();
  void Follow() { renderer_.Follow(editor_.layout); }
  void Draw();
  void ArmTimer();
  void DragTo(int x, int y);
  void WriteFrameBack();
  QPoint ToLayout(QPointF windowPoint) const;

  EditorSession& editor_;
  PreviewRenderer renderer_;
  QTimer timer_;
  QImage image_;
  bool active_ = false;
  bool changed_ = true;  // something was asked to show since the last frame
  int framesDrawn_ = 0;
  SelectionFrame frame_;
  DragHandle handle_ = DragHandle::kNone;
  bool buttonDown_ = false;
  QPoint grab_;
  QPoint last_{-1, -1};
  QWidget* owner_ = nullptr;
  int zoom_ = 100;
  double dpr_ = 1.0;  // of the screen the preview was sized for
  QScreen* placedOn_ = nullptr;
};

}  // namespace cfg
