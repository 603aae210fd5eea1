#include "configurator/listgen/ui/generator_dialog.h"
#include "configurator/listgen/ui/status_box.h"
#include "platform/debug_log.h"
#include "platform/message_box.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "test_cfg_ui";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
  return *qApp;
}

QDialog* TopDialog(const QString& title) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible() && d->windowTitle() == title) return d;
  return nullptr;
}

}  // namespace

TEST(GeneratorDialog, OpensOnceWithItsControlsAndClosesOnFermer) {
  App();
  QWidget page;
  cfg::OpenGeneratorDialog(&page, "/nowhere", {});
  QDialog* dialog = TopDialog(QString::fromUtf8("Création de listes de ROMS"));
  ASSERT_NE(dialog, nullptr);
  auto* emulator = dialog->findChild<QComboBox*>("emulator");
  ASSERT_NE(emulator, nullptr);
  EXPECT_EQ(emulator->count(), 1);
  EXPECT_EQ(emulator->currentText(), "MAME");
  auto* existingOnly = dialog->findChild<QCheckBox*>("existingOnly");
  ASSERT_NE(existingOnly, nullptr);
  EXPECT_TRUE(existingOnly->isChecked());
  EXPECT_EQ(existingOnly->text(), QString::fromUtf8("Uniquement les Roms existantes"));
  EXPECT_EQ(dialog->findChild<QPushButton*>("create")->text(), QString::fromUtf8("&Créer liste"));

  cfg::OpenGeneratorDialog(&page, "/nowhere", {});
  EXPECT_EQ(TopDialog(QString::fromUtf8("Création de listes de ROMS")), dialog) << "one dialog, brought to the front";

  dialog->findChild<QPushButton*>("close")->click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(TopDialog(QString::fromUtf8("Création de listes de ROMS")), nullptr);
}

TEST(GeneratorDialog, StatusBoxShowsTheTextAndClosesOnAnEmptyOne) {
  App();
  QWidget owner;
  cfg::ShowStatusBox("Récupération des roms en cours : 1 / 2", &owner);
  QDialog* box = TopDialog("Infos");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->findChild<QLabel*>()->text(), QString::fromUtf8("Récupération des roms en cours : 1 / 2"));
  cfg::ShowStatusBox("Création de la liste en cours ...", &owner);
  EXPECT_EQ(TopDialog("Infos"), box);
  cfg::ShowStatusBox("", &owner);
  EXPECT_EQ(TopDialog("Infos"), nullptr);
}

// "Arrêter" in the box tells the run once; the box itself stays until the run ends.
TEST(GeneratorDialog, StatusBoxStopButtonTellsTheRun) {
  App();
  QWidget owner;
  int stops = 0;
  cfg::ShowStatusBox("Création de la liste en cours ...", &owner, [&stops] { ++stops; });
  QDialog* box = TopDialog("Infos");
  ASSERT_NE(box, nullptr);
  auto* stop = box->findChild<QPushButton*>("stop");
  ASSERT_NE(stop, nullptr);
  EXPECT_EQ(stop->text(), QString::fromUtf8("Arrêter"));
  stop->click();
  stop->click();
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(TopDialog("Infos"), box);
  cfg::ShowStatusBox("", &owner);
  cfg::ShowStatusBox("Création de la liste en cours ...", &owner, [&stops] { stops += 10; });
  ASSERT_NE(TopDialog("Infos"), nullptr);
  TopDialog("Infos")->findChild<QPushButton*>("stop")->click();
  EXPECT_EQ(stops, 11) << "a new run's box calls the new run's stop";
  cfg::ShowStatusBox("", &owner);
}

// A missing ROM folder is said, naming it, before the owner is asked where the list goes.
TEST(GeneratorDialog, AMissingRomFolderIsRefusedBeforeTheFileDialog) {
  App();
  TempDir logDir;  // a box is written to the log too: one that can be written
  platform::SetLogDirectory(logDir.path());
  auto& messages = platform::RecordMessageBoxes();
  QWidget page;
  cfg::OpenGeneratorDialog(&page, "/nowhere",
                           [] { return cfg::GeneratorSources{"/usr/games/mame", "/nowhere/roms", "/nowhere/MAME.txt"}; });
  QDialog* dialog = TopDialog(QString::fromUtf8("Création de listes de ROMS"));
  ASSERT_NE(dialog, nullptr);
  bool asked = false;
  // Were the file dialog opened, it is closed at once: the test never waits on it.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&asked] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
        asked = true;
        d->reject();
      }
  });
  closer.start(20);
  dialog->findChild<QPushButton*>("create")->click();
  closer.stop();
  EXPECT_FALSE(asked);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].text.find("/nowhere/roms"), std::string::npos) << messages[0].text;
  dialog->findChild<QPushButton*>("close")->click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform::SetMessageBoxSink({});
}
