// The window in the owner's language: our Qt catalogue, Qt's own and the gettext one, as
// the program installs them; and the General page's choice of that language.
#include <QAbstractItemModel>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QTranslator>

#include "configurator/pages/general_page.h"
#include "configurator/widgets/message_boxes.h"
#include "platform/message_catalogue.h"
#include "ui_fixture.h"

namespace {

using uitest::Installation;

class LanguageTest : public Installation {
 protected:
  void UseLanguage(const std::string& language) {
    RemoveTranslations();
    const std::string catalogues = std::string(ORV_BINARY_DIR) + "/locale";
    platform::UseMessageLanguage(language, catalogues);
    cfg::InstallTranslations(uitest::App(), language, catalogues);
  }
  void TearDown() override {
    Installation::TearDown();
    RemoveTranslations();
    platform::UseMessageLanguage("fr", "");  // the other tests' French
  }
  static void RemoveTranslations() {
    for (QTranslator* t : uitest::App().findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
  }
  QString Cell(int row, int column) const {
    const QAbstractItemModel* model = Control<QTableView>(1094)->model();
    return model->data(model->index(row, column)).toString();
  }
  // The texts of the buttons of the question box the platform asks through, then Cancel.
  static QStringList QuestionButtons() {
    cfg::InstallQtMessageBoxes();
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      for (QAbstractButton* b : box->buttons()) texts << b->text();
      box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(platform::AskQuestion("?", "x", platform::QuestionButtons::kYesNoCancel), platform::Answer::kCancel);
    platform::SetQuestionSink({});
    texts.sort();
    return texts;
  }
  static QString StandardCancel() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove('&');
  }
};

TEST_F(LanguageTest, EnglishReachesTitlesTabsButtonsTablesAndQtsOwnButtons) {
  UseLanguage("en");
  Open();
  EXPECT_EQ(window->windowTitle(), "Orvanel Configurator");
  auto* tabs = Control<QTabBar>(1000);
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->tabText(0), "General");
  EXPECT_EQ(tabs->tabText(1), "Emulators");
  EXPECT_EQ(tabs->tabText(2), "Layout editor");
  EXPECT_EQ(Control<QPushButton>(1095)->text(), "Change the key");
  EXPECT_EQ(Control<QPushButton>(1095)->toolTip(), "Change the key of the chosen action, leaving the others alone");
  // The table mixes both catalogues: headers and coins from Qt's, actions and keys from gettext.
  const QAbstractItemModel* model = Control<QTableView>(1094)->model();
  EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Joystick");
  EXPECT_EQ(Cell(1, 0), "Down");
  EXPECT_EQ(Cell(1, 1), "Down (672)");
  EXPECT_EQ(Cell(5, 0), "Random pick");
  EXPECT_EQ(Cell(16, 0), "Coin 1 (C1, fixed)");
  EXPECT_EQ(QuestionButtons(), (QStringList{"Cancel", "No", "Yes"}));
  EXPECT_EQ(StandardCancel(), "Cancel");
}

TEST_F(LanguageTest, FrenchIsTheSourcesAndQtsButtonsFollow) {
  UseLanguage("fr");
  Open();
  EXPECT_EQ(window->windowTitle(), "Configurateur Orvanel");
  EXPECT_EQ(Control<QTabBar>(1000)->tabText(1), "Config Emus");
  EXPECT_EQ(Cell(5, 0), "Sélection au hasard");
  EXPECT_EQ(QuestionButtons(), (QStringList{"Annuler", "Non", "Oui"}));
  EXPECT_EQ(StandardCancel(), "Annuler");
}

// The choice shows the value whatever its letter case, and writes the value, not the text.
TEST_F(LanguageTest, LangueChoiceShowsAndWritesTheValue) {
  const struct {
    const char* stored;
    const char* shown;
    int pick;
    const char* written;
  } cases[] = {{"", "Selon le système", 2, "Langue=en\r\n"},
               {"EN", "English", 1, "Langue=fr\r\n"},
               {"fr", "Français", 0, ""},
               {"de", "", 1, "Langue=fr\r\n"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    dir.Write("config/Orvanel.ini", std::string("[General]\r\nEmuBase=Mame\r\nLangue=") + c.stored + "\r\n");
    Open();
    auto* language = Control<QComboBox>(1101);
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->currentText(), QString::fromUtf8(c.shown));
    EXPECT_NE(language->toolTip().indexOf("prochain démarrage"), -1) << language->toolTip().toStdString();
    language->setCurrentIndex(c.pick);
    emit language->activated(c.pick);
    ASSERT_TRUE(window->generalPage()->Save());
    const std::string text = dir.Read("config/Orvanel.ini");
    if (*c.written)
      EXPECT_NE(text.find(c.written), std::string::npos) << text;
    else
      EXPECT_EQ(text.find("Langue=fr"), std::string::npos) << text;  // "" chosen: nothing or empty
    window.reset();
  }
}

}  // namespace
