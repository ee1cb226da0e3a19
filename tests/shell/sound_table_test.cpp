// tests/shell/sound_table_test.cpp — the sound table over the silent device: loading the lists
// from a small archive, playing by name, current music, volumes and freeing.
#include "shell/sound_table.hpp"

#include <gtest/gtest.h>

#include "platform/null_audio.hpp"

using platform::TAudioCall;
using shell::TSoundKind;

namespace {

std::unique_ptr<data::TFileFolder> Archive(
    std::initializer_list<std::pair<std::string, std::string>> files) {
  auto archive = data::TFileFolder::CreateNew("unused.zxc");
  for (const auto& [name, bytes] : files) archive->AddFile(name, 0, data::TMemoryStream(bytes));
  return archive;
}

struct TSounds {
  platform::TNullAudio audio;
  shell::TSoundTable table{audio};
};

}  // namespace

TEST(SoundTable, LoadsEveryListedEntryAndDescribesWhatItSkips) {
  auto archive = Archive({{"sounds.dat", "2_crystal.ogg\r\n  4_change.ogg \n\nlost.ogg\nnull.ogg"},
                          {"musics.dat", "Vibe-nfs.mo3\n"},
                          {"2_crystal.ogg", "AAAA"},
                          {"4_CHANGE.OGG", "BB"},
                          {"null.ogg", ""},
                          {"Vibe-nfs.mo3", "module"}});
  TSounds s;
  const auto problems =
      s.table.LoadSoundCatalogue(*archive, shell::kSoundCatalogue, TSoundKind::Sample);
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "Sound \"lost.ogg\" listed in \"sounds.dat\" is not in the archive",
                          "Sound \"null.ogg\" cannot be decoded; it stays silent"}));
  EXPECT_TRUE(
      s.table.LoadSoundCatalogue(*archive, shell::kMusicCatalogue, TSoundKind::Music).empty());

  // The archive finds entries without regard to case; the table keeps the listed spelling.
  const auto& e = s.table.Entries();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].Name, "2_crystal.ogg");
  EXPECT_EQ(e[1].Name, "4_change.ogg");
  EXPECT_EQ(e[2].Name, "null.ogg");
  EXPECT_EQ(e[2].Handle, 0u);
  EXPECT_EQ(e[3].Name, "Vibe-nfs.mo3");
  EXPECT_EQ(e[3].Kind, TSoundKind::Music);
  EXPECT_EQ(
      s.audio.Of("LoadSample"),
      (std::vector<TAudioCall>{{"LoadSample", 1, 4}, {"LoadSample", 2, 2}, {"LoadSample", 0, 0}}));
  EXPECT_EQ(s.audio.Of("LoadMusic"), (std::vector<TAudioCall>{{"LoadMusic", 3, 6}}));
  EXPECT_EQ(s.table.FindSound("4_change.ogg"), 1);
  EXPECT_EQ(s.table.FindSound("4_CHANGE.OGG"), -1);  // played names are exact

  const auto missing = s.table.LoadSoundCatalogue(*Archive({}), "sounds.dat", TSoundKind::Sample);
  EXPECT_EQ(missing,
            (std::vector<std::string>{"The list \"sounds.dat\" is missing from the archive"}));
}

TEST(SoundTable, AddingAKnownNameFreesTheOldHandleAndKeepsThePlace) {
  TSounds s;
  s.table.AddSound(data::TMemoryStream("x"), "a", TSoundKind::Sample);
  s.table.AddSound(data::TMemoryStream("y"), "b", TSoundKind::Sample);
  EXPECT_TRUE(s.table.AddSound(data::TMemoryStream("zz"), "a", TSoundKind::Music));
  ASSERT_EQ(s.table.Entries().size(), 2u);
  EXPECT_EQ(s.table.Entries()[0].Kind, TSoundKind::Music);
  EXPECT_EQ(s.table.Entries()[0].Handle, 3u);
  EXPECT_EQ(s.audio.Of("FreeSample"), (std::vector<TAudioCall>{{"FreeSample", 1}}));

  s.audio.Calls.clear();
  s.table.RemoveSound(5);
  s.table.RemoveSound(-1);
  EXPECT_TRUE(s.audio.Calls.empty());
  s.table.Clear();  // shutdown: freed from the first to the last
  EXPECT_EQ(s.audio.Calls, (std::vector<TAudioCall>{{"FreeMusic", 3}, {"FreeSample", 2}}));
  EXPECT_TRUE(s.table.Entries().empty());
}

TEST(SoundTable, PlaysByNameHonouringBothVolumesAndFollowsTheCurrentMusic) {
  TSounds s;
  s.table.AddSound(data::TMemoryStream("s"), "2_crystal.ogg", TSoundKind::Sample);  // 1
  s.table.AddSound(data::TMemoryStream("m"), "Vibe-nfs.mo3", TSoundKind::Music);    // 2
  s.table.AddSound(data::TMemoryStream("l"), "Level.mo3", TSoundKind::Music);       // 3

  s.table.PlayByName("2_crystal.ogg", 100, 0, 0);  // sound volume 0: silent
  s.table.PlayByName("2_crystal.ogg", 0, 0, 70);   // music volume does not matter
  s.table.PlayByName("nothing.ogg", 100, 0, 100);  // unknown: nothing
  s.table.PlayByName("Vibe-nfs.mo3", 0, 0, 100);   // music volume 0: remembered only
  EXPECT_EQ(s.table.CurrentMusic, "Vibe-nfs.mo3");
  s.table.PlayByName("Level.mo3", 0, 0, 100);
  EXPECT_EQ(s.table.CurrentMusic, "Level.mo3");
  s.table.RestartMusic(0);  // still silent
  s.table.RestartMusic(60);
  s.table.PlayByName("Vibe-nfs.mo3", 60, shell::kMenuMusicAfterLevelOrder, 100);
  EXPECT_EQ(s.table.CurrentMusic, "Vibe-nfs.mo3");
  EXPECT_EQ(s.audio.Calls, (std::vector<TAudioCall>{{"LoadSample", 1, 1},
                                                    {"LoadMusic", 2, 1},
                                                    {"LoadMusic", 3, 1},
                                                    {"PlaySample", 1, 70},
                                                    {"PlayMusic", 3, 0},
                                                    {"PlayMusic", 2, 12}}));

  s.audio.Calls.clear();
  s.table.StopAll();
  EXPECT_EQ(s.audio.Calls,
            (std::vector<TAudioCall>{{"StopSample", 1}, {"StopMusic", 2}, {"StopMusic", 3}}));
}

TEST(SoundTable, SliderPositionsMapOntoVolumes) {
  EXPECT_EQ(shell::SliderVolume(45), 50);
  EXPECT_EQ(shell::SliderVolume(90), 100);
  EXPECT_EQ(shell::SliderVolume(0), 0);
  EXPECT_EQ(shell::SliderVolume(1), 1);      // 1.11
  EXPECT_EQ(shell::SliderVolume(5), 6);      // 5.56
  EXPECT_EQ(shell::SliderVolume(89), 99);    // 98.9
  EXPECT_EQ(shell::SliderVolume(120), 100);  // a wider slider in a modded skin
  EXPECT_EQ(shell::SliderVolume(-3), 0);
}
