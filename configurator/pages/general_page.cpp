#include "configurator/pages/general_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "configurator/settings/installation.h"
#include "configurator/pages/key_capture_dialog.h"
#include "configurator/widgets/common_dialogs.h"
#include "configurator/widgets/setting_text.h"

namespace cfg {

GeneralPage::GeneralPage(const std::string& base, Edited<MainSettings>& settings, QWidget* parent)
    : Page(parent), base_(base), path_(MainSettingsFile(base)), settings_(settings) {
  settings_.Load(LoadMainSettings(path_));
  MainSettings& s = settings_.value;

  auto* width = new QLineEdit(this);
  width->setObjectName("id1042");
  auto* height = new QLineEdit(this);
  height->setObjectName("id1043");
  auto* windowed = new QCheckBox(QStringLiteral("Fenêtré"), this);
  windowed->setObjectName("id1044");
  auto* transitions = new QCheckBox(QStringLiteral("Transitions écrans"), this);
  transitions->setObjectName("id1048");
  auto* powerOff = new QCheckBox(QStringLiteral("Fermer windows en quittant"), this);
  powerOff->setObjectName("id1050");
  auto* emuBase = new QComboBox(this);
  emuBase->setObjectName("id1049");
  for (const std::string& name : ConfigurationNames(base_)) emuBase->addItem(FromSettingText(name));
  auto* keys = new QPushButton(QStringLiteral("Config. touches"), this);
  keys->setObjectName("id1045");

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Resolution"), this), 0, 0);
  grid->addWidget(width, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("X"), this), 0, 2, Qt::AlignCenter);
  grid->addWidget(height, 0, 3);
  grid->addWidget(windowed, 1, 0, 1, 2);
  grid->addWidget(transitions, 2, 0, 1, 2);
  grid->addWidget(powerOff, 3, 0, 1, 4);
  grid->addWidget(new QLabel(QStringLiteral("Config 'menu principal'"), this), 4, 0, 1, 4);
  grid->addWidget(emuBase, 5, 0, 1, 4);
  grid->addWidget(keys, 6, 0, 1, 2);
  grid->setRowStretch(7, 1);
  grid->setColumnStretch(4, 1);
  setTabOrder(width, height);
  setTabOrder(height, windowed);
  setTabOrder(windowed, transitions);
  setTabOrder(transitions, powerOff);
  setTabOrder(powerOff, emuBase);
  setTabOrder(emuBase, keys);

  binders_.Number(width, s.largFen);
  binders_.Number(height, s.hautFen);
  binders_.Check(windowed, s.modeFenetre);
  binders_.Check(transitions, s.transitions);
  binders_.Choice(emuBase, s.emuBase);
  // Only exit mode 1 checks the box; another mode (2 runs AppSortie) stays unless it is clicked.
  connect(powerOff, &QCheckBox::toggled, this,
          [&s](bool on) { s.modeSortie = ExitModeFromCheckBox(s.modeSortie, on); });
  binders_.Show([powerOff, &s] {
    const QSignalBlocker block(powerOff);
    powerOff->setChecked(s.modeSortie == 1);
  });
  connect(keys, &QPushButton::clicked, this, &GeneralPage::OpenKeyCapture);
  binders_.ShowAll();
  width->setFocus();
}

void GeneralPage::OpenKeyCapture() {
  auto* dialog = new KeyCaptureDialog(settings_.value.keys, this);
  dialog->show();
  dialog->activateWindow();
  dialog->setFocus();
}

bool GeneralPage::SaveTo(const std::string& path) {
  return SaveEdited(settings_, path, SaveMainSettings);
}

void GeneralPage::SaveAs() {
  std::string chosen = path_;
  if (!AskSaveFile(this, base_, chosen, "Fichiers ini (*.ini *.INI);;Tous les fichiers (*)",
                   "Enregistrement d'une configuration principale", "ini"))
    return;
  if (SaveTo(chosen)) path_ = chosen;
}

}  // namespace cfg
