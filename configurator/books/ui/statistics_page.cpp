#include "configurator/books/ui/statistics_page.h"

#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

#include "catalogue/journal.h"
#include "configurator/books/books_export.h"
#include "configurator/books/stats_reset.h"
#include "configurator/books/ui/books_charts.h"
#include "configurator/books/ui/books_loader.h"
#include "configurator/books/ui/games_table_model.h"
#include "configurator/widgets/common_dialogs.h"
#include "platform/files.h"
#include "platform/local_time.h"
#include "platform/message_box.h"
#include "platform/paths.h"

namespace cfg {
namespace {

// A read that takes longer than this shows a progress line.
constexpr int kProgressAfterMs = 200;
// Columns are fitted once for each period shown, to the rows in sight and the ones around
// them up to this many: measuring tens of thousands of rows at each layout took most of the
// page's opening.
constexpr int kMeasuredRows = 60;

catalogue::Date Today() {
  const platform::LocalDateTime now = platform::LocalNow();
  return {now.year, now.month, now.day};
}

catalogue::Date DateOf(const QDate& d) { return {d.year(), d.month(), d.day()}; }

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

StatisticsPage::StatisticsPage(const std::string& base, QWidget* parent)
    : Page(parent), base_(base), source_(InstallationBooks(base)) {
  auto* grid = new QGridLayout(this);
  CreateChooserRow(grid);
  status_ = new QLabel(this);
  status_->setObjectName("booksStatus");
  totals_ = new QLabel(this);
  totals_->setObjectName("booksTotals");
  grid->addWidget(status_, 2, 0, 1, 8);
  grid->addWidget(totals_, 3, 0, 1, 8);
  auto* splitter = new QSplitter(Qt::Vertical, this);
  auto* tablePane = new QWidget(splitter);
  auto* column = new QVBoxLayout(tablePane);
  column->setContentsMargins(0, 0, 0, 0);
  filter_ = new QLineEdit(tablePane);
  filter_->setObjectName("booksFilter");
  filter_->setPlaceholderText(tr("Filtrer les jeux (nom, configuration)"));
  filter_->setClearButtonEnabled(true);
  model_ = new GamesTableModel(this);
  proxy_ = new GamesFilterModel(this);
  proxy_->setSourceModel(model_);
  proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
  proxy_->setFilterKeyColumn(-1);
  table_ = new QTableView(tablePane);
  table_->setModel(proxy_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(GamesTableModel::kCoins, Qt::DescendingOrder);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  table_->horizontalHeader()->setSectionResizeMode(GamesTableModel::kName, QHeaderView::Stretch);
  table_->horizontalHeader()->setResizeContentsPrecision(kMeasuredRows);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setWordWrap(false);
  // One line a row, never measured: tens of thousands of games stay quick to show.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  column->addWidget(filter_);
  column->addWidget(table_);
  connect(filter_, &QLineEdit::textChanged, proxy_, &QSortFilterProxyModel::setFilterFixedString);
  CreateCharts(splitter);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  grid->addWidget(splitter, 4, 0, 1, 8);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(7, 1);

  loader_ = new BooksLoader(this);
  connect(loader_, &BooksLoader::Loaded, this, &StatisticsPage::OnLoaded);
  connect(loader_, &BooksLoader::Progress, this, &StatisticsPage::ShowProgress);
  slowLoad_ = new QTimer(this);
  slowLoad_->setSingleShot(true);
  connect(slowLoad_, &QTimer::timeout, this, [this] { ShowProgress(progress_); });
}

void StatisticsPage::CreateChooserRow(QGridLayout* grid) {
  archive_ = new QComboBox(this);
  archive_->addItem(tr("Période en cours"));
  for (const std::string& a : ArchiveFolders(base_))
    archive_->addItem(tr("Période archivée : %1").arg(Utf8(std::string(platform::FileNamePart(a)))), Utf8(a));
  period_ = new QComboBox(this);
  period_->addItems({tr("Ce mois-ci"), tr("Le mois dernier"), tr("Cette année"), tr("Tout"), tr("Du… au…")});
  period_->setCurrentIndex(int(PeriodKind::kThisMonth));
  from_ = new QDateEdit(QDate::currentDate().addMonths(-1), this);
  to_ = new QDateEdit(QDate::currentDate(), this);
  for (QDateEdit* d : {from_, to_}) {
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setEnabled(false);
    connect(d, &QDateEdit::dateChanged, this, [this] { Refresh(); });
  }
  configuration_ = new QComboBox(this);
  configuration_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  rankBy_ = new QComboBox(this);
  rankBy_->addItems({tr("Top 20 par pièces"), tr("Top 20 par parties")});
  auto* exportButton = new QPushButton(tr("Exporter CSV"), this);
  auto* exportMenu = new QMenu(exportButton);
  connect(exportMenu->addAction(tr("Une ligne par jeu…")), &QAction::triggered, this, [this] { AskExport(false); });
  connect(exportMenu->addAction(tr("Une ligne par jour…")), &QAction::triggered, this, [this] { AskExport(true); });
  exportButton->setMenu(exportMenu);
  reset_ = new QPushButton(tr("Remise à zéro…"), this);
  connect(reset_, &QPushButton::clicked, this, [this] { ResetWithConfirmation(); });

  grid->addWidget(new QLabel(tr("Période"), this), 0, 0);
  grid->addWidget(period_, 0, 1);
  grid->addWidget(from_, 0, 2);
  grid->addWidget(to_, 0, 3);
  grid->addWidget(new QLabel(tr("Configuration"), this), 0, 4);
  grid->addWidget(configuration_, 0, 5);
  grid->addWidget(archive_, 1, 0, 1, 2);
  grid->addWidget(rankBy_, 1, 2, 1, 2);
  grid->addWidget(exportButton, 1, 4);
  grid->addWidget(reset_, 1, 5);
  connect(period_, &QComboBox::currentIndexChanged, this, [this](int index) {
    from_->setEnabled(index == int(PeriodKind::kRange));
    to_->setEnabled(index == int(PeriodKind::kRange));
    Refresh();
  });
  connect(configuration_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  connect(rankBy_, &QComboBox::currentIndexChanged, this, [this] { ShowCharts(); });
  connect(archive_, &QComboBox::currentIndexChanged, this, [this] { Reload(); });
}

void StatisticsPage::CreateCharts(QSplitter* splitter) {
  chartTabs_ = new QTabWidget(splitter);
  const QString names[] = {tr("Pièces par jour"), tr("Top 20"), tr("Par monnayeur")};
  for (int i = 0; i < kCharts; ++i) {
    charts_[i] = new QChartView(chartTabs_);
    charts_[i]->setRenderHint(QPainter::Antialiasing);
    chartTabs_->addTab(charts_[i], names[i]);
  }
  connect(chartTabs_, &QTabWidget::currentChanged, this, [this](int index) { DrawChart(index); });
}

QChartView* StatisticsPage::chart(int index) {
  DrawChart(index);
  return charts_[index];
}

void StatisticsPage::Shown() {
  if (!loadedOnce_ && !loader_->running()) Reload();
}

void StatisticsPage::Reload() {
  const QString archive = archive_->currentData().toString();
  source_ = archive.isEmpty() ? InstallationBooks(base_) : ArchivedBooks(archive.toStdString());
  // An archive is read, never reset again.
  reset_->setEnabled(archive.isEmpty());
  progress_ = 0;
  loader_->Start(source_);
  slowLoad_->start(kProgressAfterMs);
}

void StatisticsPage::WaitLoaded() {
  if (!loadedOnce_ && !loader_->running()) Reload();
  loader_->Wait();
}

void StatisticsPage::ShowProgress(int percent) {
  progress_ = percent;
  if (loader_->running() && !slowLoad_->isActive())
    status_->setText(tr("Lecture du journal des parties… %1 %").arg(percent));
}

void StatisticsPage::OnLoaded(std::shared_ptr<const LoadedBooks> loaded) {
  slowLoad_->stop();
  loaded_ = std::move(loaded);
  loadedOnce_ = true;
  FillConfigurations();
  Refresh();
}

void StatisticsPage::FillConfigurations() {
  const QSignalBlocker block(configuration_);
  const QString chosen = configuration_->currentData().toString();
  configuration_->clear();
  configuration_->addItem(tr("Toutes les configurations"), QString());
  std::vector<std::string> names = ConfigurationsOf(loaded_->journal.runs);
  for (const ListStatistics& l : source_.lists) names.push_back(l.configuration);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  for (const std::string& n : names) configuration_->addItem(Utf8(n), Utf8(n));
  configuration_->setCurrentIndex(std::max(0, configuration_->findData(chosen)));
}

Period StatisticsPage::ChosenPeriod() const {
  const auto kind = PeriodKind(period_->currentIndex());
  return PeriodOf(kind, Today(), DateOf(from_->date()), DateOf(to_->date()));
}

void StatisticsPage::ChoosePeriod(PeriodKind kind) { period_->setCurrentIndex(int(kind)); }

void StatisticsPage::ChooseArchive(int index) { archive_->setCurrentIndex(index + 1); }

void StatisticsPage::Refresh() {
  if (!loaded_) return;
  books_ = TallyLoaded(*loaded_, source_, ChosenPeriod(), configuration_->currentData().toString().toStdString());
  model_->SetGames(books_.games);
  FitColumns();
  QStringList notes;
  if (!books_.fromJournal)
    notes << tr("Pas encore de journal des parties : totaux des fichiers .sta depuis leur début ; "
                "les chiffres par jour et par période commencent avec le journal.");
  if (!loaded_->readable) notes << tr("Une partie du journal n'a pas pu être lue.");
  if (loaded_->journal.skipped > 0)
    notes << tr("%n ligne(s) du journal ignorée(s) (coupée(s) ou illisible(s)).", nullptr, loaded_->journal.skipped);
  status_->setText(notes.join(QLatin1Char(' ')));
  ShowTotals();
  ShowCharts();
}

void StatisticsPage::FitColumns() {
  for (int c = 0; c < GamesTableModel::kColumns; ++c)
    if (c != GamesTableModel::kName) table_->resizeColumnToContents(c);
}

void StatisticsPage::ShowTotals() {
  totals_->setText(tr("Pièces : %1    Parties : %2    Temps de jeu : %3    Temps au menu : %4")
                       .arg(books_.coins)
                       .arg(books_.plays)
                       .arg(Utf8(FormatDuration(books_.playSeconds)), Utf8(FormatDuration(books_.menuSeconds))));
}

// Only the chart in sight is drawn now; the others when their tab is chosen.
void StatisticsPage::ShowCharts() {
  std::fill(std::begin(chartStale_), std::end(chartStale_), true);
  DrawChart(chartTabs_->currentIndex());
}

void StatisticsPage::DrawChart(int index) {
  if (index < 0 || index >= kCharts || !chartStale_[index]) return;
  chartStale_[index] = false;
  QChart* chart = index == 0   ? CoinsPerDayChart(books_)
                  : index == 1 ? TopGamesChart(books_, rankBy_->currentIndex() == 0 ? RankBy::kCoins : RankBy::kPlays)
                               : CoinsPerSlotChart(books_);
  // A view owns its chart: the old one goes when the new one is set.
  QChart* old = charts_[index]->chart();
  charts_[index]->setChart(chart);
  delete old;
}

bool StatisticsPage::ExportTo(const std::string& path, bool perDay) {
  if (platform::WriteFileAtomically(path, perDay ? DaysCsv(books_) : GamesCsv(books_))) return true;
  platform::ShowMessageBox(tr("Écriture impossible : %1").arg(Utf8(path)).toStdString(), Caption());
  return false;
}

void StatisticsPage::AskExport(bool perDay) {
  std::string path = platform::JoinPath(base_, perDay ? "comptes-par-jour.csv" : "comptes-par-jeu.csv");
  const QByteArray filter = tr("Fichiers CSV (*.csv);;Tous les fichiers (*)").toUtf8();
  const QByteArray title = tr("Exporter CSV").toUtf8();
  if (AskSaveFile(this, base_, path, filter.constData(), title.constData(), "csv")) ExportTo(path, perDay);
}

bool StatisticsPage::ResetWithConfirmation() {
  if (!archive_->currentData().toString().isEmpty()) return false;  // an archive is never reset again
  const ResetPlan plan = PlanReset(source_, source_.journalDirectory, platform::LocalNow());
  const QString question =
      tr("Remettre à zéro les compteurs de pièces et de parties ?\n\nL'ancienne période sera d'abord archivée dans "
         "le dossier\n%1\net restera lisible ici (« Période archivée »).")
          .arg(Utf8(plan.archive));
  if (platform::AskQuestion(question.toStdString(), Caption(), platform::QuestionButtons::kOkCancel) !=
      platform::Answer::kOk)
    return false;
  loader_->Wait();
  const ResetResult result = RunReset(plan);
  if (!result.done) {
    platform::ShowMessageBox((result.restored ? tr("Remise à zéro impossible (%1) : rien n'a été modifié.")
                                              : tr("Remise à zéro interrompue (%1) : l'archive garde l'ancienne période."))
                                 .arg(Utf8(result.failedFile))
                                 .toStdString(),
                             Caption());
  }
  {
    const QSignalBlocker block(archive_);
    while (archive_->count() > 1) archive_->removeItem(1);
    for (const std::string& a : ArchiveFolders(base_))
      archive_->addItem(tr("Période archivée : %1").arg(Utf8(std::string(platform::FileNamePart(a)))), Utf8(a));
  }
  Reload();
  return result.done;
}

}  // namespace cfg
