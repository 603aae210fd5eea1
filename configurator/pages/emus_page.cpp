#include "configurator/pages/emus_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "configurator/listgen/ui/filter_dialog.h"
#include "configurator/listgen/listing_watch.h"
#include "configurator/listgen/ui/generator_dialog.h"
#include "configurator/pagemodel/installation.h"
#include "configurator/pagemodel/missing_paths.h"
#include "configurator/pagemodel/new_configuration.h"
#include "configurator/pagemodel/page_values.h"
#include "configurator/widgets/common_dialogs.h"
#include "configurator/widgets/missing_mark.h"
#include "configurator/widgets/name_list.h"
#include "configurator/widgets/setting_text.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/emulator_program.h"
#include "settings/setting_keys.h"

namespace cfg {
namespace {

using settings::SettingId;

// The Menu entry that stands for no menu configuration.
QString NoMenuText() { return QCoreApplication::translate("cfg::EmusPage", "=== PAS DE MENU ==="); }
constexpr int kCustomCount = 6;

}  // namespace

EmusPage::EmusPage(const std::string& base, EditedSettings& settings, QWidget* parent)
    : Page(parent), base_(base), settings_(settings), binders_(settings.value, base, this) {
  settings_.Load(Settings{});
  // Controls are made in their tab order.
  auto* grid = new QGridLayout(this);
  CreateConfigurationRow(grid);
  CreateEmulatorRows(grid);
  CreateMediaRows(grid);
  CreateCustomRow(grid);
  CreateListBox(grid);
  CreateScreensaver(grid);
  CreateSwitches(grid);
  CreateVolumeAndRotation(grid);
  grid->setRowStretch(14, 1);
  binders_.ShowAll();
}

void EmusPage::CreateConfigurationRow(QGridLayout* grid) {
  configs_ = Named(new QComboBox(this), 1053);
  auto* templates = Named(new QComboBox(this), 1068);
  auto* menus = menus_ = Named(new QComboBox(this), 1071);
  auto* create = Named(new QPushButton(QCoreApplication::translate("cfg::EmusPage", "Nouvelle"), this), 1100);
  const std::vector<std::string> names = ConfigurationNames(base_);
  if (platform::DirectoryExists(platform::ResolvePath(platform::JoinPath(base_, "config"))))
    menus->addItem(NoMenuText());
  for (const std::string& n : names) {
    configs_->addItem(FromSettingText(n));
    menus->addItem(FromSettingText(n));
  }
  for (const std::string& t : TemplateNames(base_)) templates->addItem(FromSettingText(t));
  configs_->setCurrentIndex(-1);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::EmusPage", "Config."), this), 0, 0);
  grid->addWidget(configs_, 0, 1);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::EmusPage", "Layout"), this), 0, 2);
  grid->addWidget(templates, 0, 3);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::EmusPage", "Menu"), this), 0, 4);
  grid->addWidget(menus, 0, 5);
  grid->addWidget(create, 0, 6);
  connect(create, &QPushButton::clicked, this, &EmusPage::AskNewConfiguration);
  binders_.Choice(templates, SettingId::TemplateDir);
  binders_.Choice(menus, SettingId::Menu, menus->count() > int(names.size()) ? 0 : -1);
  connect(configs_, &QComboBox::activated, this, [this](int i) { ChooseConfiguration(i); });
}

void EmusPage::CreateEmulatorRows(QGridLayout* grid) {
  auto* emuExe = Named(new QLineEdit(this), 1056);
  auto* emuButton = Named(new QPushButton(QCoreApplication::translate("cfg::EmusPage", "&Émulateur"), this), 1063);
  grid->addWidget(emuButton, 1, 0);
  grid->addWidget(emuExe, 1, 1, 1, 5);
  binders_.File(emuButton, emuExe, SettingId::EmuExe,
                QCoreApplication::translate("cfg::EmusPage", "Tous les fichiers (*)"),
                QCoreApplication::translate("cfg::EmusPage", "Exécutable de l'émulateur"));
  MarkMissing(emuExe, SettingId::EmuExe);
  FolderRow(grid, 2, QCoreApplication::translate("cfg::EmusPage", "&Roms"), 1059, 1052, SettingId::RomDir,
            QCoreApplication::translate("cfg::EmusPage", "Répertoire des ROMS"));
  auto* romsExt = Named(new QLineEdit(this), 1085);
  auto* utilExt = Named(new QCheckBox(QCoreApplication::translate("cfg::EmusPage", "Utiliser Roms Ext."), this), 10490);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::EmusPage", "Roms Ext."), this), 3, 0);
  grid->addWidget(romsExt, 3, 1);
  grid->addWidget(utilExt, 3, 2, 1, 2);
  binders_.Text(romsExt, SettingId::RomsExt);
  binders_.Check(utilExt, SettingId::UtilExt);
  params_ = Named(new QLineEdit(this), 1099);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::EmusPage", "Arguments"), this), 3, 4);
  grid->addWidget(params_, 3, 5);
  binders_.Text(params_, SettingId::EmuParams);
}

void EmusPage::CreateMediaRows(QGridLayout* grid) {
  FolderRow(grid, 4, QCoreApplication::translate("cfg::EmusPage", "&Snap"), 1060, 1054, SettingId::SnapDir,
            QCoreApplication::translate("cfg::EmusPage", "Répertoire des snapshots"));
  FolderRow(grid, 5, QCoreApplication::translate("cfg::EmusPage", "&Marquees"), 1061, 1055, SettingId::MarqueesDir,
            QCoreApplication::translate("cfg::EmusPage", "Répertoire des marquees"));
  FolderRow(grid, 6, QCoreApplication::translate("cfg::EmusPage", "&Icônes"), 1062, 1058, SettingId::IconsDir,
            QCoreApplication::translate("cfg::EmusPage", "Répertoire des icônes"));
  FolderRow(grid, 7, QCoreApplication::translate("cfg::EmusPage", "&Musique"), 1064, 1057, SettingId::MusicFond,
            QCoreApplication::translate("cfg::EmusPage", "Répertoire des musiques"));
  auto* musicSub = Named(new QCheckBox(QCoreApplication::translate("cfg::EmusPage", "Sous-rép."), this), 1081);
  grid->addWidget(musicSub, 7, 4);
  binders_.Check(musicSub, SettingId::MusicSousRep);
  FolderRow(grid, 8, QCoreApplication::translate("cfg::EmusPage", "&Diaporama"), 1065, 1079, SettingId::SlideShowDir,
            QCoreApplication::translate("cfg::EmusPage", "Répertoire des images de l'économiseur d'écran"));
  auto* slideSub = Named(new QCheckBox(QCoreApplication::translate("cfg::EmusPage", "Sous-rép."), this), 1080);
  grid->addWidget(slideSub, 8, 4);
  binders_.Check(slideSub, SettingId::SlideShowSousRep);
  // The video snaps, below the rest so the older rows keep their places.
  FolderRow(grid, 13, QCoreApplication::translate("cfg::EmusPage", "&Vidéos"), 1090, 1092, SettingId::VideoDir,
            QCoreApplication::translate("cfg::EmusPage", "Répertoire des vidéos"));
  auto* videoSound = Named(new QCheckBox(QCoreApplication::translate("cfg::EmusPage", "Son des vidéos"), this), 1091);
  grid->addWidget(videoSound, 13, 4);
  binders_.Check(videoSound, SettingId::VideoSon);
}

void EmusPage::CreateCustomRow(QGridLayout* grid) {
  // The six custom folders share one field; typed text goes to the number shown.
  customNumber_ = Named(new QComboBox(this), 1066);
  for (int i = 1; i <= kCustomCount; ++i) customNumber_->addItem(QString::number(i));
  customField_ = Named(new QLineEdit(this), 1083);
  const std::size_t size = settings::Key(SettingId::Custom1Dir).size - 1;
  customField_->setMaxLength(int(size));
  auto* customButton = Named(new QPushButton(QCoreApplication::translate("cfg::EmusPage", "&Custom"), this), 1067);
  grid->addWidget(customButton, 9, 0);
  grid->addWidget(customField_, 9, 1, 1, 3);
  grid->addWidget(customNumber_, 9, 4);
  auto shown = [this]() -> std::string& { return settings_.value.customDir[std::size_t(customShown_)]; };
  connect(customField_, &QLineEdit::textEdited, this,
          [shown, size](const QString& t) { shown() = ToSettingText(t, size); });
  connect(customNumber_, &QComboBox::activated, this, [this](int i) {
    customShown_ = i < 0 ? 0 : i;
    ShowCustom();
  });
  connect(customButton, &QPushButton::clicked, this, [this, shown] {
    if (auto chosen = AskFolder(
            this, FolderToOpen(base_, shown()),
            QCoreApplication::translate("cfg::EmusPage", "Répertoire des images custom (flyers, borne, etc.)")))
      SetText(customField_, shown(), platform::MakeRelativePath(base_, *chosen));
  });
  MarkMissing(customField_, SettingId::Custom1Dir);  // the six share the field and the rule
  binders_.Show([this] { ShowCustom(); });
}

void EmusPage::CreateListBox(QGridLayout* grid) {
  auto* listBox = new QGroupBox(QCoreApplication::translate("cfg::EmusPage", "Liste de ROMS"), this);
  auto* listGrid = new QGridLayout(listBox);
  auto* listFile = listFile_ = Named(new QLineEdit(listBox), 1084);
  auto* listButton = Named(new QPushButton(QStringLiteral("..."), listBox), 1069);
  auto* create = Named(new QPushButton(QCoreApplication::translate("cfg::EmusPage", "Créer"), listBox), 1070);
  listGrid->addWidget(listFile, 0, 0);
  listGrid->addWidget(listButton, 0, 1);
  listGrid->addWidget(create, 0, 2);
  filter_ = Named(new QPushButton(QCoreApplication::translate("cfg::EmusPage", "Filtre"), listBox), 1096);
  filter_->setEnabled(false);  // until a configuration is chosen
  listGrid->addWidget(filter_, 0, 3);
  connect(filter_, &QPushButton::clicked, this, &EmusPage::OpenFilter);
  grid->addWidget(listBox, 10, 0, 1, 6);
  binders_.File(listButton, listFile, SettingId::FichierDescription,
                QCoreApplication::translate("cfg::EmusPage", "Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)"),
                QCoreApplication::translate("cfg::EmusPage", "Liste des ROMS"));
  const Settings& s = settings_.value;
  connect(create, &QPushButton::clicked, this, [this, &s] {
    OpenGeneratorDialog(
        this, base_,
        [this, &s] {
          const std::string name = configIndex_ < 0 ? std::string() : ToSettingText(configs_->itemText(configIndex_));
          return GeneratorSources{settings::EmulatorProgramPath(base_, s.emuExe), ExpandPath(base_, s.romDir),
                                  ProposedListFile(base_, name)};
        },
        [this](const std::string& file, bool mameListing) { TakeCreatedList(file, mameListing); });
  });
}

void EmusPage::TakeCreatedList(const std::string& listFile, bool mameListing) {
  SetText(listFile_, binders_.TextField(SettingId::FichierDescription), platform::MakeRelativePath(base_, listFile));
  std::string& params = binders_.TextField(SettingId::EmuParams);
  if (mameListing && params.empty()) SetText(params_, params, kMameEmuParams);
}

void EmusPage::CreateScreensaver(QGridLayout* grid) {
  auto* saver = new QGroupBox(QCoreApplication::translate("cfg::EmusPage", "Économiseur d'écran"), this);
  auto* saverGrid = new QGridLayout(saver);
  auto* radios = new QButtonGroup(this);
  // The radio shows what the frontend will do: it reads the type's first character only.
  binders_.Radio(radios, saver, SettingId::ScrType,
                 {{1086, QCoreApplication::translate("cfg::EmusPage", "Aucun"), "0"},
                  {1076, QCoreApplication::translate("cfg::EmusPage", "Lance une ROM (MAME)"), "1"},
                  {1075, QCoreApplication::translate("cfg::EmusPage", "Diaporama"), "2"},
                  {1089, QCoreApplication::translate("cfg::EmusPage", "Veille de l'écran"), "3"}});
  for (QAbstractButton* radio : radios->buttons()) saverGrid->addWidget(radio, 0, radios->id(radio));
  auto* delay = Named(new QLineEdit(saver), 1077);
  auto* duration = Named(new QLineEdit(saver), 1078);
  saverGrid->addWidget(new QLabel(QCoreApplication::translate("cfg::EmusPage", "Délai"), saver), 1, 0);
  saverGrid->addWidget(delay, 1, 1);
  saverGrid->addWidget(new QLabel(QCoreApplication::translate("cfg::EmusPage", "Durée"), saver), 1, 2);
  saverGrid->addWidget(duration, 1, 3);
  binders_.Number(delay, SettingId::ScrTimeOut);
  binders_.Number(duration, SettingId::ScrDuration);
  grid->addWidget(saver, 11, 0, 1, 4);
}

void EmusPage::CreateSwitches(QGridLayout* grid) {
  auto* switches = new QGridLayout();
  const struct {
    int id;
    const char* text;
    SettingId key;
  } kChecks[] = {{1046, QT_TRANSLATE_NOOP("cfg::EmusPage", "Défilement liste / page"), SettingId::Move1Page},
                 {1047, QT_TRANSLATE_NOOP("cfg::EmusPage", "Activer les sons"), SettingId::Sons},
                 {10480, QT_TRANSLATE_NOOP("cfg::EmusPage", "Menu"), SettingId::TypeMenu},
                 {10481, QT_TRANSLATE_NOOP("cfg::EmusPage", "Rom entre \"\""), SettingId::Guillemets},
                 {10482, QT_TRANSLATE_NOOP("cfg::EmusPage", "Cacher la fenêtre"), SettingId::CacherFenetre}};
  int at = 0;
  for (const auto& c : kChecks) {
    auto* box = Named(new QCheckBox(QCoreApplication::translate("cfg::EmusPage", c.text), this), c.id);
    binders_.Check(box, c.key);
    switches->addWidget(box, at / 2, at % 2);
    ++at;
  }
  grid->addLayout(switches, 11, 4, 1, 2);
}

void EmusPage::CreateVolumeAndRotation(QGridLayout* grid) {
  auto* volume = Named(new QLineEdit(this), 1082);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::EmusPage", "Vol. musique"), this), 12, 0);
  grid->addWidget(volume, 12, 1);
  binders_.Number(volume, SettingId::MusicVolume);
  auto* rotation = Named(new QLineEdit(this), 1087);
  rotation->setReadOnly(true);
  auto* upDown = Named(new QWidget(this), 1088);
  auto* upDownLayout = new QVBoxLayout(upDown);
  upDownLayout->setContentsMargins(0, 0, 0, 0);
  upDownLayout->setSpacing(0);
  int& turns = settings_.value.rotation;
  auto show = [rotation, &turns] { rotation->setText(QString::fromStdString(RotationText(turns))); };
  for (bool up : {true, false}) {
    auto* step = new QToolButton(upDown);
    step->setObjectName(up ? "id1088up" : "id1088down");
    step->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
    step->setFixedHeight(11);
    upDownLayout->addWidget(step);
    connect(step, &QToolButton::clicked, this, [up, &turns, show] {
      turns = StepRotation(turns, up);
      show();
    });
  }
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::EmusPage", "Rotation"), this), 12, 2);
  grid->addWidget(rotation, 12, 3);
  grid->addWidget(upDown, 12, 4, Qt::AlignLeft);
  binders_.Show(show);
}

void EmusPage::FolderRow(QGridLayout* grid, int row, const QString& button, int buttonId, int fieldId, SettingId id,
                         const QString& title) {
  auto* edit = Named(new QLineEdit(this), fieldId);
  auto* browse = Named(new QPushButton(button, this), buttonId);
  grid->addWidget(browse, row, 0);
  grid->addWidget(edit, row, 1, 1, 3);
  binders_.Folder(browse, edit, id, title);
  MarkMissing(edit, id);
}

void EmusPage::MarkMissing(QLineEdit* edit, SettingId id) {
  cfg::MarkMissing(edit, [this, id](const QString& text) { return MissingText(base_, id, ToSettingText(text)); });
}

void EmusPage::ShowCustom() {
  customField_->setText(FromSettingText(settings_.value.customDir[std::size_t(customShown_)]));
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
    const platform::Answer a =
        platform::AskQuestion(SaveQuestion(), Caption(), platform::QuestionButtons::kYesNoCancel);
    if (a == platform::Answer::kCancel || (a == platform::Answer::kYes && !Save())) {
      const QSignalBlocker block(configs_);
      configs_->setCurrentIndex(configIndex_);
      return false;
    }
  }
  configIndex_ = index;
  filter_->setEnabled(index >= 0);
  if (index < 0) return true;
  path_ = ConfigurationFile(base_, ToSettingText(configs_->itemText(index)));
  settings_.LoadFile(path_);
  binders_.ShowAll();
  return true;
}

void EmusPage::AskNewConfiguration() {
  bool ok = false;
  const QString name = QInputDialog::getText(
      this, QString::fromStdString(Caption()),
      QCoreApplication::translate("cfg::EmusPage", "Nom de la nouvelle configuration :"), QLineEdit::Normal, {}, &ok);
  if (ok) NewConfiguration(ToSettingText(name));
}

bool EmusPage::NewConfiguration(const std::string& name) {
  if (const std::string failure = CreateConfiguration(base_, {name, {}, {}, {}}); !failure.empty()) {
    platform::ShowMessageBox(failure, Caption());
    return false;
  }
  // The entry shown keeps its place in the page's count.
  if (InsertName(configs_, name) <= configIndex_) ++configIndex_;
  InsertName(menus_, name, menus_->count() > 0 && menus_->itemText(0) == NoMenuText() ? 1 : 0);
  emit ConfigurationCreated(name);
  return SelectConfiguration(name);
}

void EmusPage::OpenFilter() {
  if (configIndex_ < 0) return;
  if (settings_.value.fichierDescription.empty()) {
    platform::ShowMessageBox(
        QCoreApplication::translate("cfg::EmusPage", "Cette configuration n'a pas de liste de ROMS à filtrer.")
            .toStdString(),
        Caption());
    return;
  }
  const std::string name = ToSettingText(configs_->itemText(configIndex_));
  auto* dialog = new FilterDialog(this, base_, ExpandPath(base_, settings_.value.fichierDescription),
                                  FilterListFile(base_, name));
  dialog->show();
}

std::string EmusPage::SaveQuestion() const { return SaveQuestionText(MissingPaths(base_, settings_.value)); }

bool EmusPage::SaveTo(const std::string& path) { return settings_.Save(path); }

bool EmusPage::Save() {
  if (!path_.empty()) return SaveTo(path_);
  // No configuration chosen yet: ask where to save; the page keeps having no file.
  std::string chosen = platform::JoinPath(base_, "config/config.ini");
  if (!AskSaveFile(
          this, base_, chosen,
          QCoreApplication::translate("cfg::EmusPage", "Fichiers de paramètres (*.ini *.INI);;Tous les fichiers (*)"),
          QCoreApplication::translate("cfg::EmusPage", "Enregistrement d'une configuration d'émulateur"), "ini"))
    return false;
  return SaveTo(chosen);
}

void EmusPage::SaveAs() {
  std::string chosen = path_.empty() ? platform::JoinPath(base_, "config/config.ini") : path_;
  if (!AskSaveFile(this, base_, chosen,
                   QCoreApplication::translate("cfg::EmusPage", "Fichiers ini (*.ini *.INI);;Tous les fichiers (*)"),
                   QCoreApplication::translate("cfg::EmusPage", "Enregistrement d'une configuration d'émulateur"),
                   "ini"))
    return;
  if (settings_.SaveCopy(path_, chosen)) path_ = chosen;
}

}  // namespace cfg
