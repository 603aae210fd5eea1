// The menu in its owner's language, as a whole program: the message it draws over its
// frames and its usage follow [General] Langue, else the locale (French for none).
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using systest::Capture;
using systest::Frontend;
using systest::Installation;

// The locale variables of a run, all of them set so that the test's own do not count.
const char* const kNoLocale[] = {"LC_ALL=", "LC_MESSAGES=", "LANG="};
const char* const kEnglish[] = {"LC_ALL=", "LC_MESSAGES=", "LANG=en_US.UTF-8"};

std::vector<std::string> Locale(const char* const (&variables)[3]) { return {variables[0], variables[1], variables[2]}; }

std::string ShellPrefix(const char* const (&variables)[3]) {
  return std::string(variables[0]) + " " + variables[1] + " " + variables[2] + " ";
}

class LanguageSystemTest : public systest::DisplayTest {
 protected:
  // A windowed menu whose only game has a name the menu refuses to launch: the launch key
  // puts its message over the menu. The catalogues are beside the program, as `make run` has
  // them.
  void WriteInstallation(const std::string& langue) {
    inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=emu\r\nModeFenetre=OUI\r\nLargFen=640\r\nHautFen=480\r\n"
                                     "Transitions=NO\r\nLangue=" + langue + "\r\n");
    inst.Write("config/emu/config.ini",
               "[Config]\r\nTemplateDir=Etoiles\r\nEmuExe=.\\Emu\\mame\r\nRomDir=.\\Emu\\roms\r\nRomsExt=zip\r\n"
               "FichierDescription=.\\lists\\games.txt\r\nSons=NO\r\nLastGame=-bad\r\n");
    inst.Write("lists/games.txt", "[-bad]\r\nFullName=Bad Name\r\n");
    fs::create_directories(inst / "Templates/Etoiles");
    fs::copy(std::string(ORV_SOURCE_DIR) + "/demo/Templates/Etoiles", inst / "Templates/Etoiles",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    if (!fs::exists(inst / "locale"))
      fs::copy(std::string(ORV_BINARY_DIR) + "/locale", inst / "locale", fs::copy_options::recursive);
  }

  // The pixels of the message's band at the top of the window, once the menu shows the
  // message (its red band is there) and two captures in a row agree.
  std::string NoticeBand(const std::vector<std::string>& locale) {
    Frontend f(inst, display(), locale);
    const std::string id = f.WaitForWindow();
    if (id.empty()) return "no window: " + inst.Read("debug.txt");
    const std::size_t logStart = inst.Read("debug.txt").size();
    std::system(("DISPLAY=" + display() + " xdotool key --window " + id + " 1 >/dev/null 2>&1").c_str());
    const std::string log = inst.WaitForLog("Lancement refus", 15000, logStart);
    if (log.find("Lancement refus\xC3\xA9, nom dangereux (commence par -) : -bad") == std::string::npos)
      return "not refused: " + log;
    const std::string info = Capture("DISPLAY=" + display() + " xwininfo -id " + id);
    auto number = [&](const std::string& label) {
      const auto pos = info.find(label);
      return pos == std::string::npos ? 0 : std::atoi(info.c_str() + pos + label.size());
    };
    const int x = number("Absolute upper-left X:"), y = number("Absolute upper-left Y:");
    const std::string grab = "DISPLAY=" + display() + " import -window root -crop 640x30+" + std::to_string(x) + "+" +
                             std::to_string(y) + " -depth 8 txt:- 2>/dev/null";
    std::string last;
    for (int attempt = 0; attempt < 100; ++attempt) {
      const auto red = systest::ScreenPixel(display(), x + 1, y + 1);
      if (red && *red == 0xA00000) {
        std::string band = Capture(grab);
        if (!band.empty() && band == last) return band;
        last = std::move(band);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return "no message shown";
  }

  std::string Help(const char* const (&variables)[3]) {
    return Capture(ShellPrefix(variables) + inst.program() + " --base " + inst.path() + " --help 2>&1");
  }

  Installation inst;
};

TEST_F(LanguageSystemTest, MessageAndUsageFollowLangueThenTheLocale) {
  WriteInstallation("");
  const std::string french = NoticeBand(Locale(kNoLocale));
  ASSERT_NE(french.find("#A00000"), std::string::npos) << french;
  EXPECT_EQ(Help(kNoLocale).rfind("Usage : orvanel [--base DOSSIER]\n", 0), 0u) << Help(kNoLocale);

  const std::string english = NoticeBand(Locale(kEnglish));
  ASSERT_NE(english.find("#A00000"), std::string::npos) << english;
  EXPECT_NE(english, french) << "the message is drawn in French under an English locale";
  EXPECT_EQ(Help(kEnglish).rfind("Usage: orvanel [--base FOLDER]\n", 0), 0u) << Help(kEnglish);

  WriteInstallation("fr");
  EXPECT_EQ(NoticeBand(Locale(kEnglish)), french) << "Langue=fr is not French under an English locale";
  EXPECT_EQ(Help(kEnglish).rfind("Usage : orvanel [--base DOSSIER]\n", 0), 0u) << Help(kEnglish);
  // The log stays French whatever the language.
  EXPECT_NE(inst.Read("debug.txt").find("Lancement refus\xC3\xA9, nom dangereux"), std::string::npos);
}

}  // namespace
