// content/audio/sound_gen.cpp — synthesises every sound the game plays and writes them as Ogg
// Vorbis files, with the list "sounds.dat" that the game loads them from.
//
// Usage: zerith_sound_gen OUT_DIR
// Crystal and glass: struck partials with inharmonic overtones, 2 to 5 ms attacks, exponential
// decays and a short room; mono 44.1 kHz, every sound peaking at -1 dBFS.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "content/audio/ogg_writer.hpp"
#include "content/audio/synth.hpp"

namespace {

using synth::Buffer;

// Notes of the major pentatonic on C, in Hz.
constexpr double kC5 = 523.25, kD5 = 587.33, kE5 = 659.26, kG5 = 783.99, kA5 = 880.0;
constexpr double kC6 = 1046.5, kD6 = 1174.66, kE6 = 1318.51, kG6 = 1567.98, kA6 = 1760.0;
constexpr double kC7 = 2093.0;

std::vector<synth::Partial> Short(double scale) {
  std::vector<synth::Partial> p = synth::GlassPartials();
  for (synth::Partial& q : p) q.decayS *= scale;
  return p;
}

Buffer Put() {
  Buffer b = synth::Silence(0.3);
  synth::Strike(b, 0, kA5, 0.55, Short(0.16), 2.0);
  synth::Glide(b, 0, 0.12, 190, 120, 0.9, 2.0, 0.09);  // the soft landing
  return b;
}

Buffer Crystals(const std::vector<double>& notes, double stepS, double decay) {
  Buffer b;
  for (size_t i = 0; i < notes.size(); ++i) {
    synth::Strike(b, i * stepS, notes[i], 0.6, Short(decay), 3.0);
    synth::FmBell(b, i * stepS, notes[i] * 2, 0.12, 1.41, 1.2, 0.35 * decay, 3.0);
  }
  return b;
}

Buffer Change() {
  Buffer b = synth::Silence(0.12);
  synth::Strike(b, 0, 1600, 0.6, Short(0.06), 2.0);
  return b;
}

Buffer NextLevel() {
  Buffer b = Crystals({kC5, kE5, kG5, kC6, kE6, kG6}, 0.09, 1.2);
  for (double f : {kC5, kE5, kG5, kC6})  // the chord that rings on
    synth::FmBell(b, 0.55, f, 0.22, 2.0, 0.8, 1.8, 5.0);
  return b;
}

Buffer Bonus() {
  Buffer b = Crystals({kC6, kD6, kE6, kG6, kA6, kC7}, 0.045, 0.45);
  synth::NoiseBurst(b, 0.05, 0.5, 5000, 12000, 0.12, 5.0, 0.35, 7);  // sparkle
  return b;
}

Buffer Undo() {
  Buffer b = synth::Silence(0.4);
  synth::Glide(b, 0, 0.3, kG5, kD5, 0.5, 4.0, 0.28);
  synth::Strike(b, 0.16, kD5, 0.4, Short(0.35), 3.0);
  return b;
}

Buffer WrongPlace() {
  // A soft low glassy tap: a damped low bar and a muffled knock.
  Buffer b = synth::Silence(0.3);
  synth::Strike(b, 0, 220, 0.6, Short(0.12), 4.0);
  synth::Glide(b, 0, 0.1, 150, 110, 0.5, 3.0, 0.07);
  return b;
}

Buffer Looser() {
  // A descending minor third, slow and darker (the bright partials left out).
  const std::vector<synth::Partial> dark = {{1.0, 1.0, 1.4}, {2.0, 0.25, 0.8}, {2.76, 0.15, 0.4}};
  Buffer b;
  synth::Strike(b, 0, kE5, 0.6, dark, 5.0);
  synth::Strike(b, 0.42, 554.37, 0.7, dark, 5.0);
  synth::Strike(b, 0.42, 277.18, 0.35, dark, 5.0);
  return b;
}

Buffer Magic(bool shuffle) {
  Buffer b = synth::Silence(1.0);
  if (shuffle) {
    // Swirling: a cluster of pentatonic bells in a tumbling order.
    const double notes[] = {kE6, kA5, kD6, kG5, kC6, kA6, kE5, kG6};
    for (int i = 0; i < 8; ++i) synth::FmBell(b, i * 0.06, notes[i], 0.35, 3.5, 1.5, 0.5, 3.0);
    synth::NoiseBurst(b, 0, 0.8, 2000, 8000, 0.18, 80.0, 0.6, 11);
  } else {
    // Pushing down: a falling glissando over a low swell.
    synth::Glide(b, 0, 0.7, 1800, 300, 0.45, 5.0, 0.6);
    synth::Glide(b, 0, 0.7, 2700, 450, 0.2, 5.0, 0.5);
    synth::NoiseBurst(b, 0, 0.7, 300, 2500, 0.25, 120.0, 0.5, 13);
  }
  return b;
}

Buffer BonusBoom() {
  Buffer b = synth::Silence(1.0);
  synth::Glide(b, 0, 0.5, 110, 38, 1.0, 3.0, 0.4);            // the blast
  synth::NoiseBurst(b, 0, 0.6, 40, 1800, 0.9, 2.0, 0.35, 3);  // its rumble
  synth::Noise pick(5);
  for (int i = 0; i < 14; ++i)  // glass shards
    synth::Strike(b, 0.03 + i * 0.025, pick.Uniform(2200, 5200), 0.18, Short(0.12), 2.0);
  return b;
}

Buffer BossPrevent() {
  // Dark and low: two gongs a little out of tune, beating against each other.
  const std::vector<synth::Partial> gong = {
      {1.0, 1.0, 1.0}, {2.4, 0.5, 0.6}, {3.9, 0.25, 0.3}, {5.2, 0.1, 0.2}};
  Buffer b;
  synth::Strike(b, 0, 110, 0.6, gong, 5.0);
  synth::Strike(b, 0.005, 116.5, 0.5, gong, 5.0);
  synth::Glide(b, 0, 0.35, 90, 60, 0.5, 5.0, 0.3);
  return b;
}

Buffer Alert() {
  // Two soft pulses.
  Buffer b = synth::Silence(0.6);
  for (int i = 0; i < 2; ++i) {
    synth::Glide(b, i * 0.22, 0.16, 880, 880, 0.6, 25.0, 0.12);
    synth::Glide(b, i * 0.22, 0.16, 1760, 1760, 0.12, 25.0, 0.08);
  }
  return b;
}

Buffer Rotate() {
  Buffer b = synth::Silence(0.18);
  synth::Glide(b, 0, 0.08, 900, 1500, 0.35, 3.0, 0.06);
  synth::Strike(b, 0.02, 1500, 0.4, Short(0.07), 2.0);
  return b;
}

Buffer UiClick() {
  Buffer b = synth::Silence(0.08);
  synth::Strike(b, 0, 2100, 0.5, Short(0.035), 2.0);
  synth::Glide(b, 0, 0.03, 420, 300, 0.4, 2.0, 0.02);
  return b;
}

Buffer UiTick() {
  Buffer b = synth::Silence(0.1);
  synth::Strike(b, 0, 1568, 0.5, Short(0.05), 2.0);
  return b;
}

struct Sound {
  const char* name;
  std::function<Buffer()> make;
  double room;  // reverb level
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zerith_sound_gen OUT_DIR\n");
    return 1;
  }
  const std::string dir = argv[1];
  mkdir(dir.c_str(), 0755);
  const std::vector<Sound> sounds = {
      {"1_put.ogg", Put, 0.3},
      {"2_crystal.ogg",
       [] {
         return Crystals({kE5, kE6}, 0.0, 1.0);
       },
       0.5},
      {"3_crystal.ogg",
       [] {
         return Crystals({kG5, kC6}, 0.07, 1.0);
       },
       0.5},
      {"5_crystal.ogg",
       [] {
         return Crystals({kC6, kE6, kG6, kC7}, 0.07, 1.2);
       },
       0.6},
      {"4_change.ogg", Change, 0.2},
      {"6_next_level.ogg", NextLevel, 0.7},
      {"7_bonus.ogg", Bonus, 0.5},
      {"8_undo.ogg", Undo, 0.4},
      {"9_wrong_place.ogg", WrongPlace, 0.25},
      {"10_looser.ogg", Looser, 0.6},
      {"11_magic.ogg", [] { return Magic(false); }, 0.5},
      {"12_magic.ogg", [] { return Magic(true); }, 0.5},
      {"BonusBoom.ogg", BonusBoom, 0.4},
      {"BossPrevent.ogg", BossPrevent, 0.5},
      {"alert.ogg", Alert, 0.3},
      {"rotate.ogg", Rotate, 0.2},
      {"ui_click.ogg", UiClick, 0.15},
      {"ui_tick.ogg", UiTick, 0.15},
  };
  std::string list;
  try {
    int serial = 0x5A455200;  // fixed: the same samples always give the same file
    for (const Sound& s : sounds) {
      Buffer b = s.make();
      synth::Reverb(b, s.room, 0.35);
      synth::RemoveDc(b);
      synth::Normalise(b, -1.0);
      synth::FadeEdges(b, 0.5, 40.0);
      synth::WriteOggVorbis(dir + "/" + s.name, b, ++serial);
      list += std::string(s.name) + "\r\n";
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zerith_sound_gen: %s\n", e.what());
    return 1;
  }
  std::ofstream out(dir + "/sounds.dat", std::ios::binary);
  out << list;
  return out ? 0 : 1;
}
