#include "settings/installation_base.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "temp_dir.h"

namespace {

using settings::InstallationKind;
namespace fs = std::filesystem;

TEST(InstallationBase, TheOneRuleOfBothPrograms) {
  TempDir portable;  // holds config/Orvanel.ini
  portable.Write("config/Orvanel.ini", "[General]\r\n");
  TempDir lowerCase;  // the settings file in another letter case still counts
  lowerCase.Write("CONFIG/orvanel.INI", "[General]\r\n");
  TempDir bare;  // like /usr/bin
  const struct {
    const char* name;
    settings::InstallationInputs in;
    std::string directory;
    InstallationKind kind;
  } cases[] = {
      {"--base wins over everything", {portable.path(), "/srv/cab", "/x", "/home/u"}, "/srv/cab", InstallationKind::kGiven},
      {"portable", {portable.path(), std::nullopt, "/x", "/home/u"}, portable.path(), InstallationKind::kBesideProgram},
      {"portable, any case", {lowerCase.path(), std::nullopt, "", "/home/u"}, lowerCase.path(),
       InstallationKind::kBesideProgram},
      {"installed, XDG_DATA_HOME", {bare.path(), std::nullopt, "/data", "/home/u"}, "/data/orvanel",
       InstallationKind::kUserData},
      {"installed, default data home", {bare.path(), std::nullopt, "", "/home/u"}, "/home/u/.local/share/orvanel",
       InstallationKind::kUserData},
      {"a relative XDG_DATA_HOME is ignored", {bare.path(), std::nullopt, "data", "/home/u"},
       "/home/u/.local/share/orvanel", InstallationKind::kUserData},
      {"a relative --base is made absolute", {bare.path(), "cab", "", "/home/u"},
       (fs::current_path() / "cab").string(), InstallationKind::kGiven},
      {"an empty --base is no --base", {bare.path(), "", "", "/home/u"}, "/home/u/.local/share/orvanel",
       InstallationKind::kUserData},
      {"no home at all", {bare.path(), std::nullopt, "", ""}, bare.path(), InstallationKind::kBesideProgram},
  };
  for (const auto& c : cases) {
    const auto choice = settings::ChooseInstallation(c.in);
    EXPECT_EQ(choice.directory, c.directory) << c.name;
    EXPECT_EQ(choice.kind, c.kind) << c.name;
  }
}

TEST(InstallationBase, TheShippedDemoSitsUnderTheSharedDataOfThePrefix) {
  EXPECT_EQ(settings::ShippedDemoDirectory("/usr/bin"), "/usr/share/orvanel/demo");
  EXPECT_EQ(settings::ShippedDemoDirectory("/opt/orv/bin/"), "/opt/orv/share/orvanel/demo");
  EXPECT_EQ(settings::ShippedDemoDirectory("/tmp/root/usr/local/bin"), "/tmp/root/usr/local/share/orvanel/demo");
}

class FirstStart : public ::testing::Test {
 protected:
  void SetUp() override {
    shipped.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Demo\r\n");
    shipped.Write("config/Demo/config.ini", "[Config]\r\n");
    shipped.Write("Sound/Intro.wav", "RIFF");
    // Shipped data is read-only, as under /usr/share.
    for (const auto& e : fs::recursive_directory_iterator(shipped.path()))
      if (e.is_regular_file()) fs::permissions(e.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
  settings::InstallationChoice User() const { return {home.path() + "/orvanel", InstallationKind::kUserData}; }

  TempDir shipped;
  TempDir home;
};

TEST_F(FirstStart, CopiesTheShippedDemoOnceAsWritableFilesAndThenReusesIt) {
  const auto first = settings::PrepareInstallation(User(), shipped.path());
  EXPECT_TRUE(first.made);
  EXPECT_EQ(first.logLine, "Installation : " + User().directory + " (dossier de l'utilisateur, cr\xE9\xE9\x65 depuis " +
                      shipped.path() + ")");
  EXPECT_EQ(home.Read("orvanel/config/Demo/config.ini"), "[Config]\r\n");
  EXPECT_EQ(home.Read("orvanel/Sound/Intro.wav"), "RIFF");
  struct stat st {};
  ASSERT_EQ(::stat((home / "orvanel/config/Orvanel.ini").c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IWUSR) << "the configurator must be able to save it";

  // The user's changes stay: the second start copies nothing.
  home.Write("orvanel/config/Orvanel.ini", "[General]\r\nLastEmu=Mine\r\n");
  fs::remove(home / "orvanel/Sound/Intro.wav");
  const auto second = settings::PrepareInstallation(User(), shipped.path());
  EXPECT_FALSE(second.made);
  EXPECT_EQ(second.logLine, "Installation : " + User().directory + " (dossier de l'utilisateur)");
  EXPECT_EQ(home.Read("orvanel/config/Orvanel.ini"), "[General]\r\nLastEmu=Mine\r\n");
  EXPECT_FALSE(fs::exists(home / "orvanel/Sound/Intro.wav"));
}

TEST_F(FirstStart, ACopyCutOffHalfWayIsMadeAgain) {
  // What a power cut during the first copy leaves: some files, no settings file yet.
  home.Write("orvanel/config/Demo/config.ini", "[Conf");
  home.Write("orvanel/debug.txt", "log");
  settings::PrepareInstallation(User(), shipped.path());
  EXPECT_EQ(home.Read("orvanel/config/Demo/config.ini"), "[Config]\r\n");
  EXPECT_EQ(home.Read("orvanel/config/Orvanel.ini"), "[General]\r\nLastEmu=Demo\r\n");
  EXPECT_EQ(home.Read("orvanel/debug.txt"), "log");
}

TEST_F(FirstStart, OtherChoicesAndAMissingDemoCopyNothingAndSaySo) {
  const std::string missing = home.path() + "/none";
  EXPECT_EQ(settings::PrepareInstallation(User(), missing).logLine,
            "Installation : " + User().directory + " (dossier de l'utilisateur, pas de d\xE9mo install\xE9\x65 dans " +
                missing + ")");
  EXPECT_FALSE(fs::exists(home / "orvanel/config"));
  EXPECT_TRUE(fs::is_directory(home / "orvanel")) << "made for debug.txt";
  EXPECT_EQ(settings::PrepareInstallation({home.path(), InstallationKind::kGiven}, shipped.path()).logLine,
            "Installation : " + home.path() + " (--base)");
  EXPECT_EQ(settings::PrepareInstallation({home.path(), InstallationKind::kBesideProgram}, shipped.path()).logLine,
            "Installation : " + home.path() + " (dossier du programme)");
  EXPECT_FALSE(fs::exists(home / "config"));
}

}  // namespace
