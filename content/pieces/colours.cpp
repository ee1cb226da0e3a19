// content/pieces/colours.cpp
#include "content/pieces/colours.hpp"

#include <sstream>

#include "content/pieces/gem_painter.hpp"
#include "data/error.hpp"

namespace pieces {
namespace {

// The game's HLS scale as ImageHueChange uses it: channels read as (blue, green, red).
graphics::THls HlsOf(const graphics::TRgb& c) {
  return graphics::RgbToHls(c.B, c.G, c.R);
}

}  // namespace

graphics::TRgb ShiftPixel(const graphics::TRgb& pixel, int h, int s, int l) {
  graphics::THls hls = HlsOf(pixel);
  hls.H += h;
  hls.S += s;
  hls.L += l;
  const graphics::TRgb out = graphics::HlsToRgb(hls);
  return {out.B, out.G, out.R};
}

std::vector<TColourSpec> ReadColours(const std::string& text) {
  std::vector<TColourSpec> out;
  std::istringstream lines(text);
  const graphics::THls mid = HlsOf(GemShade(kGemMidLightness));
  int lineNo = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNo;
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    std::istringstream words(line);
    TColourSpec c;
    std::string hex;
    if (!(words >> c.Material >> hex >> c.Sign) || hex.size() != 7 || hex[0] != '#')
      throw data::Error("colours line " + std::to_string(lineNo) +
                        ": expected \"material #RRGGBB sign\"");
    const unsigned long v = std::stoul(hex.substr(1), nullptr, 16);
    c.Target = {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8),
                static_cast<uint8_t>(v)};
    const graphics::THls t = HlsOf(c.Target);
    c.H = t.H - mid.H;
    if (c.H > 120) c.H -= 240;
    if (c.H <= -120) c.H += 240;
    c.S = t.S - mid.S;
    c.L = t.L - mid.L;
    out.push_back(c);
  }
  return out;
}

std::string ColoursXml(const std::vector<TColourSpec>& colours) {
  std::ostringstream x;
  x << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<MetaColors>\n";
  for (const TColourSpec& c : colours)
    x << "  <Color Material=\"" << c.Material << "\" H=\"" << c.H << "\" L=\"" << c.L << "\" S=\""
      << c.S << "\" Sign=\"sign_" << c.Sign << ".png\"/>\n";
  x << "</MetaColors>\n";
  return x.str();
}

}  // namespace pieces
