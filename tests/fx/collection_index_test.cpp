// tests/fx/collection_index_test.cpp — name look-ups of effect libraries kept right when items
// are renamed after they were added, copied or cleared, and path point counting with
// coinciding points.
#include <gtest/gtest.h>

#include <memory>

#include "fx/orl_object.hpp"
#include "fx/piecewise_func.hpp"

namespace fx {
namespace {

std::unique_ptr<TOrlObject> Named(const std::string& name) {
  auto item = std::make_unique<TOrlObject>();
  item->SetName(name);
  return item;
}

TEST(CollectionIndex, LookUpsIgnoreCaseAndFollowRenamesAndCopies) {
  TOrlStaticCollection lib;
  lib.Add(Named("Path"));
  lib.Add(nullptr);  // an empty slot
  lib.Add(Named("PATH"));
  lib.Add(Named("Glow"));
  EXPECT_EQ(lib.IndexOf("path"), 0);
  EXPECT_EQ(lib.IndexOf("GLOW"), 3);
  EXPECT_EQ(lib.IndexOf("none"), -1);

  lib.Item(0)->SetName("Other");  // renamed after it was added
  EXPECT_EQ(lib.IndexOf("path"), 2);
  EXPECT_EQ(lib.IndexOf("other"), 0);
  lib.Item(3)->Assign(lib.Item(0));  // Assign copies the name too
  EXPECT_EQ(lib.IndexOf("glow"), -1);
  EXPECT_EQ(lib.IndexOf("other"), 0);

  TOrlStaticCollection copy;
  ASSERT_TRUE(copy.Assign(&lib));
  EXPECT_EQ(copy.IndexOf("PATH"), 2);
  copy.Item(2)->SetName("Moved");
  EXPECT_EQ(copy.IndexOf("moved"), 2);
  EXPECT_EQ(lib.IndexOf("moved"), -1);  // the original is not the copy's owner

  lib.Clear();
  EXPECT_EQ(lib.IndexOf("path"), -1);
  lib.Add(Named("Path"));
  EXPECT_EQ(lib.IndexOf("path"), 0);
}

TEST(CollectionIndex, PathPointsCountCoincidingEndsOnceAcrossScriptsAndMoves) {
  TOrlPiecewiseFunc path;
  path.SetDim(2);
  path.SetScript("Set Linear; Path (0,0) (10,0) (10,10) (0,0);");  // closed: three points
  EXPECT_EQ(path.PointCount(), 3);
  path.SetScript("Path (10,10) (20,20);");  // starts on a known point
  EXPECT_EQ(path.PointCount(), 4);
  // Both within the tolerance of known points, though not equal to them as floats.
  path.SetScript("Path (20,20.0000001) (10.0000005,0) (30,30);");
  EXPECT_EQ(path.PointCount(), 5);
  path.MovePoint(1, false, false, 0, 0, 1, 1, 50, 50, 0);  // the first start moves away...
  path.SetScript("Path (0,0) (50,50);");  // ...yet (0,0) still ends the third piece
  EXPECT_EQ(path.PointCount(), 5);
  path.Clear();
  path.SetScript("Path (0,0) (1,0);");
  EXPECT_EQ(path.PointCount(), 2);
}

}  // namespace
}  // namespace fx
