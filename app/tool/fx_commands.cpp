// app/tool/fx_commands.cpp — zerith-tool commands over the effects engine: evaluating path
// scripts and running effect files, for effect authors checking their work.
#include <charconv>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "app/tool/tool.hpp"
#include "fx/piecewise_func.hpp"
#include "fx/vector.hpp"

namespace tool {
namespace {

uint32_t ParseTimeArg(std::string_view text, std::string_view what) {
  uint32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size())
    throw UsageError{std::string(what) + " must be a whole number of milliseconds from 0 to " +
                     "4294967295, not \"" + std::string(text) + "\""};
  return value;
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
  const int dim = dimText ? ParseIntArg(*dimText, "--dim", 2, 3) : 2;
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

}  // namespace
}  // namespace tool
