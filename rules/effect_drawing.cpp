// rules/effect_drawing.cpp — the particles of the board's and the screen's running effects.
#include <algorithm>

#include "fx/particle.hpp"
#include "fx/particle_effect.hpp"
#include "fx/particle_system.hpp"
#include "rules/board_drawing.hpp"
#include "rules/board_drawing_detail.hpp"
#include "rules/layout.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace drawing {
namespace {

int Channel(float value) {
  return std::clamp(static_cast<int>(value), 0, 255);  // truncated, as the colour is given
}

struct TParticleLook {
  int Alpha = 255;
  uint32_t Color = 0;
  int Mix = 0;
};

TParticleLook LookOf(const fx::TOrlParticle& particle) {
  TParticleLook look;
  look.Alpha = std::clamp(RoundHalfEven(particle.Alpha() * 255.0), 0, 255);
  const fx::TVector color = particle.Color();
  look.Color = static_cast<uint32_t>(Channel(color.x)) |
               static_cast<uint32_t>(Channel(color.y)) << 8 |
               static_cast<uint32_t>(Channel(color.z)) << 16;
  const double weight = particle.ColorWeight();
  // A weight of 1 would mean mix 0, which is "untinted": the fullest tint is mix 1.
  look.Mix = weight == 0 ? 0 : std::clamp(RoundHalfEven((1.0 - weight) * 255), 1, 255);
  return look;
}

}  // namespace

void DrawEffectEntry(const TRulesGame& game, const TPartEffect& entry, const std::string& target,
                     bool onBoard, int raise) {
  if (!entry.Effect) return;
  TRulesServices& services = game.Services;
  const TPictureSize size =
      entry.IsText ? TPictureSize{} : services.GetPictureSize(entry.ImageName);
  if (!entry.IsText && !Loaded(size)) return;
  const fx::TOrlParticleEffect& effect = *entry.Effect;
  for (int s = 0; s < effect.SystemCount(); ++s) {
    const fx::TOrlParticleSystem& system = *effect.System(s);
    const int frames = onBoard ? entry.FrameCount : system.FrameCount;
    TSourceRect source = Whole(size);
    const int frameWidth = frames >= 2 ? size.Width / frames : size.Width;
    const int hw = entry.IsText ? 0 : frameWidth / 2, hh = entry.IsText ? 0 : size.Height / 2;
    for (int i = 0; i < system.ParticleCount(); ++i) {
      const fx::TOrlParticle& particle = *system.Particle(i);
      const fx::TVector at = particle.Position();
      const int px = RoundHalfEven(at.x), py = RoundHalfEven(at.y);
      // Board effects go upwards with y, screen effects downwards.
      const int x = onBoard ? game.ViewX(px + entry.X) - hw : px + entry.X - hw;
      const int y = onBoard ? game.ViewY(py + entry.Y + raise) - hh : py + entry.Y - hh;
      const TParticleLook look = LookOf(particle);
      if (entry.IsText) {
        const int sx = onBoard ? x + kViewLeft : x, sy = onBoard ? y + kViewTop : y;
        services.DrawText(entry.ImageName, target, sx, sy, look.Alpha, look.Color);
        continue;
      }
      if (frames >= 2) {
        const int f = particle.Frame();
        if (f < 0 || f >= frames) continue;  // no such frame in the strip
        source.Left = f * frameWidth;
        source.Right = (f + 1) * frameWidth - 1;
      }
      if (onBoard)
        DrawClipped(services, entry.ImageName, target, x, y, source, look.Alpha, look.Color,
                    look.Mix);
      else
        DrawClippedTo(services, entry.ImageName, target, x, y, source, entry.Clip, look.Alpha,
                      look.Color, look.Mix);
    }
  }
}

}  // namespace drawing

void DrawLevelEffects(const TRulesGame& game, const std::string& target) {
  for (const TPartEffect& entry : game.Level.LevelEffects)
    drawing::DrawEffectEntry(game, entry, target, true);
}

void DrawScreenEffects(const TRulesGame& game, const std::string& target) {
  for (const TPartEffect& entry : game.Game.ScreenEffects)
    drawing::DrawEffectEntry(game, entry, target, false);
}

}  // namespace rules
