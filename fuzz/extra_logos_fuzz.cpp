// fuzz/extra_logos_fuzz.cpp — any bytes as "AddLogo.xml", placed into a title window with a font;
// every label it names must give its link back.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "data/error.hpp"
#include "fuzz/fuzz_support.hpp"
#include "shell/extra_logos.hpp"
#include "tests/ui/ui_test_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  ui_test::TWorld world;
  world.AddFont("OrlUnicode", 12, "32:0:0:0:7:1");
  world.Load(ui_test::Interface(
      ui_test::Obj(
          "TOrlForm",
          {{"ParentName", "Screen"}, {"Name", "WTitle"}, {"Width", "800"}, {"Height", "600"}}) +
      ui_test::Obj("TOrlLabel", {{"ParentName", "WTitle"}, {"Name", "WTitle_LName"}})));
  std::set<std::string> loaded;
  shell::TLogoHost host;
  host.ReadRegistry = [](const std::string&, const std::string& value) { return value; };
  host.HasPicture = [&](const std::string& name) { return loaded.count(name) > 0; };
  host.LoadPictureFile = [&](const std::string& name) {
    if (name.size() % 3 == 0) throw data::Error("Cannot open file \"" + name + "\"");
    loaded.insert(name);
  };
  host.PictureSize = [](const std::string& name) {
    return std::pair{static_cast<int>(name.size()), 30};
  };
  shell::TExtraLogos logos;
  shell::LoadExtraLogos(fuzz::MemoryFile(fuzz::Text(bytes, size)), "/game", world.engine, host,
                        logos, [](const std::string&) {});
  for (size_t k = 0; k < logos.LogoUrls.size() && k < 1000; ++k)
    (void)shell::LogoUrlFor(logos, "AddLogo" + std::to_string(k));
  // The placed labels draw, and a click on the first one runs its script.
  world.engine.ShowModal("WTitle");
  world.engine.DrawAll();
  world.engine.MouseDown(ui::mbLeft, ui::ssLeft, 12, 22);
  world.engine.MouseUp(ui::mbLeft, 0, 12, 22);
  return 0;
}
