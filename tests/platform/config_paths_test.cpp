// tests/platform/config_paths_test.cpp — the per-user values folder under the XDG rules.
#include "platform/config_paths.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/scratch_dir.hpp"

namespace {

// Puts an environment variable back as it was when the test ends.
class TEnvScope {
 public:
  explicit TEnvScope(const char* name) : name(name) {
    if (const char* value = std::getenv(name)) old = value, had = true;
  }
  ~TEnvScope() { had ? ::setenv(name, old.c_str(), 1) : ::unsetenv(name); }
  void Set(const char* value) const { value ? ::setenv(name, value, 1) : ::unsetenv(name); }

 private:
  const char* name;
  std::string old;
  bool had = false;
};

}  // namespace

TEST(ConfigPaths, FollowsXdgConfigHomeThenHome) {
  const TEnvScope config("XDG_CONFIG_HOME"), home("HOME");
  home.Set("/home/anna");
  config.Set("/tmp/cfg");
  EXPECT_EQ(platform::UserValuesFolder(), "/tmp/cfg/Tovrel/Zerith");
  config.Set("relative/cfg");  // relative paths do not count
  EXPECT_EQ(platform::UserValuesFolder(), "/home/anna/.config/Tovrel/Zerith");
  config.Set("");
  EXPECT_EQ(platform::UserValuesFolder(), "/home/anna/.config/Tovrel/Zerith");
  config.Set(nullptr);
  home.Set(nullptr);  // the password database still knows the home folder
  const std::string fromDatabase = platform::UserValuesFolder();
  EXPECT_TRUE(fromDatabase.ends_with("/.config/Tovrel/Zerith")) << fromDatabase;
}

TEST(ConfigPaths, MakeFolderCreatesParentsAndReportsFailure) {
  const support_test::TScratchDir dir;
  const std::string base = dir / "zerith-config-paths";
  std::string reason;
  EXPECT_TRUE(platform::MakeFolder(base + "/a/b", reason));
  EXPECT_TRUE(platform::MakeFolder(base + "/a/b", reason));  // already there
  EXPECT_FALSE(platform::MakeFolder("/proc/zerith/none", reason));
  EXPECT_FALSE(reason.empty());
}
