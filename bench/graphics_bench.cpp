// bench/graphics_bench.cpp — composing a busy frame, against pixman as the reference, and the
// first start's conversion of a packed archive.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "data/file_folder.hpp"
#include "graphics/blend_kernels.hpp"
#include "graphics/image.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "graphics/png_morf.hpp"
#include "graphics/surf_engine.hpp"

namespace {

using graphics::TSurfEngine;

constexpr int kPieces = 150, kPieceW = 70, kPieceH = 60;
constexpr int kParticles = 300, kParticleSide = 16;
constexpr int kVariants = 4;

// Soft-edged piece: a rounded shape, about 60 % opaque, 25 % partial, 15 % clear.
uint8_t PieceAlpha(int x, int y) {
  const double nx = std::abs(x + 0.5 - kPieceW / 2.0) / (kPieceW / 2.0);
  const double ny = std::abs(y + 0.5 - kPieceH / 2.0) / (kPieceH / 2.0);
  const double n = std::pow(std::pow(nx, 2.5) + std::pow(ny, 2.5), 1 / 2.5);
  if (n <= 0.85) return 255;
  if (n >= 1.0) return 0;
  return static_cast<uint8_t>(255 * (1.0 - n) / 0.15);
}

uint8_t ParticleAlpha(int x, int y) {
  const double d = std::hypot(x + 0.5 - 8, y + 0.5 - 8) / 8;
  return d >= 1 ? 0 : static_cast<uint8_t>(255 * (1 - d));
}

uint32_t ColourAt(int variant, int x, int y) {
  return static_cast<uint32_t>(((variant * 60 + x * 3) & 255) << 16 | ((y * 4) & 255) << 8 | 128);
}

struct TPlace {
  int X, Y, Variant;
};

// Fixed pseudo-random places, some reaching past the screen edges.
std::vector<TPlace> Places(int count, int w, int h, uint32_t seed) {
  std::vector<TPlace> out;
  for (int i = 0; i < count; ++i) {
    seed = seed * 1664525u + 1013904223u;
    const int x = static_cast<int>((seed >> 8) % (800 + w)) - w / 2;
    seed = seed * 1664525u + 1013904223u;
    const int y = static_cast<int>((seed >> 8) % (600 + h)) - h / 2;
    out.push_back({x, y, i % kVariants});
  }
  return out;
}

const std::vector<TPlace>& PiecePlaces() {
  static const auto places = Places(kPieces, kPieceW, kPieceH, 7);
  return places;
}
const std::vector<TPlace>& ParticlePlaces() {
  static const auto places = Places(kParticles, kParticleSide, kParticleSide, 11);
  return places;
}

void FillSurface(TSurfEngine& e, const std::string& name, int w, int h, int variant,
                 uint8_t (*alpha)(int, int)) {
  e.CreateBlank(name, w, h);
  graphics::TSurface* s = e.Find(name);
  if (alpha != nullptr) {
    s->Alpha.resize(static_cast<size_t>(w) * h);
    s->AlphaPitch = w;
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t c = ColourAt(variant, x, y);
      const size_t i = static_cast<size_t>(y) * w + x;
      if (!s->Pixels32.empty())
        s->Pixels32[i] = c;
      else
        s->Pixels16[i] =
            static_cast<uint16_t>(((c >> 19) << 11) | (((c >> 10) & 63) << 5) | ((c >> 3) & 31));
      if (alpha != nullptr) s->Alpha[i] = alpha(x, y);
    }
}

void SetUpEngine(TSurfEngine& e, int bits) {
  e.Create(bits);
  e.CreateBlank(graphics::kBackBufferName, 800, 600);
  FillSurface(e, "Background", 800, 600, 0, nullptr);
  for (int v = 0; v < kVariants; ++v)
    FillSurface(e, "Piece" + std::to_string(v), kPieceW, kPieceH, v, PieceAlpha);
  FillSurface(e, "Particle", kParticleSide, kParticleSide, 1, ParticleAlpha);
}

void ComposeBusyFrame(TSurfEngine& e) {
  static const std::string pieces[kVariants] = {"Piece0", "Piece1", "Piece2", "Piece3"};
  e.DrawPicture("Background", graphics::kBackBufferName, 0, 0, 255);
  for (const TPlace& p : PiecePlaces())
    e.DrawPicture(pieces[p.Variant], graphics::kBackBufferName, p.X, p.Y, 255);
  for (const TPlace& p : ParticlePlaces())
    e.DrawPicture("Particle", graphics::kBackBufferName, p.X, p.Y, 128);
}

void BusyFrame(benchmark::State& state, int bits) {
  TSurfEngine e;
  SetUpEngine(e, bits);
  for (auto _ : state) {
    ComposeBusyFrame(e);
    benchmark::DoNotOptimize(e.Find(graphics::kBackBufferName));
    benchmark::ClobberMemory();
  }
  state.counters["simd"] = static_cast<double>(graphics::ActiveSimdLevel());
}

void BM_BusyFrame32(benchmark::State& state) {
  BusyFrame(state, 32);
}
void BM_BusyFrame16(benchmark::State& state) {
  BusyFrame(state, 16);
}

// The same frame through pixman: premultiplied a8r8g8b8 pieces OVER an x8r8g8b8 back buffer.
pixman_image_t* PremultipliedImage(std::vector<uint32_t>& store, int w, int h, int variant,
                                   uint8_t (*alpha)(int, int)) {
  store.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t c = ColourAt(variant, x, y), a = alpha(x, y);
      const uint32_t r = ((c >> 16) & 255) * a / 255, g = ((c >> 8) & 255) * a / 255,
                     b = (c & 255) * a / 255;
      store[static_cast<size_t>(y) * w + x] = a << 24 | r << 16 | g << 8 | b;
    }
  return pixman_image_create_bits(PIXMAN_a8r8g8b8, w, h, store.data(), w * 4);
}

void BM_PixmanBusyFrame(benchmark::State& state) {
  std::vector<uint32_t> back(800 * 600), background(800 * 600);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) background[y * 800 + x] = ColourAt(0, x, y);
  pixman_image_t* dst = pixman_image_create_bits(PIXMAN_x8r8g8b8, 800, 600, back.data(), 800 * 4);
  pixman_image_t* bg =
      pixman_image_create_bits(PIXMAN_x8r8g8b8, 800, 600, background.data(), 800 * 4);
  std::vector<uint32_t> pieceStore[kVariants], particleStore;
  pixman_image_t* pieces[kVariants];
  for (int v = 0; v < kVariants; ++v)
    pieces[v] = PremultipliedImage(pieceStore[v], kPieceW, kPieceH, v, PieceAlpha);
  pixman_image_t* particle =
      PremultipliedImage(particleStore, kParticleSide, kParticleSide, 1, ParticleAlpha);
  const pixman_color_t half = {0, 0, 0, 0x8080};
  pixman_image_t* mask = pixman_image_create_solid_fill(&half);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_SRC, bg, nullptr, dst, 0, 0, 0, 0, 0, 0, 800, 600);
    for (const TPlace& p : PiecePlaces())
      pixman_image_composite32(PIXMAN_OP_OVER, pieces[p.Variant], nullptr, dst, 0, 0, 0, 0, p.X,
                               p.Y, kPieceW, kPieceH);
    for (const TPlace& p : ParticlePlaces())
      pixman_image_composite32(PIXMAN_OP_OVER, particle, mask, dst, 0, 0, 0, 0, p.X, p.Y,
                               kParticleSide, kParticleSide);
    benchmark::DoNotOptimize(back.data());
    benchmark::ClobberMemory();
  }
  for (auto* img : pieces) pixman_image_unref(img);
  pixman_image_unref(particle);
  pixman_image_unref(mask);
  pixman_image_unref(bg);
  pixman_image_unref(dst);
}

// The first start's conversion: a packed archive of 200 pictures of 70 × 60 (JPEG colour and
// grey alpha each) into the working archive of PNG pictures with alpha.
void BM_MorfArchive200(benchmark::State& state) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zerith_bench_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string source = (dir / "source.zxc").string(), packed = (dir / "packed.zxc").string(),
                    work = (dir / "work.zxc").string();
  {
    auto folder = data::TFileFolder::CreateNew(source);
    for (int i = 0; i < 200; ++i) {
      graphics::TImage img(kPieceW, kPieceH, true);
      for (int y = 0; y < kPieceH; ++y)
        for (int x = 0; x < kPieceW; ++x) {
          const uint32_t c = ColourAt(i % 7, x + i, y);
          uint8_t* p = img.At(x, y);
          p[0] = static_cast<uint8_t>(c >> 16), p[1] = static_cast<uint8_t>(c >> 8),
          p[2] = static_cast<uint8_t>(c);
          p[3] = PieceAlpha(x, y);
        }
      folder->AddFile("piece" + std::to_string(i) + ".PNG", 2,
                      data::TMemoryStream(graphics::EncodePng(img)));
    }
    folder->Save();
    graphics::TPNGMorf(90).MorfArchive(source, packed);
  }
  for (auto _ : state) {
    graphics::TPNGMorf morf(90);
    morf.MorfArchive(packed, work);
  }
  std::filesystem::remove_all(dir);
}

BENCHMARK(BM_BusyFrame32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BusyFrame16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PixmanBusyFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MorfArchive200)->Unit(benchmark::kMillisecond);

}  // namespace
