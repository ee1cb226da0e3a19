// bench/reader_scaling_bench.cpp — readers against inputs far larger than the game ships, to
// hold each to n log n: 65,535 archive entries convert in under 2 s, a 20,000-object interface
// file loads in under 1 s, long path scripts and effect files with many named parts.
// benchmark's complexity fit (BigO) shows the growth; the sizes are the limits to keep.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "data/file_folder.hpp"
#include "data/memory_stream.hpp"
#include "fx/particle_effect.hpp"
#include "fx/piecewise_func.hpp"
#include "graphics/png_morf.hpp"
#include "ui/interface_engine.hpp"

namespace {

std::string Scratch(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("zerith-bench-" + std::to_string(::getpid()) + "-" + name))
      .string();
}

// A shipped archive of n small text entries, converted into a working archive on disk.
void BM_ArchiveConvert(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string source = Scratch("source.zxc"), dest = Scratch("dest.zxc");
  {
    auto folder = data::TFileFolder::CreateNew(source);
    const data::TMemoryStream bytes("text");
    for (int i = 0; i < n; ++i) folder->AddFile("entry" + std::to_string(i) + ".txt", 0, bytes);
    folder->Save();
  }
  graphics::TPNGMorf morf(80);
  for (auto _ : state) morf.MorfArchive(source, dest);
  std::remove(source.c_str());
  std::remove(dest.c_str());
  state.SetComplexityN(n);
}
BENCHMARK(BM_ArchiveConvert)
    ->Arg(8192)
    ->Arg(32768)
    ->Arg(65535)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

std::string P(const std::string& n, const std::string& v) {
  return "<p n=\"" + n + "\">" + v + "</p>";
}

// n objects each the child of the one before; forms (every one collects its children) or
// labels under one form.
std::string ChainedInterface(int n, const char* cls) {
  std::string text = "<OrlInterface>\n<o c=\"TOrlDefaults\">" + P("DefLine", "TOrlNone;Tag;0") +
                     "</o>\n<o c=\"TOrlForm\">" + P("ParentName", "Root") + P("Name", "W0") +
                     "</o>\n";
  for (int i = 1; i < n; ++i)
    text += std::string("<o c=\"") + cls + "\">" + P("ParentName", "W" + std::to_string(i - 1)) +
            P("Name", "W" + std::to_string(i)) + P("Left", "1") + "</o>\n";
  return text + "</OrlInterface>\n";
}

void LoadInterface(benchmark::State& state, const char* cls) {
  const int n = static_cast<int>(state.range(0));
  const std::string text = ChainedInterface(n, cls);
  for (auto _ : state) {
    ui::TOrlInterfaceEngine engine;
    data::TMemoryStream stream(text);
    engine.LoadFromStream(stream);
    benchmark::DoNotOptimize(engine.Count());
  }
  state.SetComplexityN(n);
}
void BM_InterfaceChainOfLabels(benchmark::State& state) {
  LoadInterface(state, "TOrlLabel");
}
void BM_InterfaceChainOfForms(benchmark::State& state) {
  LoadInterface(state, "TOrlForm");
}
BENCHMARK(BM_InterfaceChainOfLabels)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_InterfaceChainOfForms)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

std::string PathScript(int n) {
  std::string script = "Set Bezier; Set Timing 0.01; Path";
  for (int i = 0; i < n; ++i)
    script += " (" + std::to_string(i * 3) + "," + std::to_string((i * 7919) % 500) + ")";
  return script + "; Ending Stop;";
}

void BM_PathScript(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string script = PathScript(n);
  for (auto _ : state) {
    fx::TOrlPiecewiseFunc path;
    path.SetScript(script);
    benchmark::DoNotOptimize(path.PointCount());
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_PathScript)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// n functions, n morphs each naming a function, one particle using the last morph.
std::string ManyNamedParts(int n) {
  std::string fns, morphs;
  for (int i = 0; i < n; ++i) {
    const std::string k = std::to_string(i);
    fns +=
        "<Function Name=\"F" + k + "\" Dim=\"1\" Type=\"parabolic\"><V0>" + k + "</V0></Function>";
    morphs += "<Morph Name=\"M" + k + "\" Dim=\"1\"><Functions><Function Name=\"F" + k +
              "\"/></Functions></Morph>";
  }
  return "<ParticleEffect Name=\"Many\" Lifetime=\"1\"><Functions>" + fns + "</Functions><Morphs>" +
         morphs +
         "</Morphs><Particles><Particle Name=\"P\"><Parameter Name=\"Alpha\" Dim=\"1\" Morph=\"M" +
         std::to_string(n - 1) +
         "\"/></Particle></Particles><ParticleSystems><ParticleSystem Name=\"S\" "
         "Template=\"P\"><InitParticles>1</InitParticles></ParticleSystem></ParticleSystems>"
         "</ParticleEffect>";
}

void BM_EffectManyNamedParts(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string xml = ManyNamedParts(n);
  for (auto _ : state) {
    fx::TOrlParticleEffect effect;
    effect.LoadFromText(xml);
    benchmark::DoNotOptimize(effect.Morphs().Count());
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_EffectManyNamedParts)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
