// tests/shell/options_test.cpp — "options.cfg": defaults, hand-edited files, the write order
// that keeps other lines, the live volume sliders and the OK button's display decision.
#include "shell/options.hpp"

#include <gtest/gtest.h>

#include "data/error.hpp"
#include "data/files.hpp"
#include "platform/null_audio.hpp"
#include "shell/options_ini.hpp"
#include "tests/support/scratch_dir.hpp"

using platform::TAudioCall;
using shell::TOptions;

TEST(Options, MissingFileAndKeysGiveTheDefaults) {
  support_test::TScratchDir dir;
  std::vector<std::string> problems;
  EXPECT_EQ(shell::LoadOptions(dir / "options.cfg", problems), TOptions{});
  const TOptions only =
      shell::LoadOptions(dir.Write("options.cfg", "[Options]\nDebugMode=739\n"), problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(only.DebugMode, shell::kDebugUnlock);
  EXPECT_EQ(only.PlayerName, "Player");
  EXPECT_EQ(only.BitsPerPixel, 32);
  EXPECT_EQ(only.SoundVolume, 100);
}

TEST(Options, HandEditsAreReadAndBadValuesFallBackWithAMessage) {
  support_test::TScratchDir dir;
  const std::string path = dir.Write("options.cfg",
                                     "; my settings\r\n"
                                     "[options]\r\n"
                                     "  soundvolume = 40  \r\n"
                                     "MusicVolume=150\r\n"
                                     "BitsPerPixel=24\r\n"
                                     "FullScreenMode=1\r\n"
                                     "TurnOffHint=yes\r\n"
                                     "ScreenWidth=\r\n"
                                     "WindowModeX=-20\r\n"
                                     "PlayerName = \"Anna Lee\"\r\n"
                                     "[Other]\r\n"
                                     "ScreenHeight=1\r\n");
  std::vector<std::string> problems;
  const TOptions o = shell::LoadOptions(path, problems);
  EXPECT_EQ(o.SoundVolume, 40);
  EXPECT_EQ(o.MusicVolume, 100);
  EXPECT_EQ(o.BitsPerPixel, 32);
  EXPECT_EQ(o.FullScreenMode, 1);
  EXPECT_EQ(o.TurnOffHint, 0);
  EXPECT_EQ(o.ScreenWidth, 800);
  EXPECT_EQ(o.ScreenHeight, 600);  // only the Options section counts
  EXPECT_EQ(o.WindowModeX, -20);
  EXPECT_EQ(o.PlayerName, "Anna Lee");
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "options.cfg: ScreenWidth \"\" is no whole number; 800 is used",
                          "options.cfg: BitsPerPixel \"24\" is outside 16 or 32; 32 is used",
                          "options.cfg: MusicVolume \"150\" is outside 0..100; 100 is used",
                          "options.cfg: TurnOffHint \"yes\" is no whole number; 0 is used"}));
}

TEST(Options, SavingWritesTheGameKeysInOrderAndKeepsEverythingElse) {
  support_test::TScratchDir dir;
  TOptions o;
  o.SoundVolume = 30;
  o.BitsPerPixel = 16;
  o.ScreenWidth = 1024;  // never written
  shell::SaveOptions(dir / "options.cfg", o);
  EXPECT_EQ(data::ReadWholeFile(dir / "options.cfg"),
            "[Version]\nBuild=115\n\n[Options]\nPlayerName=Player\nSoundVolume=30\n"
            "MusicVolume=100\nFullScreenMode=0\nTurnOffHint=0\nBitsPerPixel=16\n");

  const std::string path = dir.Write("edited.cfg",
                                     "; keep me\n[Options]\nScreenWidth=1280\nMusicVolume=5\n"
                                     "Extra=1\n\n[Mine]\nX=y\n");
  o.MusicVolume = 77;
  shell::SaveOptions(path, o);
  EXPECT_EQ(data::ReadWholeFile(path),
            "; keep me\n[Options]\nScreenWidth=1280\nMusicVolume=77\nExtra=1\nPlayerName=Player\n"
            "SoundVolume=30\nFullScreenMode=0\nTurnOffHint=0\nBitsPerPixel=16\n\n[Mine]\nX=y\n"
            "\n[Version]\nBuild=115\n");
  std::vector<std::string> problems;
  const TOptions back = shell::LoadOptions(path, problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(back.MusicVolume, 77);
  EXPECT_EQ(back.ScreenWidth, 1280);
  EXPECT_EQ(back.BitsPerPixel, 16);

  EXPECT_THROW(shell::SaveOptions(dir / "no-such-folder/options.cfg", o), data::Error);
}

TEST(Options, IniValuesAreReplacedInPlaceAndSectionsMatchWithoutCase) {
  shell::TIniFile ini("top=1\n[A]\nk = v\nk=second\n;c=3\n[B]\n");
  EXPECT_EQ(ini.Read("", "TOP"), "1");
  EXPECT_EQ(ini.Read("a", "K"), "v");
  EXPECT_EQ(ini.Read("A", "c"), std::nullopt);
  EXPECT_EQ(ini.Read("C", "k"), std::nullopt);
  ini.Write("a", "k", "new");
  ini.Write("B", "n", "1");
  ini.Write("", "LangStr", "deu");
  EXPECT_EQ(ini.Text(), "top=1\nLangStr=deu\n[A]\nk=new\nk=second\n;c=3\n[B]\nn=1\n");
}

TEST(Options, ValuesWithQuotesOrOuterBlanksSurviveAnyNumberOfSaves) {
  // A name a player typed by hand as ""Bob"" lost one pair of quotes with every save.
  for (const std::string name : {"\"Bob\"", "\"\"Bob\"\"", " Bob ", "\"", "Bo\"b", ""}) {
    shell::TIniFile ini;
    for (int save = 0; save < 3; ++save) {
      ini.Write("Options", "PlayerName", ini.Read("Options", "PlayerName").value_or(name));
      ini = shell::TIniFile(ini.Text());
    }
    EXPECT_EQ(ini.Read("Options", "PlayerName"), name) << ini.Text();
  }
}

TEST(Options, VolumeSlidersApplyLiveAndCancelRestoresTheStoredVolumes) {
  support_test::TScratchDir dir;
  platform::TNullAudio audio;
  shell::TSoundTable sounds(audio);
  sounds.AddSound(data::TMemoryStream("m"), "Vibe-nfs.mo3", shell::TSoundKind::Music);   // 1
  sounds.AddSound(data::TMemoryStream("s"), "4_change.ogg", shell::TSoundKind::Sample);  // 2
  TOptions o;
  o.MusicVolume = 0;
  shell::SaveOptions(dir / "options.cfg", o);
  sounds.PlayByName(shell::kMenuMusic, o.MusicVolume, 0, o.SoundVolume);  // silent start
  audio.Calls.clear();

  shell::ChangeMusicVolume(o, sounds, 45);  // from 0: the menu music starts now
  shell::ChangeMusicVolume(o, sounds, 90);  // already playing: no restart
  shell::ChangeSoundVolume(o, sounds, 9, false);
  shell::ChangeSoundVolume(o, sounds, 0, true);  // silent: nothing to hear
  shell::ChangeSoundVolume(o, sounds, 27, true);
  EXPECT_EQ(audio.Calls, (std::vector<TAudioCall>{{"SetGlobalVolumes", 0, 50, 100},
                                                  {"PlayMusic", 1, 0},
                                                  {"SetGlobalVolumes", 0, 100, 100},
                                                  {"SetGlobalVolumes", 0, 100, 10},
                                                  {"SetGlobalVolumes", 0, 100, 0},
                                                  {"SetGlobalVolumes", 0, 100, 30},
                                                  {"PlaySample", 2, 30}}));

  audio.Calls.clear();
  std::vector<std::string> problems;
  o = shell::LoadOptions(dir / "options.cfg", problems);  // Cancel
  shell::ApplyVolumes(o, sounds);
  EXPECT_EQ(audio.Calls, (std::vector<TAudioCall>{{"SetGlobalVolumes", 0, 0, 100}}));
}

TEST(Options, OkDecidesBetweenToggleAndRebuild) {
  TOptions windowed;
  auto c = shell::DecideDisplayChange(windowed, false, false);  // the hidden depth box is ignored
  EXPECT_FALSE(c.DepthChanged || c.ToggleFullScreen || c.RebuildDisplay);
  EXPECT_EQ(windowed.BitsPerPixel, 32);
  c = shell::DecideDisplayChange(windowed, true, true);
  EXPECT_TRUE(c.ToggleFullScreen && !c.RebuildDisplay);

  TOptions full;
  full.FullScreenMode = 1;
  c = shell::DecideDisplayChange(full, true, false);
  EXPECT_TRUE(c.DepthChanged && c.RebuildDisplay && !c.ToggleFullScreen);
  EXPECT_EQ(full.BitsPerPixel, 16);
  c = shell::DecideDisplayChange(full, false, true);  // both: the toggle rebuilds anyway
  EXPECT_TRUE(c.DepthChanged && c.ToggleFullScreen && !c.RebuildDisplay);
  EXPECT_EQ(full.BitsPerPixel, 32);
  c = shell::DecideDisplayChange(full, true, true);
  EXPECT_FALSE(c.DepthChanged || c.ToggleFullScreen || c.RebuildDisplay);
}
