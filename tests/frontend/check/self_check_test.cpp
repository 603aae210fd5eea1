#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "frontend/check/self_check.h"
#include "temp_dir.h"

namespace check {
namespace {

using namespace std::chrono_literals;

// A cabinet made up in a temporary folder: an installation with one configuration, a
// keyboard known to udev and a stick known only by its capability bits, no screen.
struct FakeCabinet {
  TempDir dir;
  CheckInputs in;

  FakeCabinet() {
    dir.Write("inst/config/Orvanel.ini", "[General]\r\nLastEmu=MAME\r\nModeSortie=1\r\n");
    dir.Write("inst/config/MAME/config.ini",
              "[Config]\r\nEmuExe=" + (dir / "bin/mame") + "\r\nRomDir=" + (dir / "roms") +
                  "\r\nFichierDescription=config\\MAME\\MAME.txt\r\nSnapDir=" + (dir / "snap") +
                  "\r\nMarqueesDir=" + (dir / "nowhere") + "\r\n");
    dir.Write("inst/config/MAME/MAME.txt", "pong\r\n");
    dir.Write("bin/mame", "#!/bin/sh\n");
    ::chmod((dir / "bin/mame").c_str(), 0755);
    dir.Write("roms/pong.zip", "");
    dir.Write("roms/puckman.zip", "");
    dir.Write("snap/pong.png", "");
    dir.Write("snap/puckman.PNG", "");
    dir.Write("snap/pong.mp4", "");
    dir.Write("dev/input/event0", "");
    dir.Write("dev/input/event1", "");
    dir.Write("dev/input/mice", "");
    dir.Write("sys/event0/device/name", "AT Translated Set 2 keyboard\n");
    dir.Write("sys/event0/dev", "13:64\n");
    dir.Write("udev/c13:64", "E:ID_INPUT=1\nE:ID_INPUT_KEYBOARD=1\n");
    dir.Write("sys/event1/device/name", "Arcade Stick\n");
    dir.Write("sys/event1/dev", "13:65\n");
    // BTN_JOYSTICK (0x120) is bit 32 of the fifth word.
    dir.Write("sys/event1/device/capabilities/key", "100000000 0 0 0 0\n");
    std::filesystem::create_directories(dir / "dri");
    in.base = dir / "inst";
    in.drmDirectory = dir / "dri";
    in.input = {dir / "dev/input", dir / "sys", dir / "udev"};
    in.user = "borne";
    in.audio = [] { return platform::AudioProbe{{"alsa", "dummy"}, "alsa", "HDA Intel", true, ""}; };
    in.canPowerOff = [] { return std::optional<std::string>("challenge"); };
    in.keyTracker = [] { return std::string("/usr/lib/orvanel/liborvanel.so"); };
  }
};

struct Expected {
  const char* topic;
  Level level;
  const char* text;  // a part of the line
};

void ExpectLines(const CheckLines& lines, std::initializer_list<Expected> expected) {
  ASSERT_EQ(lines.size(), expected.size()) << FormatReport(lines);
  std::size_t i = 0;
  for (const Expected& e : expected) {
    EXPECT_EQ(lines[i].topic, e.topic) << i;
    EXPECT_EQ(lines[i].level, e.level) << lines[i].text;
    EXPECT_NE(lines[i].text.find(e.text), std::string::npos) << lines[i].text << "\n  lacks: " << e.text;
    ++i;
  }
}

TEST(SelfCheck, EveryLineOfAConsoleCabinetWithoutScreen) {
  FakeCabinet cabinet;
  std::string report;
  const int status = RunSelfCheck(cabinet.in, false, report);
  const CheckLines lines = RunProbes(SelfCheckProbes(cabinet.in), kProbeLimit);
  ExpectLines(lines, {
      {"installation", Level::kOk, "(modifiable)"},
      {"settings", Level::kOk, "configuration de départ MAME"},
      {"settings", Level::kOk, "bin/mame"},
      {"settings", Level::kOk, "(2 fichiers)"},
      {"settings", Level::kOk, "MAME.txt"},
      {"settings", Level::kOk, "(2 images, 1 clips)"},
      {"settings", Level::kAttention, "nowhere"},
      {"display", Level::kErreur, "aucune carte graphique"},
      {"display", Level::kOk, "pas encore choisi"},
      {"input", Level::kOk, "clavier AT Translated Set 2 keyboard"},
      {"input", Level::kOk, "manette Arcade Stick"},
      {"sound", Level::kOk, "HDA Intel"},
      {"keytracker", Level::kOk, "touches 5, 6, 7, 8"},
      {"keytracker", Level::kOk, "codes 2 tenus 2000 ms"},
      {"session", Level::kOk, "non mis"},
      // ModeSortie=1 powers off at exit: a password prompt would stop it.
      {"session", Level::kErreur, "mot de passe"},
  });
  EXPECT_EQ(status, 1);
  EXPECT_EQ(report, FormatReport(lines));
  EXPECT_NE(lines[10].text.find("bouton 0 lance le jeu"), std::string::npos) << lines[10].text;
}

TEST(SelfCheck, ADesktopCabinetWithEverythingInPlaceExitsZero) {
  FakeCabinet cabinet;
  cabinet.dir.Write("inst/config/Orvanel.ini", "[General]\r\nLastEmu=MAME\r\nModeSortie=0\r\n");
  cabinet.dir.Write("inst/config/MAME/config.ini",
                    "[Config]\r\nEmuExe=" + (cabinet.dir / "bin/mame") + "\r\nRomDir=" + (cabinet.dir / "roms") +
                        "\r\nFichierDescription=config\\MAME\\MAME.txt\r\n");
  cabinet.in.display = ":0";
  cabinet.in.canPowerOff = [] { return std::optional<std::string>("yes"); };
  std::string report;
  EXPECT_EQ(RunSelfCheck(cabinet.in, false, report), 0) << report;
  EXPECT_NE(report.find("serveur X11 :0"), std::string::npos) << report;
}

TEST(SelfCheck, MissingPiecesAreLinesNotFailures) {
  FakeCabinet cabinet;
  std::filesystem::remove_all(cabinet.dir / "dev");
  std::filesystem::remove(cabinet.dir / "bin/mame");
  std::filesystem::remove(cabinet.dir / "inst/config/MAME/MAME.txt");
  cabinet.in.audio = [] { return platform::AudioProbe{{"alsa"}, "", "", false, "no device"}; };
  cabinet.in.canPowerOff = [] { return std::nullopt; };
  cabinet.in.keyTracker = [] { return std::string(); };
  const CheckLines lines = RunProbes(SelfCheckProbes(cabinet.in), kProbeLimit);
  const auto has = [&](Level level, const char* text) {
    for (const CheckLine& l : lines)
      if (l.level == level && l.text.find(text) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(has(Level::kErreur, "émulateur introuvable")) << FormatReport(lines);
  EXPECT_TRUE(has(Level::kErreur, "liste de jeux introuvable")) << FormatReport(lines);
  EXPECT_TRUE(has(Level::kErreur, "aucun périphérique")) << FormatReport(lines);
  EXPECT_TRUE(has(Level::kAttention, "no device")) << FormatReport(lines);
  EXPECT_TRUE(has(Level::kErreur, "liborvanel.so n'est pas chargée")) << FormatReport(lines);
  EXPECT_TRUE(has(Level::kErreur, "logind ne répond pas")) << FormatReport(lines);

  // No installation at all yet: one line, the rest of the settings is not guessed at.
  cabinet.in.base = cabinet.dir / "not-made-yet";
  const CheckLines first = CheckInstallation(cabinet.in);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].level, Level::kAttention);
}

TEST(SelfCheck, UnreadableEventNodeNamesTheGroupToJoin) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every node";
  FakeCabinet cabinet;
  ::chmod((cabinet.dir / "dev/input/event1").c_str(), 0);
  const CheckLines lines = CheckInput(cabinet.in);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[1].level, Level::kErreur);
  EXPECT_NE(lines[1].text.find("sudo usermod -aG"), std::string::npos) << lines[1].text;
}

TEST(ProbeRunner, AProbeThatHangsIsCutAtTheLimitAndTheOthersStillReport) {
  auto release = std::make_shared<std::atomic<bool>>(false);
  const std::vector<Probe> probes{
      {"first", "Le premier", [] { return CheckLines{{"first", Level::kOk, "un"}}; }},
      {"stuck", "Le bloqué",
       [release] {
         while (!*release) std::this_thread::sleep_for(5ms);
         return CheckLines{{"stuck", Level::kOk, "trop tard"}};
       }},
      {"last", "Le dernier", [] { return CheckLines{{"last", Level::kErreur, "trois"}}; }},
  };
  const CheckLines lines = RunProbes(probes, 150ms);
  *release = true;
  ExpectLines(lines, {{"first", Level::kOk, "un"}, {"stuck", Level::kAttention, "Le bloqué : pas de réponse"},
                      {"last", Level::kErreur, "trois"}});
  EXPECT_EQ(ExitCodeOf(lines), 1);
}

TEST(CheckReport, JsonKeepsLevelCodesAndEscapesText) {
  const CheckLines lines{{"sound", Level::kAttention, "a \"b\" \\ c\nd\x01"}, {"input", Level::kOk, "é"}};
  const std::string json = FormatJson(lines, "Orvanel");
  EXPECT_NE(json.find(R"({"topic": "sound", "level": "ATTENTION", "text": "a \"b\" \\ c\u000ad\u0001"})"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find(R"("errors": 0)"), std::string::npos);
  EXPECT_NE(json.find(R"("text": "é")"), std::string::npos);
  EXPECT_EQ(ExitCodeOf(lines), 0);
}

}  // namespace
}  // namespace check
