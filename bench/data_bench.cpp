// bench/data_bench.cpp — the data layer's speed targets: reading a 1 MB XML document (at most
// 20 ms) and finding one name among 5,000 archive entries (at most 50 µs, no allocation).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "data/file_folder.hpp"
#include "data/xml_parser.hpp"

namespace {

// Every allocation of the program is counted, so a benchmark can report how many a call makes.
std::atomic<long> allocations{0};

// A level collection the size of the biggest files the game reads: nested layers of pieces
// with attributes, texts with entities, comments and a head.
std::string MakeDocument(size_t minBytes) {
  std::string doc =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- generated -->\r\n<Levels>\r\n";
  for (int level = 0; doc.size() < minBytes; ++level) {
    const std::string n = std::to_string(level);
    doc += "\t<Level n=\"" + n + "\" name=\"Level " + n + "\" mode=\"2\" speed=\"1.5\">\r\n";
    doc += "\t\t<Title>The caves &amp; the crystals, part " + n + "</Title>\r\n";
    for (int layer = 0; layer < 4; ++layer) {
      doc += "\t\t<Layer main=\"" + std::to_string(layer * 7) + "\" boss=\"Spider\">\r\n";
      for (int piece = 0; piece < 12; ++piece) {
        doc += "\t\t\t<Fishka x=\"" + std::to_string(piece * 3) + "\" y=\"" +
               std::to_string(layer * 5 + piece) + "\" color=\"" + std::to_string(piece % 6) +
               "\" type=\"" + std::to_string(piece % 9) + "\" />\r\n";
      }
      doc += "\t\t\t<Hint>Clear the &lt;red&gt; group\r\n\t\t\tbefore the line rises</Hint>\r\n";
      doc += "\t\t</Layer>\r\n";
    }
    doc += "\t</Level>\r\n";
  }
  return doc + "</Levels>\r\n";
}

void BM_XmlParse1MB(benchmark::State& state) {
  const std::string doc = MakeDocument(1 << 20);
  for (auto _ : state) {
    data::TOrlParser parser;
    parser.LoadFromText(doc);
    benchmark::DoNotOptimize(parser.Tags.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(doc.size()));
}
BENCHMARK(BM_XmlParse1MB)->Unit(benchmark::kMillisecond);

void BM_ArchiveIndexOf5000(benchmark::State& state) {
  auto folder = data::TFileFolder::CreateNew("unused.zxc");
  const data::TMemoryStream bytes("x");
  for (int i = 0; i < 5000; ++i)
    folder->AddFile("pictures/Tile" + std::to_string(i) + ".PNG", 0, bytes);
  // The last entry in another case: the longest search that still finds something.
  const std::string wanted = "PICTURES/tile4999.png";
  const long before = allocations.load();
  for (auto _ : state) benchmark::DoNotOptimize(folder->IndexOf(wanted));
  state.counters["allocs/call"] = benchmark::Counter(
      static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ArchiveIndexOf5000)->Unit(benchmark::kMicrosecond);

}  // namespace

// The counting replacements pair malloc with free; GCC cannot see that through the inlining.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, size_t) noexcept {
  std::free(p);
}
