// "Statistiques": the operator's books. A table of the games with their plays, coins and
// play time, the period's totals, charts, a period chooser, the CSV export and the reset.
// The journal is read once, on a worker thread; choosing a period tallies from memory.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "configurator/books/books_load.h"
#include "configurator/widgets/page.h"

class QChartView;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QSplitter;
class QTabWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace cfg {

class BooksLoader;
class GamesTableModel;

class StatisticsPage : public Page {
  Q_OBJECT

 public:
  StatisticsPage(const std::string& base, QWidget* parent = nullptr);

  // Nothing to save: the books are written by the frontend.
  bool IsModified() const override { return false; }
  bool Save() override { return true; }
  void SaveAs() override {}
  bool AsksWhenLeft() const override { return false; }
  void Shown() override;

  // Reads the books again (the installation's or the archive chosen).
  void Reload();
  // Blocks until the books are read and shown (tools and tests).
  void WaitLoaded();
  // Period choices, in the chooser's order.
  void ChoosePeriod(PeriodKind kind);
  // -1 shows the installation's books; i the i-th archive, newest first.
  void ChooseArchive(int index);
  // "Exporter CSV" to a file; false when it could not be written.
  bool ExportTo(const std::string& path, bool perDay);
  // "Remise à zéro": asks, then archives and clears. True when done.
  bool ResetWithConfirmation();

  const Books& books() const { return books_; }
  QLabel* statusLine() const { return status_; }
  QLabel* totalsLine() const { return totals_; }
  // The index-th chart (in the tabs' order), drawn first if it is out of date.
  QChartView* chart(int index);

 private:
  void CreateChooserRow(QGridLayout* grid);
  void CreateCharts(QSplitter* splitter);
  void OnLoaded(std::shared_ptr<const LoadedBooks> loaded);
  void ShowProgress(int percent);
  void Refresh();
  void FitColumns();
  void ShowTotals();
  void ShowCharts();
  void DrawChart(int index);
  void FillConfigurations();
  Period ChosenPeriod() const;
  void AskExport(bool perDay);

  std::string base_;
  BooksSource source_;
  std::shared_ptr<const LoadedBooks> loaded_;
  Books books_;
  bool loadedOnce_ = false;
  int progress_ = 0;
  BooksLoader* loader_ = nullptr;
  QTimer* slowLoad_ = nullptr;
  GamesTableModel* model_ = nullptr;
  QSortFilterProxyModel* proxy_ = nullptr;
  QComboBox* archive_ = nullptr;
  QComboBox* period_ = nullptr;
  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
  QComboBox* configuration_ = nullptr;
  QComboBox* rankBy_ = nullptr;
  QPushButton* reset_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* totals_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QTableView* table_ = nullptr;
  static constexpr int kCharts = 3;
  QTabWidget* chartTabs_ = nullptr;
  QChartView* charts_[kCharts] = {};
  bool chartStale_[kCharts] = {};  // the books changed since the chart was drawn
};

}  // namespace cfg
