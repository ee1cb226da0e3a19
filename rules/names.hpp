// rules/names.hpp — every interface object, property, sound, picture and effect name the game
// rules ask for. The interface file, the sound table and the archives must provide them.
#pragma once

namespace rules::names {

// Interface objects of the game window and the loading window.
constexpr const char* kDeadBar = "WGame_PBDead";
constexpr const char* kLoadingBar = "WGameLoading_PBGameLoading";
constexpr const char* kScoreLabel = "WGame_LScoreCount";
constexpr const char* kPutsLeftLabel = "WGame_LPutsLeftCount";
constexpr const char* kShiftLabel = "WGame_LShiftCount";
constexpr const char* kShuffleLabel = "WGame_LShuffleCount";
constexpr const char* kGameOverWindow = "WGameOver";
constexpr const char* kLevelCompleteWindow = "WLevelComplete";
constexpr const char* kLoseHint = "WGame_HLose";
constexpr const char* kPutHint = "WGame_HDisappear";
constexpr const char* kBossHint = "WGame_HBoss";

// Published properties set as text.
constexpr const char* kPosition = "Position";
constexpr const char* kCaption = "Caption";
constexpr const char* kBarPicture = "BarPicture";
constexpr const char* kVisible = "Visible";

// Sounds of the sound table.
constexpr const char* kSoundClear = "2_crystal.ogg";
constexpr const char* kSoundDrop = "3_crystal.ogg";
constexpr const char* kSoundSwap = "4_change.ogg";
constexpr const char* kSoundLayer = "5_crystal.ogg";
constexpr const char* kSoundLevelDone = "6_next_level.ogg";
constexpr const char* kSoundBonus = "7_bonus.ogg";
constexpr const char* kSoundUndo = "8_undo.ogg";
constexpr const char* kSoundWrongPlace = "9_wrong_place.ogg";
constexpr const char* kSoundLose = "10_looser.ogg";
constexpr const char* kSoundShift = "11_magic.ogg";
constexpr const char* kSoundShuffle = "12_magic.ogg";
constexpr const char* kSoundAlert = "alert.ogg";
constexpr const char* kSoundRotate = "rotate.ogg";
constexpr const char* kSoundBoom = "BonusBoom.ogg";
constexpr const char* kSoundBossPrevent = "BossPrevent.ogg";

// Pictures of the danger bar.
constexpr const char* kBarSafe = "DeadProgressBar.png";
constexpr const char* kBarOn = "DeadProgressBarOn.png";
constexpr const char* kBarGreen = "DeadProgressBarGreen.png";

// Pictures of the board and its effects.
constexpr const char* kFragPictures[4] = {"Frag1.png", "Frag2.png", "Frag3.png", "Frag4.png"};
constexpr const char* kFragHint = "FragHint.png";
constexpr const char* kParticle = "particle1.png";
constexpr const char* kShiftParticles = "particle_shift.png";
constexpr const char* kShuffleParticles = "particle_shuffle.png";
constexpr const char* kBoomStar = "boomstar.png";
constexpr const char* kTricolorStrip = "tricolor_line.png";
constexpr const char* kColorBombBase = "colorbomb_small_line.png";  // tinted per colour
constexpr const char* kColorStarBase = "boomcolorstar.png";
constexpr const char* kColorBombPrefix = "ColorBomb";  // + colour number
constexpr const char* kColorStarPrefix = "boomcolorstar";

// Icon strips of the bonus kinds 0..15; the colour bombs 8..14 show kColorBombPrefix pictures.
constexpr const char* kBonusStrips[16] = {"small_coin_line.png",
                                          "silver_coin_line.png",
                                          "gold_coin_line.png",
                                          "smallshuffle_small_line.png",
                                          "shuffle_small_line.png",
                                          "smallshift_small_line.png",
                                          "shift_small_line.png",
                                          "bomb_small_line.png",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          kTricolorStrip};

// Screen effects of pieces flying to the hand; they keep aiming at the pointer.
constexpr const char* kToMouseMove2 = "ToMouseMove2";  // its second path point follows
constexpr const char* kToMouseMove3 = "ToMouseMove3";  // its third path point follows

}  // namespace rules::names
