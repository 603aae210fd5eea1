#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <filesystem>

#include <linux/input-event-codes.h>

#include "configurator/pages/emus_page.h"
#include "configurator/pages/general_page.h"
#include "configurator/pagemodel/installation.h"
#include "configurator/pages/key_capture_dialog.h"
#include "configurator/pagemodel/key_capture.h"
#include "configurator/widgets/setting_text.h"
#include "ui_fixture.h"
#include "virtual_pad.h"

namespace {

using platform::Answer;
using uitest::Installation;

class PagesTest : public Installation {
 protected:
  cfg::KeyCaptureDialog* OpenCapture() {
    QTest::mouseClick(Control<QPushButton>(1045), Qt::LeftButton);
    return window->findChild<cfg::KeyCaptureDialog*>();
  }
  // A key as xcb delivers it: the X11 key code is the kernel's + 8.
  static void Press(QWidget* w, int linuxKey, Qt::Key key, bool release = true) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, quint32(linuxKey + 8), 0, 0);
    QApplication::sendEvent(w, &down);
    if (!release) return;
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, quint32(linuxKey + 8), 0, 0);
    QApplication::sendEvent(w, &up);
  }
};

TEST_F(PagesTest, KeyCaptureTakesDialogKeysAsKeys) {
  Open();
  cfg::KeyCaptureDialog* capture = OpenCapture();
  ASSERT_NE(capture, nullptr);
  EXPECT_EQ(capture->windowTitle(), "Configuration des touches");
  EXPECT_EQ(capture->size(), QSize(350, 100));
  const QPointer<cfg::KeyCaptureDialog> alive(capture);
  Press(capture, KEY_ESC, Qt::Key_Escape);      // Haut
  Press(capture, KEY_TAB, Qt::Key_Tab);         // Bas
  Press(capture, KEY_ENTER, Qt::Key_Return);    // Gauche
  Press(capture, KEY_SPACE, Qt::Key_Space);     // Droite
  ASSERT_TRUE(alive);
  EXPECT_TRUE(capture->isVisible());
  QTest::mouseClick(capture->noKeyButton(), Qt::LeftButton);  // Lancement
  Press(capture, KEY_LEFTALT, Qt::Key_Alt);     // Selection au hasard: Alt alone
  EXPECT_EQ(capture->capture().index(), 6u);
  capture->close();

  EXPECT_TRUE(window->generalPage()->IsModified());
  auto& asked = platform::ScriptQuestionAnswers({Answer::kYes});
  ASSERT_TRUE(window->SelectPage(cfg::kEmusPage));
  ASSERT_EQ(asked.size(), 1u);
  const std::string text = dir.Read("config/Orvanel.ini");
  for (const char* line : {"UpKey=2\r\n", "DownKey=30\r\n", "LeftKey=56\r\n", "RightKey=114\r\n",
                           "LaunchGameKey=0\r\n", "RandomGameKey=999\r\n", "MenuKey=58\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
}

// The table shows each action's key; one action is captured again alone, the others kept.
TEST_F(PagesTest, KeyTableShowsEachKeyAndChangesOneAlone) {
  dir.Write("config/Orvanel.ini", "[General]\r\nEmuBase=Mame\r\n[Touches]\r\nUpKey=656\r\nDownKey=672\r\n"
                                  "QuitKey=2\r\nMenuGenKey=999\r\nInfosKey=0\r\n");
  Open();
  auto* view = Control<QTableView>(1094);
  ASSERT_NE(view, nullptr);
  QAbstractItemModel* model = view->model();
  ASSERT_EQ(model->rowCount(), int(cfg::kKeyCount) + 4);  // the coin keys below the actions
  EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Touche");
  const struct {
    int row;
    const char* action;
    const char* key;
  } rows[] = {{0, "Haut", "Haut (656)"}, {1, "Bas", "Bas (672)"}, {7, "Menu principal", "Alt ou F10 seul (999)"},
              {8, "Infos", "Aucune"}, {12, "Quitter", "Échap (2)"}};
  for (const auto& r : rows) {
    EXPECT_EQ(model->index(r.row, 0).data().toString(), QString::fromUtf8(r.action)) << r.row;
    EXPECT_EQ(model->index(r.row, 1).data().toString(), QString::fromUtf8(r.key)) << r.row;
  }

  view->setCurrentIndex(model->index(12, 1));
  QTest::mouseClick(Control<QPushButton>(1095), Qt::LeftButton);
  cfg::KeyCaptureDialog* capture = window->findChild<cfg::KeyCaptureDialog*>();
  ASSERT_NE(capture, nullptr);
  const QPointer<cfg::KeyCaptureDialog> alive(capture);
  Press(capture, KEY_Q, Qt::Key_Q);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(alive);  // one answer closes it
  EXPECT_EQ(model->index(12, 1).data().toString(), "Q (32)");
  EXPECT_TRUE(window->generalPage()->IsModified());
  ASSERT_TRUE(window->generalPage()->Save());
  const std::string text = dir.Read("config/Orvanel.ini");
  for (const char* line : {"QuitKey=32\r\n", "UpKey=656\r\n", "DownKey=672\r\n", "MenuGenKey=999\r\n", "InfosKey=0\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;

  // A double click on a row asks that action; "Aucune touche" clears it.
  emit view->activated(model->index(0, 0));
  capture = window->findChild<cfg::KeyCaptureDialog*>();
  ASSERT_NE(capture, nullptr);
  EXPECT_EQ(capture->capture().Prompt(), "Appuyer sur la touche \"Haut\"");
  QTest::mouseClick(capture->noKeyButton(), Qt::LeftButton);
  EXPECT_EQ(model->index(0, 1).data().toString(), "Aucune");
  EXPECT_EQ(model->index(1, 1).data().toString(), "Bas (672)");
}

// The coin keys are shown, fixed: no capture is offered for them.
TEST_F(PagesTest, KeyTableShowsTheFixedCoinKeys) {
  dir.Write("config/Orvanel.ini", "[General]\r\nEmuBase=Mame\r\n[Manettes]\r\nCoin2Key=pad:B7\r\n");
  Open();
  auto* view = Control<QTableView>(1094);
  QAbstractItemModel* model = view->model();
  const struct {
    int row;
    const char* action;
    const char* key;
  } rows[] = {{16, "Pièce 1 (C1, fixe)", "5 (12)"}, {17, "Pièce 2 (C2, fixe)", "6 (14)"},
              {18, "Pièce 3 (C3, fixe)", "7 (16)"}, {19, "Pièce 4 (C4, fixe)", "8 (18)"}};
  for (const auto& r : rows) {
    EXPECT_EQ(model->index(r.row, 0).data().toString(), QString::fromUtf8(r.action)) << r.row;
    EXPECT_EQ(model->index(r.row, 1).data().toString(), QString::fromUtf8(r.key)) << r.row;
    EXPECT_FALSE(model->flags(model->index(r.row, 1)) & Qt::ItemIsSelectable) << r.row;
  }
  EXPECT_EQ(model->index(16, 2).data().toString(), "");
  emit view->activated(model->index(17, 0));
  window->generalPage()->CaptureKey(18);
  EXPECT_EQ(window->findChild<cfg::KeyCaptureDialog*>(), nullptr);
}

// Beside each key its joystick controls; the capture takes a pushed button as the answer
// ([Manettes]), and "Aucune touche" clears both.
TEST_F(PagesTest, KeyTableShowsJoystickControlsAndTheCaptureTakesAButton) {
  dir.Write("config/Orvanel.ini", "[General]\r\nEmuBase=Mame\r\n[Touches]\r\nUpKey=656\r\nDownKey=672\r\n"
                                  "[Manettes]\r\nDownKey=Croix 0 Bas\r\nQuitKey=Bouton 7 @ usb-1 ; Axe 1+\r\n");
  Open();
  auto* view = Control<QTableView>(1094);
  ASSERT_NE(view, nullptr);
  QAbstractItemModel* model = view->model();
  EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Manette");
  EXPECT_EQ(model->index(0, 2).data().toString(), "");
  EXPECT_EQ(model->index(1, 2).data().toString(), "Croix 0 Bas");
  EXPECT_EQ(model->index(12, 2).data().toString(), "Bouton 7, Axe 1+");

  emit view->activated(model->index(0, 0));  // "Haut"
  cfg::KeyCaptureDialog* capture = window->findChild<cfg::KeyCaptureDialog*>();
  ASSERT_NE(capture, nullptr);
  const QPointer<cfg::KeyCaptureDialog> alive(capture);
  ASSERT_GE(testpad::Attach("Capture pad"), 0) << SDL_GetError();
  QTest::qWait(150);  // the dialog finds the device
  SDL_Joystick* pad = SDL_JoystickOpen(SDL_NumJoysticks() - 1);
  SDL_JoystickSetVirtualButton(pad, 3, 1);
  for (int i = 0; i < 50 && alive; ++i) QTest::qWait(20);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(alive);
  testpad::Detach(pad);
  EXPECT_EQ(model->index(0, 2).data().toString(), "Bouton 3");
  EXPECT_EQ(model->index(0, 1).data().toString(), "Haut (656)");  // the key stays

  emit view->activated(model->index(1, 0));  // "Bas": neither key nor control
  capture = window->findChild<cfg::KeyCaptureDialog*>();
  ASSERT_NE(capture, nullptr);
  QTest::mouseClick(capture->noKeyButton(), Qt::LeftButton);
  EXPECT_EQ(model->index(1, 1).data().toString(), "Aucune");
  EXPECT_EQ(model->index(1, 2).data().toString(), "");

  ASSERT_TRUE(window->generalPage()->Save());
  const std::string text = dir.Read("config/Orvanel.ini");
  const auto manettes = text.find("[Manettes]");
  ASSERT_NE(manettes, std::string::npos) << text;
  EXPECT_NE(text.find("UpKey=656\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("DownKey=0\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("UpKey=Bouton 3 @ ", manettes), std::string::npos) << text;
  EXPECT_NE(text.find("Capture pad", manettes), std::string::npos) << text;
  EXPECT_EQ(text.find("DownKey=", manettes), std::string::npos) << text;
  EXPECT_NE(text.find("QuitKey=Bouton 7 @ usb-1 ; Axe 1+\r\n", manettes), std::string::npos) << text;
}

// ModeSortie=2 (run AppSortie) has no box of its own: checking and unchecking "Fermer
// windows en quittant" returns to it, and nothing counts as changed.
TEST_F(PagesTest, ExitBoxCheckedAndUncheckedKeepsTheModeRead) {
  Open();
  auto* powerOff = Control<QCheckBox>(1050);
  EXPECT_FALSE(powerOff->isChecked());
  // On the box itself: a check box spanning a wide column ignores clicks beyond its text.
  const QPoint box(8, powerOff->height() / 2);
  QTest::mouseClick(powerOff, Qt::LeftButton, {}, box);
  EXPECT_TRUE(window->generalPage()->IsModified());
  QTest::mouseClick(powerOff, Qt::LeftButton, {}, box);
  EXPECT_FALSE(window->generalPage()->IsModified());
  ASSERT_TRUE(window->generalPage()->Save());
  EXPECT_NE(dir.Read("config/Orvanel.ini").find("ModeSortie=2\r\n"), std::string::npos);
}

TEST_F(PagesTest, KeyCaptureWithoutNativeCodesUsesTheKeysPosition) {
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  EXPECT_EQ(cfg::KeyCodeOf(down), 672);
  QKeyEvent one(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier);
  EXPECT_EQ(cfg::KeyCodeOf(one), 4);
  QKeyEvent native(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, quint32(KEY_DOWN + 8), 0, 0);
  EXPECT_EQ(cfg::KeyCodeOf(native), 672);  // the scan code wins over the layout's symbol
}

TEST_F(PagesTest, GeneralPageSetsAndLiftsTheKioskLock) {
  Open();
  ASSERT_TRUE(window->SelectPage(cfg::kGeneralPage));
  EXPECT_EQ(Control<QLineEdit>(1093)->text(), "");
  Type(1093, "672+672");
  EXPECT_TRUE(window->generalPage()->IsModified());
  ASSERT_TRUE(window->generalPage()->Save());
  EXPECT_NE(dir.Read("config/Orvanel.ini").find("[General]\r\n"), std::string::npos);
  EXPECT_NE(dir.Read("config/Orvanel.ini").find("Verrouillage=672+672\r\n"), std::string::npos)
      << dir.Read("config/Orvanel.ini");
  Control<QLineEdit>(1093)->selectAll();
  QTest::keyClick(Control<QLineEdit>(1093), Qt::Key_Delete);
  ASSERT_TRUE(window->generalPage()->Save());
  EXPECT_EQ(dir.Read("config/Orvanel.ini").find("Verrouillage=672"), std::string::npos);
}

TEST_F(PagesTest, EmusPageKeepsWhatItCannotShow) {
  Open();
  ASSERT_TRUE(window->SelectPage(cfg::kEmusPage));
  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Neo"));
  EXPECT_EQ(Control<QComboBox>(1068)->currentIndex(), -1);  // "Gone" is no template
  EXPECT_EQ(Control<QComboBox>(1071)->currentIndex(), 0);   // no menu
  EXPECT_FALSE(window->emusPage()->IsModified());
  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Mame"));
  EXPECT_EQ(Control<QComboBox>(1068)->currentText(), "Etoiles");
  EXPECT_TRUE(Control<QRadioButton>(1089)->isChecked());    // ScrType=3: "Veille écran"
  EXPECT_EQ(Control<QLineEdit>(1087)->text(), QString::fromUtf8("180°"));
  EXPECT_FALSE(window->emusPage()->IsModified());

  // Typed into custom 1, without changing the number; custom 3 came from Custom3Dir.
  Type(1083, "cabinets");
  Control<QComboBox>(1066)->setCurrentIndex(2);
  emit Control<QComboBox>(1066)->activated(2);
  EXPECT_EQ(Control<QLineEdit>(1083)->text(), "flyers");
  QTest::mouseClick(window->findChild<QToolButton*>("id1088up"), Qt::LeftButton);
  EXPECT_EQ(Control<QLineEdit>(1087)->text(), QString::fromUtf8("90°"));
  Type(1092, "videos");
  QTest::mouseClick(Control<QCheckBox>(1091), Qt::LeftButton);
  ASSERT_TRUE(window->emusPage()->Save());
  const std::string text = dir.Read("config/Mame/config.ini");
  for (const char* line : {"ScrType=3\r\n", "Rotation=1\r\n", "RepCustom1=cabinets\r\n", "Custom1Dir=cabinets\r\n",
                           "Custom3Dir=flyers\r\n", "TemplateDir=Etoiles\r\n", "VideoDir=videos\r\n",
                           "VideoSon=YES\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;

  // A field keeps whole characters within its size.
  EXPECT_EQ(cfg::ToSettingText(QString::fromUtf8("aé"), 2), "a");
  EXPECT_EQ(cfg::ToSettingText(QString::fromUtf8("aé"), 3), "a\xC3\xA9");
  EXPECT_EQ(cfg::ToSettingText(QString::fromUtf8("ééé"), 5), "\xC3\xA9\xC3\xA9");

  QTest::mouseClick(Control<QRadioButton>(1075), Qt::LeftButton);
  EXPECT_TRUE(window->emusPage()->IsModified());
  QTest::mouseClick(Control<QPushButton>(1070), Qt::LeftButton);  // "Créer": the generator
  EXPECT_EQ(window->emusPage()->findChildren<QDialog*>().size(), 1);
  ASSERT_TRUE(window->emusPage()->Save());
  EXPECT_NE(dir.Read("config/Mame/config.ini").find("ScrType=2\r\n"), std::string::npos);
}

// "Arguments" edits EmuParams; a MAME listing proposes MAME's arguments, never over the owner's.
TEST_F(PagesTest, EmulatorArgumentsAreEditedAndProposedForMame) {
  dir.Write("config/Neo/config.ini", "[Config]\r\nEmuParams=-owner %ROM%\r\n");
  Open();
  ASSERT_TRUE(window->SelectPage(cfg::kEmusPage));
  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Mame"));
  auto* params = Control<QLineEdit>(1099);
  ASSERT_NE(params, nullptr);
  EXPECT_NE(params->toolTip().indexOf("%ROMDIR%"), -1);
  EXPECT_EQ(params->text(), "");
  window->emusPage()->TakeCreatedList(dir / "config/Mame/Mame.txt", false);
  EXPECT_EQ(params->text(), "") << "not a MAME listing";
  window->emusPage()->TakeCreatedList(dir / "config/Mame/Mame.txt", true);
  EXPECT_EQ(params->text(), "-rompath \"%ROMDIR%\" -skip_gameinfo %NAME%");
  ASSERT_TRUE(window->emusPage()->Save());
  const std::string text = dir.Read("config/Mame/config.ini");
  EXPECT_NE(text.find("EmuParams=-rompath \"%ROMDIR%\" -skip_gameinfo %NAME%\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("FichierDescription=config/Mame/Mame.txt\r\n"), std::string::npos) << text;

  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Neo"));
  EXPECT_EQ(params->text(), "-owner %ROM%");
  window->emusPage()->TakeCreatedList(dir / "config/Neo/Neo.txt", true);
  EXPECT_EQ(params->text(), "-owner %ROM%");
  Type(1099, "-x %NAME%");
  ASSERT_TRUE(window->emusPage()->Save());
  EXPECT_NE(dir.Read("config/Neo/config.ini").find("EmuParams=-x %NAME%\r\n"), std::string::npos);
}

// "Nouvelle": the configuration is made with the defaults, joins every list at once and is
// shown; a refused name says why and makes nothing.
TEST_F(PagesTest, NewConfigurationJoinsEveryListAtOnce) {
  Open();
  ASSERT_TRUE(window->SelectPage(cfg::kEmusPage));
  ASSERT_NE(Control<QPushButton>(1100), nullptr);
  auto names = [this](int id) {
    QStringList out;
    for (int i = 0; i < Control<QComboBox>(id)->count(); ++i) out << Control<QComboBox>(id)->itemText(i);
    return out.join(",");
  };
  ASSERT_TRUE(window->emusPage()->NewConfiguration("Flipper"));
  EXPECT_EQ(names(1053), "Flipper,Mame,Neo");
  EXPECT_EQ(names(1071), "=== PAS DE MENU ===,Flipper,Mame,Neo");
  EXPECT_EQ(names(1049), "Flipper,Mame,Neo");
  EXPECT_EQ(Control<QComboBox>(1049)->currentText(), "Mame") << "the main menu's choice stays";
  EXPECT_EQ(Control<QComboBox>(1053)->currentText(), "Flipper");
  EXPECT_EQ(window->emusPage()->path(), dir / "config/Flipper/config.ini");
  EXPECT_EQ(Control<QLineEdit>(1084)->text(), ".\\config\\Flipper\\Flipper.txt");
  EXPECT_EQ(Control<QComboBox>(1068)->currentIndex(), -1) << "no other configuration's template";
  EXPECT_FALSE(window->emusPage()->IsModified());
  EXPECT_TRUE(messages->empty());

  for (const char* refused : {"Mame", "neo", "", "../up", "a/b"}) {
    messages->clear();
    EXPECT_FALSE(window->emusPage()->NewConfiguration(refused)) << refused;
    ASSERT_EQ(messages->size(), 1u) << refused;
  }
  EXPECT_EQ(names(1053), "Flipper,Mame,Neo");
  EXPECT_FALSE(std::filesystem::exists(dir / "up"));
  EXPECT_EQ(window->emusPage()->path(), dir / "config/Flipper/config.ini");
}

// The screensaver radios show what the frontend will run: it reads the first character.
TEST_F(PagesTest, ScreensaverRadiosShowWhatTheFrontendRuns) {
  Open();
  ASSERT_TRUE(window->SelectPage(cfg::kEmusPage));
  const struct {
    const char* value;
    int radio;
  } cases[] = {{"0", 1086}, {"1", 1076}, {"2", 1075}, {"3", 1089}, {"12", 1076}, {"", 1086}, {"x", 1086}};
  for (const auto& c : cases) {
    dir.Write("config/Mame/config.ini", std::string("[Config]\r\nScrType=") + c.value + "\r\n");
    ASSERT_TRUE(window->emusPage()->SelectConfiguration("Neo"));
    ASSERT_TRUE(window->emusPage()->SelectConfiguration("Mame"));
    EXPECT_TRUE(Control<QRadioButton>(c.radio)->isChecked()) << c.value;
  }
  QTest::mouseClick(Control<QRadioButton>(1089), Qt::LeftButton);  // standby
  ASSERT_TRUE(window->emusPage()->Save());
  EXPECT_NE(dir.Read("config/Mame/config.ini").find("ScrType=3\r\n"), std::string::npos);
}

// "Config Emus" opens on the configuration the cabinet starts with: LastEmu, else EmuBase.
TEST_F(PagesTest, EmusPageOpensOnTheConfigurationTheCabinetStartsWith) {
  const struct {
    const char* main;
    const char* shown;  // "": none
  } cases[] = {{"[General]\r\nLastEmu=Mame\r\nEmuBase=Neo\r\n", "Mame"},
               {"[General]\r\nLastEmu=Gone\r\nEmuBase=Neo\r\n", "Neo"},
               {"[General]\r\nLastEmu=neo\r\n", "Neo"},
               {"", ""}};
  for (const auto& c : cases) {
    dir.Write("config/Orvanel.ini", c.main);
    Open();
    EXPECT_EQ(Control<QComboBox>(1053)->currentText().toStdString(), c.shown) << c.main;
    EXPECT_EQ(window->emusPage()->path(), *c.shown ? cfg::ConfigurationFile(dir.path(), c.shown) : "");
    EXPECT_FALSE(window->emusPage()->IsModified());
    window.reset();
  }
}

// A folder or emulator not on disk is marked as it is typed and named in the save question.
TEST_F(PagesTest, MissingFoldersAreMarkedAndNamedInTheSaveQuestion) {
  dir.Write("Roms/a.zip", "");
  Open();
  ASSERT_TRUE(window->SelectPage(cfg::kEmusPage));
  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Mame"));
  auto mark = [this](int id) { return window->findChild<QAction*>(QStringLiteral("id%1missing").arg(id)); };
  const std::string base = dir.path();
  const struct {
    int field;
    const char* typed;
    std::string tooltip;  // "": no mark
  } cases[] = {{1052, "romz", "Répertoire introuvable : " + base + "/romz"},
               {1052, "roms", ""},
               {1056, "emu/mame", "Programme introuvable : " + base + "/emu/mame"},
               {1056, "sh", ""},
               {1054, "snap", "Répertoire introuvable : " + base + "/snap"},
               {1054, "", ""},
               {1092, "Roms", ""}};
  for (const auto& c : cases) {
    Type(c.field, QString::fromUtf8(c.typed));
    if (!*c.typed) QTest::keyClick(Control<QLineEdit>(c.field), Qt::Key_Delete);
    ASSERT_NE(mark(c.field), nullptr) << c.field;
    EXPECT_EQ(mark(c.field)->isVisible(), !c.tooltip.empty()) << c.typed;
    EXPECT_EQ(mark(c.field)->toolTip().toStdString(), c.tooltip) << c.typed;
  }
  // The custom field follows the number shown: 3 reads "flyers", which is not there.
  EXPECT_FALSE(mark(1083)->isVisible());
  Control<QComboBox>(1066)->setCurrentIndex(2);
  emit Control<QComboBox>(1066)->activated(2);
  EXPECT_TRUE(mark(1083)->isVisible());
  Type(1052, "romz");

  auto& asked = platform::ScriptQuestionAnswers({Answer::kYes});
  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Neo"));  // saving is still allowed
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Ces chemins n'existent pas :\n    Roms : " + base + "/romz\n    Custom 3 : " + base +
                               "/flyers\n\nEnregistrer les modifications ?");
  EXPECT_NE(dir.Read("config/Mame/config.ini").find("RomDir=romz\r\n"), std::string::npos);
  EXPECT_FALSE(mark(1052)->isVisible());  // Neo names no ROM folder
}

TEST_F(PagesTest, ChoosingAnotherConfigurationAsksAboutTheModifiedOne) {
  Open();
  ASSERT_TRUE(window->SelectPage(cfg::kEmusPage));
  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Mame"));
  QTest::mouseClick(Control<QCheckBox>(10482), Qt::LeftButton);
  auto& asked = platform::ScriptQuestionAnswers({Answer::kCancel, Answer::kNo});
  EXPECT_FALSE(window->emusPage()->SelectConfiguration("Neo"));
  EXPECT_EQ(Control<QComboBox>(1053)->currentText(), "Mame");
  EXPECT_EQ(window->emusPage()->path(), cfg::ConfigurationFile(dir.path(), "Mame"));
  EXPECT_TRUE(window->emusPage()->SelectConfiguration("Neo"));
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_FALSE(window->emusPage()->IsModified());
  EXPECT_EQ(dir.Read("config/Mame/config.ini").find("CacherFenetre"), std::string::npos);
}

}  // namespace

namespace {

// Accepts the next file dialog once it is open, noting the file it proposed.
void AcceptNextFileDialog(QString* proposed) {
  QTimer::singleShot(0, [proposed] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
        *proposed = d->selectedFiles().value(0);
        static_cast<QDialog*>(d)->accept();
        return;
      }
    AcceptNextFileDialog(proposed);
  });
}

class ListCreationTest : public PagesTest {
 protected:
  // An emulator that prints one game, and its ROM.
  void SetUp() override {
    PagesTest::SetUp();
    const std::string listing = dir.Write(
        "listing.xml", "<mame><machine name=\"pacman\"><description>Pac</description><rom name=\"a\"/></machine></mame>");
    const std::string emulator = dir.Write("emu/emu.sh", "#!/bin/sh\ncat '" + listing + "'\n");
    std::filesystem::permissions(emulator, std::filesystem::perms::owner_all);
    dir.Write("roms/pacman.zip", "");
    dir.Write("config/Neo/config.ini", "[Config]\r\nEmuExe=" + emulator + "\r\nRomDir=roms\r\n");
  }
  QDialog* Generator() const { return window->emusPage()->findChild<QDialog*>(); }
};

}  // namespace

// The new list becomes the page's (modified, not saved); the file proposed is the
// configuration's own.
TEST_F(ListCreationTest, TheNewListIsPutIntoThePage) {
  Open();
  ASSERT_TRUE(window->SelectPage(cfg::kEmusPage));
  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Neo"));
  QTest::mouseClick(Control<QPushButton>(1070), Qt::LeftButton);
  ASSERT_NE(Generator(), nullptr);
  QString proposed;
  AcceptNextFileDialog(&proposed);
  Generator()->findChild<QPushButton*>("create")->click();
  EXPECT_EQ(proposed.toStdString(), dir.path() + "/config/Neo/Neo.txt");
  ASSERT_FALSE(messages->empty());
  EXPECT_EQ(messages->back().text, "1 ROM(S) récupérée(s).");
  EXPECT_EQ(Control<QLineEdit>(1084)->text(), "config/Neo/Neo.txt");
  EXPECT_TRUE(window->emusPage()->IsModified());
  EXPECT_EQ(dir.Read("config/Neo/config.ini").find("FichierDescription"), std::string::npos);
  ASSERT_TRUE(window->emusPage()->Save());
  EXPECT_NE(dir.Read("config/Neo/config.ini").find("FichierDescription=config/Neo/Neo.txt"), std::string::npos);
}

TEST(ProposedListFile, IsTheConfigurationsOwnOrMameWhenNoneIsChosen) {
  TempDir dir;
  dir.Write("Config/Neo/config.ini", "");
  EXPECT_EQ(cfg::ProposedListFile(dir.path(), "Neo"), dir.path() + "/Config/Neo/Neo.txt");
  EXPECT_EQ(cfg::ProposedListFile(dir.path(), "New"), dir.path() + "/Config/New/New.txt");
  EXPECT_EQ(cfg::ProposedListFile(dir.path(), ""), dir.path() + "/Config/MAME.txt");
}
