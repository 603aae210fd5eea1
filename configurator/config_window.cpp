#include "configurator/config_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "configurator/books/ui/statistics_page.h"
#include "configurator/layouteditor/ui/layout_page.h"
#include "configurator/pages/emus_page.h"
#include "configurator/pages/general_page.h"
#include "configurator/widgets/page.h"
#include "configurator/widgets/tooltips.h"

namespace cfg {

platform::Answer ConfirmPage(Page& page, bool quitting) {
  using platform::Answer;
  if (page.IsModified()) {
    const Answer a = platform::AskQuestion(page.SaveQuestion(), Caption(), platform::QuestionButtons::kYesNoCancel);
    if (a == Answer::kYes && !page.Save()) return Answer::kCancel;
    return a;
  }
  if (quitting)
    return platform::AskQuestion(
        QCoreApplication::translate("cfg::ConfigWindow", "Quitter l'application ?").toStdString(), Caption(),
        platform::QuestionButtons::kOkCancel);
  return Answer::kOk;
}

ConfigWindow::ConfigWindow(std::string base, QWidget* parent) : QMainWindow(parent), base_(std::move(base)) {
  setWindowTitle(QString::fromStdString(Caption()));
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  tabs_ = new QTabBar(central);
  tabs_->setObjectName("id1000");
  tabs_->addTab(QCoreApplication::translate("cfg::ConfigWindow", "Config Générale"));
  tabs_->addTab(QCoreApplication::translate("cfg::ConfigWindow", "Config Emus"));
  tabs_->addTab(QCoreApplication::translate("cfg::ConfigWindow", "Éditeur layout"));
  tabs_->addTab(QCoreApplication::translate("cfg::ConfigWindow", "Statistiques"));
  tabs_->setFocusPolicy(Qt::NoFocus);
  stack_ = new QStackedWidget(central);
  pages_[kGeneralPage] = new GeneralPage(base_, main_, stack_);
  pages_[kEmusPage] = new EmusPage(base_, emulator_, stack_);
  pages_[kLayoutPage] = new LayoutPage(base_, [this] { return emusPage()->path(); }, stack_);
  pages_[kStatisticsPage] = new StatisticsPage(base_, stack_);
  connect(emusPage(), &EmusPage::ConfigurationCreated, generalPage(), &GeneralPage::AddConfiguration);
  // "Config Emus" opens on the configuration the cabinet starts with.
  if (!emusPage()->SelectConfiguration(main_.value.lastEmu)) emusPage()->SelectConfiguration(main_.value.emuBase);
  for (Page* p : pages_) {
    stack_->addWidget(p);
    InstallTooltips(p);
  }
  column->addWidget(tabs_);
  column->addWidget(stack_, 1);
  setCentralWidget(central);
  BuildMenu();
  ShowPage(kGeneralPage);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (index != current_ && !SelectPage(index)) {
      const QSignalBlocker block(tabs_);
      tabs_->setCurrentIndex(current_);
    }
  });
}

GeneralPage* ConfigWindow::generalPage() const { return static_cast<GeneralPage*>(pages_[kGeneralPage]); }
EmusPage* ConfigWindow::emusPage() const { return static_cast<EmusPage*>(pages_[kEmusPage]); }

void ConfigWindow::BuildMenu() {
  QMenu* file = menuBar()->addMenu(QCoreApplication::translate("cfg::ConfigWindow", "&Fichier"));
  importMenu_ = file->addMenu(QCoreApplication::translate("cfg::ConfigWindow", "Importer"));
  const struct {
    int id;
    const char* text;
  } kImports[] = {{40006, "AtomicFE"}, {40007, "MAMEWAH"}};
  for (const auto& i : kImports) {
    QAction* a = importMenu_->addAction(QString::fromUtf8(i.text));
    a->setObjectName(QStringLiteral("id%1").arg(i.id));
    connect(a, &QAction::triggered, this, [this, id = i.id] { page(current_)->Import(id); });
  }
  QAction* save = file->addAction(QCoreApplication::translate("cfg::ConfigWindow", "&Enregistrer"));
  save->setObjectName("id40002");
  connect(save, &QAction::triggered, this, [this] { page(current_)->Save(); });
  QAction* saveAs = file->addAction(QCoreApplication::translate("cfg::ConfigWindow", "Enregistrer &sous..."));
  saveAs->setObjectName("id40003");
  connect(saveAs, &QAction::triggered, this, [this] { page(current_)->SaveAs(); });
  QAction* quit = file->addAction(QCoreApplication::translate("cfg::ConfigWindow", "&Quitter"));
  quit->setObjectName("id40004");
  connect(quit, &QAction::triggered, this, &QWidget::close);
}

void ConfigWindow::ShowPage(int index) {
  current_ = index;
  {
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(index);
  }
  stack_->setCurrentIndex(index);
  // Only the layout page's menu has "Importer".
  importMenu_->menuAction()->setVisible(index == kLayoutPage);
  page(index)->Shown();
}

bool ConfigWindow::SelectPage(int index) {
  if (index == current_) return true;
  if (page(current_)->AsksWhenLeft() && ConfirmPage(*page(current_), false) == platform::Answer::kCancel)
    return false;
  ShowPage(index);
  return true;
}

bool ConfigWindow::ConfirmQuit() {
  std::vector<int> modified;
  if (page(current_)->IsModified()) modified.push_back(current_);
  for (int i = 0; i < int(pages_.size()); ++i)
    if (i != current_ && page(i)->IsModified()) modified.push_back(i);
  if (modified.empty()) return ConfirmPage(*page(current_), true) == platform::Answer::kOk;
  for (int i : modified) {
    ShowPage(i);
    if (ConfirmPage(*page(i), true) == platform::Answer::kCancel) return false;
  }
  return true;
}

void ConfigWindow::closeEvent(QCloseEvent* event) {
  if (ConfirmQuit())
    event->accept();
  else
    event->ignore();
}

}  // namespace cfg
