// The window "Configuration des touches" over the General page.
#pragma once

#include <QDialog>

#include <memory>

#include "configurator/pagemodel/key_capture.h"

class QKeyEvent;
class QPushButton;
class QTimer;

namespace cfg {

// The frontend's KeyCode of a key event: from its native scan code; where the platform
// gives none (offscreen, some Wayland setups) from the key itself on a US layout.
int KeyCodeOf(const QKeyEvent& event);

class KeyCaptureDialog : public QDialog {
  Q_OBJECT

 public:
  // Answers go straight into the key fields of `settings`; the dialog deletes itself when closed.
  KeyCaptureDialog(Settings& settings, QWidget* page);
  // Asks the key of kKeyPrompts[only] alone.
  KeyCaptureDialog(Settings& settings, std::size_t only, QWidget* page);
  ~KeyCaptureDialog() override;

  const KeyCapture& capture() const { return capture_; }
  QPushButton* noKeyButton() const { return noKey_; }

 signals:
  // An answer was stored.
  void Answered();

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  KeyCaptureDialog(const KeyCapture& capture, QWidget* page);
  void After(KeyCapture::Step step);

  KeyCapture capture_;
  QPushButton* noKey_;
  // The joysticks, open and looked at only while the dialog is.
  std::unique_ptr<platform::JoystickWatch> pads_;
  QTimer* padTimer_;
};

}  // namespace cfg
