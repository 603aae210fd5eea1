#include "configurator/listgen/ui/filter_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>

#include "configurator/widgets/page.h"
#include "configurator/widgets/setting_text.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/message_catalogue.h"
#include "platform/paths.h"

using catalogue::FilterGameList;
using catalogue::GameFilter;

namespace cfg {
namespace {

constexpr int kPatternRole = Qt::UserRole;  // a category item's pattern, as list bytes

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// The first of `name` beside the list, in the installation, in its config folder.
std::string Proposed(const std::string& base, const std::string& listFile, const char* name) {
  for (const std::string& dir : {std::string(platform::DirectoryPart(listFile)), base, platform::JoinPath(base, "config")}) {
    const std::string path = platform::ResolvePath(platform::JoinPath(dir, name));
    if (platform::FileExists(path)) return path;
  }
  return {};
}

QString Counted(const QString& text, int games) { return QStringLiteral("%1 (%2)").arg(text).arg(games); }

QTreeWidgetItem* CategoryItem(const QString& text, int games, const std::string& pattern) {
  auto* item = new QTreeWidgetItem({Counted(text, games)});
  item->setData(0, kPatternRole, QByteArray::fromStdString(pattern));
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
  item->setCheckState(0, Qt::Unchecked);
  return item;
}

}  // namespace

FilterDialog::FilterDialog(QWidget* owner, const std::string& base, std::string listFile, std::string output)
    : QDialog(owner), base_(base), listFile_(std::move(listFile)), output_(std::move(output)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::WindowModal);
  setWindowTitle(QCoreApplication::translate("cfg::FilterDialog", "Filtre"));
  setObjectName(QStringLiteral("FilterDialog"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::FilterDialog", "Liste"), this), 0, 0);
  grid->addWidget(new QLabel(FromPath(listFile_), this), 0, 1, 1, 2);
  catver_ = FileRow(grid, 1, "catver.ini", "catver");
  nplayers_ = FileRow(grid, 2, "nplayers.ini", "nplayers");
  catver_->setText(FromPath(Proposed(base_, listFile_, "catver.ini")));
  nplayers_->setText(FromPath(Proposed(base_, listFile_, "nplayers.ini")));

  categories_ = new QTreeWidget(this);
  categories_->setObjectName(QStringLiteral("categories"));
  categories_->setHeaderLabel(QCoreApplication::translate("cfg::FilterDialog", "Catégories (aucune cochée : toutes)"));
  grid->addWidget(categories_, 3, 0, 8, 2);
  AddChoices(grid);
  AddButtons(grid);
  Reload();
}

void FilterDialog::AddChoices(QGridLayout* grid) {
  noMature_ = new QCheckBox(QCoreApplication::translate("cfg::FilterDialog", "Sans les jeux pour adultes"), this);
  noMature_->setObjectName(QStringLiteral("noMature"));
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("players"));
  orientation_ = new QComboBox(this);
  orientation_->setObjectName(QStringLiteral("orientation"));
  orientation_->addItem(QCoreApplication::translate("cfg::FilterDialog", "Tous les écrans"), 0);
  orientation_->addItem(QCoreApplication::translate("cfg::FilterDialog", "Vertical"), int('v'));
  orientation_->addItem(QCoreApplication::translate("cfg::FilterDialog", "Horizontal"), int('h'));
  controls_ = new QListWidget(this);
  controls_->setObjectName(QStringLiteral("controls"));
  parentsOnly_ = new QCheckBox(QCoreApplication::translate("cfg::FilterDialog", "Jeux parents uniquement"), this);
  parentsOnly_->setObjectName(QStringLiteral("parentsOnly"));
  yearFrom_ = new QSpinBox(this);
  yearTo_ = new QSpinBox(this);
  for (QSpinBox* year : {yearFrom_, yearTo_}) {
    year->setRange(0, 9999);
    year->setSpecialValueText(QStringLiteral("-"));  // 0: no bound
  }
  yearFrom_->setObjectName(QStringLiteral("yearFrom"));
  yearTo_->setObjectName(QStringLiteral("yearTo"));
  auto* years = new QHBoxLayout;
  years->addWidget(new QLabel(QCoreApplication::translate("cfg::FilterDialog", "Années de"), this));
  years->addWidget(yearFrom_);
  years->addWidget(new QLabel(QCoreApplication::translate("cfg::FilterDialog", "à"), this));
  years->addWidget(yearTo_);
  grid->addWidget(noMature_, 3, 2);
  grid->addWidget(players_, 4, 2);
  grid->addWidget(orientation_, 5, 2);
  grid->addWidget(new QLabel(QCoreApplication::translate("cfg::FilterDialog", "Contrôles (aucun coché : tous)"), this),
                  6, 2);
  grid->addWidget(controls_, 7, 2);
  grid->addWidget(parentsOnly_, 8, 2);
  grid->addLayout(years, 9, 2);
  connect(categories_, &QTreeWidget::itemChanged, this, [this] { Count(); });
  connect(controls_, &QListWidget::itemChanged, this, [this] { Count(); });
  for (QCheckBox* box : {noMature_, parentsOnly_}) connect(box, &QCheckBox::toggled, this, [this] { Count(); });
  for (QComboBox* list : {players_, orientation_})
    connect(list, &QComboBox::currentIndexChanged, this, [this] { Count(); });
  for (QSpinBox* year : {yearFrom_, yearTo_}) connect(year, &QSpinBox::valueChanged, this, [this] { Count(); });
}

void FilterDialog::AddButtons(QGridLayout* grid) {
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("count"));
  auto* save = new QPushButton(QCoreApplication::translate("cfg::FilterDialog", "&Enregistrer"), this);
  save->setObjectName(QStringLiteral("save"));
  auto* close = new QPushButton(QCoreApplication::translate("cfg::FilterDialog", "&Fermer"), this);
  close->setObjectName(QStringLiteral("close"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(count_, 1);
  buttons->addWidget(save);
  buttons->addWidget(close);
  grid->addLayout(buttons, 11, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  connect(save, &QPushButton::clicked, this, [this] { Save(); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

QLineEdit* FilterDialog::FileRow(QGridLayout* grid, int row, const char* label, const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromUtf8(name));
  edit->setPlaceholderText(QCoreApplication::translate("cfg::FilterDialog", "aucun"));
  auto* browse = new QPushButton(QStringLiteral("..."), this);
  browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(browse->text()) + 24);
  auto* line = new QHBoxLayout;
  line->addWidget(edit, 1);
  line->addWidget(browse);
  grid->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
  grid->addLayout(line, row, 1, 1, 2);
  connect(edit, &QLineEdit::editingFinished, this, [this] { Reload(); });
  connect(browse, &QPushButton::clicked, this, [this, edit, label] {
    const QString start = edit->text().isEmpty() ? FromPath(base_) : edit->text();
    const QString chosen = QFileDialog::getOpenFileName(
        this, QString::fromUtf8(label), start,
        QCoreApplication::translate("cfg::FilterDialog", "Fichiers ini (*.ini *.INI);;Tous les fichiers (*)"));
    if (chosen.isEmpty()) return;
    edit->setText(chosen);
    Reload();
  });
  return edit;
}

void FilterDialog::Reload() {
  inputs_ = {};
  if (const auto unread = ReadFilterInputs(listFile_, ToPath(catver_->text()), ToPath(nplayers_->text()), inputs_))
    platform::ShowMessageBox(
        platform::FormatText(QCoreApplication::translate("cfg::FilterDialog", "Impossible de lire %1").toStdString(),
                             {*unread}),
        Caption());
  ShowChoices();
  Count();
}

void FilterDialog::ShowChoices() {
  const FilterChoices choices = CollectChoices(inputs_);
  {
    const QSignalBlocker block(categories_);
    categories_->clear();
    for (const auto& [main, subs] : choices.categories) {
      int games = 0;
      for (const auto& [sub, count] : subs) games += count;
      // A whole main category: its own name and every "Main / Sub".
      QTreeWidgetItem* top = CategoryItem(FromSettingText(main), games, main);
      if (subs.size() > 1 || !subs.begin()->first.empty()) {
        for (const auto& [sub, count] : subs)
          top->addChild(
              sub.empty()
                  ? CategoryItem(QCoreApplication::translate("cfg::FilterDialog", "(sans sous-catégorie)"), count, main)
                  : CategoryItem(FromSettingText(sub), count, main + " / " + sub));
      }
      categories_->addTopLevelItem(top);
    }
    categories_->setEnabled(inputs_.hasCatver);
    noMature_->setEnabled(inputs_.hasCatver);
  }
  {
    const QSignalBlocker block(players_);
    players_->clear();
    players_->addItem(QCoreApplication::translate("cfg::FilterDialog", "Tous les nombres de joueurs"), 0);
    for (const auto& [players, count] : choices.players)
      if (players > 0)
        players_->addItem(
            Counted(players == 1 ? QCoreApplication::translate("cfg::FilterDialog", "1 joueur")
                                 : QCoreApplication::translate("cfg::FilterDialog", "%1 joueurs").arg(players),
                    count),
            players);
  }
  const QSignalBlocker block(controls_);
  controls_->clear();
  for (const auto& [control, count] : choices.controls) {
    auto* item =
        new QListWidgetItem(Counted(control.empty() ? QCoreApplication::translate("cfg::FilterDialog", "(aucun)")
                                                    : FromSettingText(control),
                                    count),
                            controls_);
    item->setData(kPatternRole, QByteArray::fromStdString(control));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

GameFilter FilterDialog::Filter() const {
  GameFilter filter;
  for (int i = 0; i < categories_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* top = categories_->topLevelItem(i);
    const std::string main = top->data(0, kPatternRole).toByteArray().toStdString();
    if (top->checkState(0) == Qt::Checked && top->childCount() > 0) {
      filter.categories.push_back(main);
      filter.categories.push_back(main + "/*");
    } else if (top->checkState(0) == Qt::Checked) {
      filter.categories.push_back(main);
    } else if (top->checkState(0) == Qt::PartiallyChecked) {
      for (int c = 0; c < top->childCount(); ++c)
        if (top->child(c)->checkState(0) == Qt::Checked)
          filter.categories.push_back(top->child(c)->data(0, kPatternRole).toByteArray().toStdString());
    }
  }
  filter.noMature = noMature_->isEnabled() && noMature_->isChecked();
  filter.players = players_->currentData().toInt();
  filter.orientation = char(orientation_->currentData().toInt());
  for (int i = 0; i < controls_->count(); ++i)
    if (controls_->item(i)->checkState() == Qt::Checked)
      filter.controls.push_back(controls_->item(i)->data(kPatternRole).toByteArray().toStdString());
  filter.parentsOnly = parentsOnly_->isChecked();
  filter.yearFrom = yearFrom_->value();
  filter.yearTo = yearTo_->value();
  return filter;
}

int FilterDialog::Passing() const { return int(FilterGameList(inputs_.list, Filter(), inputs_.Sources()).size()); }

void FilterDialog::Count() {
  count_->setText(
      QCoreApplication::translate("cfg::FilterDialog", "%1 jeux sur %2").arg(Passing()).arg(inputs_.list.entryCount));
}

bool FilterDialog::Save() {
  const std::vector<std::string> names = FilterGameList(inputs_.list, Filter(), inputs_.Sources());
  switch (WriteFilterFile(output_, names)) {
    case FilterWrite::kNothingPasses:
      platform::ShowMessageBox(
          platform::FormatText(QCoreApplication::translate("cfg::FilterDialog",
                                                           "Aucun jeu ne passe le filtre : %1 reste tel qu'il était.")
                                   .toStdString(),
                               {output_}),
          Caption());
      return false;
    case FilterWrite::kCannotWrite:
      platform::ShowMessageBox(
          platform::FormatText(QCoreApplication::translate("cfg::FilterDialog", "Impossible d'écrire %1").toStdString(),
                               {output_}),
          Caption());
      return false;
    case FilterWrite::kWritten:
      break;
  }
  count_->setText(QCoreApplication::translate("cfg::FilterDialog", "%1 jeux enregistrés dans %2")
                      .arg(names.size())
                      .arg(FromPath(output_)));
  return true;
}

}  // namespace cfg
