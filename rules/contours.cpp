// rules/contours.cpp — the particle outlines around clearing groups, dropping pieces and groups
// a boss blocks.
#include "rules/effect_runner.hpp"
#include "rules/names.hpp"
#include "rules/outline_tracer.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace {

std::string PointText(int x, int y) {
  return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

}  // namespace

void TRulesGame::ClearContour(const TIntegers& pieces, TTick t) {
  OutlineEffect(pieces, t, kSlotContour, false);
}

void TRulesGame::OutlineEffect(const TIntegers& pieces, TTick t, int slot, bool startNow) {
  const TLayer& layer = Layer();
  std::vector<bool> chosen(static_cast<size_t>(PieceCount()), false);
  for (int piece : pieces) chosen[static_cast<size_t>(piece)] = true;
  std::vector<TTriangle> triangles;
  for (int i = 0; i < layer.Occupied.Count(); ++i) {
    if (!chosen[static_cast<size_t>(layer.Owners[i])]) continue;
    const int frag = layer.Occupied[i];
    if (frag < 0 || frag >= kFragCount) continue;
    triangles.push_back({Cat.Tables.FragPoint(frag, 0), Cat.Tables.FragPoint(frag, 1),
                         Cat.Tables.FragPoint(frag, 2)});
  }
  const TOutlines outlines = TraceOutlines(triangles);
  int64_t sumX = 0, sumY = 0;
  for (const TPoint& p : outlines.Points) {
    sumX += p.X;
    sumY += p.Y;
  }
  const int count = outlines.Points.Count();
  const int cx = count ? static_cast<int>(sumX / count) : 0;
  const int cy = count ? static_cast<int>(sumY / count) : 0;
  for (int j = 1; j < outlines.Ends.Count(); ++j) {
    const int from = j == 1 ? 0 : outlines.Ends[j - 1] + 1;
    const int to = outlines.Ends[j];
    if (from > to) continue;
    std::string path = " Path ";
    for (int i = from; i <= to; ++i)
      path += PointText(outlines.Points[i].X - cx, outlines.Points[i].Y - cy) + " ";
    path += PointText(outlines.Points[from].X - cx, outlines.Points[from].Y - cy) + ";";
    TPartEffect entry;
    entry.ImageName = names::kParticle;
    entry.X = cx;
    entry.Y = cy + 9;
    entry.Clip = kFullScreenClip;
    entry.StartAt = t;
    entry.Path = std::move(path);
    if (startNow) {
      // Without its template the outline is not shown; left without an effect, the entry
      // would later be taken for a delayed contour of a clearing group.
      if (!CreatePartEffect(entry, Services.EffectTemplate(slot))) continue;
      LineContourParticles(entry);
      LaunchPartEffect(entry, now);
    }
    Level.LevelEffects.push_back(std::move(entry));
  }
}

}  // namespace rules
