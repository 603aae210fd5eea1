#include <gtest/gtest.h>

#include <cmath>

#include "configurator/layouteditor/editor_key_reader.h"
#include "configurator/layouteditor/font_units.h"
#include "configurator/layouteditor/object_numbering.h"
#include "editor_test_support.h"
#include "render/layout.h"

using render::LayoutObjectName;

using namespace cfg;

TEST(EditorKeyReader, FindsTheFirstMatchingLineWithTheConfiguratorsRules) {
  const struct {
    std::string text, value;
  } cases[] = {{"Key=5", "5"},
               {"kEY=5", "5"},
               {"Key =5", "5"},
               {"Key = 5", " 5"},
               {"Key 15", "5"},
               {"Key 5", ""},
               {"Key ", ""},  // a key and one blank: empty, not read past the line
               {"Keys=5\nKey=6", "6"},
               {"Key=1\nKey=2", "1"},
               {"Key=a b  ", "a b  "},
               {"K\rey=7\r\n", "7"},
               {"[S]\nKey=5", ""},
               {"[S]\nKey=5\n[]\nKey=6", "6"},
               {std::string(500, 'x') + "Key=8", "8"}};  // cut after 500: the rest is a line
  for (const auto& c : cases) EXPECT_EQ(EditorKeyReader(c.text).Raw("Key"), c.value) << c.text;
  const EditorKeyReader keys("A=YES\nB=yes\nC=OUI\nD=YES \nE= -12x\nF=");
  EXPECT_EQ(std::make_tuple(keys.Flag("A"), keys.Flag("B"), keys.Flag("C"), keys.Flag("D")),
            std::make_tuple(true, false, true, false));
  EXPECT_EQ(std::make_pair(keys.Integer("E", "3"), keys.Integer("F", "3")), std::make_pair(-12, 3));
}

// The files and the preview both go through this map: only the names can tell it is right.
TEST(ObjectNumbering, EachEditorObjectIsTheFrontendObjectOfTheSameName) {
  const char* names[] = {"BackGround", "Snap",    "List",    "Info",    "Info1",   "Info2",   "Info3",  "ScrollText",
                         "Marquee",    "Custom1", "Custom2", "Custom3", "Custom4", "Custom5", "Custom6"};
  for (int e = 0; e < kEditorObjectCount; ++e) {
    EXPECT_EQ(std::make_tuple(LayoutObjectName(FrontendIndexOf(e)), EditorIndexOf(FrontendIndexOf(e))),
              std::make_tuple(std::string_view(names[e]), e));
  }
}

TEST(EditorLayout, IsModifiedComparesTheSavedFieldsOnly) {
  EditorLayout base;
  base.objects[kEdInfo].fontFace = "Liberation Sans";
  TakeSnapshot(base);
  const struct {
    void (*change)(EditorLayout&);
    bool modified;
  } cases[] = {{[](EditorLayout& l) { l.objects[kEdCustom6].order = 3; }, true},
               {[](EditorLayout& l) { l.objects[kEdCustom1].scrollSpeedY = -1; }, true},
               {[](EditorLayout& l) { l.objects[kEdInfo].fontFace = "Liberation Sans Narrow"; }, true},
               {[](EditorLayout& l) { l.objects[kEdInfo].fontFace = "LIBERATION sans"; }, false},
               {[](EditorLayout& l) { l.settings.selectorMaxAlpha = 9; }, true}};
  for (const auto& c : cases) {
    EditorLayout l = base;
    c.change(l);
    EXPECT_EQ(IsModified(l), c.modified) << &c - cases;
  }
}

TEST(EditorLayout, NormaliseOrderSortsAndRenumbers) {
  const struct {
    std::array<int, 15> orders, drawOrder;
  } cases[] = {
      // The defaults stay as they are; orders all equal keep the index order.
      {{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, {14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
      {{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
      // Out of range and repeated values: the exchange sort decides between equals.
      {{2, 1, 1, 0, -7, 99, 3, 3, 3, 3, 3, 3, 3, 3, 3}, {4, 3, 1, 2, 0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 5}},
      // Not a stable sort: the 1 swapped to the front sends object 0 behind its equal, object 1.
      {{2, 2, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, {2, 1, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}}};
  for (const auto& c : cases) {
    EditorLayout l;
    for (int i = 0; i < 15; ++i) l.objects[i].order = c.orders[i];
    NormaliseOrder(l);
    EXPECT_EQ(EditorDrawOrder(l), c.drawOrder);
    for (int p = 0; p < 15; ++p) EXPECT_EQ(l.objects[c.drawOrder[p]].order, p + 1);
  }
  // A speed a file brought from far outside the int range is written as the nearest int.
  EXPECT_EQ(std::make_tuple(TruncatedSpeed(-3.9f), TruncatedSpeed(1e20f), TruncatedSpeed(std::nanf(""))),
            std::make_tuple(-3, 2147483520, 0));
}

// The font chooser's points become the pixel height the cabinet draws.
TEST(FontUnits, PointsAndPixelHeights) {
  const struct {
    int stored, offered, chosen;
    double dpi;
    int pixels;
  } cases[] = {
      {28, 21, 21, 96, 28},   // unchanged: the stored height, not 21 pt at 96 dpi (28)
      {30, 23, 23, 96, 30},   // nor 31, as rounding 22.5 pt up would give
      {30, 23, 12, 96, 16},   // 12 pt at 96 dpi
      {30, 18, 12, 120, 20},
      {30, 23, 12, 0, 16},    // no screen: 96 dpi
      {30, 23, 0, 96, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PixelsToPoints(c.stored, c.dpi > 0 ? c.dpi : 96), c.offered) << &c - cases;
    EXPECT_EQ(ChosenPixelHeight(c.stored, c.offered, c.chosen, c.dpi), c.pixels) << &c - cases;
  }
  EXPECT_EQ(PointsToPixels(2147483647, 96), 2147483647);
}
