// tests/shell/language_test.cpp — language packs in a scratch "lng" folder: the buttons they
// add, loading a pack over the interface, the fallback to ENU, damaged packs and the stored
// choice.
#include "shell/language.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/files.hpp"
#include "tests/support/scratch_dir.hpp"
#include "tests/ui/ui_test_support.hpp"
#include "ui/form.hpp"
#include "ui/label.hpp"
#include "ui/radio_button.hpp"

using ui_test::Interface;
using ui_test::Obj;

namespace {

std::string Button(const std::string& name, const std::string& caption) {
  return Obj("TOrlRadioButton", {{"ParentName", "WLanguage"},
                                 {"Name", name},
                                 {"Left", "50"},
                                 {"Top", "100"},
                                 {"Width", "150"},
                                 {"Height", "20"},
                                 {"FontName", "F"},
                                 {"Caption", caption},
                                 {"Checked", "true"}});
}

std::string Label(const std::string& name, const std::string& caption) {
  return Obj("TOrlLabel",
             {{"ParentName", "WGame"}, {"Name", name}, {"FontName", "F"}, {"Caption", caption}});
}

std::string Pack(const std::string& caption) {
  return "<OrlInterface>\n" + Obj("TOrlLabel", {{"Name", "WGame_LTitle"}, {"Caption", caption}}) +
         "</OrlInterface>\n";
}

struct TLanguageWorld {
  TLanguageWorld() {
    std::filesystem::create_directory(lng());
    world.Load(Interface(
        Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "WLanguage"}, {"Width", "400"}}) +
        Button("WLanguage_RBENU", "English") +
        Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "WGame"}}) + Label("WGame_LTitle", "Play")));
  }
  std::string lng() const { return dir / "lng"; }
  void AddPack(const std::string& name, const std::string& bytes) const {
    data::WriteFileAtomically(lng() + "/" + name, bytes);
  }
  std::string Title() {
    const auto caption = world.engine.GetObjectProperty("WGame_LTitle", "Caption");
    return caption ? *caption : "(none)";
  }
  bool Checked(const std::string& name) { return world.Get<ui::TOrlRadioButton>(name).Checked; }

  support_test::TScratchDir dir;
  ui_test::TWorld world;
  shell::TLanguages languages{world.engine, lng(), dir / "config/Tovrel/Zerith/values.cfg"};
};

}  // namespace

TEST(Language, PacksAreListedByOrderAndBecomeButtonsInTwoColumns) {
  TLanguageWorld w;
  for (const char* name :
       {"ENU_1.lng", "DEU_2.lng", "FRA_3.lng", "ITA_9.lng", "ESP_4.lng", "POL_x.lng", "NLD_5.lng",
        "SWE_7.lng", "deu_8.lng", "notes.txt", "RUS_6.LNG"})
    w.AddPack(name, Pack("x"));
  std::filesystem::create_directory(w.lng() + "/DIR_0.lng");

  const auto packs = shell::ListLanguagePacks(w.lng());
  std::vector<std::string> order;
  for (const auto& p : packs) order.push_back(p.Code + ":" + std::to_string(p.Order));
  EXPECT_EQ(order, (std::vector<std::string>{"POL:0", "ENU:1", "DEU:2", "FRA:3", "ESP:4", "NLD:5",
                                             "SWE:7", "deu:8", "ITA:9"}));

  EXPECT_EQ(w.languages.BuildLanguageList(), 7);  // ENU is the template, deu is DEU again
  auto& model = w.world.Get<ui::TOrlRadioButton>("WLanguage_RBENU");
  const std::vector<std::pair<std::string, std::pair<int, int>>> places = {
      {"POL", {50, 124}}, {"DEU", {50, 148}},  {"FRA", {50, 172}}, {"ESP", {50, 196}},
      {"NLD", {50, 220}}, {"SWE", {250, 100}}, {"ITA", {250, 124}}};
  for (const auto& [code, place] : places) {
    auto& b = w.world.Get<ui::TOrlRadioButton>("WLanguage_RB" + code);
    EXPECT_EQ(std::pair(b.Left(), b.Top()), place) << code;
    EXPECT_FALSE(b.Checked) << code;
    EXPECT_EQ(b.Caption, model.Caption) << code;
    EXPECT_EQ(b.Parent(), w.world.engine.FindObject("WLanguage")) << code;
  }
  auto& window = w.world.Get<ui::TOrlForm>("WLanguage");
  EXPECT_EQ(window.Children().size(), 8u);
}

TEST(Language, ThreePacksGiveTwoButtonsBelowTheTemplate) {
  TLanguageWorld w;
  for (const char* name : {"ENU_1.lng", "DEU_2.lng", "FRA_3.lng"}) w.AddPack(name, Pack("x"));
  EXPECT_EQ(w.languages.BuildLanguageList(), 2);
  EXPECT_EQ(w.world.Get<ui::TOrlRadioButton>("WLanguage_RBDEU").Top(), 124);
  EXPECT_EQ(w.world.Get<ui::TOrlRadioButton>("WLanguage_RBFRA").Top(), 148);
}

TEST(Language, ThePackOfTheStoredLanguageIsLoadedAndChoosingAnotherSwapsIt) {
  TLanguageWorld w;
  w.AddPack("ENU_1.lng", Pack("Play"));
  w.AddPack("DEU_2.lng", Pack("Spielen"));
  w.AddPack("FRA_3.lng", Pack("Jouer"));
  shell::WriteLanguageValue(w.dir / "config/Tovrel/Zerith/values.cfg", "DEUTSCH");
  w.languages.LoadLanguageFromRegistry();
  EXPECT_EQ(w.languages.Language, "deu");
  w.languages.BuildLanguageList();
  EXPECT_TRUE(w.languages.ApplyLanguage().empty());
  EXPECT_EQ(w.Title(), "Spielen");
  EXPECT_TRUE(w.Checked("WLanguage_RBDEU"));
  EXPECT_FALSE(w.Checked("WLanguage_RBENU"));

  std::vector<std::string> problems;
  EXPECT_FALSE(w.languages.ChooseCheckedLanguage(problems));  // DEU is checked already
  w.world.Get<ui::TOrlRadioButton>("WLanguage_RBFRA").SetChecked(true);
  EXPECT_TRUE(w.languages.ChooseCheckedLanguage(problems));
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(w.languages.Language, "FRA");
  EXPECT_EQ(w.Title(), "Jouer");
  EXPECT_EQ(shell::ReadLanguageValue(w.dir / "config/Tovrel/Zerith/values.cfg"), "fra");
}

TEST(Language, NoStoredChoiceOrAnUnknownOneFallsBackToEnglishAndStoresIt) {
  TLanguageWorld w;
  w.AddPack("ENU_1.lng", Pack("Play!"));
  w.languages.LoadLanguageFromRegistry();  // no file yet
  EXPECT_EQ(w.languages.Language, "");
  EXPECT_TRUE(w.languages.ApplyLanguage().empty());
  EXPECT_EQ(w.languages.Language, "ENU");
  EXPECT_EQ(w.Title(), "Play!");
  EXPECT_EQ(data::ReadWholeFile(w.dir / "config/Tovrel/Zerith/values.cfg"), "LangStr=ENU\n");

  TLanguageWorld bare;  // no lng folder at all: the interface file's own texts
  std::filesystem::remove(bare.lng());
  bare.languages.Language = "deu";
  EXPECT_TRUE(bare.languages.ApplyLanguage().empty());
  EXPECT_EQ(bare.languages.BuildLanguageList(), 0);
  EXPECT_EQ(bare.Title(), "Play");
  EXPECT_EQ(bare.languages.Language, "deu");
}

TEST(Language, ADamagedPackLeavesTheInterfaceAsItWas) {
  TLanguageWorld w;
  w.AddPack("DEU_2.lng", Pack("Spielen"));
  w.AddPack("FRA_3.lng",
            "<OrlInterface>\n" + Obj("TOrlLabel", {{"Name", "WGame_LTitle"}}) + "<!-- cut short");
  w.AddPack("ITA_4.lng", "<OrlInterface>\n" +
                             Obj("TOrlLabel", {{"Name", "WGame_LTitle"}, {"Caption", "Gioca"}}) +
                             Obj("TOrlLabel", {{"Name", "WGame_LTitle"}, {"NoSuchProperty", "1"}}) +
                             "</OrlInterface>");
  w.AddPack("ESP_5.lng", "<Other/>");
  w.languages.BuildLanguageList();
  w.languages.Language = "DEU";
  ASSERT_TRUE(w.languages.ApplyLanguage().empty());

  for (const char* code : {"FRA", "ITA", "ESP"}) {
    w.languages.Language = code;
    const auto problems = w.languages.ApplyLanguage();
    ASSERT_EQ(problems.size(), 1u) << code;
    const std::string start = "Language pack \"" + w.lng() + "/" + code;
    EXPECT_EQ(problems[0].rfind(start, 0), 0u) << problems[0];
    EXPECT_NE(problems[0].find("; the interface keeps its texts"), std::string::npos);
    EXPECT_EQ(w.Title(), "Spielen") << code;
  }

  // Chosen in the language window: the old language stays, checked and stored.
  w.languages.Language = "DEU";
  w.languages.ApplyLanguage();
  ASSERT_EQ(w.languages.SaveLanguageToRegistry(), "");
  w.world.Get<ui::TOrlRadioButton>("WLanguage_RBITA").SetChecked(true);
  std::vector<std::string> problems;
  EXPECT_FALSE(w.languages.ChooseCheckedLanguage(problems));
  EXPECT_EQ(problems.size(), 1u);
  EXPECT_EQ(w.languages.Language, "DEU");
  EXPECT_TRUE(w.Checked("WLanguage_RBDEU"));
  EXPECT_FALSE(w.Checked("WLanguage_RBITA"));
  EXPECT_EQ(w.Title(), "Spielen");
  EXPECT_EQ(shell::ReadLanguageValue(w.dir / "config/Tovrel/Zerith/values.cfg"), "deu");
}
