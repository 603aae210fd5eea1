// The configurator's window: the tab strip over the four pages, the menu, the save
// questions on page switches and on quitting. It owns the pages' records.
#pragma once

#include <QMainWindow>

#include <array>
#include <string>

#include "configurator/pagemodel/edited_settings.h"
#include "platform/message_box.h"

class QMenu;
class QStackedWidget;
class QTabBar;

namespace cfg {

class Page;
class GeneralPage;
class EmusPage;

enum PageIndex { kGeneralPage = 0, kEmusPage = 1, kLayoutPage = 2, kStatisticsPage = 3 };

// The save question of one page: its SaveQuestion() when it was modified
// (Yes saves; a failed or cancelled save counts as Cancel), else "Quitter l'application ?"
// when quitting, else no question (OK).
platform::Answer ConfirmPage(Page& page, bool quitting);

class ConfigWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit ConfigWindow(std::string base, QWidget* parent = nullptr);

  const std::string& base() const { return base_; }
  int currentPage() const { return current_; }
  Page* page(int index) const { return pages_[std::size_t(index)]; }
  GeneralPage* generalPage() const;
  EmusPage* emusPage() const;
  QTabBar* tabBar() const { return tabs_; }

  // Selects a page as its tab does: leaving a page that asks runs its save question, and a
  // Cancel keeps it. False when the switch was refused.
  bool SelectPage(int index);
  // Asks about every modified page in turn (showing each); with none modified, asks
  // "Quitter l'application ?". True when the program may end.
  bool ConfirmQuit();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowPage(int index);
  void BuildMenu();

  std::string base_;
  EditedSettings main_{kGeneralPageKeys};
  EditedSettings emulator_{kEmusPageKeys};
  QTabBar* tabs_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  QMenu* importMenu_ = nullptr;
  std::array<Page*, 4> pages_{};
  int current_ = kGeneralPage;
};

}  // namespace cfg
