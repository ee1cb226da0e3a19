// rules/services.hpp — everything the game rules need from the rest of the program: clock,
// archives, picture store, picture composition, sound, music, interface objects, effect
// templates, the log and the drawing of the board's contents. The shell implements it; tests
// use a recording fake.
#pragma once

#include <cstdint>
#include <string>

namespace data {
class TFileFolder;
}
namespace fx {
class TOrlParticleEffect;
}

namespace rules {

// The two archives open while the game runs: "temp/game.zxc" and "temp/levels.zxc".
enum class TArchiveKind { Game, Level };

struct TPictureSize {
  int Width = 0;  // px; both 0 for a picture that is not loaded
  int Height = 0;
};

// A part of a picture, px; Right and Bottom inclusive.
struct TSourceRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TSourceRect&, const TSourceRect&) = default;
};

// NOTE: every call happens on the main thread, never re-entrantly from the rules. A false result
// (no such object or picture) means nothing happened; the rules do not report it.
class TRulesServices {
 public:
  virtual ~TRulesServices() = default;

  // Millisecond tick count; it wraps after 2^32 ms like the system's.
  virtual uint32_t Now() = 0;
  // The tick taken once at the start of the current frame; hits within a frame compare to it.
  virtual uint32_t FrameStartTick() = 0;

  // The archive stays the service's. GetFileStream on it yields null for a missing entry.
  virtual data::TFileFolder& Archive(TArchiveKind archive) = 0;
  virtual void SaveArchive(TArchiveKind archive) = 0;

  // Pictures are addressed by exact name; loading raises data::Error for a missing entry.
  virtual bool HasPicture(const std::string& name) = 0;
  virtual void LoadPngFromFolder(TArchiveKind archive, const std::string& name,
                                 const std::string& entryName) = 0;
  virtual void LoadJpgFromFolder(TArchiveKind archive, const std::string& name,
                                 const std::string& entryName) = 0;
  virtual TPictureSize GetPictureSize(const std::string& name) = 0;
  // Renders an AutoImage description (quality 80) and adds the result to the archive as the
  // entry named after the description's name plus ".pNg".
  virtual void RenderAutoImage(const std::string& autoImageText, TArchiveKind archive) = 0;

  // Sound effects by file name ("2_crystal.ogg"); an unknown name plays nothing.
  virtual void PlaySound(const std::string& name) = 0;
  virtual void PlayMusic(const std::string& name) = 0;
  virtual void StopMusic() = 0;
  virtual std::string PlayingMusic() = 0;  // empty when none plays

  virtual bool SetObjectProperty(const std::string& object, const std::string& property,
                                 const std::string& value) = 0;
  virtual void ShowHint(const std::string& hint) = 0;
  virtual void ShowHintAt(const std::string& hint, int x, int y) = 0;
  // Shows a window by name on top of the shown ones ("WGameOver", "WLevelComplete").
  virtual void ShowWindow(const std::string& window) = 0;

  // Draws and presents the whole current screen once (the loading bar moves during start-up).
  virtual void PresentScreen() = 0;
  // The cached board background (map, attach hints) must be rebuilt before the next frame.
  virtual void InvalidateBackground() = 0;

  // Pointer events go to the interface engine before the rules act on them; the shell also
  // notes the time of the last input there.
  virtual void ForwardMouseMove(int x, int y) = 0;
  virtual void ForwardMouseDown(int button, bool shiftHeld) = 0;
  virtual void ForwardMouseWheel(int delta) = 0;

  // Effect template of slot 0..14, loaded once at start-up; null when that slot is missing.
  virtual const fx::TOrlParticleEffect* EffectTemplate(int slot) = 0;

  // Board drawing (board_drawing.cpp), which clips every part to the board view or to the
  // effect's clip rectangle first. A services without a screen (tools) keeps the defaults,
  // which draw nothing; the game's window overrides all three.
  // DrawPicture draws the source part of the picture named picture onto the surface named
  // target ("MemorySurface" or "Background") with its top-left at screen (x, y), with alpha
  // 0..255, tinted towards color (0x00BBGGRR, red lowest) by mix: 0 leaves the picture as it
  // is, otherwise each channel s becomes color + (s - color) * mix / 256 (the surface engine's
  // DrawPicture).
  virtual void DrawPicture(const std::string& /*picture*/, const std::string& /*target*/, int /*x*/,
                           int /*y*/, int /*alpha*/, const TSourceRect& /*source*/,
                           uint32_t /*color*/, int /*mix*/) {}
  // Writes text with the game font, its top-left at screen (x, y).
  virtual void DrawText(const std::string& /*text*/, const std::string& /*target*/, int /*x*/,
                        int /*y*/, int /*alpha*/, uint32_t /*color*/) {}
  // Board units a hit piece rises while it fades: the rounded value of the last key point of
  // the function "FPosition" of "contour.xml", taken when the effect templates are loaded.
  virtual int ContourLength() { return 0; }

  // One line for the program's log (the shell adds the time stamp); for data the rules accept
  // but that a modder should hear about.
  virtual void WriteLog(const std::string& line) = 0;
};

}  // namespace rules
