// tests/graphics/surf_engine_test.cpp — surfaces, loaders, clipping and the drawing arithmetic.
#include "graphics/surf_engine.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/memory_stream.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "test_support.hpp"
#include "tests/support/scratch_dir.hpp"

namespace graphics {
namespace {

using graphics_test::Pattern;
using support_test::TScratchDir;

// A surface of the given size whose every pixel is value, with an opaque alpha plane.
void AddSolid32(TSurfEngine& e, const std::string& name, int w, int h, uint32_t value,
                uint8_t alpha) {
  ASSERT_TRUE(e.CreateBlank(name, w, h));
  TSurface* s = e.Find(name);
  std::fill(s->Pixels32.begin(), s->Pixels32.end(), value);
  e.SetConstantAlpha(name, alpha);
}

TEST(SurfEngine, DrawPictureClipsAtTheScreenEdges) {
  TSurfEngine e;
  ASSERT_TRUE(e.Create(32));
  ASSERT_TRUE(e.CreateBlank(kBackBufferName, 800, 600));
  ASSERT_TRUE(e.CreateBlank("Pic", 100, 10));
  TSurface* pic = e.Find("Pic");
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 100; ++x) pic->Pixels32[y * 100 + x] = static_cast<uint32_t>(x + 1);
  e.SetConstantAlpha("Pic", 255);

  e.DrawPicture("Pic", kBackBufferName, -30, 5, 255);
  const TSurface* back = e.Find(kBackBufferName);
  EXPECT_EQ(back->Pixels32[5 * 800 + 0], 31u);  // column 30 at screen column 0
  EXPECT_EQ(back->Pixels32[5 * 800 + 69], 100u);
  EXPECT_EQ(back->Pixels32[5 * 800 + 70], 0u);

  e.Clear(kBackBufferName, 0);
  e.DrawPicture("Pic", kBackBufferName, 750, 595, 255);  // cut after column 799 and row 599
  EXPECT_EQ(back->Pixels32[599 * 800 + 799], 50u);
  EXPECT_EQ(back->Pixels32[595 * 800 + 750], 1u);

  // A rectangle of the picture, partly above the screen, and one reaching past the picture.
  e.Clear(kBackBufferName, 0);
  const TRect r{10, 2, 19, 9};
  e.DrawPicture("Pic", kBackBufferName, 0, -3, 255, &r);
  EXPECT_EQ(back->Pixels32[0], 11u);
  EXPECT_EQ(back->Pixels32[4 * 800], 11u);  // rows 5..9 of the picture on rows 0..4
  EXPECT_EQ(back->Pixels32[5 * 800], 0u);
  const TRect wide{95, 0, 140, 0};
  e.DrawPicture("Pic", kBackBufferName, 0, 100, 255, &wide);
  EXPECT_EQ(back->Pixels32[100 * 800 + 4], 100u);
  EXPECT_EQ(back->Pixels32[100 * 800 + 5], 0u);

  // A destination smaller than the screen is never written past its own edge.
  ASSERT_TRUE(e.CreateBlank("Small", 8, 4));
  e.DrawPicture("Pic", "Small", 3, 2, 255);
  EXPECT_EQ(e.Find("Small")->Pixels32[3 * 8 + 7], 5u);
}

TEST(SurfEngine, BlendingFollowsTheFormulasInBothDepths) {
  TSurfEngine e;
  ASSERT_TRUE(e.Create(32));
  ASSERT_TRUE(e.CreateBlank(kBackBufferName, 800, 600));
  AddSolid32(e, "White", 1, 1, 0xFFFFFF, 255);
  e.DrawPicture("White", kBackBufferName, 0, 0, 128);
  EXPECT_EQ(e.Find(kBackBufferName)->Pixels32[0], 0x7E7E7Eu);

  // Fill with alpha 0: floor(d * 255 / 256) per channel.
  e.Clear(kBackBufferName, 200);
  e.FillRect(kBackBufferName, {-5, -5, 1, 0}, 0xFFFFFF, 0);
  EXPECT_EQ(e.Find(kBackBufferName)->Pixels32[1], 0xC8C7C7C7u);
  EXPECT_EQ(e.Find(kBackBufferName)->Pixels32[2], 0xC8C8C8C8u);
  // Fill colour 0x00BBGGRR at alpha 255: each channel (k * 255) >> 8.
  e.FillRect(kBackBufferName, {0, 0, 0, 0}, 0x0000FF, 255);
  EXPECT_EQ(e.Find(kBackBufferName)->Pixels32[0] & 0xFFFFFFu, 0xFE0000u | ((200u * 0) >> 8));

  TSurfEngine e16;
  ASSERT_TRUE(e16.Create(16));
  ASSERT_TRUE(e16.CreateBlank(kBackBufferName, 800, 600));
  std::fill(e16.Find(kBackBufferName)->Pixels16.begin(), e16.Find(kBackBufferName)->Pixels16.end(),
            0xFFFF);
  // 16-bit fills only darken: each field (alpha * d) >> 8, colour unused.
  e16.FillRect(kBackBufferName, {0, 0, 0, 0}, 0x0000FF, 128);
  EXPECT_EQ(e16.Find(kBackBufferName)->Pixels16[0], (15 << 11) | (31 << 5) | 15);
}

TEST(SurfEngine, LoadersConvertPixelsAndGiveAlphaPlanesByTheRules) {
  TScratchDir dir;
  TImage black(2, 1, false);
  black.At(1, 0)[0] = 255;  // red
  TImage withAlpha = Pattern(3, 2, true);
  const std::string archivePath = dir / "pics.zxc";
  {
    auto folder = data::TFileFolder::CreateNew(archivePath);
    folder->AddFile("black.png", 2, data::TMemoryStream(EncodePng(black)));
    folder->AddFile("alpha.png", 2, data::TMemoryStream(EncodePng(withAlpha)));
    folder->AddFile("black.jpg", 2, data::TMemoryStream(EncodeJpeg(TImage(8, 8, false), 95)));
    folder->AddFile("broken.png", 2, data::TMemoryStream(EncodePng(black).substr(0, 40)));
    folder->Save();
  }
  data::TFileFolder folder(archivePath);
  TSurfEngine e16;
  ASSERT_TRUE(e16.Create(16));
  e16.LoadPngFromFolder(folder, "B", "BLACK.PNG");
  const TSurface* b = e16.Find("B");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->FileName, "BLACK.PNG");
  EXPECT_EQ(b->Pixels16[0], 0x0841);  // no PNG pixel is pure black
  EXPECT_EQ(b->Pixels16[1], 0xF841);
  EXPECT_EQ(b->AlphaPitch, 2);  // archive PNGs without alpha get an opaque plane
  EXPECT_EQ(b->Alpha, std::vector<uint8_t>(2, 255));
  e16.LoadJpgFromFolder(folder, "J", "black.jpg");
  ASSERT_NE(e16.Find("J"), nullptr);
  EXPECT_EQ(e16.Find("J")->Pixels16[0], 0);  // JPEG black stays black
  EXPECT_FALSE(e16.Find("J")->HasAlpha());
  e16.LoadPngFromFolder(folder, "Missing", "nothing.png");
  EXPECT_EQ(e16.IndexOf("Missing"), -1);
  EXPECT_THROW(e16.LoadPngFromFolder(folder, "Broken", "broken.png"), data::Error);
  EXPECT_EQ(e16.IndexOf("Broken"), -1);

  TSurfEngine e32;
  ASSERT_TRUE(e32.Create(32));
  e32.LoadPngFromFolder(folder, "A", "alpha.png");
  const TSurface* a = e32.Find("A");
  ASSERT_NE(a, nullptr);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      const uint8_t* p = withAlpha.At(x, y);
      EXPECT_EQ(a->Pixels32[y * 3 + x], Pixel32(p[0], p[1], p[2]));
      EXPECT_EQ(a->Alpha[y * 3 + x], p[3]);
    }

  // From disk: a PNG without alpha gets no plane; a missing file is false, not an error.
  const std::string file = dir / "black.png";
  data::TMemoryStream(EncodePng(black)).SaveToFile(file);
  EXPECT_TRUE(e32.LoadPngFromFile("F", file));
  EXPECT_FALSE(e32.Find("F")->HasAlpha());
  EXPECT_FALSE(e32.LoadPngFromFile("G", dir / "none.png"));
  EXPECT_FALSE(TSurfEngine().LoadPngFromFile("H", file));  // no display format yet
}

TEST(SurfEngine, SurfaceListAndUnknownNames) {
  TSurfEngine e;
  int w = 7, h = 7;
  EXPECT_FALSE(e.GetPictureSize("Nothing", w, h));
  EXPECT_EQ(w, 0);
  EXPECT_EQ(h, 0);
  EXPECT_FALSE(e.CreateBlank("X", 4, 4));  // no format before Create
  EXPECT_FALSE(e.Create(24));
  ASSERT_TRUE(e.Create(32));
  EXPECT_FALSE(e.CreateBlank("X", 0, 4));
  ASSERT_TRUE(e.CreateBlank("X", 4, 3));
  ASSERT_TRUE(e.CreateBlank("Y", 2, 2));
  EXPECT_TRUE(e.GetPictureSize("X", w, h));
  EXPECT_EQ(w, 4);
  EXPECT_EQ(h, 3);
  EXPECT_EQ(e.IndexOf("x"), -1);  // names are case-sensitive
  EXPECT_EQ(e.IndexOf("Y"), 1);
  e.RemoveSurface("X");
  EXPECT_EQ(e.IndexOf("Y"), 0);
  // Unknown names draw nothing and report nothing.
  e.DrawPicture("Nope", "Y", 0, 0, 255);
  e.DrawPicture("Y", "Nope", 0, 0, 255);
  e.FillRect("Nope", {0, 0, 9, 9}, 0, 0);
  EXPECT_FALSE(e.CopyPicture("Y", "Nope", 0, 0));
}

TEST(SurfEngine, CopyIsRefusedWhenItDoesNotFit) {
  TSurfEngine e;
  ASSERT_TRUE(e.Create(32));
  ASSERT_TRUE(e.CreateBlank("D", 10, 10));
  ASSERT_TRUE(e.CreateBlank("S", 4, 4));
  std::fill(e.Find("S")->Pixels32.begin(), e.Find("S")->Pixels32.end(), 0x00ABCDEFu);
  EXPECT_FALSE(e.CopyPicture("S", "D", 7, 0));
  EXPECT_FALSE(e.CopyPicture("S", "D", -1, 0));
  const TRect outside{2, 2, 4, 3};
  EXPECT_FALSE(e.CopyPicture("S", "D", 0, 0, &outside));
  EXPECT_EQ(e.Find("D")->Pixels32, std::vector<uint32_t>(100, 0));
  // A picture without alpha plane is copied by DrawPicture, with no alpha applied.
  e.DrawPicture("S", "D", 6, 6, 10);
  EXPECT_EQ(e.Find("D")->Pixels32[9 * 10 + 9], 0x00ABCDEFu);
  // Copying a surface onto itself, overlapping, moves it like memmove.
  TSurface* d = e.Find("D");
  for (int i = 0; i < 100; ++i) d->Pixels32[i] = static_cast<uint32_t>(i);
  const TRect top{0, 0, 9, 4};
  EXPECT_TRUE(e.CopyPicture("D", "D", 0, 2, &top));
  EXPECT_EQ(d->Pixels32[2 * 10 + 3], 3u);
  EXPECT_EQ(d->Pixels32[6 * 10 + 3], 43u);
}

// Positions and rectangles come from interface files and scripts: the ends of the int range
// must clip to nothing (or to the part on the surface), never wrap around into other memory.
TEST(SurfEngine, ExtremeCoordinatesDrawOnlyWhatLiesOnTheSurface) {
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  TSurfEngine e;
  ASSERT_TRUE(e.Create(32));
  ASSERT_TRUE(e.CreateBlank(kBackBufferName, 800, 600));
  AddSolid32(e, "Pic", 4, 4, 0x00112233u, 255);
  ASSERT_TRUE(e.CreateBlank("Plain", 4, 4));
  for (const int at : {kMin, kMin + 1, kMax - 1, kMax}) {
    const TRect corner{at, at, at, at}, reaching{at, at, kMax, kMax};
    e.DrawPicture("Pic", kBackBufferName, at, 0, 255);
    e.DrawPicture("Pic", kBackBufferName, 0, at, 255);
    e.DrawPicture("Pic", kBackBufferName, 0, 0, 255, &corner);
    EXPECT_FALSE(e.CopyPicture("Plain", kBackBufferName, at, at));
    EXPECT_FALSE(e.CopyPicture("Plain", kBackBufferName, 0, 0, &reaching));
    e.FillRect(kBackBufferName, corner, 0x00FFFFFFu, 255);
    e.FillRect(kBackBufferName, {5, 5, at < 0 ? at : 2, at < 0 ? at : 2}, 0x00FFFFFFu, 255);
    const TOrlGlyphDraw glyphs[] = {{corner, at, at, 0, 255}, {{0, 0, 3, 3}, at, 0, 0, 255}};
    e.DrawGlyphs("Pic", kBackBufferName, 2, glyphs);
  }
  const auto& px = e.Find(kBackBufferName)->Pixels32;
  EXPECT_EQ(std::count(px.begin(), px.end(), 0u), 800 * 600);
  // The part of a huge rectangle that lies on the surface is still drawn.
  e.FillRect(kBackBufferName, {kMin, kMin, kMax, kMax}, 0x00FFFFFFu, 255);
  EXPECT_EQ(std::count(px.begin(), px.end(), 0x00FEFEFEu), 800 * 600);
  const TRect whole{kMin, kMin, kMax, kMax};
  e.DrawPicture("Pic", kBackBufferName, 0, 0, 255, &whole);
  EXPECT_EQ(px[0], 0x00FEFEFEu);  // the picture starts far above and left of the screen
}

TEST(SurfEngine, GlyphsAreTintedAndClipped) {
  TSurfEngine e;
  ASSERT_TRUE(e.Create(32));
  ASSERT_TRUE(e.CreateBlank(kBackBufferName, 800, 600));
  AddSolid32(e, "Font", 8, 8, 0x00FFFFFF, 255);
  const TOrlGlyphDraw batch[] = {
      {{0, 0, 3, 3}, 10, 10, 0x0000FF, 255},  // red, opaque
      {{0, 0, 3, 3}, -2, -1, 0x00FF00, 255},  // partly off the top left corner
      {{0, 0, 3, 3}, 798, 599, 0xFF0000, 255},
      {{0, 0, 3, 3}, 50, 50, 0xFF0000, 255},  // beyond the count: not drawn
  };
  e.DrawGlyphs("Font", kBackBufferName, 3, batch);
  const auto& px = e.Find(kBackBufferName)->Pixels32;
  // Mix 1 on white: t = k + floor((255 - k) / 256) = k; then (k * 254) >> 8 = 253.
  EXPECT_EQ(px[10 * 800 + 10], 0xFD0000u);
  EXPECT_EQ(px[10 * 800 + 14], 0u);
  EXPECT_EQ(px[0], 0x00FD00u);
  EXPECT_EQ(px[2 * 800 + 1], 0x00FD00u);
  EXPECT_EQ(px[3 * 800], 0u);
  EXPECT_EQ(px[599 * 800 + 799], 0x0000FDu);
  EXPECT_EQ(px[50 * 800 + 50], 0u);
  // A font picture without alpha plane draws nothing.
  ASSERT_TRUE(e.CreateBlank("Plain", 8, 8));
  e.Clear(kBackBufferName, 0);
  e.DrawGlyphs("Plain", kBackBufferName, 1, batch);
  EXPECT_EQ(e.Find(kBackBufferName)->Pixels32[10 * 800 + 10], 0u);
}

TEST(SurfEngine, ReloadRebuildsReleasedSurfacesAndPresents) {
  TScratchDir dir;
  const std::string gamePath = dir / "game.zxc", levelsPath = dir / "levels.zxc";
  {
    auto game = data::TFileFolder::CreateNew(gamePath);
    game->AddFile("a.png", 2, data::TMemoryStream(EncodePng(Pattern(3, 3, true))));
    game->Save();
    auto levels = data::TFileFolder::CreateNew(levelsPath);
    levels->AddFile("b.jpg", 2, data::TMemoryStream(EncodeJpeg(Pattern(5, 4, false), 90)));
    levels->Save();
  }
  data::TFileFolder game(gamePath), levels(levelsPath);
  TSurfEngine e;
  ASSERT_TRUE(e.Create(32));
  ASSERT_TRUE(e.CreateBlank(kBackBufferName, 800, 600));
  e.LoadPngFromFolder(game, "A", "a.png");
  e.LoadJpgFromFolder(levels, "B", "b.jpg");
  ASSERT_TRUE(e.CreateBlank("Gone", 2, 2));
  e.Find("Gone")->FileName = "gone.png";
  const std::vector<uint32_t> before = e.Find("A")->Pixels32;

  e.ReleaseSurfaces();
  ASSERT_TRUE(e.Create(16));
  std::vector<int> progress;
  e.OnProgress = [&](int p) { progress.push_back(p); };
  e.ReloadSurfaces(&game, &levels, "B MemorySurface", 800, 600);  // a blank named first stays
  ASSERT_EQ(e.Surfaces().size(), 3u);                             // "Gone" is in neither archive
  EXPECT_EQ(e.Surfaces()[2].Name, "A");  // reloaded pictures move to the end
  EXPECT_EQ(e.Find("A")->Pixels16.size(), before.size());
  EXPECT_EQ(e.Find("B")->Width, 5);
  EXPECT_EQ(e.Find(kBackBufferName)->Pixels16.size(), 800u * 600u);
  // Positions 0, 1, 2 of the four surfaces were waiting once "B" had been reloaded.
  EXPECT_EQ(progress, (std::vector<int>{0, 33, 67}));

  struct TCapture : IFramePresenter {
    TFrameView Last;
    void PresentFrame(const TFrameView& frame) override { Last = frame; }
  } capture;
  EXPECT_TRUE(e.PresentFrame(capture));
  EXPECT_EQ(capture.Last.Width, 800);
  EXPECT_EQ(capture.Last.PitchBytes, 1600);
  EXPECT_EQ(capture.Last.BitCount, 16);
  EXPECT_FALSE(TSurfEngine().PresentFrame(capture));
}

}  // namespace
}  // namespace graphics
