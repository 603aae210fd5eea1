#include "configurator/pages/general_page.h"

#include "configurator/pages/check_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "configurator/pagemodel/installation.h"
#include "configurator/pagemodel/page_values.h"
#include "configurator/pages/key_capture_dialog.h"
#include "configurator/pages/key_table_model.h"
#include "configurator/widgets/name_list.h"
#include "configurator/widgets/common_dialogs.h"
#include "configurator/widgets/setting_text.h"

namespace cfg {

using settings::SettingId;

GeneralPage::GeneralPage(const std::string& base, EditedSettings& settings, QWidget* parent)
    : Page(parent), base_(base), path_(MainSettingsFile(base)), settings_(settings),
      binders_(settings.value, base, this) {
  settings_.LoadFile(path_);
  // Controls are made in their tab order.
  auto* grid = new QGridLayout(this);
  CreateWindowRows(grid);
  CreateExitRow(grid);
  CreateMenuRows(grid);
  CreateLockRow(grid);
  CreateGameExitRows(grid);
  CreateLanguageRow(grid);
  CreatePictureMemoryRow(grid);
  CreateKeyTable(grid);
  CreateRenderHeightRow(grid);
  grid->setRowStretch(15, 1);
  grid->setColumnStretch(4, 1);
  binders_.ShowAll();
}

void GeneralPage::CreateWindowRows(QGridLayout* grid) {
  auto* width = Named(new QLineEdit(this), 1042);
  auto* height = Named(new QLineEdit(this), 1043);
  auto* windowed = Named(new QCheckBox(QCoreApplication::translate("cfg::GeneralPage", "Fenêtré"), this), 1044);
  auto* transitions =
      Named(new QCheckBox(QCoreApplication::translate("cfg::GeneralPage", "Transitions entre écrans"), this), 1048);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::GeneralPage", "Résolution"), this), 0, 0);
  grid->addWidget(width, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("X"), this), 0, 2, Qt::AlignCenter);
  grid->addWidget(height, 0, 3);
  grid->addWidget(windowed, 1, 0, 1, 2);
  grid->addWidget(transitions, 2, 0, 1, 2);
  binders_.Number(width, SettingId::LargFen);
  binders_.Number(height, SettingId::HautFen);
  binders_.Check(windowed, SettingId::ModeFenetre);
  binders_.Check(transitions, SettingId::Transitions);
  width->setFocus();
}

void GeneralPage::CreateRenderHeightRow(QGridLayout* grid) {
  // Beside the size it caps; last in the tab order, after the controls an owner sets first.
  auto* renderHeight = Named(new QLineEdit(this), 1103);
  auto* row = new QHBoxLayout();
  row->addWidget(new QLabel(QCoreApplication::translate("cfg::GeneralPage", "Hauteur de rendu"), this));
  row->addWidget(renderHeight);
  grid->addLayout(row, 1, 2, 1, 2);
  binders_.Number(renderHeight, SettingId::HauteurRendu);
}

void GeneralPage::CreateExitRow(QGridLayout* grid) {
  auto* powerOff = Named(
      new QCheckBox(QCoreApplication::translate("cfg::GeneralPage", "Éteindre l'ordinateur en quittant"), this), 1050);
  grid->addWidget(powerOff, 3, 0, 1, 4);
  // Only exit mode 1 checks the box; unchecking it returns to the mode read (2 runs AppSortie).
  int& mode = settings_.value.modeSortie;
  const int& read = settings_.snapshot.modeSortie;
  connect(powerOff, &QCheckBox::toggled, this, [&mode, &read](bool on) { mode = ExitModeFromCheckBox(read, on); });
  binders_.Show([powerOff, &mode] {
    const QSignalBlocker block(powerOff);
    powerOff->setChecked(mode == 1);
  });
}

void GeneralPage::AddConfiguration(const std::string& name) {
  InsertName(emuBase_, name);
  binders_.ShowAll();  // an EmuBase that named no folder until now is shown
}

void GeneralPage::CreateMenuRows(QGridLayout* grid) {
  auto* emuBase = emuBase_ = Named(new QComboBox(this), 1049);
  for (const std::string& name : ConfigurationNames(base_)) emuBase->addItem(FromSettingText(name));
  auto* keys = Named(new QPushButton(QCoreApplication::translate("cfg::GeneralPage", "Config. touches"), this), 1045);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::GeneralPage", "Config. du « menu principal »"), this), 4,
                  0, 1, 4);
  grid->addWidget(emuBase, 5, 0, 1, 4);
  grid->addWidget(keys, 6, 0, 1, 2);
  binders_.Choice(emuBase, SettingId::EmuBase);
  connect(keys, &QPushButton::clicked, this, &GeneralPage::OpenKeyCapture);
}

void GeneralPage::CreateLockRow(QGridLayout* grid) {
  auto* lock = Named(new QLineEdit(this), 1093);
  lock->setPlaceholderText(QCoreApplication::translate("cfg::GeneralPage", "vide : pas de verrouillage"));
  grid->addWidget(
      new QLabel(QCoreApplication::translate("cfg::GeneralPage", "Verrouillage (codes des touches, ex. 672+672)"),
                 this),
      7, 0, 1, 4);
  grid->addWidget(lock, 8, 0, 1, 4);
  binders_.Text(lock, SettingId::Verrouillage);
}

void GeneralPage::CreateGameExitRows(QGridLayout* grid) {
  auto* keys = Named(new QLineEdit(this), 1097);
  auto* delay = Named(new QLineEdit(this), 1098);
  keys->setPlaceholderText(QCoreApplication::translate("cfg::GeneralPage", "vide : la touche Quitter seule"));
  grid->addWidget(
      new QLabel(QCoreApplication::translate("cfg::GeneralPage", "Sortie d'un jeu : touches maintenues (ex. 2+4)"),
                 this),
      9, 0, 1, 4);
  grid->addWidget(keys, 10, 0, 1, 4);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::GeneralPage", "pendant (ms, 0 : jamais)"), this), 11, 0,
                  1, 2);
  grid->addWidget(delay, 11, 2, 1, 2);
  binders_.Text(keys, SettingId::SortieJeu);
  binders_.Number(delay, SettingId::SortieJeuDelai);
}

void GeneralPage::CreateLanguageRow(QGridLayout* grid) {
  auto* language = Named(new QComboBox(this), 1101);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::GeneralPage", "Langue"), this), 12, 0);
  grid->addWidget(language, 12, 1, 1, 3);
  // Each language named in its own words: an owner who cannot read the other finds theirs.
  binders_.Values(language, SettingId::Langue,
                  {{QCoreApplication::translate("cfg::GeneralPage", "Selon le système"), ""},
                   {QStringLiteral("Français"), "fr"},
                   {QStringLiteral("English"), "en"}});
  // The menu's self-check on this installation: what a cabinet finds before it is started.
  auto* check = Named(new QPushButton(QCoreApplication::translate("cfg::GeneralPage", "Vérifier"), this), 1102);
  grid->addWidget(check, 13, 0, 1, 2);
  connect(check, &QPushButton::clicked, this, [this] { ShowSelfCheck(this, base_); });
}

void GeneralPage::CreatePictureMemoryRow(QGridLayout* grid) {
  auto* memory = Named(new QLineEdit(this), 1106);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::GeneralPage", "Mémoire des images (Mio, 0 : sans limite)"),
                             this),
                  14, 0, 1, 2);
  grid->addWidget(memory, 14, 2, 1, 2);
  binders_.Number(memory, SettingId::MemoireImages);
}

void GeneralPage::CreateKeyTable(QGridLayout* grid) {
  auto* box = new QGroupBox(QCoreApplication::translate("cfg::GeneralPage", "Touches"), this);
  auto* column = new QVBoxLayout(box);
  keyTable_ = new KeyTableModel(settings_.value, this);
  auto* view = Named(new QTableView(box), 1094);
  view->setModel(keyTable_);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->setWordWrap(false);
  view->setMinimumWidth(340);
  // The action and key columns show whole; the last (the joystick's) takes the rest, its
  // long bindings cut with "…" rather than hidden behind a sideways scroll.
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  view->horizontalHeader()->setSectionResizeMode(keyTable_->columnCount() - 1, QHeaderView::Stretch);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setCurrentIndex(keyTable_->index(0, 0));
  auto* change =
      Named(new QPushButton(QCoreApplication::translate("cfg::GeneralPage", "Changer la touche"), box), 1095);
  column->addWidget(view, 1);
  column->addWidget(change);
  grid->addWidget(box, 0, 5, 14, 1);
  connect(view, &QAbstractItemView::activated, this, [this](const QModelIndex& i) { CaptureKey(std::size_t(i.row())); });
  connect(change, &QPushButton::clicked, this, [this, view] {
    if (view->currentIndex().isValid()) CaptureKey(std::size_t(view->currentIndex().row()));
  });
  binders_.Show([this] { keyTable_->Refresh(); });
}

void GeneralPage::OpenKeyCapture() { ShowCapture(new KeyCaptureDialog(settings_.value, this)); }

void GeneralPage::CaptureKey(std::size_t action) {
  if (!KeyTableModel::IsCapturable(int(action))) return;  // a fixed coin key
  ShowCapture(new KeyCaptureDialog(settings_.value, action, this));
}

void GeneralPage::ShowCapture(KeyCaptureDialog* dialog) {
  connect(dialog, &KeyCaptureDialog::Answered, keyTable_, &KeyTableModel::Refresh);
  dialog->show();
  dialog->activateWindow();
  dialog->setFocus();
}

void GeneralPage::SaveAs() {
  std::string chosen = path_;
  if (!AskSaveFile(this, base_, chosen,
                   QCoreApplication::translate("cfg::GeneralPage", "Fichiers ini (*.ini *.INI);;Tous les fichiers (*)"),
                   QCoreApplication::translate("cfg::GeneralPage", "Enregistrement d'une configuration principale"),
                   "ini"))
    return;
  if (settings_.SaveCopy(path_, chosen)) path_ = chosen;
}

}  // namespace cfg
