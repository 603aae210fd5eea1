#include "platform/message_box.h"

#include "platform/debug_log.h"
#include "platform/text.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace platform {
namespace {
MessageBoxSink& Sink() {
  static MessageBoxSink sink;
  return sink;
}
std::vector<RecordedMessage>& Recorded() {
  static std::vector<RecordedMessage> messages;
  return messages;
}
}  // namespace

void SetMessageBoxSink(MessageBoxSink sink) { Sink() = std::move(sink); }

std::vector<RecordedMessage>& RecordMessageBoxes() {
  Recorded().clear();
  SetMessageBoxSink([](std::string_view text, std::string_view caption) {
    Recorded().push_back({std::string(text), std::string(caption)});
  });
  return Recorded();
}

void ShowMessageBoxUnlogged(std::string_view text, std::string_view caption) {
  if (Sink()) {
    Sink()(text, caption);
    return;
  }
  // Whole-program tests run without anyone to click OK: the log alone is the box.
  const char* mode = std::getenv("ORVANEL_MESSAGES");
  if (mode && std::strcmp(mode, "log") == 0) return;
  const std::string t = ToUtf8ForDisplay(text);
  const std::string c = ToUtf8ForDisplay(caption);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, c.c_str(), t.c_str(), nullptr);
}

void ShowMessageBox(std::string_view text, std::string_view caption) {
  std::string record = "Message";
  if (!caption.empty()) record += " [" + std::string(caption) + "]";
  record += ": " + std::string(text);
  WriteLog(record, 1, 1);
  ShowMessageBoxUnlogged(text, caption);
}

}  // namespace platform
