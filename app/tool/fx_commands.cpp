// app/tool/fx_commands.cpp — zerith-tool commands over the effects engine: evaluating path
// scripts and running effect files, for effect authors checking their work.
#include <charconv>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "app/tool/tool.hpp"
#include "data/error.hpp"
#include "data/text_helpers.hpp"
#include "fx/particle_effect.hpp"
#include "fx/piecewise_func.hpp"
#include "fx/random.hpp"
#include "fx/vector.hpp"

namespace tool {
namespace {

uint32_t ParseTimeArg(std::string_view text, std::string_view what) {
  return static_cast<uint32_t>(ParseIntArg(text, what, 0, UINT32_MAX));
}

// Four decimals, never "-0.0000".
std::string Fixed4(double value) {
  if (std::fabs(value) < 0.00005) value = 0.0;
  char text[64];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4);
  return ec == std::errc() ? std::string(text, end) : std::string("nan");
}

int RunPath(const Args& args, std::ostream& out, std::ostream&) {
  TArgReader reader(args);
  const std::optional<std::string> dimText = reader.Option("--dim");
  const int dim = dimText ? static_cast<int>(ParseIntArg(*dimText, "--dim", 2, 3)) : 2;
  const std::vector<std::string> rest = reader.Positional(2, 1000000);
  fx::TOrlPiecewiseFunc path;
  path.SetDim(dim);
  path.SetScript(rest[0]);
  std::vector<uint32_t> times;
  for (size_t i = 1; i < rest.size(); ++i) times.push_back(ParseTimeArg(rest[i], "T"));
  for (uint32_t t : times) {
    const fx::TVector v = path.GetValue(t);
    out << t << ' ' << Fixed4(v.x) << ' ' << Fixed4(v.y);
    if (dim == 3) out << ' ' << Fixed4(v.z);
    out << '\n';
  }
  return 0;
}

const TToolRegistrar kPath({"path", "path SCRIPT T... [--dim 3]",
                            "Builds a path from the path script and prints, for each time T in "
                            "milliseconds, one line: T, x and y with four decimals (and z with "
                            "--dim 3).",
                            RunPath});

std::vector<uint32_t> ParseTimeList(const std::string& text) {
  std::vector<uint32_t> times;
  size_t from = 0;
  while (true) {
    const size_t comma = text.find(',', from);
    times.push_back(
        ParseTimeArg(data::Trim(std::string_view(text).substr(from, comma - from)), "--at"));
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  return times;
}

void PrintParticles(const fx::TOrlParticleSystem& system, std::ostream& out) {
  out << "system " << system.Name() << " count=" << system.ParticleCount() << '\n';
  for (int i = 0; i < system.ParticleCount(); ++i) {
    const fx::TOrlParticle& p = *system.Particle(i);
    const fx::TVector at = p.Position(), color = p.Color();
    out << Fixed4(at.x) << ' ' << Fixed4(at.y) << ' ' << Fixed4(p.Alpha()) << ' '
        << Fixed4(p.Frame()) << ' ' << Fixed4(color.x) << ' ' << Fixed4(color.y) << ' '
        << Fixed4(color.z) << '\n';
  }
}

int RunEffect(const Args& args, std::ostream& out, std::ostream& err) {
  TArgReader reader(args);
  const std::optional<std::string> seed = reader.Option("--seed");
  const std::optional<std::string> start = reader.Option("--start");
  const std::optional<std::string> at = reader.Option("--at");
  const std::vector<std::string> rest = reader.Positional(1, 1);
  if (!start) throw UsageError{"--start is required"};
  if (!at) throw UsageError{"--at is required"};
  const uint32_t startTime = ParseTimeArg(*start, "--start");
  const std::vector<uint32_t> times = ParseTimeList(*at);
  fx::TOrlParticleEffect effect;
  if (seed) effect.Seed(ParseTimeArg(*seed, "--seed"));
  try {
    effect.LoadFromFile(rest[0]);
  } catch (const data::Error& e) {
    // An effect author greps for the loader's own words: print them as they stand.
    std::string message = e.what();
    for (char& c : message)
      if (c == '\n' || c == '\r') c = ' ';
    err << message << '\n';
    return 1;
  }
  effect.Start(startTime);
  effect.Init();
  for (uint32_t t : times) {
    const bool finished = effect.Update(t);
    out << t << " finished=" << (finished ? 1 : 0) << " live=" << effect.LiveCount() << '\n';
    for (int i = 0; i < effect.SystemCount(); ++i)
      if (const fx::TOrlParticleSystem* system = effect.System(i)) PrintParticles(*system, out);
  }
  return 0;
}

const TToolRegistrar kEffect({"effect", "effect FILE.xml [--seed N] --start S --at T1,T2,...",
                              "Loads the effect file, starts it at S (ms), runs its initial "
                              "emission, then updates it at each time T and prints \"T "
                              "finished=F live=N\", then per system \"system NAME count=N\" and "
                              "one line per particle: x, y, alpha, frame, red, green, blue, each "
                              "with four decimals.",
                              RunEffect});

}  // namespace
}  // namespace tool
