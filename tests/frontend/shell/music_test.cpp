#include "frontend/shell/music.h"
#include "frontend/shell/shell_state.h"

#include "frontend/shell/handle_key.h"
#include "frontend/shell/wiring_render_state.h"
#include "frontend/shell/main_loop.h"
#include "frontend/shell/shell_state.h"

#include "audio_fixture.h"
#include "platform/debug_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using shell::CloseMusicWindow;
using shell::HandleKey;
using shell::IdleStep;
using shell::MusicStopped;
using shell::OpenMusicWindow;
using shell::PauseMusic;
using shell::ResetShellState;
using shell::SetMusicVolume;
using shell::StartMusic;
using shell::StopMusic;
using shell::gShell;

namespace {

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState();
    if (!HaveLame()) GTEST_SKIP() << "lame is needed to make the test tracks";
    ASSERT_TRUE(platform::OpenAudio());
  }
  void TearDown() override {
    CloseMusicWindow(gShell.music);
    platform::CloseAudio();
  }

  // The main loop's music step, once a second: a stopped track is followed by the next.
  // Runs until `wanted` tracks have started (the dummy driver lags on a loaded machine).
  std::vector<std::string> RunLoop(const std::string& musicFond, bool subdirs, std::size_t wanted) {
    std::vector<std::string> started;
    for (int t = 0; t < 10000 && started.size() < wanted; t += 1000) {
      if (MusicStopped(gShell.music)) {
        StartMusic(gShell.music, shell::gCatalogue, musicFond, subdirs, 300);
        if (gShell.music.windowOpen) started.push_back(gShell.music.filePlaying);
      }
      SleepMs(1000);
    }
    return started;
  }

  TempDir dir;
};

}  // namespace

TEST_F(MusicTest, DirectoryTracksFollowOneAnotherWithoutSubdirectories) {
  WriteTrack(dir, "music/a.mp3", 300, 330);
  WriteTrack(dir, "music/b.mp3", 300, 440);
  WriteTrack(dir, "music/c.MP3", 300, 550);
  WriteTrack(dir, "music/deeper/d.mp3", 300, 660);
  dir.Write("music/notes.txt", "not music");

  const std::uint32_t begin = platform::GetTickCount();
  const std::vector<std::string> started = RunLoop(dir / "music", false, 4);
  ASSERT_EQ(started.size(), 4u);
  EXPECT_LT(platform::GetTickCount() - begin, 7000u) << "tracks of 0.3 s, checked every second";
  for (std::size_t i = 0; i < started.size(); ++i) {
    EXPECT_EQ(started[i].find("deeper"), std::string::npos) << started[i];
    EXPECT_TRUE(started[i].ends_with(".mp3") || started[i].ends_with(".MP3")) << started[i];
    if (i > 0) {
      EXPECT_NE(started[i], started[i - 1]) << "the same track twice in a row";
    }
  }
  EXPECT_EQ(gShell.music.pathPlaying, dir / "music");
}

TEST_F(MusicTest, SubdirectoriesAreSearchedWhenAsked) {
  WriteTrack(dir, "music/deeper/d.mp3", 200, 660);
  StartMusic(gShell.music, shell::gCatalogue, dir / "music", true, 300);
  ASSERT_TRUE(gShell.music.windowOpen);
  EXPECT_NE(gShell.music.filePlaying.find("deeper/d.mp3"), std::string::npos);
  gShell.music = {};
  platform::MusicClose();
  StartMusic(gShell.music, shell::gCatalogue, dir / "music", false, 300);
  EXPECT_FALSE(gShell.music.windowOpen);
}

TEST_F(MusicTest, NextMusicChangesTrackWithinASecond) {
  WriteTrack(dir, "music/a.mp3", 3000, 330);
  WriteTrack(dir, "music/b.mp3", 3000, 440);
  gShell.settings = {};
  gShell = {};
  gShell.settings.musicFond = dir / "music";
  gShell.settings.musicVolume = 300;
  gShell.settings.modeFenetre = true;  // the pointer is the desktop's
  StartMusic(gShell.music, shell::gCatalogue, gShell.settings.musicFond, false, gShell.settings.musicVolume);
  ASSERT_TRUE(gShell.music.windowOpen);
  const std::string first = gShell.music.filePlaying;
  EXPECT_FALSE(MusicStopped(gShell.music));

  // The key, then the main loop's next look at the music, at most a second later.
  const std::uint32_t pressed = platform::GetTickCount();
  gShell.musicCheckTime = pressed;
  gShell.statisticsSaveTime = pressed;
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.nextMusic);
  EXPECT_TRUE(MusicStopped(gShell.music));
  IdleStep(pressed + 999);
  EXPECT_TRUE(MusicStopped(gShell.music)) << "not before the second is over";
  IdleStep(pressed + 1000);
  EXPECT_FALSE(MusicStopped(gShell.music));
  EXPECT_NE(gShell.music.filePlaying, first);
  gShell.settings = {};
}

TEST_F(MusicTest, AFileIsPlayedAgainAndAgain) {
  const std::string track = WriteTrack(dir, "Music/Theme.mp3", 200, 440);
  // Settings may spell the path with backslashes and another letter case.
  const std::string setting = dir.path() + "\\MUSIC\\theme.mp3";
  const std::vector<std::string> started = RunLoop(setting, false, 3);
  ASSERT_EQ(started.size(), 3u);
  for (const auto& f : started) EXPECT_EQ(f, track);
  EXPECT_EQ(gShell.music.pathPlaying, setting);
}

TEST_F(MusicTest, NoMusicCases) {
  WriteTrack(dir, "music/a.mp3", 200, 440);
  // Volume 0: no music window at all.
  StartMusic(gShell.music, shell::gCatalogue, dir / "music", false, 0);
  EXPECT_FALSE(gShell.music.windowOpen);
  EXPECT_TRUE(MusicStopped(gShell.music));
  // A volume of 0 also closes music that plays.
  StartMusic(gShell.music, shell::gCatalogue, dir / "music", false, 300);
  ASSERT_TRUE(gShell.music.windowOpen);
  EXPECT_FALSE(OpenMusicWindow(gShell.music, dir / "music/a.mp3", 0));
  EXPECT_FALSE(gShell.music.windowOpen);

  StartMusic(gShell.music, shell::gCatalogue, dir / "missing", false, 300);
  EXPECT_FALSE(gShell.music.windowOpen);
  EXPECT_EQ(gShell.music.pathPlaying, dir / "missing");  // remembered even so
  dir.Write("empty/readme.txt", "x");
  StartMusic(gShell.music, shell::gCatalogue, dir / "empty", true, 300);
  EXPECT_FALSE(gShell.music.windowOpen);
  StartMusic(gShell.music, shell::gCatalogue, dir.Write("bad.mp3", "garbage"), false, 300);
  EXPECT_FALSE(gShell.music.windowOpen);
  StartMusic(gShell.music, shell::gCatalogue, "", false, 300);
  EXPECT_FALSE(gShell.music.windowOpen);

  // Without music the other operations do nothing.
  SetMusicVolume(gShell.music, 500);
  StopMusic(gShell.music);
  PauseMusic(gShell.music, 1);
  PauseMusic(gShell.music, 0);
  CloseMusicWindow(gShell.music);
  EXPECT_TRUE(MusicStopped(gShell.music));
}

TEST_F(MusicTest, VolumeAndPause) {
  WriteTrack(dir, "a.mp3", 1500, 440);
  ASSERT_TRUE(OpenMusicWindow(gShell.music, dir / "a.mp3", 500));
  EXPECT_EQ(platform::MusicVolumeForTests(), 64);
  SetMusicVolume(gShell.music, 1001);  // out of range: ignored
  EXPECT_EQ(platform::MusicVolumeForTests(), 64);
  SetMusicVolume(gShell.music, -1);
  EXPECT_EQ(platform::MusicVolumeForTests(), 64);
  SetMusicVolume(gShell.music, 700);
  EXPECT_EQ(platform::MusicVolumeForTests(), 89);

  PauseMusic(gShell.music, 1);
  SleepMs(1800);
  EXPECT_FALSE(MusicStopped(gShell.music)) << "a paused track is not stopped: no new track during a game";
  PauseMusic(gShell.music, 0);
  EXPECT_FALSE(MusicStopped(gShell.music));
}

TEST_F(MusicTest, SilentDeviceNeverStopsTheProgram) {
  WriteTrack(dir, "music/a.mp3", 200, 440);
  platform::CloseAudio();
  const std::string logDir = platform::LogDirectory();
  platform::SetLogDirectory(dir.path());
  ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  for (int i = 0; i < 3; ++i) {
    if (MusicStopped(gShell.music)) StartMusic(gShell.music, shell::gCatalogue, dir / "music", false, 300);
  }
  EXPECT_FALSE(gShell.music.windowOpen);
  EXPECT_TRUE(MusicStopped(gShell.music));
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  platform::CloseAudio();
  platform::SetLogDirectory(logDir);
  const std::string log = dir.Read("debug.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
}
