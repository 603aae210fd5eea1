#include "configurator/pages/emus_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "configurator/listgen/ui/generator_dialog.h"
#include "configurator/settings/installation.h"
#include "configurator/widgets/common_dialogs.h"
#include "configurator/widgets/setting_text.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/setting_keys.h"

namespace cfg {
namespace {

constexpr int kPathLength = 259;
constexpr const char* kNoMenu = "=== PAS DE MENU ===";

template <class W>
W* Named(W* widget, int id) {
  widget->setObjectName(QStringLiteral("id%1").arg(id));
  return widget;
}

}  // namespace

EmusPage::EmusPage(const std::string& base, Edited<EmulatorSettings>& settings, QWidget* parent)
    : Page(parent), base_(base), settings_(settings) {
  settings_.Load(EmulatorSettings{});
  EmulatorSettings& s = settings_.value;
  auto* grid = new QGridLayout(this);
  auto label = [this](const char* text) { return new QLabel(QString::fromUtf8(text), this); };

  // Row 0: the configuration, its template and menu.
  configs_ = Named(new QComboBox(this), 1053);
  auto* templates = Named(new QComboBox(this), 1068);
  auto* menus = Named(new QComboBox(this), 1071);
  const std::vector<std::string> names = ConfigurationNames(base_);
  if (platform::DirectoryExists(platform::ResolvePath(platform::JoinPath(base_, "config"))))
    menus->addItem(QString::fromUtf8(kNoMenu));
  for (const std::string& n : names) {
    configs_->addItem(FromSettingText(n));
    menus->addItem(FromSettingText(n));
  }
  for (const std::string& t : TemplateNames(base_)) templates->addItem(FromSettingText(t));
  configs_->setCurrentIndex(-1);
  grid->addWidget(label("Config."), 0, 0);
  grid->addWidget(configs_, 0, 1);
  grid->addWidget(label("Layout"), 0, 2);
  grid->addWidget(templates, 0, 3);
  grid->addWidget(label("Menu"), 0, 4);
  grid->addWidget(menus, 0, 5);
  binders_.Choice(templates, s.templateDir);
  const int noMenuEntry = menus->count() > int(names.size()) ? 0 : -1;
  binders_.Choice(menus, s.menu, noMenuEntry);
  connect(configs_, &QComboBox::activated, this, [this](int i) { ChooseConfiguration(i); });

  // The emulator and the ROMs.
  auto* emuExe = Named(new QLineEdit(this), 1056);
  auto* emuButton = Named(new QPushButton(QStringLiteral("&Emulateur"), this), 1063);
  grid->addWidget(emuButton, 1, 0);
  grid->addWidget(emuExe, 1, 1, 1, 5);
  binders_.Text(emuExe, s.emuExe, kPathLength);
  FileChooser(emuButton, emuExe, s.emuExe, "Tous les fichiers (*)", "Exécutable de l'émulateur");
  FolderRow(2, 0, "&Roms", 1059, 1052, "Répertoire des ROMS", s.romDir);
  auto* romsExt = Named(new QLineEdit(this), 1085);
  auto* utilExt = Named(new QCheckBox(QStringLiteral("Utiliser Roms Ext."), this), 10490);
  grid->addWidget(label("Roms Ext."), 3, 0);
  grid->addWidget(romsExt, 3, 1);
  grid->addWidget(utilExt, 3, 2, 1, 2);
  binders_.Text(romsExt, s.romsExt, int(settings::Key(settings::SettingId::RomsExt).size) - 1);
  binders_.Check(utilExt, s.utilExt);

  // The media folders.
  FolderRow(4, 0, "&Snap", 1060, 1054, "Répertoire des Snapshot", s.snapDir);
  FolderRow(5, 0, "&Marquees", 1061, 1055, "Répertoire des Marquees", s.marqueesDir);
  FolderRow(6, 0, "&Icons", 1062, 1058, "Répertoire des Icons", s.iconsDir);
  FolderRow(7, 0, "&Musique", 1064, 1057, "Répertoire des Musiques", s.musicFond);
  auto* musicSub = Named(new QCheckBox(QStringLiteral("Sous-rép."), this), 1081);
  grid->addWidget(musicSub, 7, 4);
  binders_.Check(musicSub, s.musicSousRep);
  FolderRow(8, 0, "&SlideShow", 1065, 1079, "Répertoire des Images pour le ScreenSaver", s.slideShowDir);
  auto* slideSub = Named(new QCheckBox(QStringLiteral("Sous-rép."), this), 1080);
  grid->addWidget(slideSub, 8, 4);
  binders_.Check(slideSub, s.slideShowSousRep);

  // The six custom folders share one field; typed text goes to the number shown.
  customNumber_ = Named(new QComboBox(this), 1066);
  for (int i = 1; i <= int(kCustomCount); ++i) customNumber_->addItem(QString::number(i));
  customField_ = Named(new QLineEdit(this), 1083);
  customField_->setMaxLength(kPathLength);
  auto* customButton = Named(new QPushButton(QStringLiteral("&Custom"), this), 1067);
  grid->addWidget(customButton, 9, 0);
  grid->addWidget(customField_, 9, 1, 1, 3);
  grid->addWidget(customNumber_, 9, 4);
  connect(customField_, &QLineEdit::textEdited, this,
          [this, &s](const QString& t) { s.customDirs[std::size_t(customShown_)] = ToSettingText(t, kPathLength); });
  connect(customNumber_, &QComboBox::activated, this, [this](int i) {
    customShown_ = i < 0 ? 0 : i;
    ShowCustom();
  });
  connect(customButton, &QPushButton::clicked, this, [this, &s] {
    std::string& dir = s.customDirs[std::size_t(customShown_)];
    if (auto chosen = AskFolder(this, dir.empty() ? base_ : ExpandPath(base_, dir),
                                "Répertoire des Images Custom (flyers, cabinet etc...)"))
      SetText(customField_, dir, platform::MakeRelativePath(base_, *chosen));
  });
  binders_.Show([this] { ShowCustom(); });

  // The game list.
  auto* listBox = new QGroupBox(QStringLiteral("Liste de ROMS"), this);
  auto* listGrid = new QGridLayout(listBox);
  auto* listFile = Named(new QLineEdit(listBox), 1084);
  auto* listButton = Named(new QPushButton(QStringLiteral("..."), listBox), 1069);
  auto* create = Named(new QPushButton(QStringLiteral("Créer"), listBox), 1070);
  listGrid->addWidget(listFile, 0, 0);
  listGrid->addWidget(listButton, 0, 1);
  listGrid->addWidget(create, 0, 2);
  grid->addWidget(listBox, 10, 0, 1, 6);
  binders_.Text(listFile, s.fichierDescription, kPathLength);
  FileChooser(listButton, listFile, s.fichierDescription, "Fichier texte (*.txt *.TXT);;Tous les fichiers (*)",
              "Liste des Roms");
  connect(create, &QPushButton::clicked, this, [this, &s] {
    OpenGeneratorDialog(this, base_, [this, &s] {
      return GeneratorSources{ExpandPath(base_, s.emuExe), ExpandPath(base_, s.romDir)};
    });
  });

  // The screensaver.
  auto* saver = new QGroupBox(QStringLiteral("Screensaver"), this);
  auto* saverGrid = new QGridLayout(saver);
  auto* radios = new QButtonGroup(this);
  const struct {
    int id;
    const char* text;
    int type;
  } kRadios[] = {{1086, "Aucun", 0}, {1076, "Lance ROM (MAME)", 1}, {1075, "SlideShow", 2}};
  for (const auto& r : kRadios) {
    auto* radio = Named(new QRadioButton(QString::fromUtf8(r.text), saver), r.id);
    radios->addButton(radio, r.type);
    saverGrid->addWidget(radio, 0, r.type);
  }
  // A type no radio stands for (3: monitor standby) stays until a radio is clicked.
  connect(radios, &QButtonGroup::idClicked, this, [&s](int type) { s.scrType = type; });
  binders_.Show([radios, &s] {
    const QSignalBlocker block(radios);
    radios->button(s.scrType == 1 || s.scrType == 2 ? s.scrType : 0)->setChecked(true);
  });
  auto* delay = Named(new QLineEdit(saver), 1077);
  auto* duration = Named(new QLineEdit(saver), 1078);
  saverGrid->addWidget(new QLabel(QStringLiteral("Délai"), saver), 1, 0);
  saverGrid->addWidget(delay, 1, 1);
  saverGrid->addWidget(new QLabel(QStringLiteral("Durée"), saver), 1, 2);
  saverGrid->addWidget(duration, 1, 3);
  binders_.Number(delay, s.scrTimeOut);
  binders_.Number(duration, s.scrDuration);
  grid->addWidget(saver, 11, 0, 1, 4);

  // Switches, volume and rotation.
  auto* switches = new QGridLayout();
  const struct {
    int id;
    const char* text;
    bool* field;
  } kChecks[] = {{1046, "Défilement liste / page", &s.move1Page},
                 {1047, "Activer les sons", &s.sons},
                 {10480, "Menu", &s.typeMenu},
                 {10481, "Rom entre \"\"", &s.guillemets},
                 {10482, "Cacher fenêtre", &s.cacherFenetre}};
  int at = 0;
  for (const auto& c : kChecks) {
    auto* box = Named(new QCheckBox(QString::fromUtf8(c.text), this), c.id);
    binders_.Check(box, *c.field);
    switches->addWidget(box, at / 2, at % 2);
    ++at;
  }
  grid->addLayout(switches, 11, 4, 1, 2);
  auto* volume = Named(new QLineEdit(this), 1082);
  grid->addWidget(label("Vol. musique"), 12, 0);
  grid->addWidget(volume, 12, 1);
  binders_.Number(volume, s.musicVolume);
  auto* rotation = Named(new QLineEdit(this), 1087);
  rotation->setReadOnly(true);
  auto* upDown = Named(new QWidget(this), 1088);
  auto* upDownLayout = new QVBoxLayout(upDown);
  upDownLayout->setContentsMargins(0, 0, 0, 0);
  upDownLayout->setSpacing(0);
  for (bool up : {true, false}) {
    auto* step = new QToolButton(upDown);
    step->setObjectName(up ? "id1088up" : "id1088down");
    step->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
    step->setFixedHeight(11);
    upDownLayout->addWidget(step);
    connect(step, &QToolButton::clicked, this, [rotation, up, &s] {
      s.rotation = StepRotation(s.rotation, up);
      rotation->setText(QString::fromStdString(RotationText(s.rotation)));
    });
  }
  grid->addWidget(label("Rotation"), 12, 2);
  grid->addWidget(rotation, 12, 3);
  grid->addWidget(upDown, 12, 4, Qt::AlignLeft);
  binders_.Show([rotation, &s] {
    rotation->setText(QString::fromStdString(RotationText(s.rotation)));
  });
  grid->setRowStretch(13, 1);
  binders_.ShowAll();
}

QLineEdit* EmusPage::FolderRow(int row, int column, const char* button, int buttonId, int fieldId,
                               const char* title, std::string& field) {
  auto* grid = static_cast<QGridLayout*>(layout());
  auto* edit = Named(new QLineEdit(this), fieldId);
  auto* browse = Named(new QPushButton(QString::fromUtf8(button), this), buttonId);
  grid->addWidget(browse, row, column);
  grid->addWidget(edit, row, column + 1, 1, 3);
  binders_.Text(edit, field, kPathLength);
  connect(browse, &QPushButton::clicked, this, [this, edit, title, &field] {
    if (auto chosen = AskFolder(this, field.empty() ? base_ : ExpandPath(base_, field), title))
      SetText(edit, field, platform::MakeRelativePath(base_, *chosen));
  });
  return edit;
}

void EmusPage::FileChooser(QPushButton* button, QLineEdit* edit, std::string& field, const char* filter,
                           const char* title) {
  connect(button, &QPushButton::clicked, this, [this, edit, &field, filter, title] {
    std::string path = field.empty() ? base_ + "/" : ExpandPath(base_, field);
    if (AskOpenFile(this, base_, path, filter, title))
      SetText(edit, field, platform::MakeRelativePath(base_, path));
  });
}

void EmusPage::ShowCustom() {
  const QSignalBlocker block(customField_);
  customField_->setText(FromSettingText(settings_.value.customDirs[std::size_t(customShown_)]));
  const QSignalBlocker blockNumber(customNumber_);
  customNumber_->setCurrentIndex(customShown_);
}

bool EmusPage::SelectConfiguration(const std::string& name) {
  for (int i = 0; i < configs_->count(); ++i)
    if (platform::EqualsNoCase(ToSettingText(configs_->itemText(i)), name)) {
      {
        const QSignalBlocker block(configs_);
        configs_->setCurrentIndex(i);
      }
      return ChooseConfiguration(i);
    }
  return false;
}

bool EmusPage::ChooseConfiguration(int index) {
  if (index == configIndex_) return true;
  if (settings_.IsModified()) {
    const platform::Answer a = platform::AskQuestion("Enregistrer les modifications ?", kCaption,
                                                     platform::QuestionButtons::kYesNoCancel);
    if (a == platform::Answer::kCancel || (a == platform::Answer::kYes && !Save())) {
      const QSignalBlocker block(configs_);
      configs_->setCurrentIndex(configIndex_);
      return false;
    }
  }
  configIndex_ = index;
  if (index < 0) return true;
  path_ = ConfigurationFile(base_, ToSettingText(configs_->itemText(index)));
  settings_.Load(LoadEmulatorSettings(path_));
  binders_.ShowAll();
  return true;
}

bool EmusPage::SaveTo(const std::string& path) {
  return SaveEdited(settings_, path, SaveEmulatorSettings);
}

bool EmusPage::Save() {
  if (!path_.empty()) return SaveTo(path_);
  // No configuration chosen yet: ask where to save; the page keeps having no file.
  std::string chosen = platform::JoinPath(base_, "config/config.ini");
  if (!AskSaveFile(this, base_, chosen, "Fichiers paramètres (*.ini *.INI);;Tous les fichiers (*)",
                   "Enregistrement d'une configuration d'émulateur", "ini"))
    return false;
  return SaveTo(chosen);
}

void EmusPage::SaveAs() {
  std::string chosen = path_.empty() ? platform::JoinPath(base_, "config/config.ini") : path_;
  if (!AskSaveFile(this, base_, chosen, "Fichiers ini (*.ini *.INI);;Tous les fichiers (*)",
                   "Enregistrement d'une configuration principale", "ini"))
    return;
  if (SaveTo(chosen)) path_ = chosen;
}

}  // namespace cfg
