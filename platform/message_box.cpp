#include "platform/message_box.h"

#include "platform/debug_log.h"
#include "platform/message_catalogue.h"
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
    rows = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, int(Answer::kYes), Tr("Oui")},
            {0, int(Answer::kNo), Tr("Non")},
            {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, int(Answer::kCancel), Tr("Annuler")}};
  } else {
    rows = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, int(Answer::kOk), "OK"},
            {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, int(Answer::kCancel), Tr("Annuler")}};
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

namespace {

void LogMessage(std::string_view text, std::string_view caption) {
  std::string record = "Message";
  if (!caption.empty()) record += " [" + std::string(caption) + "]";
  record += ": " + std::string(text);
  WriteLog(record, 1, 1);
}

// UTF-8 or Windows-1252 text (a picture's path may be either) as Windows-1252.
std::string AsCp1252(std::string_view text) { return Utf8ToCp1252(ToUtf8ForDisplay(text)); }

std::string Translated(std::string_view french) { return Tr(std::string(french).c_str()); }

}  // namespace

void ShowTranslatedMessageBox(std::string_view text, std::initializer_list<std::string_view> values,
                              std::string_view caption) {
  // The log's lines were written in Windows-1252 bytes (its writer turns them into UTF-8):
  // the French and the values keep making the same bytes.
  LogMessage(FormatText(AsCp1252(text), values), AsCp1252(caption));
  std::vector<std::string> shownValues;
  for (const std::string_view value : values) shownValues.push_back(ToUtf8ForDisplay(value));
  const std::vector<std::string_view> shownViews(shownValues.begin(), shownValues.end());
  const std::string shown = FormatText(Translated(text), shownViews);
  ShowMessageBoxUnlogged(shown, Translated(caption));
}

void ShowMessageBox(std::string_view text, std::string_view caption) {
  LogMessage(text, caption);
  ShowMessageBoxUnlogged(text, caption);
}

}  // namespace platform
