// The frontend's debug log "debug.txt" in the base directory. Records end in CR LF and
// are written as UTF-8 so that the log reads right on Linux (Windows-1252 text of the
// settings is converted).
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace platform {

// Where debug.txt lives; set once at start-up to the base directory.
void SetLogDirectory(const std::string& dir);
const std::string& LogDirectory();
std::string LogFilePath();

// Local time as day/month/year - hour:minutes.seconds: 07/01/2005 - 9:05.03
std::string FormatTimestamp(const std::tm& local);
std::string FormatTimestamp();  // now

// Appends one record: optional "<timestamp> => ", the text, CR LF when newline != 0.
// An empty text writes nothing but still creates the file. When the file cannot be
// opened a "???" message box is shown and nothing is written.
void WriteLog(std::string_view text, int newline, int timestamp);

}  // namespace platform
