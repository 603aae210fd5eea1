#include "catalogue/list_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using catalogue::CurrentEntry;
using catalogue::GroupLetterOf;
using catalogue::IsCircular;
using catalogue::LetterBack;
using catalogue::LetterForward;
using catalogue::ListShape;
using catalogue::ListWindow;
using catalogue::MoveDown;
using catalogue::MoveUp;
using catalogue::PageBack;
using catalogue::PageForward;
using catalogue::SelectEntry;

namespace {

// Lines shown from the top, as display positions (wrapping like the list drawing).
std::vector<int> Page(const ListWindow& w, ListShape s) {
  std::vector<int> lines;
  for (int i = 0; i < s.rows && i < s.count; ++i) {
    int p = w.topIndex + i;
    if (p >= s.count) p -= s.count;
    lines.push_back(p);
  }
  return lines;
}

TEST(ListWindow, BoundedListMovesTheHighlightAndStopsOnTheLastEntry) {
  const ListShape shape{5, 9};
  ListWindow w;
  ASSERT_EQ(SelectEntry(w, shape, 0), 1);
  EXPECT_FALSE(IsCircular(shape));
  EXPECT_EQ(MoveUp(w, shape), 0);
  for (int expected = 1; expected <= 4; ++expected) {
    ASSERT_EQ(MoveDown(w, shape), 1);
    EXPECT_EQ(w.topIndex, 0);
    EXPECT_EQ(w.row, expected);
    EXPECT_EQ(CurrentEntry(w, shape.count), expected);
  }
  EXPECT_EQ(MoveDown(w, shape), 0);
  EXPECT_EQ(CurrentEntry(w, shape.count), 4);

  const ListWindow before = w;
  PageForward(w, shape);
  EXPECT_EQ(w.topIndex, before.topIndex);
  EXPECT_EQ(w.row, before.row);
  PageBack(w, shape);
  EXPECT_EQ(w.topIndex, 0);
  EXPECT_EQ(w.row, 4);

  for (int expected = 3; expected >= 0; --expected) {
    ASSERT_EQ(MoveUp(w, shape), 1);
    EXPECT_EQ(CurrentEntry(w, shape.count), expected);
  }
  EXPECT_EQ(MoveUp(w, shape), 0);
}

TEST(ListWindow, CircularListKeepsTheSelectionOnTheMiddleLineAndWraps) {
  const ListShape shape{100, 9};
  ListWindow w;
  ASSERT_EQ(SelectEntry(w, shape, 0), 1);
  EXPECT_TRUE(IsCircular(shape));
  EXPECT_EQ(w.row, 4);
  EXPECT_EQ(CurrentEntry(w, shape.count), 0);
  EXPECT_EQ(Page(w, shape), (std::vector<int>{96, 97, 98, 99, 0, 1, 2, 3, 4}));

  ASSERT_EQ(MoveUp(w, shape), 1);
  EXPECT_EQ(w.row, 4);
  EXPECT_EQ(CurrentEntry(w, shape.count), 99);

  ASSERT_EQ(MoveDown(w, shape), 1);
  ASSERT_EQ(MoveDown(w, shape), 1);
  EXPECT_EQ(CurrentEntry(w, shape.count), 1);
  EXPECT_EQ(w.row, 4);

  ASSERT_EQ(SelectEntry(w, shape, 99), 1);
  ASSERT_EQ(MoveDown(w, shape), 1);
  EXPECT_EQ(CurrentEntry(w, shape.count), 0);
}

TEST(ListWindow, CircularPagesMoveByTheRowCountAndWrap) {
  const ListShape shape{100, 9};
  ListWindow w;
  SelectEntry(w, shape, 0);  // top 96
  PageForward(w, shape);
  EXPECT_EQ(w.topIndex, 5);
  EXPECT_EQ(CurrentEntry(w, shape.count), 9);
  PageBack(w, shape);
  PageBack(w, shape);
  EXPECT_EQ(w.topIndex, 87);
  EXPECT_EQ(w.row, 4);
  EXPECT_EQ(CurrentEntry(w, shape.count), 91);
}

TEST(ListWindow, SelectEntryRejectsPositionsOutsideTheList) {
  ListWindow w{3, 2};
  EXPECT_EQ(SelectEntry(w, {5, 9}, 5), 0);
  EXPECT_EQ(SelectEntry(w, {0, 9}, 0), 0);
  EXPECT_EQ(w.topIndex, 3);
  EXPECT_EQ(w.row, 2);
}

TEST(ListWindow, BoundedSelectionNeverScrollsAListThatFits) {
  // Nine entries in nine rows: every entry is shown on its own line, the first at the top.
  const ListShape shape{9, 9};
  for (int i = 0; i < 9; ++i) {
    ListWindow w;
    ASSERT_EQ(SelectEntry(w, shape, i), 1);
    EXPECT_EQ(w.topIndex, 0) << i;
    EXPECT_EQ(w.row, i) << i;
  }
  ListWindow w;
  SelectEntry(w, shape, 5);
  for (int i = 6; i < 9; ++i) ASSERT_EQ(MoveDown(w, shape), 1);
  EXPECT_EQ(CurrentEntry(w, shape.count), 8);
  EXPECT_EQ(MoveDown(w, shape), 0);
}

TEST(ListWindow, EmptyListDoesNotMove) {
  const ListShape shape{0, 9};
  ListWindow w;
  EXPECT_EQ(MoveUp(w, shape), 0);
  EXPECT_EQ(MoveDown(w, shape), 0);
  PageForward(w, shape);
  PageBack(w, shape);
  EXPECT_EQ(w.topIndex, 0);
  EXPECT_EQ(w.row, 0);
  EXPECT_FALSE(LetterForward(w, shape, [](int) -> unsigned char { return 'A'; }));
  EXPECT_FALSE(LetterBack(w, shape, [](int) -> unsigned char { return 'A'; }));
}

class LetterMoves : public ::testing::Test {
 protected:
  std::vector<std::string> titles{"Alpha One", "Alpha Two", "Bravo One", "Bravo Two", "Charlie"};
  GroupLetterOf letter = [this](int p) { return static_cast<unsigned char>(titles.at(p)[0]); };

  int Forward(ListShape shape, int from) {
    ListWindow w;
    SelectEntry(w, shape, from);
    LetterForward(w, shape, letter);
    return CurrentEntry(w, shape.count);
  }
  int Back(ListShape shape, int from) {
    ListWindow w;
    SelectEntry(w, shape, from);
    LetterBack(w, shape, letter);
    return CurrentEntry(w, shape.count);
  }
};

TEST_F(LetterMoves, BoundedListGoesToTheFirstEntryOfTheNeighbourGroup) {
  const ListShape shape{5, 9};
  EXPECT_EQ(Forward(shape, 1), 2);  // Alpha Two -> Bravo One
  EXPECT_EQ(Forward(shape, 0), 2);
  EXPECT_EQ(Forward(shape, 2), 4);  // Bravo One -> Charlie
  EXPECT_EQ(Forward(shape, 4), 4);  // no next group
  EXPECT_EQ(Back(shape, 3), 0);     // Bravo Two -> Alpha One
  EXPECT_EQ(Back(shape, 1), 0);     // Alpha Two -> Alpha One
  EXPECT_EQ(Back(shape, 4), 2);     // Charlie -> Bravo One
  EXPECT_EQ(Back(shape, 0), 0);
}

TEST_F(LetterMoves, CircularListWrapsToTheNeighbourGroup) {
  const ListShape shape{5, 3};
  EXPECT_EQ(Forward(shape, 1), 2);
  EXPECT_EQ(Back(shape, 3), 0);
  EXPECT_EQ(Forward(shape, 4), 0);  // Charlie -> Alpha One
  EXPECT_EQ(Back(shape, 1), 4);     // Alpha Two -> Charlie
  EXPECT_EQ(Back(shape, 0), 4);
}

TEST_F(LetterMoves, OneGroupInACircularListStopsAfterOneTurnWhereItStarted) {
  titles = {"Ace", "Arc", "Art", "Axe", "Awl", "Ant"};
  const ListShape shape{6, 3};
  for (int from = 0; from < 6; ++from) {
    ListWindow w;
    SelectEntry(w, shape, from);
    const ListWindow start = w;
    EXPECT_FALSE(LetterForward(w, shape, letter));
    EXPECT_EQ(w.topIndex, start.topIndex);
    EXPECT_EQ(w.row, start.row);
    EXPECT_FALSE(LetterBack(w, shape, letter));
    EXPECT_EQ(CurrentEntry(w, shape.count), from);
  }
}

TEST_F(LetterMoves, OneGroupInABoundedListRunsToTheEnd) {
  titles = {"Ace", "Arc", "Art"};
  const ListShape shape{3, 9};
  EXPECT_EQ(Forward(shape, 0), 2);
  EXPECT_EQ(Back(shape, 2), 0);
}

TEST_F(LetterMoves, LetterCaseMatters) {
  titles = {"alpha", "Alpha", "beta"};
  EXPECT_EQ(Forward({3, 9}, 0), 1);
}

}  // namespace
