// rules/piece_drawing.cpp — the placed pieces strip by strip in paint order, with the level
// pictures drawn between their rows and the bonus icons over each finished row.
#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "rules/board_drawing.hpp"
#include "rules/board_drawing_detail.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace {

constexpr int kStackStep = 9;     // px each further copy of a stacked piece is drawn higher
constexpr int kWholeHeight = 52;  // pictures up to this high are drawn whole in their strip 0
constexpr uint32_t kWhite = 0xFFFFFF;

using drawing::Loaded;

class TPieceDrawing {
 public:
  TPieceDrawing(const TRulesGame& game, const std::string& target)
      : game(game),
        services(game.Services),
        target(target),
        now(services.Now()),
        pictureDrawn(game.Level.Pictures.size(), false) {}

  void Run() {
    const TPaintOrder& order = game.PaintOrder;
    for (int e = 0; e < order.Count(); ++e) {
      const int index = order.Pieces[e];
      if (index < 0 || index >= game.PieceCount()) return;
      const TFishka& piece = game.Piece(index);
      const TPictureSize size = game.PictureSize(piece);
      if (!Loaded(size)) return;
      const int strip = order.Strips[e];
      const int top = strip == 0 ? 0 : game.ShapeOf(piece).Height + kRowHeight * strip;
      // The strip's top in board units: rows are drawn from the top of the board down.
      const int row = piece.Y - top;
      if (row < rowValue) {
        DrawIcons();
        DrawPictures(row, rowValue);
        rowValue = row;
      }
      DrawStrip(piece, size, strip, top);
      if (strip == 0 && piece.Bonus >= 0) icons.push_back(index);
    }
    DrawPictures(INT_MIN, INT_MAX);  // the rest lie under every piece, or above them all
    DrawIcons();
  }

 private:
  void DrawStrip(const TFishka& piece, TPictureSize size, int strip, int top) {
    const int height = game.ShapeOf(piece).Height;
    TSourceRect source{0, top, size.Width - 1, 0};
    if (size.Height <= kWholeHeight && strip == 0)
      source.Bottom = size.Height - 1;
    else
      source.Bottom =
          std::min(strip == 0 ? height + kRowHeight - 1 : top + kRowHeight, size.Height - 1);
    if (source.Top > source.Bottom) return;
    int alpha = 255, mix = 0, rise = 0;
    if (piece.Hit) {
      // Fading out while it rises along the contour's length.
      const TTick left = piece.HitUntil - now;
      alpha = std::clamp(RoundHalfEven((left - 250) * 255.0 / kHitMs), 0, 255);
      rise = RoundHalfEven((1.0 - static_cast<double>(left) / kHitMs) * services.ContourLength());
    } else if (now < piece.FlashUntil) {
      const double phase = (now + 200 - piece.FlashUntil) * std::numbers::pi / 50;
      mix = RoundHalfEven((1 - std::sin(phase)) * 32 + 160);
    }
    const std::string& picture = game.Cat.Types[static_cast<size_t>(piece.TypeIndex)].PictureName;
    const int x = game.ViewX(piece.X), y = game.ViewY(piece.Y - top) - rise;
    for (int copy = 0; copy < std::max<int>(piece.Count, 1); ++copy)
      DrawClipped(services, picture, target, x, y - kStackStep * copy, source, alpha,
                  mix ? kWhite : 0, mix);
  }

  // The level pictures whose depth row (Y - Sy) lies in (low, high].
  void DrawPictures(int low, int high) {
    for (size_t i = 0; i < game.Level.Pictures.size(); ++i) {
      const TLevelPicture& picture = game.Level.Pictures[i];
      const int depth = picture.Y - picture.Sy;
      if (pictureDrawn[i] || depth <= low || depth > high || picture.Images.empty()) continue;
      pictureDrawn[i] = true;
      const int alpha =
          drawing::CoverAlpha(picture.Covered, picture.CoverStart, picture.CoverEnd, now);
      DrawClipped(services, picture.Images.front(), target, game.ViewX(picture.X),
                  game.ViewY(picture.Y), {0, 0, picture.Width - 1, picture.Height - 1}, alpha);
    }
  }

  // Icons over the pieces of the rows finished since the last call, raised with their stacks.
  void DrawIcons() {
    for (int index : icons) {
      const TFishka& piece = game.Piece(index);
      drawing::DrawEffectEntry(game, piece.BonusEffect, target, true,
                               kStackStep * (std::max<int>(piece.Count, 1) - 1));
    }
    icons.clear();
  }

  const TRulesGame& game;
  TRulesServices& services;
  const std::string& target;
  const TTick now;
  std::vector<bool> pictureDrawn;
  std::vector<int> icons;  // pieces with a bonus in the rows since the last row change
  int rowValue = 10000;
};

}  // namespace

void DrawPieces(const TRulesGame& game, const std::string& target) {
  TPieceDrawing(game, target).Run();
}

}  // namespace rules
