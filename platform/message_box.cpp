#include "platform/message_box.h"

#include "platform/debug_log.h"
#include "platform/text.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>

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

QuestionSink& QuestionSinkSlot() {
  static QuestionSink sink;
  return sink;
}

Answer AskWithSdl(std::string_view text, std::string_view caption, QuestionButtons buttons) {
  const char* mode = std::getenv("ORVANEL_MESSAGES");
  if (mode && std::strcmp(mode, "log") == 0) return Answer::kCancel;
  const std::string t = ToUtf8ForDisplay(text);
  const std::string c = ToUtf8ForDisplay(caption);
  std::vector<SDL_MessageBoxButtonData> rows;
  if (buttons == QuestionButtons::kYesNoCancel) {
    rows = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, int(Answer::kYes), "Oui"},
            {0, int(Answer::kNo), "Non"},
            {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, int(Answer::kCancel), "Annuler"}};
  } else {
    rows = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, int(Answer::kOk), "OK"},
            {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, int(Answer::kCancel), "Annuler"}};
  }
  SDL_MessageBoxData data{};
  data.flags = SDL_MESSAGEBOX_INFORMATION;
  data.title = c.c_str();
  data.message = t.c_str();
  data.numbuttons = static_cast<int>(rows.size());
  data.buttons = rows.data();
  int chosen = int(Answer::kCancel);
  if (SDL_ShowMessageBox(&data, &chosen) != 0 || chosen < 0) return Answer::kCancel;
  return static_cast<Answer>(chosen);
}

}  // namespace

void SetQuestionSink(QuestionSink sink) { QuestionSinkSlot() = std::move(sink); }

Answer AskQuestion(std::string_view text, std::string_view caption, QuestionButtons buttons) {
  // Questions are not logged: closing a program without changes must write nothing.
  return QuestionSinkSlot() ? QuestionSinkSlot()(text, caption, buttons) : AskWithSdl(text, caption, buttons);
}

std::vector<RecordedMessage>& ScriptQuestionAnswers(std::vector<Answer> answers) {
  static std::vector<RecordedMessage> asked;
  asked.clear();
  auto script = std::make_shared<std::deque<Answer>>(answers.begin(), answers.end());
  SetQuestionSink([script](std::string_view text, std::string_view caption, QuestionButtons) {
    asked.push_back({std::string(text), std::string(caption)});
    if (script->empty()) return Answer::kCancel;
    const Answer a = script->front();
    script->pop_front();
    return a;
  });
  return asked;
}

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
