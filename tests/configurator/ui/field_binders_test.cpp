// The binders over fields the page finds anew (the layout page's selected object): each
// show and commit reaches the field found then, and a field that is not there now shows
// an empty number and commits nothing.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <array>

#include "configurator/widgets/binders.h"
#include "ui_fixture.h"

namespace {

struct Item {
  int size = 0;
  int shown = 0;
};

TEST(FieldBinders, ShowAndCommitTheFieldFoundEachTime) {
  uitest::App();
  QWidget page;
  std::array<Item, 2> items{Item{7, 1}, Item{9, 0}};
  int current = 0;
  bool present = true;
  cfg::Binders binders(cfg::CommitMode::kOnApply);
  auto* size = new QLineEdit(&page);
  auto* shown = new QCheckBox(&page);
  std::vector<std::string> order;
  binders.Number(size, [&]() -> int* { return present ? &items[std::size_t(current)].size : nullptr; });
  binders.Check(shown, [&] { return &items[std::size_t(current)].shown; });
  binders.Custom([&] { order.push_back("commit"); }, [&] { order.push_back("show"); });
  page.show();

  binders.ShowAll();
  EXPECT_EQ(size->text(), "7");
  EXPECT_TRUE(shown->isChecked());
  size->clear();
  QTest::keyClicks(size, "42x");
  QTest::mouseClick(shown, Qt::LeftButton);
  EXPECT_EQ(items[0].size, 7) << "nothing before Apply";
  binders.Apply();
  EXPECT_EQ(std::make_pair(items[0].size, items[0].shown), std::make_pair(42, 0));

  current = 1;
  binders.ShowAll();
  EXPECT_EQ(size->text(), "9");
  EXPECT_FALSE(shown->isChecked());
  present = false;
  binders.ShowAll();
  EXPECT_TRUE(size->text().isEmpty());
  QTest::keyClicks(size, "5");
  binders.Apply();
  EXPECT_EQ(items[1].size, 9) << "no field: nothing committed";
  EXPECT_EQ(order, (std::vector<std::string>{"show", "commit", "show", "show", "commit"}));
}

}  // namespace
