// rules/board_drawing.cpp — the map, attach hints, snap preview, bosses and queue, and the
// clipping every board picture passes through.
#include "rules/board_drawing.hpp"

#include "rules/board_drawing_detail.hpp"
#include "rules/layout.hpp"
#include "rules/names.hpp"
#include "rules/rules_game.hpp"

namespace rules {

namespace {

constexpr TClipRect kViewClip{kViewLeft, kViewTop, kViewLeft + kViewWidth, kViewTop + kViewHeight};

}  // namespace

void DrawClippedTo(TRulesServices& services, const std::string& picture, const std::string& target,
                   int x, int y, TSourceRect source, const TClipRect& clip, int alpha,
                   uint32_t color, int mix) {
  // Widened: positions far outside the screen must not overflow while being compared.
  const int64_t width = int64_t{source.Right} - source.Left + 1;
  const int64_t height = int64_t{source.Bottom} - source.Top + 1;
  if (width <= 0 || height <= 0) return;
  if (x + width <= clip.Left || x >= clip.Right || y + height <= clip.Top || y >= clip.Bottom)
    return;
  if (x < clip.Left) {
    source.Left += clip.Left - x;
    x = clip.Left;
  }
  if (y < clip.Top) {
    source.Top += clip.Top - y;
    y = clip.Top;
  }
  if (x + width > clip.Right) source.Right -= static_cast<int>(x + width - clip.Right);
  if (y + height > clip.Bottom) source.Bottom -= static_cast<int>(y + height - clip.Bottom);
  services.DrawPicture(picture, target, x, y, alpha, source, color, mix);
}

void DrawClipped(TRulesServices& services, const std::string& picture, const std::string& target,
                 int vx, int vy, TSourceRect source, int alpha, uint32_t color, int mix) {
  DrawClippedTo(services, picture, target, vx + kViewLeft, vy + kViewTop, source, kViewClip, alpha,
                color, mix);
}

namespace drawing {

TSourceRect Whole(TPictureSize size) {
  return {0, 0, size.Width - 1, size.Height - 1};
}

bool Loaded(TPictureSize size) {
  return size.Width > 0 && size.Height > 0;
}

int CoverAlpha(bool covered, TTick coverStart, TTick coverEnd, TTick now) {
  if (covered) {
    const TTick t = now - coverStart;
    return t <= kCoverFadeMs ? 255 - RoundHalfEven(128.0 * t / kCoverFadeMs) : 128;
  }
  const TTick t = now - coverEnd;
  return t <= kCoverFadeMs ? 255 - RoundHalfEven((1.0 - double(t) / kCoverFadeMs) * 128) : 255;
}

}  // namespace drawing

using drawing::Loaded;
using drawing::Whole;

void DrawMap(const TRulesGame& game, const std::string& target) {
  const TPictureMap& map = game.Level.PictureMap;
  TRulesServices& services = game.Services;
  int x = map.X, y = map.Y;
  for (int i = 1; i <= map.Lines.Count(); ++i) {
    const int n = map.Lines[i - 1];
    if (n > 0 && n <= static_cast<int>(map.Images.size())) {
      const std::string& tile = map.Images[static_cast<size_t>(n - 1)];
      const TPictureSize size = services.GetPictureSize(tile);
      // The tile's bottom-left corner stands on (x, y).
      if (Loaded(size))
        DrawClipped(services, tile, target, game.ViewX(x), game.ViewY(y) - size.Height, Whole(size),
                    255);
    }
    if (map.LineLength <= 0 || i % map.LineLength != 0) {
      x += map.OneWidth;
    } else {
      y += map.OneHeight;
      x = y / 2;  // each line starts where the slanted lattice's left edge is
    }
  }
}

void DrawHints(const TRulesGame& game, const std::string& target) {
  if (!game.HasLayer()) return;
  TRulesServices& services = game.Services;
  const TPictureSize size = services.GetPictureSize(names::kFragHint);
  if (!Loaded(size)) return;
  for (const TPoint& p : game.Layer().Frontier)
    DrawClipped(services, names::kFragHint, target, game.ViewX(p.X) - 21, game.ViewY(p.Y),
                Whole(size), 255);
}

void DrawSnapPreview(const TRulesGame& game, const std::string& target) {
  TRulesServices& services = game.Services;
  const TBoardTables& tables = game.Cat.Tables;
  for (int frag : game.Level.SnapFrags) {
    if (frag < 0 || frag >= kFragCount) return;
    const TFragType& kind = tables.FragKindTable[tables.FragTable[frag].Kind];
    const TPictureSize size = services.GetPictureSize(kind.ImageName);
    if (!Loaded(size)) return;
    const int x = tables.FragPoint(frag, kind.XPoint).X;
    const int y = tables.FragPoint(frag, kind.YPoint).Y;
    DrawClipped(services, kind.ImageName, target, game.ViewX(x), game.ViewY(y), Whole(size), 255);
  }
}

void DrawBosses(const TRulesGame& game, const std::string& target) {
  TRulesServices& services = game.Services;
  const TTick now = services.Now();
  std::vector<bool> finished(game.Level.Bosses.size(), false);
  for (int l = 0; l < game.Level.CurrentLayer && l < static_cast<int>(game.Level.Layers.size());
       ++l)
    for (const TFishka& piece : game.Level.Layers[static_cast<size_t>(l)].Pieces)
      if (piece.BossIndex >= 0 && piece.BossIndex < static_cast<int>(finished.size()))
        finished[static_cast<size_t>(piece.BossIndex)] = true;
  for (int b = 0; b < static_cast<int>(game.Level.Bosses.size()); ++b) {
    const TBoss& boss = game.Level.Bosses[static_cast<size_t>(b)];
    const TBossType* type = game.BossTypeOf(b);
    // While its blocking effect plays, that effect shows the boss.
    if (!type || finished[static_cast<size_t>(b)] || boss.PreventUntil > now) continue;
    const TPictureSize size = services.GetPictureSize(type->Image);
    if (!Loaded(size)) continue;
    DrawClipped(services, type->Image, target, game.ViewX(boss.X), game.ViewY(boss.Y), Whole(size),
                drawing::CoverAlpha(boss.Covered, boss.CoverStart, boss.CoverEnd, now));
  }
}

void DrawQueue(const TRulesGame& game, const std::string& target) {
  TRulesServices& services = game.Services;
  const TTick now = services.Now();
  constexpr TClipRect kScreen{0, 0, 800, 600};
  for (int i = 1; i < game.PieceQueue.Count(); ++i) {
    const int index = game.PieceQueue[i];
    if (index < 0 || index >= game.PieceCount()) return;
    const TFishka& piece = game.Piece(index);
    const TFishkaShape& shape = game.ShapeOf(piece);
    // A NoColor piece shows the shape in the cycling colour, darkened towards black.
    const std::string picture =
        piece.NoColor ? shape.Name + "_" + std::to_string(game.ColorCycle) + ".pNg"
                      : game.Cat.Types[static_cast<size_t>(piece.TypeIndex)].PictureName;
    const TPictureSize size = services.GetPictureSize(picture);
    if (!Loaded(size)) return;
    if (piece.MoveUntil > now) continue;  // its flight draws it
    // Centred in the slot by its footprint; narrow pieces sit further right.
    const int e = (84 - shape.MaxY) / 2;
    const int z = size.Width > 70 ? 0 : 24;
    const TPoint slot = QueueSlot(i);
    const int x = slot.X - 30 + z - (shape.MaxY - shape.MinXY) / 2 - e / 2;
    const int y = slot.Y - 42 + e;
    DrawClippedTo(services, picture, target, x, y, Whole(size), kScreen, 255, 0,
                  piece.NoColor ? 180 : 0);
  }
}

}  // namespace rules
