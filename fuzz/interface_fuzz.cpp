// fuzz/interface_fuzz.cpp — any bytes as an interface file: creating and setting up every
// object, then showing and drawing each window once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/error.hpp"
#include "fuzz/fuzz_support.hpp"
#include "tests/ui/ui_test_support.hpp"
#include "ui/form.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  ui_test::TWorld world;
  try {
    world.Load(std::string(fuzz::Text(bytes, size)));
  } catch (const data::Error&) {
  }
  std::vector<std::string> forms;
  for (const auto& object : world.engine.Objects())
    if (dynamic_cast<ui::TOrlForm*>(object.get())) forms.push_back(object->Name());
  for (const std::string& name : forms) {
    world.engine.ShowModal(name);
    world.engine.DrawAll();
    world.engine.MouseMove(0, 10, 10);
    world.engine.HideModalList();
  }
  return 0;
}
