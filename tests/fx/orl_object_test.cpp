#include "fx/orl_object.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "fx/error_log.hpp"
#include "fx/morph_func.hpp"
#include "fx/parabolic_func.hpp"
#include "fx/periodic_func.hpp"

namespace {

class TFailing : public fx::TOrlObject {
 public:
  TFailing() : TOrlObject("TFailing") {}
  const char* ClassName() const override { return "TFailing"; }
  std::unique_ptr<fx::TOrlObject> NewInstance() const override {
    return std::make_unique<TFailing>();
  }
  bool Init() override { return false; }
};

}  // namespace

TEST(OrlObject, NamesAreCutAndDefaultAfterTheClass) {
  fx::TOrlObject o;
  EXPECT_EQ(o.Name(), "OrlObject_Default");
  o.SetName(std::string(40, 'x'));
  EXPECT_EQ(o.Name(), std::string(32, 'x'));
}

TEST(OrlStaticCollection, FindAssignAndEmptySlots) {
  fx::TOrlMorphFuncLib lib;
  auto wave = std::make_unique<fx::TOrlPeriodicFunc>();
  wave->SetName("Wave");
  wave->Weight = 2;
  lib.Add(std::move(wave));
  lib.Add(nullptr);
  auto arc = std::make_unique<fx::TOrlParabolicFunc>();
  arc->SetName("Arc");
  lib.Add(std::move(arc));
  EXPECT_EQ(lib.IndexOf("ARC"), 2);
  EXPECT_EQ(lib.IndexOf("none"), -1);
  EXPECT_EQ(lib.Item(5), nullptr);

  fx::TOrlMorphFuncLib copy;
  ASSERT_TRUE(copy.Assign(&lib));
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Item(1), nullptr);
  ASSERT_NE(dynamic_cast<fx::TOrlParabolicFunc*>(copy.Item(2)), nullptr);
  EXPECT_NE(copy.Item(0), lib.Item(0));
  EXPECT_EQ(copy.Get(0)->Weight, 2.0f);
}

TEST(OrlStaticCollection, InitStopsAtTheFirstFailureAndLogsIt) {
  fx::TOrlStaticCollection items;
  items.Add(std::make_unique<fx::TOrlObject>());
  auto failing = std::make_unique<TFailing>();
  failing->SetName("Sparks");
  items.Add(std::move(failing));
  std::ostringstream out;
  fx::TErrorLog log;
  log.SetSink(&out);
  log.SetClock([] { return std::string("2024-01-02 03:04:05"); });
  EXPECT_FALSE(items.Init());  // no log given: nothing written anywhere
  EXPECT_EQ(out.str(), "");
  items.SetErrorLog(&log);
  EXPECT_FALSE(items.Init());
  EXPECT_EQ(out.str(),
            "(2024-01-02 03:04:05) ERROR (code -2147467259): \"TFailing.Sparks\" "
            "initialization failed\n");
  EXPECT_EQ(fx::FormatErrorReport(5, "note", false, ""), "note");
}
