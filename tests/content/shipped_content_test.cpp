// tests/content/shipped_content_test.cpp — the archives the build ships: unpacked the way the
// game does at first start, every picture and catalogue the game asks for is there and decodes,
// the crystal colours stay apart, and every level passes level-check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "content/pieces/colours.hpp"
#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "graphics/attr_text.hpp"
#include "graphics/auto_image.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "graphics/png_morf.hpp"
#include "tests/support/scratch_dir.hpp"
#include "tests/tool_test_support.hpp"

namespace {

namespace fs = std::filesystem;

const std::string kBin = ZERITH_CONTENT_BIN;

// The working copies, made once for the whole file.
class ShippedContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = new support_test::TScratchDir("shipped-content");
    graphics::TPNGMorf morf(90);
    morf.MorfArchive(kBin + "/game/game.zxc", *dir / "game.zxc");
    morf.MorfArchive(kBin + "/levels/levels.zxc", *dir / "levels.zxc");
  }
  static void TearDownTestSuite() {
    delete dir;
    dir = nullptr;
  }
  static data::TFileFolder Open(const char* name) { return data::TFileFolder(*dir / name); }
  static graphics::TImage Decode(data::TFileFolder& f, const std::string& name) {
    data::TMemoryStream* s = f.GetFileStream(name);
    if (s == nullptr) throw std::runtime_error("missing " + name);
    return graphics::LooksLikePng(s->View()) ? graphics::DecodePng(s->View(), name)
                                             : graphics::DecodeJpeg(s->View(), name);
  }
  static std::vector<std::string> Lines(data::TFileFolder& f, const std::string& entry,
                                        const std::string& tag) {
    std::vector<std::string> out;
    std::istringstream in{std::string(f.GetFileStream(entry)->View())};
    for (std::string line; std::getline(in, line);)
      if (line.find("<" + tag + " ") != std::string::npos) out.push_back(line);
    return out;
  }
  static support_test::TScratchDir* dir;
};
support_test::TScratchDir* ShippedContent::dir = nullptr;

TEST_F(ShippedContent, EveryPictureTheGameNamesExistsAndDecodes) {
  data::TFileFolder game = Open("game.zxc");
  // name → frames across (the strips are cut into equal frames by the board drawing)
  const std::map<std::string, int> pictures = {{"cursor_line.png", 18},
                                               {"Frag1.png", 1},
                                               {"Frag2.png", 1},
                                               {"Frag3.png", 1},
                                               {"Frag4.png", 1},
                                               {"FragHint.png", 1},
                                               {"DeadProgressBar.png", 1},
                                               {"DeadProgressBarGreen.png", 1},
                                               {"DeadProgressBarOn.png", 1},
                                               {"particle1.png", 1},
                                               {"particle_shift.png", 1},
                                               {"particle_shuffle.png", 1},
                                               {"boomstar.png", 1},
                                               {"boomcolorstar.png", 1},
                                               {"small_coin_line.png", 12},
                                               {"silver_coin_line.png", 12},
                                               {"gold_coin_line.png", 12},
                                               {"smallshuffle_small_line.png", 24},
                                               {"shuffle_small_line.png", 24},
                                               {"smallshift_small_line.png", 24},
                                               {"shift_small_line.png", 24},
                                               {"bomb_small_line.png", 24},
                                               {"colorbomb_small_line.png", 24},
                                               {"tricolor_line.png", 24},
                                               {"Title.jpg", 1},
                                               {"TitleSketch.jpg", 1},
                                               {"GamePlay2.jpg", 1}};
  for (const auto& [name, frames] : pictures) {
    SCOPED_TRACE(name);
    // The two recoloured bars are AutoImage texts rendered at unpacking.
    const std::string entry = name.rfind("DeadProgressBar", 0) == 0 && name.size() > 19
                                  ? name.substr(0, name.size() - 4) + ".pNg"
                                  : name;
    const graphics::TImage img = Decode(game, entry);
    EXPECT_EQ(img.Width % frames, 0);
    if (name == "cursor_line.png") {
      EXPECT_EQ(img.Width, 18 * 40);
    }
    if (name.ends_with(".jpg")) {
      EXPECT_EQ(img.Width * 1000 + img.Height, 800 * 1000 + 600);
    }
  }
  for (const char* xml : {"fishkaShapes.xml", "MetaColors.xml", "BossTypes.xml"})
    EXPECT_GE(game.IndexOf(xml), 0) << xml;
}

TEST_F(ShippedContent, CataloguesNamePicturesTheLevelArchiveHolds) {
  data::TFileFolder game = Open("game.zxc"), levels = Open("levels.zxc");
  const auto shapes = Lines(game, "fishkaShapes.xml", "Shape");
  const auto colours = Lines(game, "MetaColors.xml", "Color");
  const auto bosses = Lines(game, "BossTypes.xml", "Boss");
  EXPECT_GE(shapes.size(), 12u);
  EXPECT_GE(colours.size(), 7u);
  EXPECT_GE(bosses.size(), 4u);
  std::set<std::string> heights, signs;
  for (const std::string& s : shapes) {
    heights.insert(graphics::AttrValue(s, "Height"));
    for (const std::string& c : colours) {
      const std::string pic =
          graphics::AttrValue(s, "Name") + "_" + graphics::AttrValue(c, "Material") + ".png";
      EXPECT_NO_THROW(Decode(levels, pic)) << pic;
    }
  }
  EXPECT_EQ(heights.size(), 1u) << "every shape must have the same relief height";
  for (const std::string& c : colours) signs.insert(graphics::AttrValue(c, "Sign"));
  EXPECT_EQ(signs.size(), colours.size()) << "each colour has its own sign";
  for (const std::string& sign : signs) EXPECT_NO_THROW(Decode(levels, sign)) << sign;
  std::set<std::string> powers;
  for (const std::string& b : bosses) {
    EXPECT_NO_THROW(Decode(levels, graphics::AttrValue(b, "Image")));
    powers.insert(graphics::AttrValue(b, "Power"));
  }
  for (const char* p : {"1", "2", "3"}) EXPECT_TRUE(powers.count(p)) << "a boss of power " << p;
}

// The hue of a colour in degrees, or -1 for a grey.
double HueDegrees(double r, double g, double b) {
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  if (mx - mn < 1e-6) return -1;
  double h = mx == r   ? (g - b) / (mx - mn)
             : mx == g ? 2 + (b - r) / (mx - mn)
                       : 4 + (r - g) / (mx - mn);
  h *= 60;
  return h < 0 ? h + 360 : h;
}

// Each colour as the game composes it (gem + shift): mean greys at least 20 levels apart (seven
// colours share the range, about 28 levels each), and
// the mean hue near the target the colour list gives.
TEST_F(ShippedContent, ComposedColoursStayDistinctInGreyscale) {
  data::TFileFolder game = Open("game.zxc"), levels = Open("levels.zxc");
  const auto colours = Lines(game, "MetaColors.xml", "Color");
  const auto targets = pieces::ReadColours(
      data::ReadWholeFile(std::string(ZERITH_CONTENT_SRC) + "/pieces/colours.txt"));
  ASSERT_EQ(targets.size(), colours.size());
  std::vector<double> grey;
  data::TMemoryStream work;
  for (size_t i = 0; i < colours.size(); ++i) {
    const std::string& c = colours[i];
    const std::string name = "probe_" + std::to_string(i);
    graphics::RenderAutoImageText(
        "<AutoImage name=\"" + name + "\" autosize=\"true\">\r\n<AddImage name=\"prism_" +
            graphics::AttrValue(c, "Material") + ".png\" left=\"0\" top=\"0\" />\r\n" +
            "<ImageHueChange hue=\"" + graphics::AttrValue(c, " H") + "\" saturation=\"" +
            graphics::AttrValue(c, " S") + "\" lightness=\"" + graphics::AttrValue(c, " L") +
            "\"/>\r\n</AutoImage>\r\n",
        levels, work);
    const graphics::TImage img = Decode(levels, name + ".pNg");
    double sum = 0, n = 0, rgb[3] = {0, 0, 0};
    for (int y = 0; y < img.Height; ++y)
      for (int x = 0; x < img.Width; ++x)
        if (img.AlphaAt(x, y) == 255) {
          const uint8_t* p = img.At(x, y);
          sum += 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
          for (int k = 0; k < 3; ++k) rgb[k] += p[k];
          ++n;
        }
    ASSERT_GT(n, 500);
    grey.push_back(sum / n);
    const graphics::TRgb& t = targets[i].Target;
    const double want = HueDegrees(t.R, t.G, t.B), got = HueDegrees(rgb[0], rgb[1], rgb[2]);
    const double diff = std::min(std::abs(want - got), 360 - std::abs(want - got));
    EXPECT_LT(diff, 20) << "colour " << i + 1 << ": hue " << got << " for target " << want;
  }
  std::sort(grey.begin(), grey.end());
  for (size_t i = 1; i < grey.size(); ++i)
    EXPECT_GE(grey[i] - grey[i - 1], 20.0) << "grey levels " << grey[i - 1] << " and " << grey[i];
}

TEST_F(ShippedContent, EveryLevelPassesLevelCheck) {
  const tool_test::TToolResult r =
      tool_test::Tool({"level-check", kBin + "/levels/levels.zxc", kBin + "/game/game.zxc"});
  EXPECT_EQ(r.Status, 0) << r.Out << r.Err;
  EXPECT_NE(r.Out.find(" 0 errors"), std::string::npos) << r.Out;
  const size_t at = r.Out.rfind(" levels checked");
  ASSERT_NE(at, std::string::npos) << r.Out;
  const size_t line = r.Out.rfind('\n', at);
  EXPECT_GE(std::stoi(r.Out.substr(line == std::string::npos ? 0 : line + 1)), 30) << r.Out;
}

TEST(ShippedArchives, StayWithinTheirSizeBudget) {
  const auto size =
      fs::file_size(kBin + "/game/game.zxc") + fs::file_size(kBin + "/levels/levels.zxc");
  EXPECT_LT(size, 25u * 1024 * 1024);
  for (int n : {48, 64, 128, 256}) {
    const std::string icon =
        kBin + "/icons/hicolor/" + std::to_string(n) + "x" + std::to_string(n) + "/apps/zerith.png";
    EXPECT_TRUE(fs::exists(icon)) << icon;
  }
}

}  // namespace
