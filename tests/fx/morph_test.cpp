#include "fx/morph.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "data/xml_parser.hpp"
#include "fx/parabolic_func.hpp"
#include "fx/periodic_func.hpp"
#include "fx/random.hpp"
#include "test_util.hpp"
#include "tests/support/error_of.hpp"

using support_test::ErrorOf;

using fx::TVector;

namespace {

// A function library and a morph library like an effect's, with "Still" (1,1), "Drift" (1,0)
// moving by (10,0) per second, and "Line1" (Dim 1) growing by 1 per second.
struct Libraries {
  fx::TOrlMorphFuncLib funcs;
  fx::TOrlMorphLib morphs;
  fx::TRandom random{7};

  Libraries() {
    AddParabolic("Still", 2, {1, 1, 0}, {});
    AddParabolic("Drift", 2, {1, 0, 0}, {10, 0, 0});
    AddParabolic("Line1", 1, {}, {1, 0, 0});
  }
  void AddParabolic(const char* name, int dim, TVector p0, TVector v0) {
    auto f = std::make_unique<fx::TOrlParabolicFunc>();
    f->SetName(name);
    f->SetDim(dim);
    f->OwnedByMorph = 0;
    f->P0 = p0;
    f->V0 = v0;
    funcs.Add(std::move(f));
  }
  fx::TMorphContext Context() { return {&funcs, &morphs, &random}; }
  // Reads "<Morph><Functions>…</Functions><Properties>…</Properties></Morph>" into a new morph.
  fx::TOrlMorph& Morph(const char* name, int dim, const std::string& xml) {
    auto morph = std::make_unique<fx::TOrlMorph>(Context());
    morph->SetName(name);
    morph->SetDim(dim);
    fx::TOrlMorph& m = *morph;
    morphs.Add(std::move(morph));
    data::TOrlParser parser;
    parser.LoadFromText("<Morph>" + xml + "</Morph>");
    const data::TOrlXMLTag* root = parser.TagByName("Morph");
    if (const data::TOrlXMLTag* f = root->TagByName("Functions")) m.LoadFunctionsTag(*f);
    if (const data::TOrlXMLTag* p = root->TagByName("Properties")) m.LoadPropertiesTag(*p);
    return m;
  }
};

}  // namespace

TEST(Morph, WeightsScaleRotationAndPosition) {
  Libraries libs;
  fx::TOrlMorph& plain =
      libs.Morph("Plain", 2, "<Functions><Function Name=\"still\" Weight=\"3\"/></Functions>");
  EXPECT_VEC_NEAR(plain.GetValue(0), 3, 3, 0, 1e-6);
  libs.funcs.Find("Still")->Weight = 1;  // shared: the morph wrote the library's function

  fx::TOrlMorph& shaped = libs.Morph("Shaped", 2,
                                     "<Functions><Function Name=\"Still\"/></Functions>"
                                     "<Properties><Property Name=\"Scale\">2, 3</Property>"
                                     "<Property Name=\"Position\">10, 10</Property></Properties>");
  EXPECT_VEC_NEAR(shaped.GetValue(0), 12, 13, 0, 1e-5);
  shaped.SetProperty(fx::kCodeScale, {1, 0, 0});
  shaped.SetProperty(fx::kCodeRotation, {static_cast<float>(M_PI / 2), 0, 0});
  shaped.SetProperty(fx::kCodePosition, {0, 0, 0});
  EXPECT_VEC_NEAR(shaped.GetValue(0), 0, -1, 0, 1e-5);  // (1, 1) scaled to (1, 0), turned

  // A zero value is ignored, so a Scale of 0 leaves the scale at 1.
  fx::TOrlMorph& zero =
      libs.Morph("Zero", 2,
                 "<Functions><Function Name=\"Still\"/></Functions>"
                 "<Properties><Property Name=\"Scale\">0</Property></Properties>");
  EXPECT_FALSE(zero.Scaled);
  // A function of another Dim, or an unknown one, adds nothing and its weight is not read.
  fx::TOrlMorph& none = libs.Morph("None", 2,
                                   "<Functions><Function Name=\"Line1\" Weight=\"x\"/>"
                                   "<Function Name=\"Nope\"/></Functions>");
  EXPECT_EQ(none.FunctionCount(), 0);
}

TEST(Morph, TimesAreLocalToBaseAndStartTime) {
  Libraries libs;
  fx::TOrlMorph& m = libs.Morph("Timed", 2, "<Functions><Function Name=\"Drift\"/></Functions>");
  m.SetBaseTime(5000);
  EXPECT_VEC_NEAR(m.GetValue(5300), 4, 0, 0, 1e-4);
  m.SetProperty(fx::kCodeStartTime, {0.2f, 0, 0});
  EXPECT_EQ(m.StartTime(), 200);
  EXPECT_VEC_NEAR(m.GetValue(5300), 6, 0, 0, 1e-4);
  m.TimeShift = -500;
  EXPECT_VEC_NEAR(m.GetValue(5300), 1, 0, 0, 1e-4);
}

TEST(Morph, InitialisersFromRangesAndOtherMorphs) {
  Libraries libs;
  fx::TOrlMorph& ranged = libs.Morph("Ranged", 1,
                                     "<Functions><Function Name=\"Line1\"/></Functions>"
                                     "<Properties><Property Name=\"Scale\">0.5..1.5</Property>"
                                     "<Property Name=\"Position\">1..1</Property></Properties>");
  ASSERT_EQ(ranged.Inits().size(), 2u);
  EXPECT_EQ(ranged.Inits()[0].SourceKind, fx::kSourceRandom);
  EXPECT_EQ(ranged.Inits()[1].SourceKind, fx::kSourceConstant);
  for (int i = 0; i < 20; ++i) {
    ASSERT_TRUE(ranged.Init());
    EXPECT_GE(ranged.Scale.x, 0.5f);
    EXPECT_LT(ranged.Scale.x, 1.5f);
    EXPECT_EQ(ranged.Position.x, 1.0f);
  }

  fx::TOrlMorph& leader =
      libs.Morph("Leader", 2, "<Functions><Function Name=\"Drift\"/></Functions>");
  fx::TOrlMorph& follower = libs.Morph("Follower", 2,
                                       "<Functions><Function Name=\"Still\"/></Functions>"
                                       "<Properties><Property Name=\"Position\">LEADER</Property>"
                                       "</Properties>");
  EXPECT_VEC_NEAR(follower.GetValue(1000), 12, 1, 0, 1e-4);
  EXPECT_VEC_NEAR(follower.GetValue(2000), 22, 1, 0, 1e-4);
  EXPECT_TRUE(follower.DependsOn(&leader));
  std::vector<fx::TOrlMorph*> tree;
  follower.CollectTree(tree);
  EXPECT_EQ(tree, (std::vector<fx::TOrlMorph*>{&leader, &follower}));

  // A morph never takes its values from itself, directly or through another.
  EXPECT_EQ(ErrorOf([&] {
              libs.Morph("Loop", 2,
                         "<Properties><Property Name=\"Position\">Loop</Property>"
                         "</Properties>");
            }),
            "Morph \"Loop\" cannot take its values from morph \"Loop\", which depends on it");
  EXPECT_NE(ErrorOf([&] { leader.AddInit(fx::kTargetScale, {}, -1, -1, "Follower", {}); }),
            "(no error)");
}

TEST(Morph, FunctionParametersAndClones) {
  Libraries libs;
  fx::TOrlMorph& m = libs.Morph("Params", 2,
                                "<Functions><Function Name=\"Drift\" Clone=\"true\"/>"
                                "<Function Name=\"Still\" Clone=\"True\"/></Functions>"
                                "<Properties><Property Name=\"Drift.V0\">0, 20</Property>"
                                "</Properties>");
  EXPECT_NE(m.Function(0), libs.funcs.Find("Drift"));
  EXPECT_EQ(m.Function(1), libs.funcs.Find("Still"));
  EXPECT_VEC_NEAR(m.GetValue(1000), 2, 21, 0, 1e-4);
  EXPECT_VEC_NEAR(libs.funcs.Find("Drift")->GetValue(1000), 11, 0, 0, 1e-4);

  auto copy = fx::TOrlMorph::CloneFrom(m, libs.Context());
  EXPECT_NE(copy->Function(0), m.Function(0));
  EXPECT_EQ(copy->Function(1), m.Function(1));
  EXPECT_EQ(copy->Name(), "Params");

  auto error = [&](const std::string& xml) { return ErrorOf([&] { libs.Morph("Bad", 2, xml); }); };
  EXPECT_EQ(error("<Functions><Func Name=\"Still\"/></Functions>"),
            "<Functions> tag contains invalid child tag <Func>");
  EXPECT_EQ(error("<Functions><Function/></Functions>"),
            "<Function> tag has no \"Name\" attribute");
  EXPECT_EQ(error("<Properties><Prop/></Properties>"),
            "Morph + \"Bad\" <Properties> tag contains invalid tag \"Prop\"");
  EXPECT_EQ(error("<Properties><Property>1</Property></Properties>"),
            "<Property> tag has no \"Name\" attribute");
  EXPECT_EQ(error("<Properties><Property Name=\".V0\">1</Property></Properties>"),
            "<Property> tag \"Name\" attribute has invalid value \".V0\"");
  EXPECT_EQ(error("<Properties><Property Name=\"Size\">1</Property></Properties>"),
            "<Property> tag \"Name\" attribute has invalid value \"Size\"");
  EXPECT_EQ(error("<Properties><Property Name=\"Wave.g1\">1</Property></Properties>"),
            "<Property> tag \"Name\" attribute value contains unknown Function name \"Wave\"");
  EXPECT_EQ(error("<Functions><Function Name=\"Still\"/></Functions>"
                  "<Properties><Property Name=\"Still.p0\">1</Property></Properties>"),
            "Invalid TOrlParabolicFunc function \"Still\" parameter \"p0\"");
  EXPECT_EQ(error("<Properties><Property Name=\"Scale\">1,2,3,4</Property></Properties>"),
            "\"1,2,3,4\" string-to-vector convertation failed");
}

TEST(Morph, RotationPatternsOfThreeDimensionalMorphs) {
  Libraries libs;
  fx::TOrlMorph& m = libs.Morph("Spin", 3,
                                "<Properties><Property Name=\"RotationPattern\">(0,0,5); Z[1]; "
                                "X=0</Property></Properties>");
  ASSERT_EQ(m.Rotator.Steps().size(), 2u);
  EXPECT_TRUE(m.Rotated);
  EXPECT_EQ(m.Rotator.Steps()[0].Param, 1);
  EXPECT_EQ(m.Rotator.Steps()[1].Translation, (TVector{0, 0, 5}));
  auto f = std::make_unique<fx::TOrlParabolicFunc>();
  f->SetDim(3);
  f->P0 = {1, 0, 0};
  m.AddFunction(std::move(f));
  // Until a Rotation is applied the morph keeps the matrix it had (identity rotations).
  EXPECT_VEC_NEAR(m.GetValue(0), 1, 0, 0, 1e-6);
  EXPECT_EQ(m.Rotator.Matrix().m[3][2], 10.0f);
  m.SetProperty(fx::kCodeRotation, {static_cast<float>(M_PI / 2), 0, 0});
  // Both steps carry the translation given before them.
  EXPECT_VEC_NEAR(m.GetValue(0), 0, 1, 10, 1e-5);

  auto error = [&](const char* pattern) { return ErrorOf([&] { m.SetRotationPattern(pattern); }); };
  EXPECT_EQ(error("X[4]"), "Invalid rotation pattern parameter index");
  EXPECT_EQ(error("Q=1"), "Invalid base axis value \"Q\"");
  EXPECT_EQ(error("Y=abc"), "\"abc\" is not a valid floating point value");
  fx::TOrlMorph& flat = libs.Morph("Flat", 2,
                                   "<Properties><Property Name=\"RotationPattern\">"
                                   "Q=1</Property></Properties>");
  EXPECT_FALSE(flat.Rotated);  // only three-dimensional morphs read patterns
}
