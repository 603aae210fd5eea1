#include "configurator/pages/key_capture_dialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <linux/input-event-codes.h>

namespace cfg {
namespace {

struct QtKeyRow {
  int qtKey;
  int linuxKey;
};

// Where no native scan code comes with the event: the key's position on a US keyboard.
constexpr QtKeyRow kQtKeys[] = {
    {Qt::Key_Escape, KEY_ESC}, {Qt::Key_Tab, KEY_TAB}, {Qt::Key_Backtab, KEY_TAB},
    {Qt::Key_Backspace, KEY_BACKSPACE}, {Qt::Key_Return, KEY_ENTER}, {Qt::Key_Space, KEY_SPACE},
    {Qt::Key_Insert, KEY_INSERT}, {Qt::Key_Delete, KEY_DELETE}, {Qt::Key_Home, KEY_HOME},
    {Qt::Key_End, KEY_END}, {Qt::Key_PageUp, KEY_PAGEUP}, {Qt::Key_PageDown, KEY_PAGEDOWN},
    {Qt::Key_Left, KEY_LEFT}, {Qt::Key_Up, KEY_UP}, {Qt::Key_Right, KEY_RIGHT}, {Qt::Key_Down, KEY_DOWN},
    {Qt::Key_Shift, KEY_LEFTSHIFT}, {Qt::Key_Control, KEY_LEFTCTRL}, {Qt::Key_Alt, KEY_LEFTALT},
    {Qt::Key_AltGr, KEY_RIGHTALT}, {Qt::Key_CapsLock, KEY_CAPSLOCK}, {Qt::Key_Pause, KEY_PAUSE},
    {Qt::Key_0, KEY_0}, {Qt::Key_1, KEY_1}, {Qt::Key_2, KEY_2}, {Qt::Key_3, KEY_3}, {Qt::Key_4, KEY_4},
    {Qt::Key_5, KEY_5}, {Qt::Key_6, KEY_6}, {Qt::Key_7, KEY_7}, {Qt::Key_8, KEY_8}, {Qt::Key_9, KEY_9},
    {Qt::Key_A, KEY_A}, {Qt::Key_B, KEY_B}, {Qt::Key_C, KEY_C}, {Qt::Key_D, KEY_D}, {Qt::Key_E, KEY_E},
    {Qt::Key_F, KEY_F}, {Qt::Key_G, KEY_G}, {Qt::Key_H, KEY_H}, {Qt::Key_I, KEY_I}, {Qt::Key_J, KEY_J},
    {Qt::Key_K, KEY_K}, {Qt::Key_L, KEY_L}, {Qt::Key_M, KEY_M}, {Qt::Key_N, KEY_N}, {Qt::Key_O, KEY_O},
    {Qt::Key_P, KEY_P}, {Qt::Key_Q, KEY_Q}, {Qt::Key_R, KEY_R}, {Qt::Key_S, KEY_S}, {Qt::Key_T, KEY_T},
    {Qt::Key_U, KEY_U}, {Qt::Key_V, KEY_V}, {Qt::Key_W, KEY_W}, {Qt::Key_X, KEY_X}, {Qt::Key_Y, KEY_Y},
    {Qt::Key_Z, KEY_Z}, {Qt::Key_F1, KEY_F1}, {Qt::Key_F2, KEY_F2}, {Qt::Key_F3, KEY_F3},
    {Qt::Key_F4, KEY_F4}, {Qt::Key_F5, KEY_F5}, {Qt::Key_F6, KEY_F6}, {Qt::Key_F7, KEY_F7},
    {Qt::Key_F8, KEY_F8}, {Qt::Key_F9, KEY_F9}, {Qt::Key_F10, KEY_F10}, {Qt::Key_F11, KEY_F11},
    {Qt::Key_F12, KEY_F12}, {Qt::Key_Minus, KEY_MINUS}, {Qt::Key_Equal, KEY_EQUAL},
    {Qt::Key_Comma, KEY_COMMA}, {Qt::Key_Period, KEY_DOT}, {Qt::Key_Slash, KEY_SLASH},
    {Qt::Key_Semicolon, KEY_SEMICOLON}, {Qt::Key_Apostrophe, KEY_APOSTROPHE},
    {Qt::Key_BracketLeft, KEY_LEFTBRACE}, {Qt::Key_BracketRight, KEY_RIGHTBRACE},
    {Qt::Key_Backslash, KEY_BACKSLASH}, {Qt::Key_QuoteLeft, KEY_GRAVE}};

constexpr int kPadLookMs = 30;

}  // namespace

int KeyCodeOf(const QKeyEvent& event) {
  if (const int code = KeyCodeFromNativeScanCode(event.nativeScanCode())) return code;
  for (const QtKeyRow& row : kQtKeys)
    if (row.qtKey == event.key()) return platform::KeyCodeFromLinuxKey(row.linuxKey);
  return platform::kNoKey;
}

KeyCaptureDialog::KeyCaptureDialog(Settings& settings, QWidget* page)
    : KeyCaptureDialog(KeyCapture(settings), page) {}

KeyCaptureDialog::KeyCaptureDialog(Settings& settings, std::size_t only, QWidget* page)
    : KeyCaptureDialog(KeyCapture(settings, only), page) {}

KeyCaptureDialog::KeyCaptureDialog(const KeyCapture& capture, QWidget* page)
    : QDialog(page),
      capture_(capture),
      noKey_(new QPushButton(QCoreApplication::translate("cfg::KeyCaptureDialog", "Aucune touche"), this)),
      pads_(std::make_unique<platform::JoystickWatch>()),
      padTimer_(new QTimer(this)) {
  setWindowTitle(QCoreApplication::translate("cfg::KeyCaptureDialog", "Configuration des touches"));
  setObjectName(QStringLiteral("WinTouches"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::WindowModal);
  setFixedSize(350, 100);
  setFocusPolicy(Qt::StrongFocus);
  // The button must never take the keyboard: Enter and Space are keys to capture.
  noKey_->setFocusPolicy(Qt::NoFocus);
  noKey_->setAutoDefault(false);
  noKey_->setGeometry(125, 40, 100, 25);
  connect(noKey_, &QPushButton::clicked, this, [this] {
    After(capture_.AnswerNone());
    setFocus();
  });
  // A button, a hat or a stick answers as a key does.
  padTimer_->setInterval(kPadLookMs);
  connect(padTimer_, &QTimer::timeout, this, [this] {
    if (const auto push = pads_->Poll()) After(capture_.AnswerPad(*push));
  });
  padTimer_->start();
  if (page) {
    const QRect r = page->window()->frameGeometry();
    move(r.left() + r.width() / 2 - 175, r.top() + r.height() / 2 - 50);
  }
}

KeyCaptureDialog::~KeyCaptureDialog() = default;

bool KeyCaptureDialog::event(QEvent* e) {
  // Tab, Backtab, Esc and Enter are answers here, not focus moves or dialog commands.
  if (e->type() == QEvent::ShortcutOverride) {
    e->accept();
    return true;
  }
  if (e->type() == QEvent::KeyPress) {
    keyPressEvent(static_cast<QKeyEvent*>(e));
    return true;
  }
  return QDialog::event(e);
}

void KeyCaptureDialog::keyPressEvent(QKeyEvent* e) {
  e->accept();
  After(capture_.OnKeyDown(KeyCodeOf(*e), e->isAutoRepeat()));
}

void KeyCaptureDialog::keyReleaseEvent(QKeyEvent* e) {
  e->accept();
  if (e->isAutoRepeat()) return;
  After(capture_.OnKeyUp(KeyCodeOf(*e)));
}

void KeyCaptureDialog::focusOutEvent(QFocusEvent* e) {
  capture_.FocusLost();
  QDialog::focusOutEvent(e);
}

void KeyCaptureDialog::After(KeyCapture::Step step) {
  if (step != KeyCapture::Step::kIgnored) emit Answered();
  if (step == KeyCapture::Step::kDone)
    close();
  else if (step == KeyCapture::Step::kNext)
    update();
}

void KeyCaptureDialog::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  // Drawn on every paint (not once per key), above the button so the two never overlap.
  QPainter p(this);
  p.drawText(QRect(0, 10, 350, 26), Qt::AlignCenter, QString::fromStdString(capture_.Prompt()));
}

}  // namespace cfg
