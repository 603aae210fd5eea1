#include "configurator/books/ui/books_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QHorizontalBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace cfg {
namespace {

// Past a month of days the labels would pile up.
constexpr int kLabelledDays = 31;

QString DayLabel(std::int32_t day) {
  const catalogue::Date d = catalogue::DateOfDay(day);
  return QStringLiteral("%1/%2").arg(d.day, 2, 10, QLatin1Char('0')).arg(d.month, 2, 10, QLatin1Char('0'));
}

QBarCategoryAxis* Categories(const QStringList& names) {
  auto* axis = new QBarCategoryAxis;
  axis->append(names);
  return axis;
}

// Past a month, only the first and last days are labelled, under their bars: a category a
// day would lay out and measure hundreds of hidden labels at each resize.
QAbstractAxis* DaysAxis(const QStringList& days) {
  if (days.size() <= kLabelledDays) return Categories(days);
  auto* axis = new QCategoryAxis;
  axis->setRange(-0.5, days.size() - 0.5);
  axis->setStartValue(-0.5);
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->append(days.first(), 0);
  axis->append(days.last(), days.size() - 1);
  axis->setGridLineVisible(false);
  axis->setTitleText(QCoreApplication::translate("cfg::BooksCharts", "du %1 au %2").arg(days.first(), days.last()));
  return axis;
}

QChart* BarChart(QAbstractBarSeries* series, QAbstractAxis* names, const QString& title, bool horizontal) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->addSeries(series);
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  auto* values = new QValueAxis;
  values->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(names, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
  chart->addAxis(values, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
  series->attachAxis(names);
  series->attachAxis(values);
  qreal top = 0;
  for (QBarSet* set : series->barSets())
    for (int i = 0; i < set->count(); ++i) top = std::max(top, set->at(i));
  // Whole steps: counts are whole, and "%d" would print 0.5 as a second 0.
  const qreal step = std::max<qreal>(1, std::ceil(top / 5));
  values->setRange(0, std::max<qreal>(1, std::ceil(top / step) * step));
  values->setTickType(QValueAxis::TicksDynamic);
  values->setTickAnchor(0);
  values->setTickInterval(step);
  return chart;
}

}  // namespace

QChart* CoinsPerDayChart(const Books& books) {
  QList<qreal> coins;
  QStringList days;
  coins.reserve(qsizetype(books.days.size()));
  for (const DayBooks& d : books.days) {
    coins << qreal(d.coins);
    days << DayLabel(d.day);
  }
  auto* set = new QBarSet(QCoreApplication::translate("cfg::BooksCharts", "Pièces"));
  set->append(coins);
  auto* series = new QBarSeries;
  series->append(set);
  series->setBarWidth(0.9);
  return BarChart(series, DaysAxis(days), QCoreApplication::translate("cfg::BooksCharts", "Pièces par jour"), false);
}

QChart* TopGamesChart(const Books& books, RankBy by) {
  const std::vector<std::size_t> top = TopGames(books, by, kTopGames);
  const bool coins = by == RankBy::kCoins;
  auto* set = new QBarSet(coins ? QCoreApplication::translate("cfg::BooksCharts", "Pièces")
                                : QCoreApplication::translate("cfg::BooksCharts", "Parties"));
  QStringList names;
  // The axis draws its first category at the bottom: the best goes last.
  for (auto i = top.rbegin(); i != top.rend(); ++i) {
    const GameBooks& g = books.games[*i];
    set->append(qreal(by == RankBy::kCoins ? g.CoinTotal() : g.plays));
    names << QString::fromStdString(g.romName);
  }
  auto* series = new QHorizontalBarSeries;
  series->append(set);
  const QString title = coins ? QCoreApplication::translate("cfg::BooksCharts", "Les 20 jeux qui rapportent le plus")
                              : QCoreApplication::translate("cfg::BooksCharts", "Les 20 jeux les plus joués");
  return BarChart(series, Categories(names), title, true);
}

QChart* CoinsPerSlotChart(const Books& books) {
  auto* set = new QBarSet(QCoreApplication::translate("cfg::BooksCharts", "Pièces"));
  for (const std::int64_t c : books.coinsPerSlot) set->append(qreal(c));
  auto* series = new QBarSeries;
  series->append(set);
  const QStringList slotNames = {QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("C3"), QStringLiteral("C4")};
  return BarChart(series, Categories(slotNames), QCoreApplication::translate("cfg::BooksCharts", "Pièces par monnayeur"),
                  false);
}

}  // namespace cfg
