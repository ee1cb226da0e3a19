// graphics/resource_list.cpp
#include "graphics/resource_list.hpp"

#include <algorithm>
#include <filesystem>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/text_helpers.hpp"
#include "graphics/surf_engine.hpp"

namespace graphics {
namespace {

// The last three characters in lower case: the loader a file needs.
std::string Kind3(std::string_view file) {
  return data::AsciiLower(file.substr(file.size() >= 3 ? file.size() - 3 : 0));
}

// The base name as stored, a point and the extension in lower case.
std::string WithLowerExtension(std::string entry) {
  const size_t dot = entry.rfind('.');
  const size_t from = dot != std::string::npos ? dot + 1 : entry.size() >= 3 ? entry.size() - 3 : 0;
  return entry.substr(0, from) + data::AsciiLower(std::string_view(entry).substr(from));
}

}  // namespace

TResourceList::TResourceList(int levelCount, std::string basePath, TSurfEngine& engine)
    : levelCount(std::max(levelCount, 1)), engine(engine), basePath(std::move(basePath)) {}

TResourceList::~TResourceList() = default;

int TResourceList::AddFolder(const std::string& path) {
  folders.push_back(std::make_unique<data::TFileFolder>(path));
  return static_cast<int>(folders.size()) - 1;
}

int TResourceList::IndexOfFolder(std::string_view path) const {
  for (size_t i = 0; i < folders.size(); ++i)
    if (folders[i]->FileName() == path) return static_cast<int>(i);
  return -1;
}

int TResourceList::IndexOfImage(std::string_view name) const {
  for (size_t i = 0; i < images.size(); ++i)
    if (images[i].Name == name) return static_cast<int>(i);
  return -1;
}

void TResourceList::AddImage(const std::string& name, const std::string& file, int levelIndex,
                             const std::string& archivePath) {
  if (levelIndex < 0 || levelIndex >= levelCount)
    throw data::Error("Picture \"" + name + "\": quality level " + std::to_string(levelIndex) +
                      " is not between 0 and " + std::to_string(levelCount - 1));
  int folder = IndexOfFolder(archivePath);
  if (folder < 0 && !archivePath.empty()) folder = AddFolder(archivePath);
  int i = IndexOfImage(name);
  if (i < 0) {
    images.push_back(
        {name, std::vector<std::string>(levelCount), std::vector<int>(levelCount, -1)});
    i = static_cast<int>(images.size()) - 1;
  }
  images[i].Files[levelIndex] = file;
  images[i].FolderIndexes[levelIndex] = folder;
}

void TResourceList::Load(const TOneImage& image, int k) {
  const std::string& file = image.Files[k];
  const std::string kind = Kind3(file);
  const int folder = image.FolderIndexes[k];
  if (folder < 0) {
    const std::string path = (std::filesystem::path(basePath) / file).string();
    if (kind == "png")
      engine.LoadPngFromFile(image.Name, path);
    else if (kind == "jpg")
      engine.LoadJpgFromFile(image.Name, path);
  } else {
    data::TFileFolder& archive = *folders[static_cast<size_t>(folder)];
    if (kind == "png")
      engine.LoadPngFromFolder(archive, image.Name, file);
    else if (kind == "jpg")
      engine.LoadJpgFromFolder(archive, image.Name, file);
  }
}

void TResourceList::ReinitSurfaces(int level) {
  const int wanted = std::clamp(level, 1, levelCount) - 1;
  for (const TOneImage& image : images) {
    int k = wanted;
    while (k >= 0 && image.Files[k].empty()) --k;
    if (k < 0) continue;
    const TSurface* current = engine.Find(image.Name);
    if (current == nullptr) {
      Load(image, k);
      continue;
    }
    // The engine records loose files by their full path.
    const int folder = image.FolderIndexes[k];
    const std::string chosen =
        folder < 0 ? (std::filesystem::path(basePath) / image.Files[k]).string() : image.Files[k];
    if (current->FileName == chosen) continue;
    // Replaced only once the new file is known to be there, so a missing file never costs
    // the picture already shown.
    const bool available = folder < 0 ? std::filesystem::is_regular_file(chosen)
                                      : folders[static_cast<size_t>(folder)]->IndexOf(chosen) >= 0;
    if (available) Load(image, k);
  }
}

void TResourceList::RegisterStartupPictures(const std::string& gameArchive,
                                            const std::string& levelsArchive) {
  if (IndexOfFolder(levelsArchive) < 0) AddFolder(levelsArchive);
  int game = IndexOfFolder(gameArchive);
  if (game < 0) game = AddFolder(gameArchive);
  data::TFileFolder& folder = *folders[static_cast<size_t>(game)];
  folder.LoadAll();
  for (const data::TDirEntry& e : folder.Dir()) {
    const std::string entry(e.Name());
    const std::string kind = Kind3(entry);
    if (kind != "png" && kind != "jpg") continue;
    const std::string name = WithLowerExtension(entry);
    AddImage(name, name, 1, gameArchive);
  }
}

}  // namespace graphics
