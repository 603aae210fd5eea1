#include "platform/process.h"

#include <gtest/gtest.h>

using platform::SplitCommandLine;
using Args = std::vector<std::string>;

TEST(CommandLine, QuotedProgramAndRomPathAsTheLauncherWritesThem) {
  EXPECT_EQ(SplitCommandLine(R"("C:\Emu\mame.exe" "C:\Emu\roms\rom1.zip")"),
            (Args{R"(C:\Emu\mame.exe)", R"(C:\Emu\roms\rom1.zip)"}));
  EXPECT_EQ(SplitCommandLine(R"("/opt/emu/mame" /opt/emu/roms/rom1.zip)"),
            (Args{"/opt/emu/mame", "/opt/emu/roms/rom1.zip"}));
  EXPECT_EQ(SplitCommandLine(R"("/opt/my emu/mame" "/opt/my roms/street fighter.zip")"),
            (Args{"/opt/my emu/mame", "/opt/my roms/street fighter.zip"}));
}

TEST(CommandLine, BlanksSeparateAndEmptyLinesGiveNothing) {
  EXPECT_EQ(SplitCommandLine(""), Args{});
  EXPECT_EQ(SplitCommandLine(" \t "), Args{});
  EXPECT_EQ(SplitCommandLine("  prog\ta   b  "), (Args{"prog", "a", "b"}));
  EXPECT_EQ(SplitCommandLine(R"(prog "" x)"), (Args{"prog", "", "x"}));
  EXPECT_EQ(SplitCommandLine(R"(prog a""b)"), (Args{"prog", "ab"}));
}

TEST(CommandLine, BackslashesCountOnlyBeforeAQuote) {
  EXPECT_EQ(SplitCommandLine(R"(p a\\\b d"e f"g h)"), (Args{"p", R"(a\\\b)", "de fg", "h"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\\\"b c d)"), (Args{"p", R"(a\"b)", "c", "d"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\\\\"b c" d e)"), (Args{"p", R"(a\\b c)", "d", "e"}));
  EXPECT_EQ(SplitCommandLine(R"(p \"quoted\")"), (Args{"p", R"("quoted")"}));
  // The classic trap: a quoted directory ending in a backslash swallows the quote.
  EXPECT_EQ(SplitCommandLine(R"(p "C:\dir\" x)"), (Args{"p", R"(C:\dir" x)"}));
  EXPECT_EQ(SplitCommandLine(R"(p "C:\dir\\" x)"), (Args{"p", R"(C:\dir\)", "x"}));
  EXPECT_EQ(SplitCommandLine(R"(p trailing\)"), (Args{"p", R"(trailing\)"}));
}

TEST(CommandLine, DoubledQuotesInsideAQuotedPartAreOneQuote) {
  EXPECT_EQ(SplitCommandLine(R"(p a"b"" c d)"), (Args{"p", R"(ab" c d)"}));
  EXPECT_EQ(SplitCommandLine(R"(p "say ""hi""" x)"), (Args{"p", R"(say "hi")", "x"}));
  // An unterminated quote runs to the end of the line.
  EXPECT_EQ(SplitCommandLine(R"(p "a b)"), (Args{"p", "a b"}));
}

TEST(CommandLine, TheProgramNameTakesBackslashesAndQuotesLiterally) {
  EXPECT_EQ(SplitCommandLine(R"("C:\dir\" x)"), (Args{R"(C:\dir\)", "x"}));
  EXPECT_EQ(SplitCommandLine(R"("a b"c d)"), (Args{"a bc", "d"}));
  EXPECT_EQ(SplitCommandLine(R"(C:\emu\mame.exe -window)"), (Args{R"(C:\emu\mame.exe)", "-window"}));
  EXPECT_EQ(SplitCommandLine(R"("unterminated program)"), (Args{"unterminated program"}));
}

TEST(CommandLine, ShellCharactersAreJustText) {
  EXPECT_EQ(SplitCommandLine(R"("/e/mame" "/roms/a;b $(rm -rf x) `id` & | > <.zip")"),
            (Args{"/e/mame", "/roms/a;b $(rm -rf x) `id` & | > <.zip"}));
  EXPECT_EQ(SplitCommandLine("p $HOME;ls"), (Args{"p", "$HOME;ls"}));
}

TEST(CommandLine, SurvivesArbitraryBytes) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
  auto args = SplitCommandLine(junk);
  std::size_t total = 0;
  for (const auto& a : args) total += a.size();
  EXPECT_LE(total, junk.size());
  EXPECT_EQ(SplitCommandLine(std::string(10000, '\\') + "\""), (Args{std::string(10000, '\\')}));
  EXPECT_EQ(SplitCommandLine("p " + std::string(9999, '\\') + "\"").at(1), std::string(4999, '\\') + "\"");
}
