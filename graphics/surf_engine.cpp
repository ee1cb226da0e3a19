// graphics/surf_engine.cpp — surface list, loaders and the rebuild after a display change.
#include "graphics/surf_engine.hpp"

#include <cassert>
#include <cmath>
#include <filesystem>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "data/rounding.hpp"
#include "data/text_helpers.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"

namespace graphics {
namespace {

bool UsableSize(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
         static_cast<int64_t>(width) * height <= kMaxImagePixels;
}

std::string ReadIfExists(const std::string& path, bool& found) {
  std::error_code ec;
  found = std::filesystem::is_regular_file(path, ec);
  return found ? data::ReadWholeFile(path) : std::string();
}

}  // namespace

bool TSurfEngine::Create(int bitCount, int width, int height) {
  ScreenWidth = width;
  ScreenHeight = height;
  if (bitCount == 32) {
    format = TPixelFormat::Bits32();
  } else if (bitCount == 16) {
    format = TPixelFormat::Bits16();
  } else {
    format = TPixelFormat{};
    return false;
  }
  return true;
}

void TSurfEngine::Reindex() const {
  index.clear();
  for (size_t i = surfaces.size(); i-- > 0;) index[surfaces[i].Name] = static_cast<int>(i);
  indexDirty = false;
}

int TSurfEngine::IndexOf(std::string_view name) const {
  if (indexDirty) Reindex();
  auto it = index.find(name);
  return it == index.end() ? -1 : it->second;
}

TSurface* TSurfEngine::Find(std::string_view name) {
  const int i = IndexOf(name);
  return i < 0 ? nullptr : &surfaces[static_cast<size_t>(i)];
}

const TSurface* TSurfEngine::Find(std::string_view name) const {
  const int i = IndexOf(name);
  return i < 0 ? nullptr : &surfaces[static_cast<size_t>(i)];
}

void TSurfEngine::AddSurface(TSurface surface) {
  const size_t count = static_cast<size_t>(surface.Width) * static_cast<size_t>(surface.Height);
  assert(surface.Pixels32.empty() || surface.Pixels32.size() == count);
  assert(surface.Pixels16.empty() || surface.Pixels16.size() == count);
  assert(surface.AlphaPitch < 0
             ? surface.Alpha.empty()
             : surface.AlphaPitch == surface.Width && surface.Alpha.size() == count);
  (void)count;
  surfaces.push_back(std::move(surface));
  indexDirty = true;
}

void TSurfEngine::RemoveSurface(std::string_view name) {
  const int i = IndexOf(name);
  if (i < 0) return;
  surfaces.erase(surfaces.begin() + i);
  indexDirty = true;
}

// A newly loaded picture takes the place of an older one of the same name, so what was loaded
// last is what gets drawn.
void TSurfEngine::Replace(TSurface surface) {
  RemoveSurface(surface.Name);
  AddSurface(std::move(surface));
}

bool TSurfEngine::Ready(const TSurface& s) const {
  return format.BitCount == 32 ? !s.Pixels32.empty() : format.BitCount == 16 && !s.Pixels16.empty();
}

bool TSurfEngine::CreateBlank(const std::string& name, int width, int height) {
  if (format.BitCount == 0 || !UsableSize(width, height)) return false;
  TSurface s;
  s.Name = name;
  s.Width = width;
  s.Height = height;
  const size_t count = static_cast<size_t>(width) * height;
  if (format.BitCount == 32)
    s.Pixels32.assign(count, 0);
  else
    s.Pixels16.assign(count, 0);
  Replace(std::move(s));
  return true;
}

bool TSurfEngine::AddPicture(const std::string& name, const std::string& fileName,
                             const TImage& image, bool isPng, bool opaquePlaneWhenNone) {
  if (format.BitCount == 0 || !UsableSize(image.Width, image.Height)) return false;
  TSurface s;
  s.Name = name;
  s.FileName = fileName;
  s.Width = image.Width;
  s.Height = image.Height;
  const size_t count = static_cast<size_t>(image.Width) * image.Height;
  const int channels = image.Channels();
  const uint8_t* p = image.Pixels.data();
  if (format.BitCount == 32) {
    s.Pixels32.resize(count);
    for (size_t i = 0; i < count; ++i, p += channels) s.Pixels32[i] = Pixel32(p[0], p[1], p[2]);
  } else {
    s.Pixels16.resize(count);
    for (size_t i = 0; i < count; ++i, p += channels)
      s.Pixels16[i] = isPng ? PngPixel16(p[0], p[1], p[2]) : JpegPixel16(p[0], p[1], p[2]);
  }
  if (image.HasAlpha) {
    s.Alpha.resize(count);
    for (size_t i = 0; i < count; ++i) s.Alpha[i] = image.Pixels[i * 4 + 3];
  } else if (isPng && opaquePlaneWhenNone) {
    s.Alpha.assign(count, 255);
  }
  s.AlphaPitch = s.Alpha.empty() ? -1 : s.Width;
  Replace(std::move(s));
  return true;
}

void TSurfEngine::LoadPngFromFolder(data::TFileFolder& folder, const std::string& name,
                                    const std::string& entry) {
  data::TMemoryStream* stream = folder.GetFileStream(entry);
  if (stream == nullptr) return;
  AddPicture(name, entry, DecodePng(stream->View(), entry), true, true);
}

void TSurfEngine::LoadJpgFromFolder(data::TFileFolder& folder, const std::string& name,
                                    const std::string& entry) {
  data::TMemoryStream* stream = folder.GetFileStream(entry);
  if (stream == nullptr) return;
  AddPicture(name, entry, DecodeJpeg(stream->View(), entry), false, false);
}

bool TSurfEngine::LoadPngFromFile(const std::string& name, const std::string& path) {
  bool found = false;
  const std::string bytes = ReadIfExists(path, found);
  return found && AddPicture(name, path, DecodePng(bytes, path), true, false);
}

bool TSurfEngine::LoadJpgFromFile(const std::string& name, const std::string& path) {
  bool found = false;
  const std::string bytes = ReadIfExists(path, found);
  return found && AddPicture(name, path, DecodeJpeg(bytes, path), false, false);
}

void TSurfEngine::SetConstantAlpha(std::string_view name, uint8_t alpha0to255) {
  TSurface* s = Find(name);
  if (s == nullptr || s->HasAlpha()) return;
  s->Alpha.assign(static_cast<size_t>(s->Width) * s->Height, alpha0to255);
  s->AlphaPitch = s->Width;
}

bool TSurfEngine::GetPictureSize(std::string_view name, int& width, int& height) const {
  const TSurface* s = Find(name);
  width = s ? s->Width : 0;
  height = s ? s->Height : 0;
  return s != nullptr;
}

void TSurfEngine::ReleaseSurfaces() {
  for (TSurface& s : surfaces) {
    s.Pixels32 = {};
    s.Pixels16 = {};
    s.Alpha = {};
    s.AlphaPitch = -1;
  }
}

// Loads a picture again from the game archive, else from the levels archive, else (a loose
// picture) from its file; false when none holds it (the surface is then gone).
bool TSurfEngine::ReloadPicture(const std::string& name, const std::string& fileName,
                                data::TFileFolder* game, data::TFileFolder* levels) {
  RemoveSurface(name);
  data::TFileFolder* from = nullptr;
  if (game != nullptr && game->IndexOf(fileName) >= 0)
    from = game;
  else if (levels != nullptr && levels->IndexOf(fileName) >= 0)
    from = levels;
  if (from == nullptr) {
    if (data::EndsWithText(fileName, "png")) return LoadPngFromFile(name, fileName);
    if (data::EndsWithText(fileName, "jpg")) return LoadJpgFromFile(name, fileName);
    return false;
  }
  if (data::EndsWithText(fileName, "png"))
    LoadPngFromFolder(*from, name, fileName);
  else if (data::EndsWithText(fileName, "jpg"))
    LoadJpgFromFolder(*from, name, fileName);
  return IndexOf(name) >= 0;
}

void TSurfEngine::ReloadSurfaces(data::TFileFolder* game, data::TFileFolder* levels,
                                 std::string_view firstNames, int blankWidth, int blankHeight) {
  size_t pos = 0;
  while (pos < firstNames.size()) {
    const size_t start = firstNames.find_first_not_of(' ', pos);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(firstNames.find(' ', start), firstNames.size());
    const std::string name(firstNames.substr(start, end - start));
    pos = end;
    // Blank surfaces have no file to come from; they are made again below.
    const TSurface* s = Find(name);
    if (s != nullptr && !s->FileName.empty())
      ReloadPicture(name, std::string(s->FileName), game, levels);
  }

  // Reloaded pictures move to the end of the list, so work from a snapshot of the names.
  struct TPending {
    std::string Name, FileName;
    bool NeedsWork;
  };
  std::vector<TPending> pending;
  for (const TSurface& s : surfaces) pending.push_back({s.Name, s.FileName, !Ready(s)});
  const int count = static_cast<int>(pending.size());
  for (int i = 0; i < count; ++i) {
    const TPending& p = pending[static_cast<size_t>(i)];
    if (!p.NeedsWork) continue;
    if (p.FileName.empty()) {
      TSurface* s = Find(p.Name);
      if (s == nullptr || format.BitCount == 0 || !UsableSize(blankWidth, blankHeight)) return;
      const size_t n = static_cast<size_t>(blankWidth) * blankHeight;
      s->Width = blankWidth;
      s->Height = blankHeight;
      if (format.BitCount == 32)
        s->Pixels32.assign(n, 0);
      else
        s->Pixels16.assign(n, 0);
    } else {
      ReloadPicture(p.Name, p.FileName, game, levels);
    }
    if (OnProgress) OnProgress(count > 1 ? data::RoundHalfEven(i * 100.0 / (count - 1)) : 100);
  }
}

TFrameView TSurfEngine::View(std::string_view name) const {
  const TSurface* s = Find(name);
  if (s == nullptr || !Ready(*s)) return {};
  TFrameView v;
  v.Pixels = format.BitCount == 32 ? static_cast<const void*>(s->Pixels32.data())
                                   : static_cast<const void*>(s->Pixels16.data());
  v.Width = s->Width;
  v.Height = s->Height;
  v.PitchBytes = s->Width * format.BitCount / 8;
  v.BitCount = format.BitCount;
  return v;
}

bool TSurfEngine::PresentFrame(IFramePresenter& presenter) const {
  const TFrameView v = View(kBackBufferName);
  if (v.Pixels == nullptr) return false;
  presenter.PresentFrame(v);
  return true;
}

}  // namespace graphics
