#include "platform/debug_log.h"

#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cstdio>

namespace platform {
namespace {
std::string& Dir() {
  static std::string dir = ".";
  return dir;
}
// A log that cannot be written (read-only installation) is reported once; a box for every
// line would make the menu unusable.
bool& FailureShown() {
  static bool shown = false;
  return shown;
}
}  // namespace

void SetLogDirectory(const std::string& dir) {
  Dir() = dir;
  FailureShown() = false;
}
const std::string& LogDirectory() { return Dir(); }
std::string LogFilePath() { return JoinPath(Dir(), "debug.txt"); }

std::string FormatTimestamp(const std::tm& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%d - %d:%02d.%02d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900,
                t.tm_hour, t.tm_min, t.tm_sec);
  return buf;
}

std::string FormatTimestamp() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return FormatTimestamp(local);
}

void WriteLog(std::string_view text, int newline, int timestamp) {
  std::string record;
  if (!text.empty()) {
    if (timestamp) record = FormatTimestamp() + " => ";
    record += ToUtf8ForDisplay(text);
    if (newline) record += "\r\n";
  }
  if (!AppendToFile(LogFilePath(), record) && !FailureShown()) {
    FailureShown() = true;
    ShowMessageBoxUnlogged("???", "???");
  }
}

}  // namespace platform
