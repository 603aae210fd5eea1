#include <QAction>
#include <QLabel>
#include <QSet>
#include <QTabBar>

#include "configurator/pages/emus_page.h"
#include "configurator/pages/general_page.h"
#include "configurator/widgets/tooltips.h"
#include "ui_fixture.h"

namespace {

using platform::Answer;
using uitest::Installation;

class ShellTest : public Installation {};

TEST_F(ShellTest, EveryControlButTheLabelsShowsItsTextFromTheTable) {
  Open();
  const struct {
    int id;
    const char* text;
  } samples[] = {{1042, "Largeur de la fenêtre principale"},
                 {1050, "Éteindre l'ordinateur à la fermeture d'Orvanel"},
                 {1049, "Configuration à afficher lors de l'appui sur la touche « Menu principal »"},
                 {1087, "Angle de rotation du layout"},
                 {1085, "Extension(s) des ROMS (séparées par un ; si plusieurs)"},
                 {10490, "Envoyer l'extension des ROMS à l'émulateur"},
                 {1070, "Créer la liste des ROMS à partir d'un émulateur"}};
  for (const auto& s : samples) {
    ASSERT_NE(Control(s.id), nullptr) << s.id;
    EXPECT_EQ(Control(s.id)->toolTip(), QString::fromUtf8(s.text)) << s.id;
  }
  // The tab strip, and the layout editor's face, groups, steppers, "Afficher Icons" and
  // "&Appliquer", have no text in the table.
  const QSet<int> kNoTooltip = {1000, 1088, 1016, 1025, 1032, 1039, 1072, 1073, 10340};
  int controls = 0;
  QSet<int> seen;  // one id, one control: a shared id shows the first one's tooltip on both
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const int id = cfg::ControlId(w);
    if (id >= 0) {
      EXPECT_FALSE(seen.contains(id)) << id;
      seen.insert(id);
    }
    if (qobject_cast<QLabel*>(w)) {
      EXPECT_TRUE(w->toolTip().isEmpty());
    } else if (id >= 0 && !kNoTooltip.contains(id)) {
      EXPECT_FALSE(w->toolTip().isEmpty()) << id;
      EXPECT_EQ(w->toolTip(), cfg::TooltipText(id)) << id;
      ++controls;
    }
  }
  EXPECT_GE(controls, 47);
  EXPECT_TRUE(cfg::TooltipText(1088).isEmpty());
  EXPECT_EQ(cfg::TooltipText(1004), cfg::TooltipText(1005));
  // The tab strip and the menu commands keep their ids too.
  for (int id : {40002, 40003, 40004, 40006, 40007})
    EXPECT_NE(window->findChild<QAction*>(QStringLiteral("id%1").arg(id)), nullptr) << id;
}

TEST_F(ShellTest, LeavingAModifiedGeneralPageAsksAndCancelKeepsIt) {
  Open();
  Type(1042, "1024");
  auto& asked = platform::ScriptQuestionAnswers({Answer::kCancel, Answer::kNo});
  window->tabBar()->setCurrentIndex(cfg::kEmusPage);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Enregistrer les modifications ?");
  EXPECT_EQ(asked[0].caption, "Configurateur Orvanel");
  EXPECT_EQ(window->currentPage(), cfg::kGeneralPage);
  EXPECT_EQ(window->tabBar()->currentIndex(), cfg::kGeneralPage);
  EXPECT_EQ(Control<QLineEdit>(1042)->text(), "1024");  // the edit stays

  window->tabBar()->setCurrentIndex(cfg::kEmusPage);  // "Non": switch, edits kept in memory
  EXPECT_EQ(window->currentPage(), cfg::kEmusPage);
  EXPECT_TRUE(window->generalPage()->IsModified());
  // Leaving the Emus page and the empty layout page asks nothing.
  window->tabBar()->setCurrentIndex(cfg::kLayoutPage);
  window->tabBar()->setCurrentIndex(cfg::kEmusPage);
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_EQ(dir.Read("config/Orvanel.ini").find("1024"), std::string::npos);
}

TEST_F(ShellTest, AnUnmodifiedPageIsLeftWithoutAQuestionAndYesSaves) {
  Open();
  auto& asked = platform::ScriptQuestionAnswers({Answer::kYes});
  EXPECT_TRUE(window->SelectPage(cfg::kEmusPage));
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(window->SelectPage(cfg::kGeneralPage));
  Type(1043, "768");
  EXPECT_TRUE(window->SelectPage(cfg::kLayoutPage));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_FALSE(window->generalPage()->IsModified());
  const std::string text = dir.Read("config/Orvanel.ini");
  EXPECT_NE(text.find("HautFen=768\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("AppSortie=halt\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("ModeSortie=2\r\n"), std::string::npos) << text;
}

TEST_F(ShellTest, AFailedSaveCountsAsCancel) {
  Open();
  // The file's place is taken by a directory: it cannot be replaced.
  std::filesystem::remove(dir / "config/Orvanel.ini");
  dir.Write("config/Orvanel.ini/blocker", "");
  Type(1042, "1280");
  auto& asked = platform::ScriptQuestionAnswers({Answer::kYes, Answer::kYes});
  EXPECT_FALSE(window->SelectPage(cfg::kEmusPage));
  EXPECT_EQ(window->currentPage(), cfg::kGeneralPage);
  ASSERT_EQ(messages->size(), 1u);
  EXPECT_EQ((*messages)[0].caption, "Impossible de créer ce fichier !");
  EXPECT_TRUE(window->generalPage()->IsModified());
  EXPECT_FALSE(window->close());  // quitting after a failed save does not end the program
  EXPECT_EQ(asked.size(), 2u);
}

TEST_F(ShellTest, QuittingAsksAboutEveryModifiedPageInTurn) {
  dir.Write("roms/a.zip", "");
  dir.Write("flyers/a.png", "");
  Open();
  Type(1042, "1024");
  platform::ScriptQuestionAnswers({Answer::kNo});
  ASSERT_TRUE(window->SelectPage(cfg::kEmusPage));
  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Mame"));
  Type(1052, "roms");

  // The current page is asked first; a Cancel on the next one stops the quit there.
  platform::ScriptQuestionAnswers({Answer::kNo, Answer::kCancel});
  EXPECT_FALSE(window->close());
  EXPECT_EQ(window->currentPage(), cfg::kGeneralPage);
  auto& second = platform::ScriptQuestionAnswers({Answer::kNo, Answer::kYes});
  EXPECT_TRUE(window->close());
  ASSERT_EQ(second.size(), 2u);
  for (const auto& q : second) EXPECT_EQ(q.text, "Enregistrer les modifications ?");
  EXPECT_NE(dir.Read("config/Mame/config.ini").find("RomDir=roms\r\n"), std::string::npos);
  EXPECT_EQ(dir.Read("config/Orvanel.ini").find("1024"), std::string::npos);
}

}  // namespace
