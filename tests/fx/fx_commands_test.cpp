// zerith-tool's effect commands, run in-process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/support/scratch_dir.hpp"
#include "tests/tool_test_support.hpp"

using tool_test::ExpectError;
using tool_test::Tool;
using tool_test::TToolResult;

TEST(FxCommands, PathPrintsOneLinePerTime) {
  TToolResult r = Tool(
      {"path", "Set Linear; Set Timing 0.3; Path (0,0) (30,40); Ending Stop;", "0", "150", "301"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out, "0 0.0000 0.0000\n150 15.0000 20.0000\n301 0.0000 0.0000\n");
  r = Tool({"path", "--dim", "3", "Set Linear; Path (0,0,0) (10,-20,30);", "500"});
  EXPECT_EQ(r.Out, "500 5.0000 -10.0000 15.0000\n");
  ExpectError(Tool({"path", "Path (0,0) (1,1);", "-5"}), "T must be a whole number");
  ExpectError(Tool({"path", "Path (0,0) (1,1);"}), "missing argument");
  ExpectError(Tool({"path", "--dim", "4", "Path (0,0) (1,1);", "1"}), "--dim");
}

// Every particle value, the frame included, is printed with four decimals. Dots move along a
// 1 s straight path; "Frame" counts up from 0.5 by 1 per second and rounds halves to even. The
// shared "Move" morph of system S is staggered by 0.25 s per dot and lifted by the system's
// Position; system C staggers private copies of the morph by 1000 ms / 4.
TEST(FxCommands, EffectPrintsEveryValueWithFourDecimals) {
  const support_test::TScratchDir dir;
  const std::string file = dir / "fx_commands_effect.xml";
  std::ofstream(file) << R"(<ParticleEffect Name="Dots" Lifetime="1">
  <Functions>
    <Function Name="Line" Dim="2" Type="piecewise">
      <Script>Set Linear; Set Timing 1; Path (0,0) (100,0);</Script>
    </Function>
    <Function Name="Count" Dim="1" Type="parabolic"><P0>0.5</P0><V0>1</V0></Function>
  </Functions>
  <Morphs>
    <Morph Name="Move" Dim="2"><Functions><Function Name="Line"/></Functions></Morph>
    <Morph Name="Frames" Dim="1"><Functions><Function Name="Count"/></Functions></Morph>
  </Morphs>
  <Particles>
    <Particle Name="Dot">
      <Parameter Name="Position" Dim="2" Morph="Move"/>
      <Parameter Name="Frame" Dim="1" Morph="Frames"/>
    </Particle>
    <Particle Name="Copy">
      <Parameter Name="Position" Dim="2" Morph="Move" ClonedMorph="true"/>
    </Particle>
  </Particles>
  <ParticleSystems>
    <ParticleSystem Name="S" Template="Dot">
      <InitParticles>2</InitParticles><InitInterval>0.25</InitInterval>
      <Position>10, 20</Position>
    </ParticleSystem>
    <ParticleSystem Name="C" Template="copy">
      <InitParticles>2</InitParticles><InitInterval>/4</InitInterval>
    </ParticleSystem>
  </ParticleSystems>
</ParticleEffect>)";
  const TToolResult r = Tool({"effect", file, "--start", "1000", "--at", "1000, 1500,2500"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out,
            "1000 finished=0 live=4\n"
            "system S count=2\n"
            "10.0000 20.0000 1.0000 0.0000 255.0000 255.0000 255.0000\n"
            "35.0000 20.0000 1.0000 0.0000 255.0000 255.0000 255.0000\n"
            "system C count=2\n"
            "0.0000 0.0000 1.0000 0.0000 255.0000 255.0000 255.0000\n"
            "25.0000 0.0000 1.0000 0.0000 255.0000 255.0000 255.0000\n"
            "1500 finished=0 live=4\n"
            "system S count=2\n"
            "60.0000 20.0000 1.0000 1.0000 255.0000 255.0000 255.0000\n"
            "85.0000 20.0000 1.0000 1.0000 255.0000 255.0000 255.0000\n"
            "system C count=2\n"
            "50.0000 0.0000 1.0000 0.0000 255.0000 255.0000 255.0000\n"
            "75.0000 0.0000 1.0000 0.0000 255.0000 255.0000 255.0000\n"
            "2500 finished=1 live=4\n"
            "system S count=2\n"
            "10.0000 20.0000 1.0000 2.0000 255.0000 255.0000 255.0000\n"
            "10.0000 20.0000 1.0000 2.0000 255.0000 255.0000 255.0000\n"
            "system C count=2\n"
            "0.0000 0.0000 1.0000 0.0000 255.0000 255.0000 255.0000\n"
            "0.0000 0.0000 1.0000 0.0000 255.0000 255.0000 255.0000\n");
}

TEST(FxCommands, EffectLoadFailurePrintsTheLoadersMessageAsItStands) {
  const support_test::TScratchDir dir;
  const std::string file = dir / "fx_commands_bad_effect.xml";
  std::ofstream(file) << "<ParticleEffect Title=\"x\"></ParticleEffect>";
  const TToolResult r = Tool({"effect", file, "--start", "0", "--at", "0"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err, "Tag <ParticleEffect> has no \"Name\" attribute\n");
}
