// The frontend as a user meets it: started from an installation directory on an X display.
#include "frontend_fixture.h"

#include "platform/profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

using systest::Frontend;
using systest::Installation;

class FrontendTest : public systest::DisplayTest {
 protected:
  // Writes a windowed main settings file and one configuration.
  void WriteWindowedInstallation(const std::string& extraGeneral = "") {
    inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=demo\r\nModeFenetre=OUI\r\nLargFen=800\r\nHautFen=600\r\n" +
                                         extraGeneral);
    inst.Write("config/demo/config.ini", "[Config]\r\nTemplateDir=Demo\r\n");
    inst.Write("Templates/Demo/Layout.cfg", "RESOLUTIONX=800\r\nRESOLUTIONY=600\r\n");
  }
  // Starts the frontend, waits for its window, closes it and returns the exit code.
  int RunUntilClosed() {
    Frontend f(inst, display());
    const std::string id = f.WaitForWindow();
    EXPECT_FALSE(id.empty()) << "no main window";
    if (!id.empty()) f.Close(id);
    auto code = f.Wait();
    EXPECT_TRUE(code.has_value()) << "the frontend did not end after its close request";
    return code.value_or(-1);
  }
  std::string Log() const { return inst.Read("debug.txt"); }
  std::string NbExec() const { return platform::ReadProfileString(inst / "Orvanel.sta", "StatGen", "NbExec", ""); }

  Installation inst;
};

TEST_F(FrontendTest, AloneInAnEmptyDirectorySaysSoAndEndsWithoutAWindow) {
  Frontend f(inst, display());
  auto code = f.Wait();
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 1);  // a failure: a kiosk unit starts it again
  // Without settings beside it the frontend looks in the user's data folder, which has none
  // either (no demo is installed beside a test's copy).
  const std::string log = inst.Read("user-data/orvanel/debug.txt");
  EXPECT_NE(log.find("(dossier de l'utilisateur, pas de d\xC3\xA9mo install\xC3\xA9\x65 dans "), std::string::npos) << log;
  const auto start = log.find("=== Lancement ===");
  const auto message = log.find("Fichier Orvanel.ini non trouv\xC3\xA9 !");
  ASSERT_NE(start, std::string::npos) << log;
  ASSERT_NE(message, std::string::npos) << log;
  EXPECT_LT(start, message);
  EXPECT_EQ(log.find("=== Fin ==="), std::string::npos);
  // Nothing after the message: no run counted, no window.
  EXPECT_FALSE(std::filesystem::exists(inst / "Orvanel.sta"));
  EXPECT_FALSE(std::filesystem::exists(inst / "user-data/orvanel/Orvanel.sta"));
  EXPECT_EQ(systest::Capture("DISPLAY=" + display() + " xdotool search --name '^Orvanel$' 2>/dev/null"), "");
}

TEST_F(FrontendTest, WindowedRunLogsCountsAndEndsOnTheCloseRequest) {
  WriteWindowedInstallation();
  {
    Frontend f(inst, display());
    const std::string id = f.WaitForWindow();
    ASSERT_FALSE(id.empty());
    EXPECT_EQ(systest::WindowSize(display(), id), std::make_pair(800, 600));
    f.Close(id);
    auto code = f.Wait();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0);
  }
  EXPECT_EQ(NbExec(), "1");
  EXPECT_EQ(RunUntilClosed(), 0);
  EXPECT_EQ(NbExec(), "2");

  // The log grows across runs, each with its stamped start and end.
  const std::string log = Log();
  const std::regex stamped(R"((^|\n)\d{2}/\d{2}/\d{4} - \d{1,2}:\d{2}\.\d{2} => === (Lancement|Fin) ===\r)");
  int count = 0;
  for (auto it = std::sregex_iterator(log.begin(), log.end(), stamped); it != std::sregex_iterator(); ++it) ++count;
  EXPECT_EQ(count, 4) << log;
  EXPECT_LT(log.find("Lancement"), log.find("Fin"));
}

// A window manager's close (Alt+F4) is a way out the kiosk lock keeps shut; the system's stop
// (SIGTERM, as at shutdown) still ends the menu.
TEST_F(FrontendTest, TheKioskLockRefusesTheWindowsCloseButNotTheSystemsStop) {
  WriteWindowedInstallation("Verrouillage=672+672\r\n");
  Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty());
  f.Close(id);
  const std::string refused = "Fermeture de la fenetre refusee : verrouillage de la borne";
  EXPECT_NE(inst.WaitForLog(refused, 30000).find(refused), std::string::npos) << Log();
  EXPECT_FALSE(f.Wait(0).has_value()) << "the close request ended a locked menu";
  ::kill(f.pid(), SIGTERM);
  EXPECT_EQ(f.Wait().value_or(-1), 0);
  EXPECT_NE(Log().find("=== Fin ==="), std::string::npos);
}

TEST_F(FrontendTest, NoDisplayIsReportedAndEndsInOrder) {
  WriteWindowedInstallation();
  Frontend f(inst, "");
  EXPECT_EQ(f.Wait().value_or(-1), 1);
  const std::string log = Log();
  const auto message = log.find("Probl\xC3\xA8me durant l'initialisation de DirectX");
  ASSERT_NE(message, std::string::npos) << log;
  EXPECT_LT(message, log.find("=== Fin ==="));
  EXPECT_EQ(NbExec(), "1");
}

// On the console without a display device (ORVANEL_SESSION=kms on a machine without KMS/DRM)
// the menu would draw nowhere: it says why and ends with a failure.
TEST_F(FrontendTest, NoScreenAtAllIsAFailureThatSaysWhy) {
  if (std::filesystem::exists("/dev/dri")) GTEST_SKIP() << "this machine has a display device";
  WriteWindowedInstallation();
  Frontend f(inst, "", {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=", "ORVANEL_SESSION=kms"});
  EXPECT_EQ(f.Wait().value_or(-1), 1);
  const std::string log = Log();
  EXPECT_NE(log.find("Aucun ecran : ni X, ni Wayland, ni KMS/DRM ("), std::string::npos) << log;
  EXPECT_NE(log.find(") ; le menu s'arrete"), std::string::npos) << log;
}

TEST_F(FrontendTest, MissingLayoutIsReportedWithTheTemplateNameAndEndsInOrder) {
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=demo\r\nModeFenetre=OUI\r\n");
  inst.Write("config/demo/config.ini", "[Config]\r\nTemplateDir=Absent\r\n");
  Frontend f(inst, display());
  EXPECT_EQ(f.Wait().value_or(-1), 1);
  const std::string log = Log();
  const auto message = log.find("Message [Erreur de lecture !]: Absent");
  ASSERT_NE(message, std::string::npos) << log;
  EXPECT_LT(message, log.find("=== Fin ==="));
}

TEST_F(FrontendTest, FullScreenCoversTheDesktop) {
  inst.Write("config/Orvanel.ini", "[General]\nLastEmu=demo\nModeFenetre=yes\nLargFen=800\nHautFen=600\n");
  inst.Write("config/demo/config.ini", "[Config]\nTemplateDir=Demo\n");
  inst.Write("Templates/Demo/Layout.cfg", "RESOLUTIONX=800\r\nRESOLUTIONY=600\r\n");
  Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty());
  EXPECT_EQ(systest::WindowSize(display(), id), std::make_pair(1280, 1024));
  f.Close(id);
  EXPECT_EQ(f.Wait().value_or(-1), 0);
}

TEST_F(FrontendTest, LastEmuFollowsNormalConfigurationsAndEmuBaseStandsInInAnyLetterCase) {
  inst.Write("config/Orvanel.ini", "[GENERAL]\nlastemu=gone\nEMUBASE=Base\nmodefenetre=OUI\nLARGFEN=640\nhautfen=480\n");
  inst.Write("config/base/CONFIG.INI", "[config]\ntypemenu=NO\ntemplatedir=Demo\n");
  inst.Write("Templates/Demo/Layout.cfg", "RESOLUTIONX=800\r\nRESOLUTIONY=600\r\n");
  EXPECT_EQ(RunUntilClosed(), 0);
  EXPECT_EQ(inst.Read("config/Orvanel.ini"),
            "[GENERAL]\r\nLastEmu=Base\r\nEMUBASE=Base\r\nmodefenetre=OUI\r\nLARGFEN=640\r\nhautfen=480\r\n");

  const std::string menuIni = "[General]\nLastEmu=menu\nModeFenetre=OUI\n";
  inst.Write("config/Orvanel.ini", menuIni);
  inst.Write("config/menu/config.ini", "[Config]\nTypeMenu=YES\nTemplateDir=Demo\n");
  EXPECT_EQ(RunUntilClosed(), 0);
  EXPECT_EQ(inst.Read("config/Orvanel.ini"), menuIni);
}

TEST_F(FrontendTest, ExitModeTwoStartsAppSortieWithItsArguments) {
  inst.Write("exit.sh", "#!/bin/sh\necho \"$1|$2\" > \"$(dirname \"$0\")/exit-ran.tmp\"\n"
                        "mv \"$(dirname \"$0\")/exit-ran.tmp\" \"$(dirname \"$0\")/exit-ran\"\n");
  std::filesystem::permissions(inst / "exit.sh", std::filesystem::perms::owner_all);
  WriteWindowedInstallation("ModeSortie=2\r\nAppSortie=" + (inst / "exit.sh") + " \"a b\" c\r\n");
  EXPECT_EQ(RunUntilClosed(), 0);
  for (int i = 0; i < 1500 && !std::filesystem::exists(inst / "exit-ran"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(inst.Read("exit-ran"), "a b|c\n");
  // It starts after the end of the log.
  EXPECT_NE(Log().find("=== Fin ==="), std::string::npos);
}

TEST_F(FrontendTest, ExitModeTwoWithoutAppSortieStartsNothing) {
  WriteWindowedInstallation("ModeSortie=2\r\nAppSortie=\r\n");
  EXPECT_EQ(RunUntilClosed(), 0);
  const std::string log = Log();
  EXPECT_NE(log.find("=== Fin ==="), std::string::npos);
  EXPECT_EQ(log.find("Lancement impossible"), std::string::npos) << log;
}

}  // namespace
