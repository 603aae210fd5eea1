// Widget tests: the real window on a test installation, Qt without a display, the
// platform's boxes answered from a script.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "configurator/config_window.h"
#include "platform/debug_log.h"
#include "platform/message_box.h"
#include "temp_dir.h"

namespace uitest {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "test_cfg_ui";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: tearing Qt down among the other static destructors crashes.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

class Installation : public ::testing::Test {
 protected:
  TempDir dir;
  std::unique_ptr<cfg::ConfigWindow> window;

  void SetUp() override {
    App();
    messages = &platform::RecordMessageBoxes();
    platform::SetLogDirectory(dir.path());
    dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Mame\r\nEmuBase=Mame\r\nLargFen=800\r\n"
                                    "ModeSortie=2\r\nAppSortie=halt\r\n");
    dir.Write("config/Mame/config.ini", "[Config]\r\nTemplateDir=Etoiles\r\nScrType=3\r\nRotation=2\r\n"
                                        "Custom3Dir=flyers\r\n");
    dir.Write("config/Neo/config.ini", "[Config]\r\nTemplateDir=Gone\r\n");
    dir.Write("Templates/Etoiles/Layout.cfg", "");
    dir.Write("Templates/Plain/Layout.cfg", "");
  }
  void TearDown() override {
    window.reset();
    platform::SetMessageBoxSink({});
    platform::SetQuestionSink({});
  }

  void Open() {
    window = std::make_unique<cfg::ConfigWindow>(dir.path());
    window->show();
  }
  template <class W = QWidget>
  W* Control(int id) const {
    return window->findChild<W*>(QStringLiteral("id%1").arg(id));
  }
  void Type(int id, const QString& text) {
    auto* edit = Control<QLineEdit>(id);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  std::vector<platform::RecordedMessage>* messages = nullptr;
};

}  // namespace uitest
