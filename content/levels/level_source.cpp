// content/levels/level_source.cpp
#include "content/levels/level_source.hpp"

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

#include "content/pipeline/canvas.hpp"
#include "data/error.hpp"

namespace levels {
namespace {

constexpr int kColumns = 10, kRows = 300, kReliefPx = pieces::kReliefHeight;
const char* const kBonusNames[] = {"coin50", "coin100", "coin200", "shuffle1",   "shuffle2",
                                   "shift1", "shift2",  "bomb",    "colourbomb", "tricolour"};

struct TPiece {
  const pieces::TShape* Shape = nullptr;
  int Column = 0, Row = 0, Count = 1;
};
struct TBoss {
  int Type = 0, X = 0, Y = 0;
  bool Main = false;
};
struct TLayerSrc {
  std::vector<TPiece> Pieces;  // the main piece first
  bool HasMain = false;
  std::set<int> Frags;
};

class TCompiler {
 public:
  TCompiler(const std::string& fileName, const TLevelWorld& world) : file(fileName), w(world) {}
  TCompiledLevel Run(const std::string& text);

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw data::Error(file + ":" + std::to_string(lineNo) + ": " + what);
  }
  int Int(const std::string& word, int lo, int hi) const;
  double Real(const std::string& word) const;
  const pieces::TShape& Shape(const std::string& name) const;
  std::vector<int> PieceFrags(const TPiece& p) const;
  void Line(const std::vector<std::string>& words);
  void PieceLine(const std::vector<std::string>& words, bool main);
  void BossLine(const std::vector<std::string>& words);
  std::string Xml() const;
  void CheckHanging(const TLayerSrc& layer, int number) const;

  std::string file;
  const TLevelWorld& w;
  int lineNo = 0;
  std::string name, music, putSound;
  std::vector<int> colours;
  int action = 0, strategic = 0;
  std::vector<std::pair<std::string, int>> shapeWeights;
  int bonusWeights[16] = {};
  double bonusChance = 0, wildcard = 0;
  std::string theme;
  int mapLines = 0;
  std::vector<int> nulls;
  struct TDecor {
    std::string Base;
    int Ms, X, Y, Sx, Sy;
  };
  std::vector<TDecor> decor;
  std::vector<TLayerSrc> layers;
  std::vector<TBoss> bosses;
  int topRow = 0;
};

int TCompiler::Int(const std::string& word, int lo, int hi) const {
  int v = 0;
  size_t used = 0;
  try {
    v = std::stoi(word, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != word.size() || word.empty()) Fail("\"" + word + "\" is not a whole number");
  if (v < lo || v > hi)
    Fail(word + " is outside " + std::to_string(lo) + ".." + std::to_string(hi));
  return v;
}

double TCompiler::Real(const std::string& word) const {
  std::istringstream in(word);
  in.imbue(std::locale::classic());
  double v = 0;
  if (!(in >> v) || !in.eof() || v < 0 || v > 1) Fail("\"" + word + "\" is not a chance 0..1");
  return v;
}

const pieces::TShape& TCompiler::Shape(const std::string& n) const {
  for (const pieces::TShape& s : w.Shapes)
    if (s.Name == n) return s;
  Fail("unknown shape \"" + n + "\" (shapes.txt names them)");
}

std::vector<int> TCompiler::PieceFrags(const TPiece& p) const {
  std::vector<int> out;
  for (const pieces::TCell& c : p.Shape->Cells) {
    const int col = c.Column + p.Column, row = c.Row + p.Row;
    if (col < 0 || col >= kColumns || row < 0 || row >= kRows)
      Fail("shape " + p.Shape->Name + " at " + std::to_string(p.Column) + " " +
           std::to_string(p.Row) + " leaves the board (columns 0..9)");
    out.push_back(row * 40 + col * 4 + c.Kind);
  }
  return out;
}

void TCompiler::PieceLine(const std::vector<std::string>& words, bool main) {
  if (layers.empty()) Fail("a piece needs a \"layer\" line before it");
  if (words.size() < 4 || words.size() > 5) Fail("expected \"piece SHAPE COLUMN ROW [xCOUNT]\"");
  TPiece p;
  p.Shape = &Shape(words[1]);
  p.Column = Int(words[2], -5, 14);
  p.Row = Int(words[3], 0, kRows - 1);
  if (words.size() == 5) {
    if (words[4].size() < 2 || words[4][0] != 'x') Fail("a count is written x2, x3, ...");
    p.Count = Int(words[4].substr(1), 1, 9);
  }
  TLayerSrc& layer = layers.back();
  for (int f : PieceFrags(p)) {
    if (!layer.Frags.insert(f).second)
      Fail("shape " + p.Shape->Name + " overlaps another piece of this layer");
  }
  for (const pieces::TCell& c : p.Shape->Cells) topRow = std::max(topRow, c.Row + p.Row);
  if (main) {
    if (layer.HasMain) Fail("a layer has one main piece");
    layer.HasMain = true;
    layer.Pieces.insert(layer.Pieces.begin(), p);
  } else {
    layer.Pieces.push_back(p);
  }
}

void TCompiler::BossLine(const std::vector<std::string>& words) {
  if (words.size() < 5 || words.size() > 6)
    Fail("expected \"boss TYPE COLUMN ROW TRIANGLE [main]\"");
  TBoss b;
  b.Type = -1;
  for (size_t i = 0; i < w.Bosses.size(); ++i)
    if (w.Bosses[i].Name == words[1]) b.Type = static_cast<int>(i);
  if (b.Type < 0) Fail("unknown boss \"" + words[1] + "\" (bosses.txt names them)");
  const pieces::TCell cell{Int(words[2], 0, kColumns - 1), Int(words[3], 0, kRows - 1),
                           static_cast<int>(std::string("TRBL").find(words[4]))};
  if (words[4].size() != 1 || cell.Kind < 0) Fail("a triangle is T, R, B or L");
  if (layers.empty() || !layers.back().Frags.count(cell.Row * 40 + cell.Column * 4 + cell.Kind))
    Fail("the boss stands on no piece of this layer");
  b.Main = words.size() == 6;
  if (b.Main && words[5] != "main") Fail("expected \"main\" after the triangle");
  // The attach test looks at the crystal's raised top face: the triangle lifted by the relief.
  const auto t = pieces::LatticeTriangle(cell);
  const double cx = (t[0].X + t[1].X + t[2].X) / 3, cy = (t[0].Y + t[1].Y + t[2].Y) / 3;
  const TBossTypeInfo& type = w.Bosses[static_cast<size_t>(b.Type)];
  b.X = static_cast<int>(std::lround(cx)) - type.FeetX;
  b.Y = static_cast<int>(std::lround(cy)) + kReliefPx + type.FeetY;
  bosses.push_back(b);
}

void TCompiler::Line(const std::vector<std::string>& words) {
  const std::string& key = words[0];
  auto need = [&](size_t n) {
    if (words.size() < n) Fail("\"" + key + "\" needs more values");
  };
  if (key == "name") {
    need(2);
    name.clear();
    for (size_t i = 1; i < words.size(); ++i) name += (i > 1 ? " " : "") + words[i];
  } else if (key == "colours") {
    need(2);
    for (size_t i = 1; i < words.size(); ++i) {
      const int c = Int(words[i], 1, w.ColourCount);
      if (std::find(colours.begin(), colours.end(), c) != colours.end())
        Fail("colour " + words[i] + " is listed twice");
      colours.push_back(c);
    }
  } else if (key == "music") {
    need(2);
    music = words[1];
  } else if (key == "put-sound") {
    need(2);
    putSound = words[1];
  } else if (key == "rise") {
    if (words.size() != 5 || words[1] != "action" || words[3] != "strategic")
      Fail("expected \"rise action SECONDS strategic PUTS\"");
    action = Int(words[2], 1, 3600);
    strategic = Int(words[4], 1, 1000);
  } else if (key == "shapes") {
    if (words.size() < 3 || words.size() % 2 == 0) Fail("expected \"shapes FAMILY WEIGHT ...\"");
    for (size_t i = 1; i + 1 < words.size(); i += 2) {
      const int weight = Int(words[i + 1], 0, 1000);
      auto family = w.Families.find(words[i]);
      if (family != w.Families.end()) {
        for (const std::string& n : family->second) shapeWeights.push_back({n, weight});
      } else {
        shapeWeights.push_back({Shape(words[i]).Name, weight});
      }
    }
  } else if (key == "bonus") {
    if (words.size() < 3 || words[1] != "chance" || words.size() % 2 == 0)
      Fail("expected \"bonus chance C KIND WEIGHT ...\"");
    bonusChance = Real(words[2]);
    for (size_t i = 3; i + 1 < words.size(); i += 2) {
      const auto* end = std::end(kBonusNames);
      const auto* it = std::find(std::begin(kBonusNames), end, words[i]);
      if (it == end) Fail("unknown bonus \"" + words[i] + "\"");
      const int kind = static_cast<int>(it - std::begin(kBonusNames));
      const int weight = Int(words[i + 1], 0, 1000);
      if (kind == 9)
        bonusWeights[15] = weight;
      else if (kind == 8)
        bonusWeights[8] = weight;  // spread over the level's colours below
      else
        bonusWeights[kind] = weight;
    }
  } else if (key == "wildcard") {
    need(2);
    wildcard = Real(words[1]);
  } else if (key == "backdrop") {
    need(2);
    if (std::find(w.Themes.begin(), w.Themes.end(), words[1]) == w.Themes.end())
      Fail("unknown backdrop theme \"" + words[1] + "\"");
    theme = words[1];
    if (words.size() > 2) mapLines = Int(words[2], 1, 150);
  } else if (key == "null") {
    need(3);
    const int col = Int(words[1], 0, kColumns - 1), row = Int(words[2], 0, kRows - 1);
    const std::string kinds = words.size() > 3 ? words[3] : "TRBL";
    for (char k : kinds) {
      const size_t kind = std::string("TRBL").find(k);
      if (kind == std::string::npos) Fail("a triangle is T, R, B or L");
      nulls.push_back(row * 40 + col * 4 + static_cast<int>(kind));
    }
  } else if (key == "decor") {
    if (words.size() != 5) Fail("expected \"decor PICTURE MS COLUMN ROW\"");
    auto it = w.Decor.find(words[1]);
    if (it == w.Decor.end()) Fail("unknown level picture \"" + words[1] + "\"");
    const int ms = Int(words[2], 10, 60000);
    const int col = Int(words[3], -3, kColumns + 2), row = Int(words[4], 0, kRows - 1);
    const TPictureSize size = it->second.back();  // the game takes the last frame's size
    // Standing on the middle of the cell's lower edge.
    const int footX = 48 * col + 21 * row + 24, footY = 42 * row;
    decor.push_back(
        {words[1], ms, footX - size.Width / 2, footY + size.Height, size.Width / 2, size.Height});
  } else if (key == "layer") {
    layers.push_back({});
  } else if (key == "piece" || key == "main") {
    PieceLine(words, key == "main");
  } else if (key == "boss") {
    BossLine(words);
  } else {
    Fail("unknown line \"" + key + "\"");
  }
}

// Every piece must hang from the main piece through pieces sharing a corner, or the first clear
// would drop it.
void TCompiler::CheckHanging(const TLayerSrc& layer, int number) const {
  std::vector<std::set<std::pair<long, long>>> corners;
  for (const TPiece& p : layer.Pieces) {
    corners.emplace_back();
    for (const pieces::TCell& c : p.Shape->Cells)
      for (const pieces::TVertex& v :
           pieces::LatticeTriangle({c.Column + p.Column, c.Row + p.Row, c.Kind}))
        corners.back().insert({std::lround(v.X), std::lround(v.Y)});
  }
  std::vector<bool> held(layer.Pieces.size(), false);
  std::vector<size_t> open{0};
  held[0] = true;
  while (!open.empty()) {
    const size_t a = open.back();
    open.pop_back();
    for (size_t b = 0; b < layer.Pieces.size(); ++b) {
      if (held[b]) continue;
      const bool touch = std::any_of(corners[a].begin(), corners[a].end(),
                                     [&](const auto& v) { return corners[b].count(v) > 0; });
      if (touch) held[b] = true, open.push_back(b);
    }
  }
  for (size_t b = 0; b < held.size(); ++b)
    if (!held[b])
      throw data::Error(file + ": layer " + std::to_string(number) + ": piece " +
                        layer.Pieces[b].Shape->Name + " at " +
                        std::to_string(layer.Pieces[b].Column) + " " +
                        std::to_string(layer.Pieces[b].Row) + " does not hang from the main piece");
}

TCompiledLevel TCompiler::Run(const std::string& text) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    ++lineNo;
    const size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (!words.empty()) Line(words);
  }
  ++lineNo;
  if (name.empty()) Fail("the level needs a \"name\"");
  if (colours.size() < 2) Fail("a level deals at least two colours");
  if (music.empty() || putSound.empty() || action == 0)
    Fail("the level needs music, put-sound and rise");
  if (layers.empty()) Fail("the level needs at least one layer");
  for (const TLayerSrc& l : layers)
    if (!l.HasMain) Fail("every layer needs a \"main\" piece");
  if (std::none_of(shapeWeights.begin(), shapeWeights.end(), [](auto& p) { return p.second > 0; }))
    Fail("the level deals no shape (all weights 0)");
  // Colour bombs only of the level's own colours.
  const int colourBomb = bonusWeights[8];
  bonusWeights[8] = 0;
  for (int c : colours) bonusWeights[7 + c] = colourBomb;
  if (bonusChance > 0 &&
      std::all_of(std::begin(bonusWeights), std::end(bonusWeights), [](int v) { return v == 0; }))
    Fail("a bonus chance needs bonus weights");
  for (int f : nulls)
    for (const TLayerSrc& l : layers)
      if (l.Frags.count(f)) Fail("a null fragment lies under a piece");
  for (size_t i = 0; i < layers.size(); ++i) CheckHanging(layers[i], static_cast<int>(i) + 1);
  return {name, Xml()};
}

std::string TCompiler::Xml() const {
  std::ostringstream x;
  x.imbue(std::locale::classic());
  std::string escaped;
  for (char c : name)
    escaped += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
  x << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Level>\n  <Name>" << escaped << "</Name>\n";
  x << "  <FishkaColors>";
  for (size_t i = 0; i < colours.size(); ++i) x << (i ? " " : "") << colours[i];
  x << "</FishkaColors>\n  <PutFishkaSound>" << putSound << "</PutFishkaSound>\n  <PlayMusic>"
    << music << "</PlayMusic>\n  <MoveInterval Action=\"" << action << "\" Strategic=\""
    << strategic << "\"/>\n  <Probabilities>\n    <BonusTypeWeights>";
  for (int i = 0; i < 16; ++i) x << (i ? " " : "") << bonusWeights[i];
  x << "</BonusTypeWeights>\n    <NoColorFishka>" << wildcard << "</NoColorFishka>\n"
    << "    <FishkaWithBonus>" << bonusChance << "</FishkaWithBonus>\n    <FishkaShapes>\n";
  for (const auto& [shape, weight] : shapeWeights)
    x << "      <Shape Name=\"" << shape << "\" Weight=\"" << weight << "\"/>\n";
  x << "    </FishkaShapes>\n  </Probabilities>\n  <Layers>\n";
  for (const TLayerSrc& l : layers) {
    x << "    <Layer>\n";
    for (const TPiece& p : l.Pieces) {
      // Placed so the shape's lattice cells land on (column, row) when the game snaps it.
      const int px = 11 + p.Shape->MinX + 48 * p.Column + 21 * p.Row;
      const int py = p.Shape->MaxY + kReliefPx - 3 + 42 * p.Row;
      x << "      <Fishka x=\"" << px << "\" y=\"" << py << "\" Shape=\"" << p.Shape->Name
        << "\" Count=\"" << p.Count << "\"/>\n";
    }
    x << "    </Layer>\n";
  }
  x << "  </Layers>\n  <Bosses>\n";
  for (const TBoss& b : bosses)
    x << "    <Boss x=\"" << b.X << "\" y=\"" << b.Y << "\" Type=\"" << b.Type << "\""
      << (b.Main ? " Main=\"true\"" : "") << "/>\n";
  x << "  </Bosses>\n  <Pictures>\n";
  for (const TDecor& d : decor) {
    x << "    <Picture x=\"" << d.X << "\" y=\"" << d.Y << "\" Sx=\"" << d.Sx << "\" Sy=\"" << d.Sy
      << "\" Name=\"" << d.Base << "\">\n";
    const size_t frames = w.Decor.at(d.Base).size();
    for (size_t f = 1; f <= frames; ++f)
      x << "      <Image Name=\"" << d.Base << f << ".png\" t=\"" << d.Ms << "\"/>\n";
    x << "    </Picture>\n";
  }
  x << "  </Pictures>\n  <NullFrags>";
  for (size_t i = 0; i < nulls.size(); ++i) x << (i ? " " : "") << nulls[i];
  x << "</NullFrags>\n";
  if (!theme.empty()) {
    // Slabs of 2 × 2 cells, five to a line; lines are written top first.
    const int lines = mapLines > 0 ? mapLines : (topRow + 10) / 2;
    x << "  <PictureMap x=\"0\" y=\"0\" OneWidth=\"96\" OneHeight=\"84\">\n    <Images>";
    for (int v = 1; v <= 3; ++v) x << "<Image Name=\"tile_" << theme << v << ".png\"/>";
    x << "</Images>\n    <Lines>\n";
    content::TNoise noise(static_cast<uint32_t>(name.size() * 131 + lines));
    std::vector<std::string> rows;
    for (int l = 0; l < lines; ++l) {
      std::string row;
      for (int t = 0; t < 5; ++t) {
        const double r = noise.Real();
        row += (t ? " " : "") + std::to_string(r < 0.55 ? 1 : (r < 0.85 ? 2 : 3));
      }
      rows.push_back(row);
    }
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
      x << "      <Line>" << *it << "</Line>\n";
    x << "    </Lines>\n  </PictureMap>\n";
  }
  x << "</Level>\n";
  return x.str();
}

}  // namespace

TCompiledLevel CompileLevel(const std::string& text, const std::string& fileName,
                            const TLevelWorld& world) {
  return TCompiler(fileName, world).Run(text);
}

}  // namespace levels
