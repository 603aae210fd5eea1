#include <gtest/gtest.h>

#include <random>

#include "render/render_state.h"
#include "render/scroll_text.h"
#include "temp_dir.h"

using render::ApplyScrollTextBlink;
using render::GameTexts;
using render::MeasureCharWidths;
using render::PrepareScrollText;
using render::ReadScrollText;
using render::ScrollBox;
using render::ScrollTag;
using render::ScrollTagKind;
using render::ScrollText;
using render::ScrollTextDrawing;
using render::ScrollTextTag;
using render::ScrollTextToDraw;
using render::StepScrollText;
using render::kScrollDefaultPeriod;
using render::kScrollPauseMaxSeconds;
using render::kScrollText;
using render::kScrollWorkingMax;

namespace {

constexpr int kCharWidth = 8;

class ScrollTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    st.charWidths.fill(kCharWidth);
    box = ScrollBox{true, 100, 50, 80, 20, 0x00FF00, 200};
  }
  void Start(const std::string& text) {
    st.source = text;
    PrepareScrollText(st, box);
    st.due = now;
    st.period = kScrollDefaultPeriod;
  }
  // Advances the clock one millisecond at a time.
  void RunFor(std::uint32_t ms, const GameTexts* game = nullptr) {
    for (std::uint32_t k = 0; k < ms; ++k) StepScrollText(st, box, ++now, game);
  }
  // Runs until `done` holds; false after a minute of scrolling.
  template <typename F>
  bool RunUntil(F done, const GameTexts* game = nullptr) {
    for (int k = 0; k < 60000; ++k) {
      if (done()) return true;
      StepScrollText(st, box, ++now, game);
    }
    return done();
  }
  int Position() const { return st.firstChar * kCharWidth + st.pixelOffset; }
  std::string Shown() const { return st.working.substr(static_cast<std::size_t>(st.firstChar)); }

  ScrollText st;
  ScrollBox box;
  std::uint32_t now = 1000;
  render::RenderState state;
};

TEST_F(ScrollTextTest, PreparationPadsAndCleansTheText) {
  box.width = 40;  // 40 / 8 = 5 blanks, but at least 10
  Start("ab\tc\r\nd");
  EXPECT_EQ(st.pad, 10);
  EXPECT_EQ(st.working, std::string(11, ' ') + "ab c  d");
  EXPECT_EQ(st.colour, 0x00FF00u);
  EXPECT_EQ(st.alpha, 200);
  EXPECT_FALSE(st.hasGameTags);

  box.width = 200;
  Start("x[nomjeux]");
  EXPECT_EQ(st.pad, 25);
  EXPECT_EQ(st.working.size(), 26u + 10u);
  EXPECT_TRUE(st.hasGameTags);
  Start("[Infos1]");
  EXPECT_TRUE(st.hasGameTags);
  Start("[P=1] [ i");
  EXPECT_FALSE(st.hasGameTags);

  st.charWidths[' '] = 0;  // a face without a blank width: no division by zero
  Start("x");
  EXPECT_EQ(st.pad, 10);

  box.visible = false;
  Start("hello");
  EXPECT_EQ(st.working, "hello");  // not prepared: nothing scrolls
  const int before = Position();
  RunFor(500);
  EXPECT_EQ(Position(), before);
  EXPECT_FALSE(ScrollTextToDraw(st, box).visible);
}

TEST_F(ScrollTextTest, MovesOnePixelPerPeriodAndStartsOverAtTheEnd) {
  Start("Hi");
  RunFor(200);
  EXPECT_EQ(Position(), 10);  // 50 pixels per second
  // A late update catches up with every pixel that was due.
  StepScrollText(st, box, now += 100, nullptr);
  EXPECT_EQ(Position(), 15);
  // 11 blanks + 2 letters = 13 characters of 8 pixels; then the text starts over.
  ASSERT_TRUE(RunUntil([&] { return st.firstChar == 12; }));
  ASSERT_TRUE(RunUntil([&] { return st.firstChar == 0; }));
  EXPECT_EQ(st.working, std::string(11, ' ') + "Hi");
  EXPECT_EQ(st.period, kScrollDefaultPeriod);
}

TEST_F(ScrollTextTest, PauseTagStopsTheTextAndIsNeverShown) {
  Start("Bonjour[P=3] a tous");
  ASSERT_TRUE(RunUntil([&] { return st.working.find("[P=3]") == std::string::npos; }));
  EXPECT_EQ(st.working.find('['), std::string::npos);
  // The tag stood at the right edge: the 10th character shown is where it was cut.
  EXPECT_EQ(st.working.substr(static_cast<std::size_t>(st.firstChar) + 9, 4), " a t");
  const int stoppedAt = Position();
  RunFor(2990);
  EXPECT_EQ(Position(), stoppedAt);
  RunFor(30);
  EXPECT_GT(Position(), stoppedAt);
}

TEST_F(ScrollTextTest, PauseValuesAreBounded) {
  st.working = std::string(20, ' ') + "[P=999999999]" + std::string(20, ' ');
  st.firstChar = 20 - 9;
  ScrollTag tag = ScrollTextTag(st, box, nullptr);
  EXPECT_EQ(tag.kind, ScrollTagKind::kPause);
  EXPECT_EQ(tag.value, kScrollPauseMaxSeconds);
  EXPECT_EQ(tag.Code(), kScrollPauseMaxSeconds * 256 + 1);
  st.working = std::string(20, ' ') + "[p=-5]x";
  tag = ScrollTextTag(st, box, nullptr);
  EXPECT_EQ(tag.kind, ScrollTagKind::kPause);
  EXPECT_EQ(tag.value, 0);
}

TEST_F(ScrollTextTest, SpeedTagsSetThePeriod) {
  Start("a[V=9]bcdefghijklmnopqrstuvwxyz");
  ASSERT_TRUE(RunUntil([&] { return st.period != kScrollDefaultPeriod; }));
  EXPECT_EQ(st.period, 5u);
  RunFor(20);  // the step already due keeps the old period
  int p = Position();
  RunFor(50);
  EXPECT_EQ(Position(), p + 10);

  Start("a[v=0]bcdefghijklmnopqrstuvwxyz");
  ASSERT_TRUE(RunUntil([&] { return st.period != kScrollDefaultPeriod; }));
  EXPECT_EQ(st.period, 25u);  // 0 counts as 5
  RunFor(20);
  p = Position();
  RunFor(250);
  EXPECT_EQ(Position(), p + 10);
}

TEST_F(ScrollTextTest, ColourTagLastsUntilTheTextStartsOver) {
  Start("red[C=16711680]RED and back");
  ASSERT_TRUE(RunUntil([&] { return st.colour != 0x00FF00u; }));
  EXPECT_EQ(st.colour, 0xFF0000u);
  EXPECT_EQ(ScrollTextToDraw(st, box).argb, 0xC8FF0000u);  // alpha 200
  ASSERT_TRUE(RunUntil([&] { return st.firstChar == 0; }));
  EXPECT_EQ(st.colour, 0x00FF00u);
  EXPECT_NE(st.working.find("[C=16711680]"), std::string::npos);  // the tag is back

  Start("x[C=99999999]y");
  ASSERT_TRUE(RunUntil([&] { return st.colour != 0x00FF00u; }));
  EXPECT_EQ(st.colour, 0xFFFFFFu);
}

TEST_F(ScrollTextTest, BlinkFollowsThePulseUntilSwitchedOff) {
  Start("a[B=1]bcdefghijklm[b=0]nopqrstuvwxyz");
  state.scrollText = st;
  ApplyScrollTextBlink(state, true, 500);
  EXPECT_EQ(state.scrollText.alpha, 200);  // blink is off yet: no effect
  ASSERT_TRUE(RunUntil([&] { return st.blink; }));
  state.scrollText = st;
  ApplyScrollTextBlink(state, true, 500);
  EXPECT_EQ(state.scrollText.alpha, 100 + 77);
  ApplyScrollTextBlink(state, false, 2000);
  EXPECT_EQ(state.scrollText.alpha, 255 - 155);
  st.alpha = state.scrollText.alpha;
  ASSERT_TRUE(RunUntil([&] { return !st.blink; }));
  EXPECT_EQ(st.alpha, 200);  // back to the object's alpha
  state.scrollText = {};
}

TEST_F(ScrollTextTest, GameTagsInsertTheSelectedGame) {
  const GameTexts game{"Space Fighter", {"1981", "Shooter", "Two players"}};
  Start("Now: [NomJeux] ([infos2]) [Infos7]end");
  EXPECT_TRUE(st.hasGameTags);
  ASSERT_TRUE(RunUntil([&] { return st.working.find('[') == std::string::npos; }, &game));
  EXPECT_NE(st.working.find("Now: Space Fighter (Shooter) end"), std::string::npos) << st.working;

  // Without a game the tags vanish.
  Start("Now: [NomJeux]!");
  ASSERT_TRUE(RunUntil([&] { return st.working.find('[') == std::string::npos; }));
  EXPECT_NE(st.working.find("Now: !"), std::string::npos);

  // After a selection change the text restarts with the new name.
  const GameTexts other{"Road Racer", {}};
  Start("Now: [NomJeux]!");
  ASSERT_TRUE(RunUntil([&] { return st.working.find('[') == std::string::npos; }, &other));
  EXPECT_NE(st.working.find("Now: Road Racer!"), std::string::npos);
}

TEST_F(ScrollTextTest, MalformedAndAdjacentTags) {
  // A tag letter without "=" stays and is shown; an unknown letter too.
  Start("a[Px]b[Q=1]c");
  RunFor(5000);
  EXPECT_NE(st.working.find("[Px]"), std::string::npos);
  EXPECT_NE(st.working.find("[Q=1]"), std::string::npos);

  // A missing "]" takes the rest of the text as the value.
  Start("abc[C=255 and more");
  ASSERT_TRUE(RunUntil([&] { return st.colour != 0x00FF00u; }));
  EXPECT_EQ(st.colour, 255u);
  EXPECT_EQ(st.working.find("and more"), std::string::npos);

  // A tag directly followed by another leaves one blank, so the second comes a step later.
  Start("ab[B=1][V=9]cdefghijklmnop");
  ASSERT_TRUE(RunUntil([&] { return st.blink; }));
  EXPECT_NE(st.working.find("ab [V=9]c"), std::string::npos);
  ASSERT_TRUE(RunUntil([&] { return st.period == 5u; }));
  EXPECT_NE(st.working.find("ab c"), std::string::npos);
}

TEST_F(ScrollTextTest, DrawingBoxFollowsTheScroll) {
  st.charWidths['B'] = 11;
  Start("Hello");
  RunFor(60);  // 3 pixels
  const ScrollTextDrawing d = ScrollTextToDraw(st, box);
  ASSERT_TRUE(d.visible);
  EXPECT_EQ(d.left, 100 - 3 + 11);
  EXPECT_EQ(d.right, 100 + 80 - 3);
  EXPECT_EQ(d.top, 50);
  EXPECT_EQ(d.bottom, 70);
  EXPECT_EQ(d.text, Shown());
  EXPECT_EQ(d.argb, 0xC800FF00u);
}

TEST_F(ScrollTextTest, InsertedDataCannotGrowWithoutBound) {
  // A name that holds the tag itself would be inserted again and again.
  const GameTexts loop{"[NomJeux][NomJeux]" + std::string(5000, 'x'), {}};
  Start("[NomJeux]");
  RunFor(60000, &loop);
  EXPECT_LE(st.working.size(), kScrollWorkingMax);
}

TEST_F(ScrollTextTest, SurvivesArbitraryTextAndWidths) {
  std::mt19937 rng(11);
  const std::string alphabet = "[]=BCPVINbcpvin0123456789-x ";
  const GameTexts game{"[P=1]G[", {"[", "]", "[B=1"}};
  for (int round = 0; round < 300; ++round) {
    for (int& w : st.charWidths) w = static_cast<int>(rng() % 12) - (round % 5 == 0 ? 2 : 0);
    box.width = static_cast<int>(rng() % 300);
    std::string text(rng() % 60, ' ');
    for (char& c : text) c = alphabet[rng() % alphabet.size()];
    Start(text);
    for (int k = 0; k < 300; ++k) {
      StepScrollText(st, box, now += 1 + rng() % 40, round % 2 ? &game : nullptr);
      ASSERT_LE(static_cast<std::size_t>(st.firstChar), st.working.size());
      ASSERT_GE(st.firstChar, 0);
      const ScrollTextDrawing d = ScrollTextToDraw(st, box);
      if (d.visible) {
        ASSERT_LE(d.text.size(), st.working.size());
      }
    }
  }
}

TEST(ScrollTextFile, ReadsAtMost10000BytesOfTheConfigurationFile) {
  TempDir dir;
  render::RenderState state;
  state.scrollText = {};
  state.scrollText.working = "old";
  EXPECT_EQ(ReadScrollText(state, dir.path(), "Demo"), 0);
  EXPECT_TRUE(state.scrollText.working.empty());
  dir.Write("config/Demo/ScrollTexte.txt", std::string(12000, 'a'));
  EXPECT_EQ(ReadScrollText(state, dir.path(), "demo"), 1);
  EXPECT_EQ(state.scrollText.source.size(), 10000u);
  dir.Write("config/Demo/ScrollTexte.txt", std::string("abc\0def", 7));
  EXPECT_EQ(ReadScrollText(state, dir.path(), "Demo"), 1);
  EXPECT_EQ(state.scrollText.source, "abc");
  dir.Write("config/Demo/ScrollTexte.txt", "Bient\xC3\xB4t \xE2\x82\xAC");  // saved on Linux
  EXPECT_EQ(ReadScrollText(state, dir.path(), "Demo"), 1);
  EXPECT_EQ(state.scrollText.source, "Bient\xC3\xB4t \xE2\x82\xAC");
  dir.Write("config/Demo/ScrollTexte.txt", "Bient\xF4t \x80");  // written on the original system
  EXPECT_EQ(ReadScrollText(state, dir.path(), "Demo"), 1);
  EXPECT_EQ(state.scrollText.source, "Bient\xC3\xB4t \xE2\x82\xAC");
  dir.Write("config/Demo/ScrollTexte.txt", "abc");
  ASSERT_EQ(ReadScrollText(state, dir.path(), "Demo"), 1);

  // The global forms work on the ScrollText object of the layout.
  state.layout = {};
  state.layout.objects[kScrollText].visible = true;
  state.layout.objects[kScrollText].width = 160;
  state.layout.textStyles[kScrollText].fontColour = 0x123456;
  std::array<int, 256> widths{};
  widths.fill(8);
  MeasureCharWidths(state, widths);
  EXPECT_EQ(state.scrollText.pad, 20);
  EXPECT_EQ(state.scrollText.colour, 0x123456u);
  EXPECT_EQ(state.scrollText.working, std::string(21, ' ') + "abc");
  state.layout = {};
  state.scrollText = {};
}

}  // namespace

TEST_F(ScrollTextTest, MultibyteCharactersMoveWholeAndTakeTheirFontWidth) {
  // "日" and "本" are 12 pixels wide in the font, "é" (below U+0100) uses the table.
  st.wideWidth = [](char32_t cp) { return cp == U'日' || cp == U'本' ? 12 : 0; };
  st.charWidths[0xE9] = 5;
  Start("a\xE6\x97\xA5\xE6\x9C\xAC\xC3\xA9" "bcd");
  const std::size_t text = static_cast<std::size_t>(st.pad) + 1;
  std::vector<std::pair<std::size_t, int>> widths;  // (first character, pixels it took)
  int pixels = 0;
  std::size_t first = static_cast<std::size_t>(st.firstChar);
  for (int step = 0; step < 1000 && first < text + 10; ++step) {
    // The drawing never starts inside a character.
    const ScrollTextDrawing d = ScrollTextToDraw(st, box);
    ASSERT_TRUE(d.visible);
    ASSERT_NE(static_cast<unsigned char>(d.text.front()) & 0xC0, 0x80) << st.firstChar;
    now = st.due;  // one pixel a step
    StepScrollText(st, box, now, nullptr);
    ++pixels;
    const auto moved = static_cast<std::size_t>(st.firstChar);
    if (moved == first) continue;
    ASSERT_GT(moved, first);
    if (first >= text) widths.emplace_back(first - text, pixels);
    first = moved;
    pixels = 0;
  }
  EXPECT_EQ(widths, (std::vector<std::pair<std::size_t, int>>{{0, 8}, {1, 12}, {4, 12}, {7, 5}, {9, 8}}));
}
