// tests/platform/open_link_test.cpp — link files and starting the opener without a shell.
#include "platform/open_link.hpp"

#include <gtest/gtest.h>

#include "tests/support/scratch_dir.hpp"

namespace {

TEST(OpenLink, ShortcutFilesOpenTheirUrlLine) {
  EXPECT_EQ(
      platform::ShortcutUrl("[InternetShortcut]\r\nURL=https://example.org/a b\r\nIcon=1\r\n"),
      "https://example.org/a b");
  EXPECT_EQ(platform::ShortcutUrl("[InternetShortcut]\nIconFile=x\n  URL=http://x\n"), "http://x");
  EXPECT_EQ(platform::ShortcutUrl("no link here"), "");
  EXPECT_EQ(platform::ShortcutUrl(""), "");
}

TEST(OpenLink, StartsTheOpenerAndRefusesWhatItCannotOpen) {
  support_test::TScratchDir dir;
  platform::SetLinkOpener("true");  // a program that exists everywhere and does nothing
  std::string error;
  EXPECT_TRUE(platform::OpenLink("https://example.org", &error)) << error;
  const std::string shortcut = dir.Write("Site.URL", "[InternetShortcut]\r\nURL=https://x.org\r\n");
  EXPECT_TRUE(platform::OpenLink(shortcut, &error)) << error;
  EXPECT_FALSE(platform::OpenLink(dir.Write("empty.url", "[InternetShortcut]\r\n"), &error));
  EXPECT_NE(error.find("names nothing"), std::string::npos) << error;
  EXPECT_FALSE(platform::OpenLink(dir / "missing.url", &error));
  EXPECT_FALSE(platform::OpenLink("", &error));
  EXPECT_FALSE(platform::OpenLink("--help", &error));
  // A target with shell characters is one argument, never a command line.
  platform::SetLinkOpener("no-such-opener-program");
  EXPECT_FALSE(platform::OpenLink("https://x.org/;rm -rf", &error));
  EXPECT_NE(error.find("Cannot start"), std::string::npos) << error;
  platform::SetLinkOpener("");
}

}  // namespace
