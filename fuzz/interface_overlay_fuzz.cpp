// fuzz/interface_overlay_fuzz.cpp — any bytes as a language overlay over a small interface:
// applying it, then putting every replaced value back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/error.hpp"
#include "fuzz/fuzz_support.hpp"
#include "tests/ui/ui_test_support.hpp"

namespace {

std::string BaseInterface() {
  using ui_test::Obj;
  return ui_test::Interface(
      Obj("TOrlForm", {{"ParentName", "Root"}, {"Name", "WMain"}, {"Width", "200"}}) +
      Obj("TOrlLabel", {{"ParentName", "WMain"},
                        {"Name", "WMain_LTitle"},
                        {"Caption", "Hi"},
                        {"FontName", "F"}}) +
      Obj("TOrlCheckBox", {{"ParentName", "WMain"}, {"Name", "WMain_CBSound"}}) +
      Obj("TOrlEdit", {{"ParentName", "WMain"}, {"Name", "WMain_EName"}, {"Caption", "x"}}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  ui_test::TWorld world;
  world.Load(BaseInterface());
  data::TMemoryStream overlay(fuzz::Text(bytes, size));
  try {
    world.engine.LoadOverlayFromStream(overlay);
  } catch (const data::Error&) {
  }
  try {
    world.engine.RestoreOverlay();
  } catch (const data::Error&) {
  }
  world.engine.ShowModal("WMain");
  world.engine.DrawAll();
  return 0;
}
