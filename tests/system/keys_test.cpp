// Keys driven into the running frontend with xdotool: the selection, the favourites key
// and the menu switch as the files show them afterwards.
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using systest::Frontend;

class KeysTest : public systest::DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=arcade\r\nEmuBase=arcade\r\nModeFenetre=OUI\r\n"
                                     "LargFen=640\r\nHautFen=480\r\nTransitions=NO\r\n");
    inst.Write("config/arcade/config.ini", "[Config]\r\nTemplateDir=Plain\r\nFichierDescription=lists\\arcade.txt\r\n"
                                           "Menu=menu\r\nSons=NO\r\n");
    inst.Write("config/shmup/config.ini", "[Config]\r\nTemplateDir=Plain\r\nFichierDescription=lists\\shmup.txt\r\n"
                                          "Menu=menu\r\nSons=NO\r\n");
    inst.Write("config/menu/config.ini", "[Config]\r\nTemplateDir=Plain\r\nFichierDescription=lists\\menu.txt\r\n"
                                         "TypeMenu=YES\r\nSons=NO\r\n");
    // File order differs from title order.
    inst.Write("lists/arcade.txt", "[galaga]\r\nFullName=Galaga\r\n[asteroid]\r\nFullName=Asteroids\r\n"
                                   "[pacman]\r\nFullName=Pac-Man\r\n[dkong]\r\nFullName=Donkey Kong\r\n"
                                   "[bzone]\r\nFullName=Battlezone\r\n[mspacman]\r\nFullName=Ms. Pac-Man\r\n");
    inst.Write("lists/shmup.txt", "[xevious]\r\nFullName=Xevious\r\n[gradius]\r\nFullName=Gradius\r\n");
    inst.Write("lists/menu.txt", "[shmup]\r\nFullName=Shoot'em up\r\n[arcade]\r\nFullName=Arcade classics\r\n");
    inst.Write("Templates/Plain/Layout.cfg",
               "RESOLUTIONX=640\r\nRESOLUTIONY=480\r\nList_NbItems=9\r\nList_left=20\r\nList_top=20\r\n"
               "List_width=400\r\nList_height=441\r\nList_visible=YES\r\n");
  }
  // Gives the window the keyboard, then types the keys as real key presses, one by one.
  void Keys(const std::string& id, const std::vector<std::string>& keys) const {
    std::system(("DISPLAY=" + display() + " xdotool windowfocus --sync " + id + " >/dev/null 2>&1").c_str());
    for (const auto& k : keys) {
      std::system(("DISPLAY=" + display() + " xdotool key " + k + " >/dev/null 2>&1").c_str());
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
  }
  // Runs the frontend, presses the keys, and expects it to end by itself.
  void Run(const std::vector<std::string>& keys) {
    Frontend f(inst, display());
    const std::string id = f.WaitForWindow();
    ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
    Keys(id, keys);  // at once: the window that is shown is the one that gets the keys
    auto code = f.Wait(10000);
    ASSERT_TRUE(code.has_value()) << "the frontend did not end after the quit key\n" << inst.Read("debug.txt");
  }
  std::string Value(const std::string& file, const std::string& key) const {
    const std::string text = inst.Read(file);
    const auto at = text.find(key + "=");
    if (at == std::string::npos) return "(missing)";
    const auto end = text.find_first_of("\r\n", at);
    return text.substr(at + key.size() + 1, end - at - key.size() - 1);
  }

  systest::Installation inst;
};

TEST_F(KeysTest, DownThreeTimesThenEscapeRemembersTheFourthGameOfTheSortedList) {
  Run({"Down", "Down", "Down", "Escape"});
  // Asteroids, Battlezone, Donkey Kong, Galaga, ...
  EXPECT_EQ(Value("config/arcade/config.ini", "LastGame"), "galaga");
}

TEST_F(KeysTest, FavouritesKeyWritesTheFlagAndShowsOnlyPlayedGames) {
  inst.Write("lists/arcade.sta", "[pacman]\r\nNb=3\r\n[galaga]\r\nNb=12\r\n[dkong]\r\nNb=0\r\n");
  // Favourites: Galaga, Pac-Man. Down past the end of that list stays on Pac-Man; in the
  // full list the same keys would have reached Galaga.
  Run({"s", "Down", "Down", "Down", "Escape"});
  EXPECT_EQ(Value("config/arcade/config.ini", "ListeFavoris"), "YES");
  EXPECT_EQ(Value("config/arcade/config.ini", "LastGame"), "pacman");
}

TEST_F(KeysTest, MenuKeySwitchesToTheMenuAndLaunchThereToTheChosenConfiguration) {
  Run({"Control_L", "1", "Down", "Escape"});
  EXPECT_EQ(Value("config/Orvanel.ini", "LastEmu"), "shmup");
  EXPECT_EQ(Value("config/shmup/config.ini", "LastGame"), "xevious");  // Gradius, Xevious
  EXPECT_EQ(Value("config/menu/config.ini", "LastGame"), "shmup");
}

}  // namespace
