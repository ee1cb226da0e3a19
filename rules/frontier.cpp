// rules/frontier.cpp — the lattice points beside the structure where attach hints are drawn.
#include <unordered_set>
#include <vector>

#include "rules/rules_game.hpp"

namespace rules {

void TRulesGame::UpdateFrontier() {
  TLayer& layer = Layer();
  layer.Frontier.Clear();
  std::vector<bool> occupied(kFragCount, false);
  for (int frag : layer.Occupied)
    if (frag >= 0 && frag < kFragCount) occupied[static_cast<size_t>(frag)] = true;

  std::unordered_set<int64_t> seen;
  std::vector<TPoint> points;
  const auto add = [&](TPoint p) {
    if (seen.insert((int64_t{p.X} << 32) ^ static_cast<uint32_t>(p.Y)).second) points.push_back(p);
  };
  for (int frag : layer.Occupied) {
    if (frag < 0 || frag >= kFragCount) continue;
    for (int position = 0; position < 3; ++position) {
      const TPoint p = Cat.Tables.FragPoint(frag, position);
      if (p.Y % kRowHeight != 0) continue;
      if (p.X - ScrollX - (p.Y - ScrollY) / 2 < 480) {
        add(p);
        add({p.X + 21, p.Y + 42});
      }
      if (p.Y / 2 != p.X) {
        add({p.X - 48, p.Y});
        add({p.X - 27, p.Y + 42});
      }
    }
  }
  const auto filled = [&](const TPoint& p) {
    const int d = (p.Y - 42) / 42;
    const int c = (p.X - 21 * d - 21) / 48;
    if (d < 0 || d >= kBoardRows || c < 0 || c >= kCellsPerRow) return false;
    for (int k = 0; k < 4; ++k)
      if (!occupied[static_cast<size_t>(d * 40 + c * 4 + k)]) return false;
    return true;
  };
  for (const TPoint& p : points)
    if (!filled(p)) layer.Frontier.Append(p);
  Services.InvalidateBackground();
}

}  // namespace rules
