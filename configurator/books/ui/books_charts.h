// The page's charts, drawn from the books of the period shown.
#pragma once

#include "configurator/books/books_tally.h"

class QChart;

namespace cfg {

inline constexpr std::size_t kTopGames = 20;

QChart* CoinsPerDayChart(const Books& books);      // vertical bars, one a day
QChart* TopGamesChart(const Books& books, RankBy by);  // horizontal bars, best at the top
QChart* CoinsPerSlotChart(const Books& books);     // C1..C4

}  // namespace cfg
