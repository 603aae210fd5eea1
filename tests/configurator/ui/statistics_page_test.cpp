// The "Statistiques" page over a small journal: what it shows for each period, the charts'
// bars, and the reset asked from the page.
#include "ui_fixture.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

#include "catalogue/journal.h"
#include "configurator/books/books_source.h"
#include "configurator/books/ui/statistics_page.h"
#include "platform/files.h"
#include "platform/local_time.h"

namespace {

using cfg::PeriodKind;

class StatisticsPageTest : public uitest::Installation {
 protected:
  void SetUp() override {
    uitest::Installation::SetUp();
    platform::SetLocalNowForTest(platform::LocalDateTime{2026, 12, 15, 12, 0, 0});
    dir.Write("Orvanel.sta", "[StatGen]\r\nTpsTot=3:0.0\r\nTpsJeux=1:0.0\r\n");
    dir.Write("stats/journal-2026-11.csv", std::string(catalogue::kJournalHeader) +
                                               "2026-11-30 20:00:00,100,Mame,pacman,Pac-Man,1,0,0,0,normal\r\n");
    dir.Write("stats/journal-2026-12.csv",
              "2026-12-01 20:00:00,200,Mame,pacman,Pac-Man,2,0,0,0,normal\r\n"
              "2026-12-01 21:00:00,300,Mame,sf2,\"Street Fighter II, \"\"WW\"\"\",0,3,0,0,exit-combo\r\n"
              "2026-12-03 10:00:00,400,Neo,mslug,Metal Slug,0,0,4,1,normal\r\n"
              "2026-12-03 11:00:00,1,Neo,mslug,Metal Slug,0,0,0,0,failed\r\n"
              "2026-12-04 12:00:0");  // cut by a power cut
    Open();
    window->SelectPage(cfg::kStatisticsPage);
    page = static_cast<cfg::StatisticsPage*>(window->page(cfg::kStatisticsPage));
    page->WaitLoaded();
  }
  void TearDown() override {
    platform::SetLocalNowForTest(std::nullopt);
    platform::InjectWriteFault(platform::WriteFault::kNone);
    uitest::Installation::TearDown();
  }
  std::vector<qreal> Bars(int chart) const { return BarsShown(page->chart(chart)); }
  // What the view draws now, without asking the page to bring it up to date.
  static std::vector<qreal> BarsShown(const QChartView* view) {
    std::vector<qreal> values;
    const auto series = view->chart()->series();
    if (series.isEmpty()) return values;
    for (QBarSet* set : static_cast<QAbstractBarSeries*>(series.first())->barSets())
      for (int i = 0; i < set->count(); ++i) values.push_back(set->at(i));
    return values;
  }
  int Rows() const { return page->findChild<QTableView*>()->model()->rowCount(); }
  cfg::StatisticsPage* page = nullptr;
};

TEST_F(StatisticsPageTest, EachPeriodShowsItsTotalsTableAndCharts) {
  EXPECT_EQ(window->tabBar()->tabText(cfg::kStatisticsPage), QStringLiteral("Statistiques"));
  const struct {
    PeriodKind period;
    QString totals;
    int rows;
    std::vector<qreal> perDay, perSlot;
  } kCases[] = {
      {PeriodKind::kThisMonth, "Pièces : 10    Parties : 3    Temps de jeu : 0:15:00    Temps au menu : 2:00:00", 3,
       {5, 0, 5}, {2, 3, 4, 1}},
      {PeriodKind::kLastMonth, "Pièces : 1    Parties : 1    Temps de jeu : 0:01:40    Temps au menu : 2:00:00", 1,
       {1}, {1, 0, 0, 0}},
      {PeriodKind::kAll, "Pièces : 11    Parties : 4    Temps de jeu : 0:16:40    Temps au menu : 2:00:00", 3,
       {1, 5, 0, 5}, {3, 3, 4, 1}},
      {PeriodKind::kThisYear, "Pièces : 11    Parties : 4    Temps de jeu : 0:16:40    Temps au menu : 2:00:00", 3,
       {1, 5, 0, 5}, {3, 3, 4, 1}},
  };
  for (const auto& c : kCases) {
    page->ChoosePeriod(c.period);
    EXPECT_EQ(page->totalsLine()->text(), c.totals) << int(c.period);
    EXPECT_EQ(Rows(), c.rows) << int(c.period);
    EXPECT_EQ(Bars(0), c.perDay) << int(c.period);
    EXPECT_EQ(Bars(2), c.perSlot) << int(c.period);
  }
  // Top 20 by coins: the best at the top, which the axis draws last.
  EXPECT_EQ(Bars(1), (std::vector<qreal>{3, 3, 5}));
  EXPECT_TRUE(page->statusLine()->text().contains(QStringLiteral("1 ligne(s) du journal ignorée(s)")))
      << page->statusLine()->text().toStdString();
  page->findChild<QLineEdit*>(QStringLiteral("booksFilter"))->setText(QStringLiteral("street"));
  EXPECT_EQ(Rows(), 1);
  // A chart out of sight is drawn when its tab is chosen, from the period shown then.
  page->ChoosePeriod(PeriodKind::kLastMonth);
  auto* tabs = page->findChild<QTabWidget*>();
  tabs->setCurrentIndex(2);
  EXPECT_EQ(BarsShown(static_cast<QChartView*>(tabs->currentWidget())), (std::vector<qreal>{1, 0, 0, 0}));
}

TEST_F(StatisticsPageTest, ResetAsksNamingTheArchiveAndFailsWholeOnAFailingDisk) {
  const auto before = platform::ReadWholeFile(dir / "Orvanel.sta");
  std::vector<platform::RecordedMessage>& asked = platform::ScriptQuestionAnswers({platform::Answer::kCancel});
  EXPECT_FALSE(page->ResetWithConfirmation());
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].text.find(dir / "stats/archive-2026-12-15_120000"), std::string::npos) << asked[0].text;
  EXPECT_TRUE(cfg::ArchiveFolders(dir.path()).empty());

  platform::ScriptQuestionAnswers({platform::Answer::kOk});
  platform::InjectWriteFault(platform::WriteFault::kWriteNoSpace, 1);  // the second copy fails
  EXPECT_FALSE(page->ResetWithConfirmation());
  platform::InjectWriteFault(platform::WriteFault::kNone);
  ASSERT_FALSE(messages->empty());
  EXPECT_NE(messages->back().text.find("rien n'a été modifié"), std::string::npos) << messages->back().text;
  EXPECT_EQ(platform::ReadWholeFile(dir / "Orvanel.sta"), before);
  EXPECT_EQ(catalogue::JournalFiles(dir / "stats").size(), 2u);
  EXPECT_TRUE(cfg::ArchiveFolders(dir.path()).empty());

  platform::ScriptQuestionAnswers({platform::Answer::kOk});
  EXPECT_TRUE(page->ResetWithConfirmation());
  page->WaitLoaded();
  page->ChoosePeriod(PeriodKind::kAll);
  EXPECT_EQ(page->books().coins, 0);
  EXPECT_EQ(platform::ReadWholeFile(dir / "Orvanel.sta"), "");
  // "Période archivée": the closed period as it was.
  page->ChooseArchive(0);
  page->WaitLoaded();
  EXPECT_EQ(page->books().coins, 11);
  EXPECT_EQ(page->books().plays, 4);
  EXPECT_EQ(page->books().menuSeconds, 7200u);
}

}  // namespace
