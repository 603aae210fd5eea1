// config-shot <installation> <output folder>: renders the configurator's General and Emus
// pages for that installation into general.png and emus.png, with no display needed. The
// Emus page shows the installation's current configuration (LastEmu, else EmuBase).
#include <cstdio>
#include <string>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "configurator/settings/main_settings.h"
#include "configurator/settings/installation.h"
#include "configurator/settings/ui/emus_page.h"
#include "configurator/shell/config_window.h"
#include "configurator/shell/message_boxes.h"
#include "platform/message_box.h"

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
  cfg::InstallFrenchTranslation(app);
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

  const cfg::MainSettings main = cfg::LoadMainSettings(cfg::MainSettingsFile(base));
  window.SelectPage(cfg::kEmusPage);
  if (!window.emusPage()->SelectConfiguration(main.lastEmu))
    window.emusPage()->SelectConfiguration(main.emuBase);
  ok = Shoot(window, out.filePath("emus.png")) && ok;
  return ok ? 0 : 1;
}
