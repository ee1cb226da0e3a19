// graphics/surf_engine.hpp — every picture the game draws, and the software composition of
// each frame into the 800×600 back buffer "MemorySurface".
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/glyph_record.hpp"
#include "graphics/frame_presenter.hpp"
#include "graphics/image.hpp"
#include "graphics/pixel_format.hpp"
#include "graphics/surface.hpp"

namespace data {
class TFileFolder;
}

namespace graphics {

inline constexpr const char* kBackBufferName = "MemorySurface";

// NOTE: every operation takes surface names; an unknown name (or a surface released for a
// display change) makes drawing calls do nothing, silently. Colours are 0x00BBGGRR.
class TSurfEngine {
 public:
  // Sets the pixel format for a display of the given depth and forgets nothing else. Only 16
  // and 32 bits are drawn on: any other depth returns false and leaves no format, so
  // surfaces cannot be created.
  bool Create(int bitCount, int width = 800, int height = 600);

  void AddSurface(TSurface surface);
  int IndexOf(std::string_view name) const;  // first surface of that exact name, -1 if none
  void RemoveSurface(std::string_view name);
  TSurface* Find(std::string_view name);
  const TSurface* Find(std::string_view name) const;
  const std::vector<TSurface>& Surfaces() const { return surfaces; }

  // A black surface without alpha plane; false when the size is unusable or there is no format.
  bool CreateBlank(const std::string& name, int width, int height);
  // Archive loaders: a missing entry adds nothing; a damaged one raises data::Error. Pictures
  // from archives always get an alpha plane (opaque when the PNG stores none).
  void LoadPngFromFolder(data::TFileFolder& folder, const std::string& name,
                         const std::string& entry);
  void LoadJpgFromFolder(data::TFileFolder& folder, const std::string& name,
                         const std::string& entry);
  // Disk loaders: false when the file does not exist or no surface can be made; a damaged file
  // raises data::Error. A PNG without alpha channel gets no plane here.
  bool LoadPngFromFile(const std::string& name, const std::string& path);
  bool LoadJpgFromFile(const std::string& name, const std::string& path);
  // The decoded picture as a surface (a loader's last step); false when no surface can be made.
  bool AddPicture(const std::string& name, const std::string& fileName, const TImage& image,
                  bool isPng, bool opaquePlaneWhenNone);

  // Gives a picture without alpha plane a plane of that value (so it can be faded).
  void SetConstantAlpha(std::string_view name, uint8_t alpha0to255);
  // Every byte of the surface's pixel memory set to value.
  void Clear(std::string_view name, uint8_t value);
  // A plain copy without blending; false (nothing copied) when the rectangle is not inside the
  // source or the copy would reach outside the destination.
  bool CopyPicture(std::string_view source, std::string_view dest, int x, int y,
                   const TRect* sourceRect = nullptr);
  void FillRect(std::string_view dest, TRect rect, uint32_t color, uint8_t alpha);
  // Pictures without alpha plane are copied as by CopyPicture (no alpha, tint or clipping);
  // the others are clipped to the screen and blended. mix 0 draws untinted.
  void DrawPicture(std::string_view source, std::string_view dest, int x, int y, uint8_t alpha,
                   const TRect* sourceRect = nullptr, uint32_t color = 0, uint8_t mix = 0);
  // The first count glyphs of the batch from the font picture source, each tinted (mix 1).
  void DrawGlyphs(std::string_view source, std::string_view dest, int count,
                  std::span<const TOrlGlyphDraw> batch);

  // The size of a picture, or false and 0 × 0 when there is none of that name.
  bool GetPictureSize(std::string_view name, int& width, int& height) const;

  // Drops every surface's pixels and alpha plane before a display change; the records stay.
  void ReleaseSurfaces();
  // Rebuilds the released surfaces after a display change: first the blank-separated names in
  // firstNames, then every other surface without pixels (blank ones at the given size).
  void ReloadSurfaces(data::TFileFolder* game, data::TFileFolder* levels,
                      std::string_view firstNames, int blankWidth, int blankHeight);

  TFrameView View(std::string_view name) const;
  // Hands "MemorySurface" to the presenter; false when there is no back buffer.
  bool PresentFrame(IFramePresenter& presenter) const;

  const TPixelFormat& PixelFormat() const { return format; }
  int RedShift() const { return MaskShift(format.RedMask); }
  int GreenShift() const { return MaskShift(format.GreenMask); }
  int BlueShift() const { return MaskShift(format.BlueMask); }

  int ScreenWidth = 800;  // pixels; drawing is clipped to the screen
  int ScreenHeight = 600;
  std::function<void(int percent)> OnProgress;  // called by ReloadSurfaces; may be empty

 private:
  struct TNameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  // Pixels usable in the current format (a surface from before a depth change has none).
  bool Ready(const TSurface& s) const;
  void Replace(TSurface surface);
  void Reindex() const;
  void DrawClipped(const TSurface& src, TSurface& dst, int x, int y, TRect r, int alpha, int mix,
                   uint32_t color);
  bool ReloadPicture(const std::string& name, const std::string& fileName, data::TFileFolder* game,
                     data::TFileFolder* levels);

  TPixelFormat format;
  std::vector<TSurface> surfaces;
  mutable std::unordered_map<std::string, int, TNameHash, std::equal_to<>> index;
  mutable bool indexDirty = true;
};

}  // namespace graphics
