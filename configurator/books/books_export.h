// The books as CSV for a spreadsheet: one line per game (the page's columns) or per day.
#pragma once

#include <string>

#include "configurator/books/books_tally.h"

namespace cfg {

std::string GamesCsv(const Books& books);
std::string DaysCsv(const Books& books);

}  // namespace cfg
