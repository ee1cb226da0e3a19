// rules/effect_runner.hpp — starting, advancing and steering the running effects of the board
// and the screen; the one place the rules touch effect objects.
#pragma once

#include "rules/part_effect.hpp"

namespace rules {

// Copies the template into a fresh effect of the entry and gives its function "FContour" the
// entry's Path when that is not empty. A null template leaves the entry without an effect (it
// then counts as finished); returns whether an effect was made.
bool CreatePartEffect(TPartEffect& entry, const fx::TOrlParticleEffect* effectTemplate);
// Advances the entry's effect to tick and starts it.
void LaunchPartEffect(TPartEffect& entry, TTick tick);
inline void StartPartEffect(TPartEffect& entry, const fx::TOrlParticleEffect* effectTemplate,
                            TTick tick) {
  if (CreatePartEffect(entry, effectTemplate)) LaunchPartEffect(entry, tick);
}

// For outline effects, before the launch: the particle system "SContour" lines the path with
// one particle about every 10 units (d = rounded path length div 10 initial particles).
void LineContourParticles(TPartEffect& entry);

// Advances the entry's effect; true when it has finished or there is none.
bool UpdatePartEffect(TPartEffect& entry, TTick now);

// Moves point index (0-based) of the "FContour" path, for pieces flying towards the cursor.
void MovePathPoint(TPartEffect& entry, int index, int x, int y);

// ms the started effect lives; 0 without an effect.
TTick EffectLifetime(const TPartEffect& entry);

}  // namespace rules
