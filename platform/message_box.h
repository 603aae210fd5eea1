// Plain message boxes with an OK button. Every message is also written to debug.txt.
// Tests install a sink that records the messages instead of showing them.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct RecordedMessage {
  std::string text;
  std::string caption;
};

using MessageBoxSink = std::function<void(std::string_view text, std::string_view caption)>;

// Shows text and caption (Windows-1252 or UTF-8 bytes) and waits for OK; logs it first.
void ShowMessageBox(std::string_view text, std::string_view caption);
// A box whose text and caption are French source texts (marked with TrLater): the owner
// reads them in the language in use, debug.txt keeps the French words and bytes as before.
// `values` (Windows-1252 or UTF-8: names, paths) fill the text's %1 ... %9.
void ShowTranslatedMessageBox(std::string_view text, std::initializer_list<std::string_view> values,
                              std::string_view caption);
// The same without the log record (used by the log itself when it cannot be opened).
void ShowMessageBoxUnlogged(std::string_view text, std::string_view caption);

// Replaces the on-screen box (empty function: back to the real one).
void SetMessageBoxSink(MessageBoxSink sink);

// A sink that keeps every message, for tests; also honours ORVANEL_MESSAGES=log, which
// tests of the whole program set so that no box waits for a click.
std::vector<RecordedMessage>& RecordMessageBoxes();

// Questions. The answers keep the numbers of the original boxes (IDOK, IDCANCEL, IDYES, IDNO).
enum class QuestionButtons { kYesNoCancel, kOkCancel };
enum class Answer { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

using QuestionSink =
    std::function<Answer(std::string_view text, std::string_view caption, QuestionButtons buttons)>;

// Asks with the question icon and waits for the answer (not logged).
Answer AskQuestion(std::string_view text, std::string_view caption, QuestionButtons buttons);

// Replaces the on-screen question box (empty function: back to the real one).
void SetQuestionSink(QuestionSink sink);

// A sink for tests: records every question and gives the scripted answers in turn
// (Cancel once the script has run out).
std::vector<RecordedMessage>& ScriptQuestionAnswers(std::vector<Answer> answers);

}  // namespace platform
