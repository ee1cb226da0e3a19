// graphics/png_morf.cpp
#include "graphics/png_morf.hpp"

#include <algorithm>
#include <filesystem>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "graphics/attr_text.hpp"
#include "graphics/auto_image.hpp"
#include "graphics/jpeg_png.hpp"

namespace graphics {
namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

data::TMemoryStream& Entry(data::TFileFolder& folder, const std::string& name) {
  data::TMemoryStream* s = folder.GetFileStream(name);
  if (s == nullptr) throw data::Error("File " + name + " does not exist!");
  return *s;
}

[[noreturn]] void CannotConvert(std::string_view entry) {
  throw data::Error("Cannot convert picture \"" + std::string(entry) +
                    "\": it is not a readable PNG or JPEG");
}

}  // namespace

TPNGMorf::TPNGMorf(int quality) : quality(std::clamp(quality, 0, 100)) {}

void TPNGMorf::RunJobs() {
  for (const std::string& job : Jobs) {
    const std::string source = AttrValue(job, "Source");
    if (!FileExists(source)) throw data::Error("Can not find file " + source + "!");
    const std::string dest = AttrValue(job, "Dest");
    if (FileExists(dest)) continue;  // the working archive is reused as it is
    const std::filesystem::path dir = std::filesystem::path(dest).parent_path();
    if (!dir.empty()) std::filesystem::create_directories(dir);
    MorfArchive(source, dest);
  }
}

void TPNGMorf::MorfArchive(const std::string& sourcePath, const std::string& destPath) {
  if (!FileExists(sourcePath)) return;
  data::TFileFolder source(sourcePath);
  // A damaged archive opens without entries; converting it would leave an empty working copy
  // that is never made again.
  if (!source.OpenError().empty()) throw data::Error(source.OpenError() + ": " + sourcePath);
  auto dest = data::TFileFolder::CreateNew(destPath);
  ConvertEntries(source, *dest);
  RenderAutoImages(*dest);
  dest->Save();
}

void TPNGMorf::ConvertEntries(data::TFileFolder& source, data::TFileFolder& dest) {
  const int n = source.Count();
  for (int i = 0; i < n; ++i) {
    if (n > 1 && OnProgress) OnProgress(source.FileName(), static_cast<int>(100LL * i / (n - 1)));
    ConvertEntry(source, dest, i);
  }
}

void TPNGMorf::ConvertEntry(data::TFileFolder& source, data::TFileFolder& dest, int index) {
  const std::string name(source.Dir()[static_cast<size_t>(index)].Name());
  const uint16_t kind = source.Dir()[static_cast<size_t>(index)].Kind;
  const size_t dot = name.find('.');
  const std::string base = name.substr(0, dot);
  const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
  data::TMemoryStream& entry = Entry(source, name);
  data::TMemoryStream a, b;

  if (ext == "PNG") {
    if (!SplitPng(entry, quality, a, b)) CannotConvert(name);
    dest.AddFile(base + "._JPG", 2, a);
    dest.AddFile(base + "._PNG", 2, b);
  } else if (ext == "PnG") {
    // The colour lives in the ".jpg" of the same name, which is also copied as an entry of its
    // own; it travels as "._jpg" so the two never collide and unpacking finds it again.
    data::TMemoryStream& jpg = Entry(source, base + ".jpg");
    if (!AlphaToGray(entry, a)) CannotConvert(name);
    dest.AddFile(base + "._PnG", 2, a);
    dest.AddFile(base + "._jpg", 2, jpg);
  } else if (ext == "aim") {
    dest.AddFile(base + "._aim", 1, entry);
  } else if (ext == "_aim") {
    dest.AddFile(base + ".aim", 1, entry);
  } else if (ext == "_PNG" || ext == "_PnG") {
    const std::string colorName = base + (ext == "_PNG" ? "._JPG" : "._jpg");
    data::TMemoryStream& jpg = Entry(source, colorName);
    if (!JpegToPng(jpg, a)) CannotConvert(colorName);
    if (!GrayToAlpha(a, entry, b)) CannotConvert(name);
    dest.AddFile(base + (ext == "_PNG" ? ".PNG" : ".PnG"), 2, b);
  } else if (ext == "_jpg" || ext == "_JPG" || ext == "pNg") {
    // consumed by the rows above, or made again from the AutoImage texts
  } else {
    dest.AddFile(name, kind, entry);
  }
}

void TPNGMorf::RenderAutoImages(data::TFileFolder& archive) {
  data::TMemoryStream work;
  // Rendering adds ".pNg" entries behind the texts; they are never texts themselves.
  for (int i = 0; i < archive.Count(); ++i) {
    const std::string name(archive.Dir()[static_cast<size_t>(i)].Name());
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".aim") != 0) continue;
    RenderAutoImage(Entry(archive, name), archive, work);
  }
}

void TPNGMorf::RenderAutoImage(data::TMemoryStream& text, data::TFileFolder& archive,
                               data::TMemoryStream& work) {
  text.SetPosition(0);
  const std::string copy(text.View());  // the archive may move its streams while adding
  RenderAutoImageText(copy, archive, work);
}

}  // namespace graphics
