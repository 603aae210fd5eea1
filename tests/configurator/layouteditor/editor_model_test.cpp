#include <gtest/gtest.h>

#include "configurator/layouteditor/editor_key_reader.h"
#include "configurator/layouteditor/object_numbering.h"
#include "editor_test_support.h"
#include "frontend/render/layout.h"

using namespace cfg;

TEST(EditorKeyReader, FindsTheFirstMatchingLineWithTheConfiguratorsRules) {
  const std::string longLine(500, 'x');
  const struct { std::string text; std::string value; } cases[] = {
      {"Key=5", "5"},           {"kEY=5", "5"},         {"Key =5", "5"},       {"Key = 5", " 5"},
      {"Key 15", "5"},          {"Key 5", ""},          {"Key ", ""},          {"Key", ""},
      {"Keys=5\nKey=6", "6"},   {"Key=1\nKey=2", "1"},  {"Key=a b  ", "a b  "}, {"K\rey=7\r\n", "7"},
      {"[S]\nKey=5", ""},       {"[S]\nKey=5\n[]\nKey=6", "6"}, {"x\n[ ]\nKey=5", ""},
      {longLine + "Key=8", "8"},  // a line is cut after 500 characters and goes on as the next
  };
  for (const auto& c : cases) EXPECT_EQ(EditorKeyReader(c.text).Raw("Key"), c.value) << c.text;
  const EditorKeyReader keys("A=YES\nB=yes\nC=OUI\nD=YES \nE= -12x\nF=");
  EXPECT_TRUE(keys.Flag("A"));
  EXPECT_FALSE(keys.Flag("B"));
  EXPECT_TRUE(keys.Flag("C"));
  EXPECT_FALSE(keys.Flag("D"));
  EXPECT_EQ(keys.Integer("E", "3"), -12);
  EXPECT_EQ(keys.Integer("F", "3"), 3);  // empty value: the default
}

TEST(ObjectNumbering, MapsEveryEditorObjectToTheFrontendObjectOfTheSameName) {
  const char* prefixes[] = {"BackGround", "Snap",    "List",    "Info",    "Info1",   "Info2",   "Info3",  "ScrollText",
                            "Marquee",    "Custom1", "Custom2", "Custom3", "Custom4", "Custom5", "Custom6"};
  for (int e = 0; e < kEditorObjectCount; ++e) {
    EXPECT_EQ(LayoutObjectName(FrontendIndexOf(e)), prefixes[e]) << e;
    EXPECT_EQ(EditorIndexOf(FrontendIndexOf(e)), e);
    EXPECT_EQ(IsEditorTextObject(e), e >= kEdList && e <= kEdScrollText) << e;
  }
  EXPECT_EQ(FrontendIndexOf(15), -1);
  EXPECT_EQ(EditorIndexOf(-1), -1);
}

TEST(EditorLayout, IsModifiedComparesTheSavedFieldsOnly) {
  EditorLayout base;
  base.objects[kEdInfo].fontFace = "Liberation Sans";
  TakeSnapshot(base);
  const struct { const char* what; void (*change)(EditorLayout&); bool modified; } cases[] = {
      {"left", [](EditorLayout& l) { l.objects[kEdSnap].left = 1; }, true},
      {"order", [](EditorLayout& l) { l.objects[kEdCustom6].order = 3; }, true},
      {"speed", [](EditorLayout& l) { l.objects[kEdCustom1].scrollSpeedY = -1; }, true},
      {"colour", [](EditorLayout& l) { l.objects[kEdInfo].fontColour = 5; }, true},
      {"face", [](EditorLayout& l) { l.objects[kEdInfo].fontFace = "Liberation Sans Narrow"; }, true},
      {"face capitals", [](EditorLayout& l) { l.objects[kEdInfo].fontFace = "LIBERATION sans"; }, false},
      {"nb items", [](EditorLayout& l) { l.settings.nbItems = 12; }, true},
      {"selector max", [](EditorLayout& l) { l.settings.selectorMaxAlpha = 9; }, true},
      {"scroll offset", [](EditorLayout& l) { l.objects[kEdCustom1 + 1].scrollOffsetX = 0.5f; }, false},
      {"selector now", [](EditorLayout& l) { l.selectorAlpha = 77; }, false},
  };
  for (const auto& c : cases) {
    EditorLayout l = base;
    c.change(l);
    EXPECT_EQ(IsModified(l), c.modified) << c.what;
  }
}

TEST(EditorLayout, NormaliseOrderSortsAndRenumbers) {
  const struct { std::array<int, 15> orders; std::array<int, 15> drawOrder; } cases[] = {
      // The defaults stay as they are: Custom6 at the back, the background in front.
      {{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, {14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
      {{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
      // Out of range and repeated values: the exchange sort decides between equals.
      {{2, 1, 1, 0, -7, 99, 3, 3, 3, 3, 3, 3, 3, 3, 3}, {4, 3, 1, 2, 0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 5}},
  };
  for (const auto& c : cases) {
    EditorLayout l;
    for (int i = 0; i < 15; ++i) l.objects[i].order = c.orders[i];
    NormaliseOrder(l);
    EXPECT_EQ(l.drawOrder, c.drawOrder);
    for (int p = 0; p < 15; ++p) EXPECT_EQ(l.objects[c.drawOrder[p]].order, p + 1);
  }
}

TEST(EditorLayout, SpeedsAndRowCountsStayInsideTheirRanges) {
  EXPECT_EQ(TruncatedSpeed(3.9f), 3);
  EXPECT_EQ(TruncatedSpeed(-3.9f), -3);
  EXPECT_EQ(TruncatedSpeed(1e20f), 2147483520);
  EXPECT_EQ(TruncatedSpeed(-1e20f), -2147483520);
  EXPECT_EQ(TruncatedSpeed(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(ListRowDivisor(0), 1);
  EXPECT_EQ(ListRowDivisor(-4), 1);
  EXPECT_EQ(ListRowDivisor(51), 50);
  EXPECT_EQ(ListRowDivisor(12), 12);
}
