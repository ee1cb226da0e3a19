// tests/content/content2_test.cpp — what the player reads, sees move and hears: the interface
// file holds every window, control and handler the game names, every language pack loads over
// it and fits its controls, the effects load and run, and the sounds and music decode cleanly.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/file_folder.hpp"
#include "data/memory_stream.hpp"
#include "data/utf8.hpp"
#include "fx/particle_effect.hpp"
#include "fx/piecewise_func.hpp"
#include "ui/check_box.hpp"
#include "ui/interface_engine.hpp"
#include "ui/label.hpp"
#include "ui/orl_font.hpp"
#include "ui/orl_font_engine.hpp"
#include "ui/radio_button.hpp"
#include "ui/rich_label.hpp"

namespace {

const std::string kBin = ZERITH_CONTENT_BIN;

// One archive opened for the whole test program: the game archive in its shipped form.
data::TFileFolder& Game() {
  static data::TFileFolder archive(kBin + "/game/game.zxc");
  return archive;
}

std::string Entry(const std::string& name) {
  data::TMemoryStream* s = Game().GetFileStream(name);
  if (!s) {
    ADD_FAILURE() << "no entry " << name;
    return {};
  }
  return std::string(s->View());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) out.push_back(line);
  }
  return out;
}

const char* const kPacks[] = {"ENU_1.lng", "DEU_2.lng", "FRA_3.lng", "RUS_4.lng", "ESP_5.lng"};

struct Interface {
  ui::TOrlFontEngine fonts;
  ui::TOrlInterfaceEngine engine;
  ui::TOrlFont* font = nullptr;
  Interface() {
    data::TMemoryStream fontStream(Entry("OrlUnicode.xml"));
    font = &fonts.LoadFromStream(fontStream);
    engine.FontEngine = &fonts;
    data::TMemoryStream stream(Entry("Slider.li"));
    engine.LoadFromStream(stream);
  }
  bool Has(const std::string& name) const { return engine.FindObject(name) != nullptr; }
};

TEST(Content2Interface, HoldsEveryWindowControlAndHandlerTheGameNames) {
  Interface ui;
  EXPECT_TRUE(ui.engine.LoadNotes().empty()) << ui.engine.LoadNotes().front().Message;
  const char* const names[] = {"WTitle",
                               "WTitle_BContinue",
                               "WStartGame",
                               "WStartGame_RBPuzzle",
                               "WStartGame_BPlay",
                               "WGame",
                               "WGame_LScoreCount",
                               "WGame_LShiftCount",
                               "WGame_LShuffleCount",
                               "WGame_LLevelCount",
                               "WGame_LPutsLeftCount",
                               "WGame_PBDead",
                               "WGame_HPutFishka",
                               "WGame_HLose",
                               "WGame_HBoss",
                               "WGame_HDisappear",
                               "WGameMenu",
                               "WGameMenu_BResume",
                               "WBetweenLevel",
                               "WBetweenLevel_BNextLevel",
                               "WBetweenLevel_TLevel1",
                               "WLevelComplete",
                               "WGameOver",
                               "WGameFinished",
                               "WGameFinished_LYourScoreCount",
                               "WGameFinished_LYourScore",
                               "WGameFinished_LYourName",
                               "WGameFinished_EYourName",
                               "WLoadGame",
                               "WLoadGame_GFiles",
                               "WLoadGame_ELoadFile",
                               "WSaveGame",
                               "WSaveGame_GFiles",
                               "WSaveGame_ESaveFile",
                               "WReplace",
                               "WDelete",
                               "WHighScores",
                               "WHighScores_GHighScores",
                               "WHighScores_RBRealTimePuzzle",
                               "WHighScores_RBTurnBasedPuzzle",
                               "WHighScores_LBRealTimePuzzle",
                               "WHighScores_LBTurnBasedPuzzle",
                               "WClearHighScores",
                               "WOptions",
                               "WOptions_CBFullScreen",
                               "WOptions_CB32bitColor",
                               "WOptions_CBTurnOffHints",
                               "WOptions_SMusicVolume",
                               "WOptions_SSoundVolume",
                               "WLanguage",
                               "WLanguage_RBENU",
                               "WGameLoading",
                               "WGameLoading_PBGameLoading",
                               "WAbortLevel",
                               "WExitToMainMenu"};
  for (const char* name : names) EXPECT_TRUE(ui.Has(name)) << name;

  const std::string file = Entry("Slider.li");
  std::set<std::string> called;
  const std::regex exec("ExecMethod Method=\"([A-Za-z_0-9]+)\"");
  for (auto it = std::sregex_iterator(file.begin(), file.end(), exec); it != std::sregex_iterator();
       ++it)
    called.insert((*it)[1]);
  const char* const handlers[] = {"WTitle_BNewGame_MouseUp",
                                  "WTitle_BContinue_MouseUp",
                                  "WTitle_BLoadGame_MouseUp",
                                  "WTitle_BHighScores_MouseUp",
                                  "WTitle_BQuit_MouseUp",
                                  "WTitle_LTovrelLink_MouseUp",
                                  "WStartGame_RBPuzzle_MouseUp",
                                  "WStartGame_RBStrategy_MouseUp",
                                  "WStartGame_RBNoLose_MouseUp",
                                  "WStartGame_BPlay_MouseUp",
                                  "WStartGame_BBack_MouseUp",
                                  "WGame_BMenu_MouseUp",
                                  "WGame_BSwap_MouseUp",
                                  "WGame_BShuffle_MouseUp",
                                  "WGame_BShift_MouseUp",
                                  "WGame_BUndo_MouseUp",
                                  "WGame_BQuickSave_MouseUp",
                                  "WGameMenu_BResume_MouseUp",
                                  "WGameMenu_BQuit_MouseUp",
                                  "WBetweenLevel_BNextLevel_MouseUp",
                                  "WBetweenLevel_BSaveGame_MouseUp",
                                  "WAbortLevel_BOk_MouseUp",
                                  "WGameOver_BOk_MouseUp",
                                  "WLevelComplete_BOk_MouseUp",
                                  "WGameFinished_BOk_MouseUp",
                                  "WExitToMainMenu_BOk_MouseUp",
                                  "WHighScores_BClear_MouseUp",
                                  "WClearHighScores_BOk_MouseUp",
                                  "WLoadGame_GFiles_MouseDown",
                                  "WLoadGame_BLoad_MouseUp",
                                  "WLoadGame_BDelete_MouseUp",
                                  "WSaveGame_GFiles_MouseDown",
                                  "WSaveGame_BSave_MouseUp",
                                  "WSaveGame_BDelete_MouseUp",
                                  "WReplace_BOk_MouseUp",
                                  "WDelete_BOk_MouseUp",
                                  "WOptions_BOk_MouseUp",
                                  "WOptions_BCancel_MouseUp",
                                  "WOptions_SMusicVolume_Change",
                                  "WOptions_SSoundVolume_Change",
                                  "WLanguage_BOk_MouseUp"};
  for (const char* h : handlers) EXPECT_TRUE(called.count(h)) << h;

  // Every picture the windows wear is in the archive (packed pictures keep their base name).
  const std::regex picture("<p n=\"[A-Za-z]*Picture\">([^<]+)</p>");
  for (auto it = std::sregex_iterator(file.begin(), file.end(), picture);
       it != std::sregex_iterator(); ++it) {
    const std::string name = (*it)[1];
    const std::string base = name.substr(0, name.rfind('.'));
    EXPECT_TRUE(Game().IndexOf(name) >= 0 || Game().IndexOf(base + "._PNG") >= 0) << name;
  }
  // The name edit cannot take the quotation mark that would break the high-score file.
  const auto* edit = ui.engine.FindObject("WGameFinished_EYourName");
  ASSERT_NE(edit, nullptr);
  EXPECT_NE(data::GetPropertyText(*edit, "ForbiddenChars").find('"'), std::string::npos);
}

// Checks every text of one language: drawable with the font and inside its control.
void ExpectTextsFit(Interface& ui, const std::string& pack) {
  std::set<char16_t> glyphs;
  for (const ui::TOrlGlyph& g : ui.font->Glyphs()) glyphs.insert(static_cast<char16_t>(g.Code));
  const int lineHeight = ui.font->Height;
  for (const auto& object : ui.engine.Objects()) {
    const auto* label = dynamic_cast<const ui::TOrlLabel*>(object.get());
    if (!label || label->Caption.empty()) continue;
    const std::string where = pack + " " + label->Name();
    for (char16_t c : label->Caption)
      EXPECT_TRUE(glyphs.count(c)) << where << " U+" << std::hex << int(c);
    if (const auto* rich = dynamic_cast<const ui::TOrlRichLabel*>(label)) {
      int bottom = 0;
      for (const ui::TOrlTextLine& w : rich->Words()) bottom = std::max(bottom, w.Y + lineHeight);
      if (label->Visible())  // help pages must fit their page; hints size themselves
        EXPECT_LE(bottom + label->TextShiftTop, label->Height()) << where;
      else
        EXPECT_LE(bottom, 9 * lineHeight) << where;
      continue;
    }
    const auto& lines = label->TextLines();
    const bool control = !label->MouseOverPicture.empty() ||
                         dynamic_cast<const ui::TOrlCheckBox*>(label) ||
                         dynamic_cast<const ui::TOrlRadioButton*>(label);
    if (control) {
      // Buttons, check boxes and radio buttons keep their caption on one line, inside the pill
      // or beside the box.
      const int room = label->MouseOverPicture.empty() ? label->Width() - 22 - label->TextShiftLeft
                                                       : label->Width() - 20;
      EXPECT_EQ(lines.size(), 1u) << where;
      if (!lines.empty()) {
        EXPECT_LE(lines[0].Width, room) << where;
      }
    } else {
      const int needed = static_cast<int>(lines.size()) * (lineHeight + label->LineSpace);
      EXPECT_LE(needed - label->LineSpace, label->Height() + 2) << where;
    }
  }
}

TEST(Content2Interface, EveryLanguagePackLoadsAsAnOverlayAndFitsItsControls) {
  Interface ui;
  for (const char* pack : kPacks) {
    ui.engine.RestoreOverlay();
    ASSERT_NO_THROW(ui.engine.LoadOverlay(kBin + "/lng/" + pack)) << pack;
    EXPECT_TRUE(ui.engine.LoadNotes().empty()) << pack;
    ExpectTextsFit(ui, pack);
  }
  // Back to English, the captions are the interface file's own.
  ui.engine.RestoreOverlay();
  EXPECT_EQ(data::GetPropertyText(*ui.engine.FindObject("WTitle_BNewGame"), "Caption"), "New game");
}

// The hints of the game window, placed as the game places them: the guardian's by the point
// (300, 100), the others where the interface file puts them. They can all be up together (the
// first two at a level's start, the guardian's and the second chance's at any time), so no two
// may cover each other, and none may run under the move buttons or off the screen.
TEST(Content2Interface, GameHintsNeverCoverEachOtherInAnyLanguage) {
  Interface ui;
  const char* const hints[] = {"WGame_HPutFishka", "WGame_HDisappear", "WGame_HLose",
                               "WGame_HBoss"};
  for (const char* pack : kPacks) {
    ui.engine.RestoreOverlay();
    ASSERT_NO_THROW(ui.engine.LoadOverlay(kBin + "/lng/" + pack)) << pack;
    ui.engine.ShowModal("WGame");
    for (int i = 0; i < 3; ++i) ui.engine.ShowHint(hints[i]);
    ui.engine.ShowHintAt("WGame_HBoss", 300, 100);
    std::vector<const ui::TOrlInterfaceObject*> shown;
    for (const char* name : hints) {
      const auto* hint = dynamic_cast<const ui::TOrlInterfaceObject*>(ui.engine.FindObject(name));
      ASSERT_NE(hint, nullptr) << name;
      EXPECT_TRUE(hint->Visible()) << pack << " " << name;
      EXPECT_GE(hint->AbsLeft(), 0) << pack << " " << name;
      EXPECT_GE(hint->AbsTop(), 0) << pack << " " << name;
      EXPECT_LE(hint->AbsLeft() + hint->Width(), 514) << pack << " " << name;
      EXPECT_LE(hint->AbsTop() + hint->Height(), 596) << pack << " " << name;
      shown.push_back(hint);
    }
    for (size_t a = 0; a < shown.size(); ++a)
      for (size_t b = a + 1; b < shown.size(); ++b) {
        const auto& p = *shown[a];
        const auto& q = *shown[b];
        const bool apart =
            p.AbsLeft() + p.Width() <= q.AbsLeft() || q.AbsLeft() + q.Width() <= p.AbsLeft() ||
            p.AbsTop() + p.Height() <= q.AbsTop() || q.AbsTop() + q.Height() <= p.AbsTop();
        EXPECT_TRUE(apart) << pack << ": " << p.Name() << " covers " << q.Name();
      }
    ui.engine.HideModalList();
  }
}

// Every level of the shipped set gets its own page between levels.
TEST(Content2Interface, EveryShippedLevelHasABetweenLevelPage) {
  data::TFileFolder levels(kBin + "/levels/levels.zxc");
  Interface ui;
  int count = 0;
  while (levels.IndexOf("Level" + std::to_string(count + 1) + ".xml") >= 0) ++count;
  ASSERT_GE(count, 30);
  for (int n = 1; n <= count; ++n)
    EXPECT_TRUE(ui.Has("WBetweenLevel_TLevel" + std::to_string(n) + "_LName")) << n;
}

TEST(Content2Effects, EverySlotLoadsRunsAndEnds) {
  const char* const slots[] = {
      "contour.xml",        "BossContour.xml",        "BossPreventEffect.xml",
      "BossTextEffect.xml", "ShiftEffect.xml",        "ShuffleEffect.xml",
      "SwapEffect.xml",     "BossDieEffect.xml",      "BossDieParticlesEffect.xml",
      "BonusBomb.xml",      "BonusCoin.xml",          "GiveBonus.xml",
      "GiveBonusBomb.xml",  "GiveBonusColorBomb.xml", "ClickHereEffect.xml"};
  // The icons on pieces and the attention effect run until the game drops them.
  const std::set<std::string> endless = {"BonusBomb.xml", "BonusCoin.xml", "ClickHereEffect.xml"};
  for (const char* name : slots) {
    fx::TOrlParticleEffect effect;
    data::TMemoryStream stream(Entry(name));
    ASSERT_NO_THROW(effect.LoadFromStream(&stream)) << name;
    auto copy = effect.Clone();
    // Flying effects get their path from the game, as the rules write it.
    if (auto* path = dynamic_cast<fx::TOrlPiecewiseFunc*>(copy->Functions().Find("FContour"))) {
      path->Clear();
      path->SetScript("Set Linear; Set Timing 0.3; Path (688,356) (300,200); Ending Stop;");
    }
    const uint32_t start = 100000;
    copy->Start(start);
    ASSERT_TRUE(copy->Init()) << name;
    EXPECT_FALSE(copy->Update(start + 16)) << name;
    EXPECT_GT(copy->LiveCount(), 0) << name;
    bool finished = false;
    for (uint32_t t = start + 16; t <= start + 4000 && !finished; t += 16)
      finished = copy->Update(t);
    EXPECT_EQ(finished, !endless.count(name)) << name;
  }
}

TEST(Content2Effects, OutlinesHaveThePathAndSystemTheGameFills) {
  for (const char* name : {"contour.xml", "BossContour.xml"}) {
    fx::TOrlParticleEffect effect;
    data::TMemoryStream stream(Entry(name));
    effect.LoadFromStream(&stream);
    EXPECT_NE(dynamic_cast<fx::TOrlPiecewiseFunc*>(effect.Functions().Find("FContour")), nullptr);
    EXPECT_NE(effect.Systems().Find("SContour"), nullptr) << name;
  }
}

// Vorbis from memory.
struct MemoryFile {
  const std::string* bytes;
  size_t at = 0;
};
size_t Read(void* dest, size_t size, size_t count, void* source) {
  auto* f = static_cast<MemoryFile*>(source);
  const size_t n = std::min(size * count, f->bytes->size() - f->at);
  std::memcpy(dest, f->bytes->data() + f->at, n);
  f->at += n;
  return size ? n / size : 0;
}

TEST(Content2Sound, EverySoundDecodesPeaksNearFullScaleAndStartsAndEndsQuietly) {
  const std::vector<std::string> listed = Lines(Entry("sounds.dat"));
  for (const char* name :
       {"1_put.ogg", "2_crystal.ogg", "3_crystal.ogg", "5_crystal.ogg", "4_change.ogg",
        "6_next_level.ogg", "7_bonus.ogg", "8_undo.ogg", "9_wrong_place.ogg", "10_looser.ogg",
        "11_magic.ogg", "12_magic.ogg", "BonusBoom.ogg", "BossPrevent.ogg", "alert.ogg",
        "rotate.ogg", "ui_click.ogg", "ui_tick.ogg"})
    EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
  for (const std::string& name : listed) {
    const std::string bytes = Entry(name);
    MemoryFile file{&bytes};
    OggVorbis_File vf;
    ASSERT_EQ(ov_open_callbacks(&file, &vf, nullptr, 0, {Read, nullptr, nullptr, nullptr}), 0)
        << name;
    EXPECT_EQ(ov_info(&vf, -1)->rate, 44100) << name;
    EXPECT_EQ(ov_info(&vf, -1)->channels, 1) << name;
    std::vector<float> pcm;
    float** chunk;
    int section;
    for (long n; (n = ov_read_float(&vf, &chunk, 4096, &section)) > 0;)
      pcm.insert(pcm.end(), chunk[0], chunk[0] + n);
    ov_clear(&vf);
    ASSERT_GT(pcm.size(), 2000u) << name;
    double peak = 0, sum = 0;
    for (float s : pcm) {
      peak = std::max(peak, static_cast<double>(std::fabs(s)));
      sum += s;
    }
    const double peakDb = 20 * std::log10(peak);
    EXPECT_GT(peakDb, -2.5) << name;
    EXPECT_LT(peakDb, 0.0) << name;
    EXPECT_LT(std::fabs(sum / static_cast<double>(pcm.size())), 1e-3) << name << " has DC";
    EXPECT_LT(std::fabs(pcm.front()), 0.03) << name << " starts with a click";
    EXPECT_LT(std::fabs(pcm.back()), 0.01) << name << " ends with a click";
  }
}

TEST(Content2Music, EveryPieceIsAModuleOfOneToThreeMinutesNeverSilentNeverClipping) {
  const std::vector<std::string> listed = Lines(Entry("musics.dat"));
  EXPECT_EQ(listed,
            (std::vector<std::string>{"Vibe-nfs.mo3", "music1.xm", "music2.xm", "music3.xm"}));
  for (const std::string& name : listed) {
    const std::string bytes = Entry(name);
    openmpt::module module(bytes.data(), bytes.size());
    const double seconds = module.get_duration_seconds();
    EXPECT_GE(seconds, 60.0) << name;
    EXPECT_LE(seconds, 180.0) << name;
    EXPECT_GE(module.get_num_channels(), 4) << name;
    if (name == "Vibe-nfs.mo3") {
      EXPECT_GT(module.get_num_orders(), 12);  // restarted at order 12
    }
    std::vector<float> left(48000), right(48000);
    double peak = 0;
    int quietSeconds = 0;
    for (size_t n; (n = module.read(48000, 48000, left.data(), right.data())) > 0;) {
      double energy = 0;
      for (size_t i = 0; i < n; ++i) {
        peak = std::max({peak, static_cast<double>(std::fabs(left[i])),
                         static_cast<double>(std::fabs(right[i]))});
        energy += left[i] * left[i];
      }
      if (std::sqrt(energy / static_cast<double>(n)) < 0.003) ++quietSeconds;
    }
    EXPECT_LT(peak, 0.98) << name;
    EXPECT_GT(peak, 0.1) << name;
    EXPECT_EQ(quietSeconds, 0) << name;
  }
}

}  // namespace
