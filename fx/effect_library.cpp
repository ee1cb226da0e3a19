// fx/effect_library.cpp
#include "fx/effect_library.hpp"

#include "fx/particle_effect.hpp"

namespace fx {

std::unique_ptr<TOrlParticleEffect> TEffectLibrary::NewEffect() {
  return std::make_unique<TOrlParticleEffect>(this);
}

}  // namespace fx
