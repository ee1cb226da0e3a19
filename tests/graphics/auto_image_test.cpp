// tests/graphics/auto_image_test.cpp — AutoImage texts run against an archive in memory.
#include "graphics/auto_image.hpp"

#include <gtest/gtest.h>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "graphics/png_codec.hpp"
#include "test_support.hpp"
#include "tests/support/error_of.hpp"

namespace graphics {
namespace {

TImage Solid(int w, int h, uint8_t r, uint8_t g, uint8_t b, int alpha /* -1: no alpha */) {
  TImage img(w, h, alpha >= 0, static_cast<uint8_t>(alpha < 0 ? 255 : alpha));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.At(x, y)[0] = r, img.At(x, y)[1] = g, img.At(x, y)[2] = b;
  return img;
}

class AutoImageTest : public ::testing::Test {
 protected:
  void Add(const std::string& name, const TImage& img) {
    folder->AddFile(name, 2, data::TMemoryStream(EncodePng(img)));
  }
  // Runs the text and decodes what it added.
  TImage Run(const std::string& text, const std::string& result) {
    RenderAutoImageText(text, *folder, work);
    data::TMemoryStream* s = folder->GetFileStream(result);
    EXPECT_NE(s, nullptr);
    return s == nullptr ? TImage() : DecodePng(s->View(), result);
  }
  std::string RenderError(const std::string& text) {
    return support_test::ErrorOf([&] { RenderAutoImageText(text, *folder, work); });
  }
  std::unique_ptr<data::TFileFolder> folder = data::TFileFolder::CreateNew("unused.zxc");
  data::TMemoryStream work;
};

TEST_F(AutoImageTest, LayersBlendByTheFormulas) {
  Add("white.png", Solid(2, 1, 255, 255, 255, 255));
  Add("half.png", Solid(2, 1, 200, 100, 0, 128));
  Add("red.png", Solid(2, 1, 200, 0, 0, -1));
  const TImage out = Run(
      "<AutoImage name=\"Mix\" width=\"3\" height=\"1\">\r\n"
      "<AddImage name=\"half.png\" left=\"0\" top=\"0\" />\r\n"  // first layer: copied, not blended
      "<AddImage name=\"white.png\" left=\"1\" top=\"0\" alfa=\"128\" />\r\n"
      "</AutoImage>\r\n",
      "Mix.pNg");
  ASSERT_EQ(out.Width, 3);
  ASSERT_TRUE(out.HasAlpha);
  EXPECT_EQ(out.At(0, 0)[0], 200);
  EXPECT_EQ(out.At(0, 0)[3], 129);  // 255 - (255 × 127) div 256
  // Second layer at alfa 128 over the first: k = 127, ((255 - k) × 200 + k × 255) div 256.
  EXPECT_EQ(out.At(1, 0)[0], (128 * 200 + 127 * 255) / 256);
  EXPECT_EQ(out.At(1, 0)[2], (127 * 255) / 256);
  EXPECT_EQ(out.At(2, 0)[0], (127 * 255) / 256);  // over the black canvas
  // Alpha: f = 255 × 128 div 256 = 127 merged onto e = 129 and onto e = 0.
  EXPECT_EQ(out.At(1, 0)[3], 255 - (126 * 128) / 256);
  EXPECT_EQ(out.At(2, 0)[3], 255 - (255 * 128) / 256);

  // Tint: colorvalue 1 takes almost the pure colour; colorvalue 0 ignores the colour.
  const TImage tinted = Run(
      "<AutoImage name=\"Tint\" autosize=\"TRUE\">\n"
      "<AddImage name=\"red.png\" left=\"5\" top=\"5\" srcrect=\"1 0 1 0\" colorvalue=\"257\" "
      "color=\"10 20 30\" />\n"
      "<AddImage name=\"red.png\" left=\"0\" top=\"0\" srcrect=\"0 0 0 0\" color=\"10 20 30\" />\n",
      "Tint.pNg");
  ASSERT_EQ(tinted.Width, 1);  // autosize: the size of the source rectangle, placed at 0, 0
  EXPECT_FALSE(tinted.HasAlpha);
  EXPECT_EQ(tinted.At(0, 0)[0], 200);
  EXPECT_EQ(tinted.At(0, 0)[1], 0);
}

TEST_F(AutoImageTest, TintOnTheFirstLayerUsesTheTintedColour) {
  Add("red.png", Solid(1, 1, 200, 0, 0, -1));
  const TImage out = Run(
      "<AutoImage name=\"T\" autosize=\"true\">\n"
      "<AddImage name=\"red.png\" left=\"0\" top=\"0\" colorvalue=\"1\" color=\"10 20 30\" />\n",
      "T.pNg");
  // t + floor((s - t) / 256): 10 + floor(190 / 256) = 10; 20 + floor(-20 / 256) = 19.
  EXPECT_EQ(out.At(0, 0)[0], 10);
  EXPECT_EQ(out.At(0, 0)[1], 19);
  EXPECT_EQ(out.At(0, 0)[2], 29);
}

TEST_F(AutoImageTest, OperationsRunInTextOrderWithRememberedSizes) {
  Add("p.png", graphics_test::Pattern(6, 4, true));
  const TImage out =
      Run("<AutoImage name=\"Ops\" autosize=\"true\">\n"
          "<AddImage name=\"p.png\" left=\"9\" top=\"9\" srcrect=\"1 1 4 3\"/>\n"
          "<FlipImageVertical/>\n"
          "<ScaleImage width=\"8\" height=\"6\"/>\n"
          "<CropImage left=\"1\" top=\"1\"/>\n"  // right and bottom: the srcrect's 4 and 3
          "<RotateImage/>\n",
          "Ops.pNg");
  EXPECT_EQ(out.Width, 3);
  EXPECT_EQ(out.Height, 2);
  EXPECT_TRUE(out.HasAlpha);
  const TImage grey =
      Run("<AutoImage name=\"ColorBomb3\" autosize=\"true\">\n"
          "<AddImage name=\"p.png\" left=\"0\" top=\"0\" />\n"
          "<ImageHueChange hue=\"40\" saturation=\"-10\" lightness=\"5\"/>\n"
          "</AutoImage>\n",
          "ColorBomb3.pNg");
  EXPECT_EQ(grey.Width, 6);
  const int f = graphics_test::Pattern(6, 4, true).At(2, 2)[3];
  EXPECT_EQ(grey.At(2, 2)[3], 255 - (255 * (255 - f)) / 256);  // hue change leaves alpha alone
}

TEST_F(AutoImageTest, ErrorsNameWhatIsWrong) {
  Add("p.png", graphics_test::Pattern(2, 2, false));
  EXPECT_EQ(
      RenderError("<AutoImage name=\"A\" autosize=\"true\">\n<AddImage name=\"q.png\" left=\"0\" "
                  "top=\"0\" />"),
      "File q.png does not exist in File Folder!");
  EXPECT_EQ(RenderError(
                "<AutoImage name=\"B\" autosize=\"true\">\n<AddImage name=\"p.png\" top=\"0\" />"),
            "\"\" is not a valid integer value");
  EXPECT_EQ(
      RenderError("<AutoImage name=\"C\" autosize=\"true\">\n<AddImage name=\"p.png\" left=\"0\" "
                  "top=\"0\" srcrect=\"0 0 1\" />"),
      "\"%&\" is not a valid integer value");
  EXPECT_EQ(RenderError("<AutoImage name=\"D\" width=\"x\" height=\"2\">"),
            "\"x\" is not a valid integer value");
  EXPECT_EQ(RenderError("<AutoImage name=\"E\" width=\"100000\" height=\"100000\">"),
            "[TPNGMorf.RenderAutoImage] AutoImage of \"E\": size 100000 x 100000 is not a usable "
            "picture size");
  EXPECT_EQ(RenderError("<AutoImage name=\"F\" autosize=\"true\">\n<FlipImageVertical/>"),
            "[TPNGMorf.RenderAutoImage] FlipImageVertical of \"F\" has no picture to work on: add "
            "an image first");
  // Two texts of the same name: the archive refuses the second result.
  RenderAutoImageText("<AutoImage name=\"G\" width=\"2\" height=\"2\">\n<FlipImageVertical/>",
                      *folder, work);
  EXPECT_EQ(RenderError("<AutoImage name=\"g\" width=\"2\" height=\"2\">\n<FlipImageVertical/>"),
            "Cannot add file (dublicate)");
}

TEST_F(AutoImageTest, ATextThatNeverDrawsAddsAnEmptyEntry) {
  work.Write("left over from an earlier text");
  RenderAutoImageText("<AutoImage name=\"Empty\" width=\"4\" height=\"4\">\n</AutoImage>", *folder,
                      work);
  const int i = folder->IndexOf("Empty.pNg");
  ASSERT_GE(i, 0);
  EXPECT_EQ(folder->Dir()[i].Size, 0);
  EXPECT_EQ(folder->Dir()[i].Kind, 2);
  EXPECT_EQ(work.Size(), 0u);
}

}  // namespace
}  // namespace graphics
