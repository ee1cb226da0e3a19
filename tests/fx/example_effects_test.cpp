// The example effect files in tests/fixtures/fx, run through zerith-tool as an effect author
// would run them.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "app/tool/tool.hpp"

namespace {

std::string Fixture(const char* name) {
  return std::string(ZERITH_TEST_DATA) + "/fx/" + name;
}

std::string RunOk(const tool::Args& args) {
  std::ostringstream out, err;
  EXPECT_EQ(tool::RunTool(args, out, err), 0) << err.str();
  return out.str();
}

struct Frame {
  std::string head;  // "T finished=F live=N"
  std::vector<std::vector<double>> particles;
};

// Splits the effect command's output of a one-system effect into frames.
std::vector<Frame> Frames(const std::string& text) {
  std::vector<Frame> frames;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.find("finished=") != std::string::npos) {
      frames.push_back({line, {}});
    } else if (line.rfind("system ", 0) != 0) {
      std::istringstream values(line);
      std::vector<double> v;
      for (double x; values >> x;) v.push_back(x);
      frames.back().particles.push_back(v);
    }
  }
  return frames;
}

}  // namespace

TEST(ExampleEffects, TrailSpreadsFiveDotsAlongItsPath) {
  const std::string out =
      RunOk({"effect", Fixture("trail.xml"), "--start", "1000", "--at", "1000,1300,3001"});
  const std::vector<Frame> frames = Frames(out);
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(out.substr(0, out.find('\n', out.find('\n') + 1)),
            "1000 finished=0 live=5\nsystem Dots count=5");
  // Dots start 0, 200, 400, 600 and 800 ms along the 1000 ms corner path.
  const double at1000[5][2] = {{0, 0}, {40, 0}, {80, 0}, {100, 20}, {100, 60}};
  const double at1300[5][2] = {{60, 0}, {100, 0}, {100, 40}, {100, 80}, {100, 100}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(frames[0].particles[i][0], at1000[i][0], 1e-3);
    EXPECT_NEAR(frames[0].particles[i][1], at1000[i][1], 1e-3);
    EXPECT_NEAR(frames[1].particles[i][0], at1300[i][0], 1e-3);
    EXPECT_NEAR(frames[1].particles[i][1], at1300[i][1], 1e-3);
    EXPECT_NEAR(frames[1].particles[i][2], 0.25 * std::sin(2 * M_PI * 0.3) + 0.75, 1e-3);
    EXPECT_EQ(frames[1].particles[i][3], 1);  // frame 4 per second: 1.2 rounds to 1
  }
  EXPECT_EQ(frames[2].head, "3001 finished=1 live=5");  // the lifetime of 2 s is over
}

TEST(ExampleEffects, FountainThrowsPairsThatFadeAndDie) {
  std::string times = "1000";
  for (int t = 1020; t <= 3000; t += 20) times += "," + std::to_string(t);
  const std::vector<Frame> frames = Frames(
      RunOk({"effect", Fixture("fountain.xml"), "--seed", "1", "--start", "1000", "--at", times}));
  ASSERT_EQ(frames.size(), 101u);
  size_t most = 0;
  for (const Frame& f : frames) {
    most = std::max(most, f.particles.size());
    for (const auto& p : f.particles) {
      EXPECT_GE(p[2], 0.1);  // alpha below the live range is never shown
      EXPECT_EQ(p[4], 255);
      EXPECT_EQ(p[5], 128);
      if (p[2] < 1.0) {  // thrown earlier: around the jet at (400, 300), rising or falling
        EXPECT_NEAR(p[0], 400, 25.01);
        EXPECT_GT(p[1], 300);
      }
    }
  }
  EXPECT_EQ(most, 10u);
  // Each drop gets its own random speed from its private copy of the arc.
  const Frame& late = frames[50];
  ASSERT_GE(late.particles.size(), 4u);
  EXPECT_NE(late.particles[0][0], late.particles[1][0]);
  // The same seed gives the same fountain.
  EXPECT_EQ(
      RunOk({"effect", Fixture("fountain.xml"), "--seed", "1", "--start", "1000", "--at", times}),
      RunOk({"effect", Fixture("fountain.xml"), "--seed", "1", "--start", "1000", "--at", times}));
}

TEST(ExampleEffects, SparkleBurstsCircleADriftingCentre) {
  std::string times = "10000";
  for (int t = 10050; t <= 14000; t += 50) times += "," + std::to_string(t);
  const std::vector<Frame> frames = Frames(
      RunOk({"effect", Fixture("sparkle.xml"), "--seed", "3", "--start", "10000", "--at", times}));
  std::vector<std::string> births;
  size_t count = 0;
  for (const Frame& f : frames) {
    if (f.particles.size() > count) births.push_back(f.head.substr(0, f.head.find(' ')));
    count = f.particles.size();
    for (const auto& p : f.particles) {
      // Circles of radius 20 around a centre within a few units of the origin.
      EXPECT_LT(std::hypot(p[0], p[1]), 20 + 5 * std::sqrt(2.0) + 10 * 1.5 + 0.01);
      EXPECT_NEAR(p[5], 200, 1e-9);
      EXPECT_NEAR(p[6], 255, 1e-9);
    }
  }
  EXPECT_EQ(births,
            (std::vector<std::string>{"10000", "10100", "10200", "11200", "11300", "11400", "12400",
                                      "12500", "12600", "13600", "13700", "13800"}));
  // Sparks live 1.5 s: the one born at 10000 ms is still there at 11500 and gone at 11550.
  EXPECT_EQ(frames[30].head, "11500 finished=0 live=6");
  EXPECT_EQ(frames[31].head, "11550 finished=0 live=5");
  EXPECT_EQ(frames[35].head, "11750 finished=0 live=3");
}

TEST(ExampleEffects, ToolReportsBadFilesAndArguments) {
  std::ostringstream out, err;
  EXPECT_EQ(
      tool::RunTool({"effect", Fixture("missing.xml"), "--start", "0", "--at", "1"}, out, err), 1);
  EXPECT_NE(err.str().find("missing.xml"), std::string::npos);
  std::ostringstream out2, err2;
  EXPECT_EQ(tool::RunTool({"effect", Fixture("trail.xml"), "--at", "1"}, out2, err2), 1);
  EXPECT_NE(err2.str().find("--start is required"), std::string::npos);
  std::ostringstream out3, err3;
  EXPECT_EQ(
      tool::RunTool({"effect", Fixture("trail.xml"), "--start", "0", "--at", "1,,2"}, out3, err3),
      1);
  EXPECT_EQ(out3.str(), "");
}
