// tests/shell/extra_logos_test.cpp — "AddLogo.xml" entries, their labels and links.
#include "shell/extra_logos.hpp"

#include <gtest/gtest.h>

#include <set>

#include "data/error.hpp"
#include "tests/support/scratch_dir.hpp"
#include "tests/ui/ui_test_support.hpp"
#include "ui/label.hpp"

namespace {

using ui_test::Interface;
using ui_test::Obj;

struct TLogoWorld : ui_test::TWorld {
  TLogoWorld() {
    AddFont("OrlUnicode", 12, "32:0:0:0:7:1");
    Load(Interface(
        Obj("TOrlForm",
            {{"ParentName", "Screen"}, {"Name", "WTitle"}, {"Width", "800"}, {"Height", "600"}})));
    logoHost.ReadRegistry = [this](const std::string& key, const std::string& value) {
      registryAsked.push_back(key + "|" + value);
      return value == "HomePage" ? std::string("https://home.example") : std::string();
    };
    logoHost.HasPicture = [this](const std::string& name) { return loaded.count(name) > 0; };
    logoHost.LoadPictureFile = [this](const std::string& name) {
      if (name == "missing.png") throw data::Error("Cannot open file \"missing.png\"");
      loaded.insert(name);
    };
    logoHost.PictureSize = [](const std::string&) { return std::pair{90, 30}; };
  }
  shell::TLogoHost logoHost;
  std::set<std::string> loaded;
  std::vector<std::string> registryAsked;
  std::vector<std::string> logLines;
  shell::TExtraLogos logos;

  void LoadFile(const std::string& path) {
    shell::LoadExtraLogos(path, "/game", engine, logoHost, logos,
                          [this](const std::string& line) { logLines.push_back(line); });
  }
};

const char* kLogos =
    "<Logos>"
    "<Logo><URL>Tovrel.url</URL><Position x=\"10\" y=\"20\"/><Parent>WTitle</Parent>"
    "<Picture>logo.png</Picture><PictureMouseOn>logo_on.png</PictureMouseOn>"
    "<Caption>Hi</Caption><Color Caption=\"255\" MouseOverCaption=\"65280\"/></Logo>"
    "<Link><URL "
    "Source=\"registry\">HKEY_CURRENT_USER\\Software\\Tovrel\\Zerith.HomePage</URL></Link>"
    "<Logo><URL>a</URL><Position x=\"1\"/><Parent>WTitle</Parent></Logo>"
    "<Logo><URL>b</URL><Position x=\"1\" y=\"2\"/><Parent>Nowhere</Parent></Logo>"
    "<Logo><URL Source=\"web\">https://example.org</URL><Position x=\"5\" y=\"6\"/>"
    "<Parent>WTitle</Parent><Caption>Web</Caption></Logo>"
    "<Logo><URL Source=\"registry\">HKCU\\Software\\None.Gone</URL><Position x=\"0\" y=\"0\"/>"
    "<Parent>WTitle</Parent></Logo>"
    "</Logos>";

TEST(ExtraLogos, EntriesBecomeLabelsThatOpenTheirOwnLinks) {
  TLogoWorld w;
  support_test::TScratchDir dir;
  w.LoadFile(dir.Write("AddLogo.xml", kLogos));
  EXPECT_TRUE(w.logLines.empty());
  ASSERT_EQ(w.logos.LogoUrls.size(), 6u);
  EXPECT_EQ(w.logos.LogoUrls[0], "/game/Tovrel.url");
  EXPECT_EQ(w.logos.LogoUrls[1], "https://home.example");
  EXPECT_EQ(w.logos.LogoUrls[4], "https://example.org");
  EXPECT_EQ(w.logos.LogoUrls[5], "");  // a registry value that is missing: an empty link
  EXPECT_EQ(w.registryAsked[0], "Software\\Tovrel\\Zerith|HomePage");
  for (const char* none : {"AddLogo1", "AddLogo2", "AddLogo3"})
    EXPECT_EQ(w.engine.FindObject(none), nullptr) << none;
  auto& logo = w.Get<ui::TOrlLabel>("AddLogo0");
  EXPECT_EQ(logo.Left(), 10);
  EXPECT_EQ(logo.Top(), 20);
  EXPECT_TRUE(logo.Visible());
  EXPECT_EQ(logo.Picture(), "logo.png");
  EXPECT_EQ(logo.MouseOverPicture, "logo_on.png");
  EXPECT_EQ(logo.MouseDownPicture, "logo.png");
  EXPECT_EQ(logo.Color, 255);
  EXPECT_EQ(logo.MouseOverColor, 65280);
  EXPECT_EQ(logo.OnMouseUp(), "ExecMethod Method=\"AddLogoMouseUp\";");
  EXPECT_EQ(w.logos.LogoPictures, (std::vector<std::string>{"logo.png", "logo_on.png"}));
  auto& web = w.Get<ui::TOrlLabel>("AddLogo4");
  EXPECT_EQ(web.Width(), 24);  // three characters of 8 px
  EXPECT_EQ(web.Height(), 12);
  // The clicked label's number picks its link: the entry at position 4 opens the fifth URL.
  EXPECT_EQ(shell::LogoUrlFor(w.logos, "AddLogo4"), "https://example.org");
  EXPECT_EQ(shell::LogoUrlFor(w.logos, "AddLogo0"), "/game/Tovrel.url");
  EXPECT_EQ(shell::LogoUrlFor(w.logos, "AddLogo9"), "");
  EXPECT_EQ(shell::LogoUrlFor(w.logos, "AddLogo"), "");
  EXPECT_EQ(shell::LogoUrlFor(w.logos, "AddLogox"), "");
}

TEST(ExtraLogos, DamagedFileIsLoggedOnceAndSkipped) {
  support_test::TScratchDir dir;
  {
    TLogoWorld w;
    w.LoadFile(dir / "AddLogo.xml");  // no file: nothing, quietly
    EXPECT_TRUE(w.logLines.empty());
    EXPECT_TRUE(w.logos.LogoUrls.empty());
  }
  const std::pair<const char*, const char*> damaged[] = {
      {"not xml at all", "XML file does not has tags!"},
      {"<Logos><Logo><Position x=\"ten\" y=\"2\"/><Parent>WTitle</Parent></Logo></Logos>",
       "'ten' is not a valid integer value"},
      {"<Logos><Logo><Position x=\"1\" y=\"2\"/><Parent>WTitle</Parent>"
       "<Picture>missing.png</Picture></Logo></Logos>",
       "missing.png"},
  };
  for (const auto& [text, reason] : damaged) {
    TLogoWorld w;
    w.LoadFile(dir.Write("AddLogo.xml", text));
    ASSERT_EQ(w.logLines.size(), 1u) << text;
    EXPECT_NE(w.logLines[0].find(reason), std::string::npos) << w.logLines[0];
    EXPECT_EQ(w.engine.FindObject("AddLogo0"), nullptr);
    EXPECT_TRUE(w.logos.LogoUrls.empty());
  }
}

}  // namespace
