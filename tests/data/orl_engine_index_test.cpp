// tests/data/orl_engine_index_test.cpp — the engine's name index kept right through renames,
// duplicates, deletions and clearing.
#include <gtest/gtest.h>

#include <memory>

#include "data/orl_object.hpp"

namespace {

std::unique_ptr<data::TOrlObject> Named(const std::string& name) {
  auto object = std::make_unique<data::TOrlObject>();
  object->SetName(name);  // no engine yet: any name is taken
  return object;
}

TEST(OrlEngineIndex, LookUpsFollowRenamesDuplicatesAndDeletions) {
  data::TOrlEngine engine;
  engine.Add(Named("A"));
  engine.Add(Named("B"));
  engine.Add(Named("A"));  // Add does not check names: the first "A" wins look-ups
  engine.Add(Named(""));
  EXPECT_EQ(engine.IndexOfObject("A"), 0);
  EXPECT_EQ(engine.IndexOfObject("a"), -1);  // names are case-sensitive
  EXPECT_EQ(engine.IndexOfObject(""), 3);
  EXPECT_EQ(engine.IndexOfObject("C"), -1);

  engine.Object(0)->SetName("C");  // the second "A" comes forward
  EXPECT_EQ(engine.IndexOfObject("A"), 2);
  EXPECT_EQ(engine.IndexOfObject("C"), 0);

  engine.DeleteObject(1);  // later objects move down one place
  EXPECT_EQ(engine.IndexOfObject("B"), -1);
  EXPECT_EQ(engine.IndexOfObject("A"), 1);
  EXPECT_EQ(engine.IndexOfObject(""), 2);
  EXPECT_EQ(engine.FindObject("A"), engine.Object(1));

  // With its engine set, a rename to a taken name is refused and the index stays as it was.
  engine.Object(2)->SetEngine(&engine);
  engine.Object(2)->SetName("C");
  EXPECT_EQ(engine.Object(2)->Name(), "");
  EXPECT_EQ(engine.IndexOfObject("C"), 0);

  engine.Clear();
  EXPECT_EQ(engine.IndexOfObject("A"), -1);
  engine.Add(Named("A"));
  EXPECT_EQ(engine.IndexOfObject("A"), 0);
}

TEST(OrlEngineIndex, CreatedObjectsAreFoundAndNamelessDuplicatesAreNot) {
  data::TOrlEngine engine;
  EXPECT_EQ(engine.CreateObject("One", "Root", "TOrlObject"), 0);
  EXPECT_EQ(engine.CreateObject("One", "Root", "TOrlObject"), 1);  // stays nameless
  EXPECT_EQ(engine.Object(1)->Name(), "");
  EXPECT_EQ(engine.IndexOfObject("One"), 0);
  EXPECT_EQ(engine.IndexOfObject(""), 1);
  engine.DeleteByName("One");
  EXPECT_EQ(engine.IndexOfObject("One"), -1);
  EXPECT_EQ(engine.IndexOfObject(""), 0);
}

}  // namespace
