// tests/graphics/auto_image_limits_test.cpp — AutoImage numbers at the ends of the int range:
// positions, boxes, centres and shifts that once overflowed now draw what they describe.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "graphics/auto_image.hpp"
#include "graphics/hls_color.hpp"
#include "graphics/image_ops.hpp"
#include "graphics/png_codec.hpp"
#include "test_support.hpp"
#include "tests/support/error_of.hpp"

namespace graphics {
namespace {

const std::string kMax = std::to_string(INT_MAX);
const std::string kMin = std::to_string(INT_MIN);

class AutoImageLimits : public ::testing::Test {
 protected:
  AutoImageLimits() {
    folder->AddFile("p.png", 2, data::TMemoryStream(EncodePng(graphics_test::Pattern(4, 3, true))));
  }
  // A 4×3 canvas holding p.png, then the given lines.
  TImage Run(const std::string& lines) {
    const std::string name = "R" + std::to_string(++runs);  // each result is a new entry
    RenderAutoImageText("<AutoImage name=\"" + name +
                            "\" width=\"4\" height=\"3\">\n"
                            "<AddImage name=\"p.png\" left=\"0\" top=\"0\"/>\n" +
                            lines + "</AutoImage>\n",
                        *folder, work);
    return DecodePng(work.View(), name + ".pNg");
  }
  std::string RenderError(const std::string& text) {
    return support_test::ErrorOf([&] { RenderAutoImageText(text, *folder, work); });
  }
  static bool AllClear(const TImage& img) {
    for (int y = 0; y < img.Height; ++y)
      for (int x = 0; x < img.Width; ++x)
        if (img.AlphaAt(x, y) != 0) return false;
    return true;
  }

  std::unique_ptr<data::TFileFolder> folder = data::TFileFolder::CreateNew("unused.zxc");
  data::TMemoryStream work;
  int runs = 0;
};

TEST_F(AutoImageLimits, FarPositionsAndSourceBoxesDrawNothingOutsideTheCanvas) {
  const TImage before = Run("");
  // A second layer placed at the far ends of int lands nowhere; the first stays as it was.
  EXPECT_EQ(Run("<AddImage name=\"p.png\" left=\"" + kMax + "\" top=\"" + kMin + "\"/>\n").Pixels,
            before.Pixels);
  EXPECT_EQ(Run("<AddImage name=\"p.png\" left=\"" + kMin + "\" top=\"0\" srcrect=\"" + kMax +
                " 0 " + kMax + " 2\"/>\n")
                .Pixels,
            before.Pixels);
  // A source box from one end of int to the other, with autosize, is no usable size.
  EXPECT_NE(RenderError("<AutoImage name=\"A\" autosize=\"true\">\n<AddImage name=\"p.png\" "
                        "left=\"0\" top=\"0\" srcrect=\"" +
                        kMin + " 0 " + kMax + " 2\"/>\n</AutoImage>\n")
                .find("is not a usable picture size"),
            std::string::npos);
}

TEST_F(AutoImageLimits, CropBoxesAtTheEndsOfIntAreClearOrRefused) {
  // Three columns starting far right of the picture: all clear.
  const TImage far = Run("<CropImage left=\"" + std::to_string(INT_MAX - 10) +
                         "\" top=\"0\" width=\"3\" height=\"2\"/>\n");
  EXPECT_EQ(far.Width, 3);
  EXPECT_TRUE(AllClear(far));
  // A box whose end lies beyond int cannot be described.
  EXPECT_NE(RenderError("<AutoImage name=\"C\" width=\"4\" height=\"3\">\n<AddImage name=\"p.png\" "
                        "left=\"0\" top=\"0\"/>\n<CropImage left=\"" +
                        kMax + "\" top=\"0\" width=\"5\" height=\"2\"/>\n</AutoImage>\n")
                .find("beyond the largest position"),
            std::string::npos);
  // A width that would wrap round to a small box is a size error, not a picture.
  EXPECT_NE(RenderError("<AutoImage name=\"C\" width=\"4\" height=\"3\">\n<AddImage name=\"p.png\" "
                        "left=\"0\" top=\"0\"/>\n<CropImage left=\"" +
                        kMin + "\" top=\"0\" width=\"" + kMax + "\" height=\"2\"/>\n</AutoImage>\n")
                .find("is not a usable picture size"),
            std::string::npos);
  // Called directly with a box spanning from INT_MAX - 1.
  const TImage direct =
      CropImage(graphics_test::Pattern(2, 2, false), {INT_MAX - 1, 0, INT_MAX, 1});
  EXPECT_TRUE(AllClear(direct));
}

TEST_F(AutoImageLimits, RotationCentresAndAnglesAtTheEndsOfInt) {
  // About a centre far away the picture turns right out of view.
  EXPECT_TRUE(AllClear(Run("<RotateImage x=\"" + kMin + "\" y=\"" + kMax + "\" angle=\"90\"/>\n")));
  const TImage turned =
      Run("<RotateImage x=\"" + kMax + "\" y=\"" + kMin + "\" angle=\"" + kMax + "\"/>\n");
  EXPECT_EQ(turned.Width, 4);
  EXPECT_TRUE(AllClear(turned));
}

TEST_F(AutoImageLimits, HueShiftsAtTheEndsOfIntSaturate) {
  const TImage up =
      Run("<ImageHueChange hue=\"" + kMax + "\" saturation=\"0\" lightness=\"" + kMax + "\"/>\n");
  const TImage down = Run("<ImageHueChange hue=\"" + kMin + "\" saturation=\"" + kMin +
                          "\" lightness=\"" + kMin + "\"/>\n");
  for (int x = 0; x < 4; ++x)
    for (int c = 0; c < 3; ++c) {
      EXPECT_EQ(up.At(x, 1)[c], 255);  // all the light there is
      EXPECT_EQ(down.At(x, 1)[c], 0);
    }
  // The conversion itself takes any int without overflowing.
  EXPECT_EQ(HlsToRgb({INT_MAX, INT_MAX, INT_MAX}), (TRgb{255, 255, 255}));
  EXPECT_EQ(HlsToRgb({INT_MIN, INT_MIN, 0}), (TRgb{0, 0, 0}));
  const TRgb mixed = HlsToRgb({INT_MIN, 120, INT_MAX});
  (void)mixed;  // any colour; the point is that no intermediate overflows
}

}  // namespace
}  // namespace graphics
