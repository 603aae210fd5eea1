// config-shot <installation> <output folder>: renders the configurator's General and Emus
// pages for that installation into general.png and emus.png, with no display needed. The
// Emus page shows the installation's current configuration (LastEmu, else EmuBase); the
// layout editor (layout.png) and its preview (preview.png) show that configuration's template;
// the books (statistics.png) show the whole journal of the installation.
#include <cstdio>
#include <string>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "configurator/books/ui/statistics_page.h"
#include "configurator/layouteditor/ui/layout_page.h"
#include "configurator/layouteditor/ui/preview_window.h"
#include "configurator/pagemodel/installation.h"
#include "settings/read_settings.h"
#include "configurator/pages/emus_page.h"
#include "configurator/config_window.h"
#include "configurator/widgets/message_boxes.h"
#include "platform/message_box.h"
#include "platform/message_catalogue.h"
#include "settings/message_language.h"

namespace {

bool Shoot(cfg::ConfigWindow& window, const QString& file) {
  QApplication::processEvents();
  if (window.grab().save(file, "PNG")) return true;
  std::fprintf(stderr, "config-shot: cannot write %s\n", file.toLocal8Bit().constData());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: config-shot <installation> <output folder>\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string base = argv[1];
  QApplication app(argc, argv);
  // The pictures speak the installation's language (its Langue, else the locale's).
  settings::UseLanguageOfInstallationWith(base, ORV_LOCALE_DIR);
  cfg::InstallTranslations(app, platform::MessageLanguageInUse(), platform::MessageCatalogueDirectoryInUse());
  // Nobody is there to answer: a message is logged, never shown.
  platform::SetMessageBoxSink([](std::string_view text, std::string_view caption) {
    std::fprintf(stderr, "config-shot: %.*s: %.*s\n", int(caption.size()), caption.data(),
                 int(text.size()), text.data());
  });
  const QDir out(QString::fromLocal8Bit(argv[2]));
  if (!out.exists() && !QDir().mkpath(out.path())) {
    std::fprintf(stderr, "config-shot: cannot create %s\n", argv[2]);
    return 1;
  }

  cfg::ConfigWindow window(base);
  window.resize(window.sizeHint());
  window.show();
  bool ok = Shoot(window, out.filePath("general.png"));

  window.SelectPage(cfg::kEmusPage);  // opened on the configuration the cabinet starts with
  ok = Shoot(window, out.filePath("emus.png")) && ok;

  auto* layout = static_cast<cfg::LayoutPage*>(window.page(cfg::kLayoutPage));
  // No screen to fit: any template size is shown.
  layout->SetDesktopSource([] { return cfg::DesktopSize{}; });
  const std::string templateName =
      settings::LoadWrittenSettings(window.emusPage()->path(), settings::SettingFile::Configuration).templateDir;
  window.SelectPage(cfg::kLayoutPage);
  if (!layout->ChooseTemplateNamed(templateName))
    std::fprintf(stderr, "config-shot: no template \"%s\"\n", templateName.c_str());
  ok = Shoot(window, out.filePath("layout.png")) && ok;
  layout->preview()->DrawNow();
  ok = layout->preview()->image().save(out.filePath("preview.png"), "PNG") && ok;

  auto* books = static_cast<cfg::StatisticsPage*>(window.page(cfg::kStatisticsPage));
  window.SelectPage(cfg::kStatisticsPage);
  window.resize(window.width() + 200, window.height() + 240);  // room for the table and a chart
  books->WaitLoaded();
  books->ChoosePeriod(cfg::PeriodKind::kAll);  // the picture must not depend on today
  ok = Shoot(window, out.filePath("statistics.png")) && ok;
  return ok ? 0 : 1;
}
