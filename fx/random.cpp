// fx/random.cpp
#include "fx/random.hpp"

namespace fx {

TRandom& Random() {
  static TRandom generator;
  return generator;
}

}  // namespace fx
