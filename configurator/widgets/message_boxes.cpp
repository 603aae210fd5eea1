#include "configurator/widgets/message_boxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "configurator/widgets/setting_text.h"
#include "platform/message_box.h"
#include "platform/message_catalogue.h"

namespace cfg {
namespace {

platform::Answer ShowQuestion(std::string_view text, std::string_view caption,
                              platform::QuestionButtons buttons) {
  QMessageBox box(QMessageBox::Question, FromSettingText(caption), FromSettingText(text),
                  QMessageBox::NoButton, QApplication::activeWindow());
  struct Choice {
    QMessageBox::StandardButton button;
    const char* label;
    platform::Answer answer;
  };
  const bool yesNo = buttons == platform::QuestionButtons::kYesNoCancel;
  const std::vector<Choice> choices =
      yesNo
          ? std::vector<Choice>{{QMessageBox::Yes, QT_TRANSLATE_NOOP("cfg::MessageBoxes", "Oui"),
                                 platform::Answer::kYes},
                                {QMessageBox::No, QT_TRANSLATE_NOOP("cfg::MessageBoxes", "Non"), platform::Answer::kNo},
                                {QMessageBox::Cancel, QT_TRANSLATE_NOOP("cfg::MessageBoxes", "Annuler"),
                                 platform::Answer::kCancel}}
          : std::vector<Choice>{
                {QMessageBox::Ok, "OK", platform::Answer::kOk},
                {QMessageBox::Cancel, QT_TRANSLATE_NOOP("cfg::MessageBoxes", "Annuler"), platform::Answer::kCancel}};
  for (const Choice& c : choices)
    box.addButton(c.button)->setText(QCoreApplication::translate("cfg::MessageBoxes", c.label));
  box.setDefaultButton(choices.front().button);
  box.setEscapeButton(QMessageBox::Cancel);
  const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const Choice& c : choices)
    if (c.button == chosen) return c.answer;
  return platform::Answer::kCancel;
}

void ShowMessage(std::string_view text, std::string_view caption) {
  QMessageBox box(QMessageBox::NoIcon, FromSettingText(caption), FromSettingText(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

}  // namespace

void InstallQtMessageBoxes() {
  platform::SetMessageBoxSink(ShowMessage);
  platform::SetQuestionSink(ShowQuestion);
}

void InstallTranslations(QApplication& app, const std::string& language, const std::string& directory) {
  // Qt's start set every locale category from the environment: under C, gettext would then
  // ignore the language chosen for the texts of the configurator's logic.
  platform::UseMessageLanguage(language, directory);
  // Ours: the configurator's own texts (French needs none, it is the sources' language).
  auto* ours = new QTranslator(&app);
  const QString folder = QString::fromStdString(directory + "/" + language + "/LC_MESSAGES");
  if (ours->load(QStringLiteral("orvanel-config"), folder)) QApplication::installTranslator(ours);
  // Qt's: the standard buttons and its own dialogs (file and colour choosers), when installed.
  auto* qt = new QTranslator(&app);
  if (qt->load(QLocale(QString::fromStdString(language)), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qt);
}

}  // namespace cfg
