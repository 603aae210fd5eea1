#include "configurator/listgen/ui/filter_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include <functional>
#include <memory>

#include "configurator/pages/emus_page.h"
#include "ui_fixture.h"

namespace {

using uitest::Installation;

class FilterDialogTest : public Installation {
 protected:
  void SetUp() override {
    Installation::SetUp();
    dir.Write("config/Mame/config.ini", "[Config]\r\nTemplateDir=Etoiles\r\nFichierDescription=lists\\mame.txt\r\n");
    dir.Write("lists/mame.txt",
              "[1942]\r\nFullName=1942\r\nInfos1=1984\r\nInfos2=v 224x256 60Hz\r\nInfos3=2P 2B 1C joy8way\r\n"
              "[1943]\r\nFullName=1943\r\nInfos1=1987\r\nInfos2=v 224x256\r\nInfos3=2P 2B 1C joy8way\r\nRomOf=1943u\r\n"
              "[pacman]\r\nFullName=Pac-Man\r\nInfos1=1980\r\nInfos2=v 224x288\r\nInfos3=1P 0B 1C joy4way\r\n"
              "[mjgirl]\r\nFullName=Mahjong Girl\r\nInfos1=198?\r\nInfos2=h 256x224\r\nInfos3=1P\r\n"
              "[cafe]\r\nFullName=Cafe Quiz\r\nInfos1=1993\r\nInfos2=h 320x240\r\nInfos3=2P 4B 2C\r\n");
    // Found by themselves: catver.ini in the installation, nplayers.ini in config/.
    dir.Write("catver.ini", "[Category]\r\n1942=Shooter / Flying Vertical\r\n1943=Shooter / Flying Vertical\r\n"
                            "pacman=Maze / Collect\r\nmjgirl=Tabletop / Mahjong * Mature *\r\ncafe=Quiz / Fran\xE7" "ais\r\n"
                            "gone=Shooter / Gallery\r\n");
    dir.Write("config/nplayers.ini", "[NPlayers]\r\n1942=2P alt\r\n1943=2P alt\r\npacman=2P alt\r\nmjgirl=1P\r\n");
  }
  cfg::FilterDialog* OpenFromThePage() {
    Open();
    EXPECT_TRUE(window->SelectPage(cfg::kEmusPage));
    EXPECT_TRUE(window->emusPage()->SelectConfiguration("Mame"));
    QTest::mouseClick(Control<QPushButton>(1096), Qt::LeftButton);
    return window->findChild<cfg::FilterDialog*>();
  }
  template <class W>
  static W* In(QWidget* dialog, const char* name) {
    return dialog->findChild<W*>(QString::fromUtf8(name));
  }
  static QTreeWidgetItem* Category(QWidget* dialog, int top, int child = -1) {
    QTreeWidgetItem* item = In<QTreeWidget>(dialog, "categories")->topLevelItem(top);
    return child < 0 ? item : item->child(child);
  }
};

TEST_F(FilterDialogTest, OffersWhatTheListHoldsAndCountsWhatPasses) {
  cfg::FilterDialog* d = OpenFromThePage();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(In<QLineEdit>(d, "catver")->text().toStdString(), dir / "catver.ini");
  EXPECT_EQ(In<QLineEdit>(d, "nplayers")->text().toStdString(), dir / "config/nplayers.ini");
  // Main categories sorted, each with its subcategories, counted over the list's games only.
  auto* tree = In<QTreeWidget>(d, "categories");
  ASSERT_EQ(tree->topLevelItemCount(), 4);
  const char* tops[] = {"Maze (1)", "Quiz (1)", "Shooter (2)", "Tabletop (1)"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(tree->topLevelItem(i)->text(0).toStdString(), tops[i]);
  EXPECT_EQ(Category(d, 1, 0)->text(0), QString::fromUtf8("Français (1)"));  // Latin-1 in the file
  EXPECT_EQ(In<QComboBox>(d, "players")->count(), 3);  // any, 1, 2 (from nplayers.ini)
  EXPECT_EQ(In<QComboBox>(d, "players")->itemText(2), "2 joueurs (3)");
  EXPECT_EQ(In<QListWidget>(d, "controls")->count(), 3);  // (aucun), joy4way, joy8way
  EXPECT_EQ(In<QLabel>(d, "count")->text(), "5 jeux sur 5");

  struct Case {
    const char* what;
    std::function<void(QWidget*)> choose;
    int passing;
  };
  const Case cases[] = {
      {"a whole main category", [](QWidget* w) { Category(w, 2)->setCheckState(0, Qt::Checked); }, 2},
      {"one subcategory and another main",
       [](QWidget* w) {
         Category(w, 1, 0)->setCheckState(0, Qt::Checked);
         Category(w, 0)->setCheckState(0, Qt::Checked);
       },
       2},
      {"no mature games", [](QWidget* w) { In<QCheckBox>(w, "noMature")->setChecked(true); }, 4},
      {"two players", [](QWidget* w) { In<QComboBox>(w, "players")->setCurrentIndex(2); }, 3},
      {"vertical screens", [](QWidget* w) { In<QComboBox>(w, "orientation")->setCurrentIndex(1); }, 3},
      {"a control", [](QWidget* w) { In<QListWidget>(w, "controls")->item(2)->setCheckState(Qt::Checked); }, 2},
      {"parents only", [](QWidget* w) { In<QCheckBox>(w, "parentsOnly")->setChecked(true); }, 4},
      {"a year range", [](QWidget* w) {
         In<QSpinBox>(w, "yearFrom")->setValue(1981);
         In<QSpinBox>(w, "yearTo")->setValue(1990);
       }, 2},
      {"together", [](QWidget* w) {
         Category(w, 2)->setCheckState(0, Qt::Checked);
         In<QCheckBox>(w, "parentsOnly")->setChecked(true);
       }, 1},
  };
  for (const Case& c : cases) {
    auto fresh = std::make_unique<cfg::FilterDialog>(nullptr, dir.path(), dir / "lists/mame.txt", dir / "Liste.ini");
    c.choose(fresh.get());
    EXPECT_EQ(fresh->Passing(), c.passing) << c.what;
    EXPECT_EQ(In<QLabel>(fresh.get(), "count")->text(), QStringLiteral("%1 jeux sur 5").arg(c.passing)) << c.what;
  }

  // Written into the configuration's Liste.ini, in the list's order.
  Category(d, 2)->setCheckState(0, Qt::Checked);
  Category(d, 0)->setCheckState(0, Qt::Checked);
  QTest::mouseClick(In<QPushButton>(d, "save"), Qt::LeftButton);
  EXPECT_EQ(dir.Read("config/Mame/Liste.ini"), "1942\r\n1943\r\npacman\r\n");
  EXPECT_TRUE(messages->empty());
}

TEST_F(FilterDialogTest, NothingPassingOrAnUnreadableFileKeepsTheOldList) {
  dir.Write("config/Mame/Liste.ini", "old\r\n");
  cfg::FilterDialog* d = OpenFromThePage();
  ASSERT_NE(d, nullptr);
  In<QComboBox>(d, "orientation")->setCurrentIndex(2);
  In<QListWidget>(d, "controls")->item(2)->setCheckState(Qt::Checked);  // no horizontal joy8way game
  EXPECT_EQ(In<QLabel>(d, "count")->text(), "0 jeux sur 5");
  EXPECT_FALSE(d->Save());
  ASSERT_EQ(messages->size(), 1u);
  EXPECT_EQ((*messages)[0].text, "Aucun jeu ne passe le filtre : " + dir / "config/Mame/Liste.ini" +
                                     " reste tel qu'il était.");
  EXPECT_EQ(dir.Read("config/Mame/Liste.ini"), "old\r\n");

  // A catver.ini that cannot be read: said, and its choices gone.
  In<QLineEdit>(d, "catver")->setText(QString::fromStdString(dir / "missing.ini"));
  d->Reload();
  ASSERT_EQ(messages->size(), 2u);
  EXPECT_EQ((*messages)[1].text, "Impossible de lire " + dir / "missing.ini");
  EXPECT_EQ(In<QTreeWidget>(d, "categories")->topLevelItemCount(), 0);
  EXPECT_FALSE(In<QCheckBox>(d, "noMature")->isEnabled());
  d->close();

  // A configuration without a list has nothing to filter.
  ASSERT_TRUE(window->emusPage()->SelectConfiguration("Neo"));
  QTest::mouseClick(Control<QPushButton>(1096), Qt::LeftButton);
  ASSERT_EQ(messages->size(), 3u);
  EXPECT_EQ((*messages)[2].text, "Cette configuration n'a pas de liste de ROMS à filtrer.");
}

}  // namespace
