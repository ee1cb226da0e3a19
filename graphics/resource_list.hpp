// graphics/resource_list.hpp — which file holds each picture at each quality level, and making
// sure the surface engine holds one surface per picture.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace data {
class TFileFolder;
}

namespace graphics {

class TSurfEngine;

struct TOneImage {
  std::string Name;                // the surface it produces; compared exactly
  std::vector<std::string> Files;  // per level; empty where the level has no file
  std::vector<int> FolderIndexes;  // per level: index into Folders, -1 for a loose file
};

class TResourceList {
 public:
  // NOTE: the engine is not owned and must outlive the list.
  TResourceList(int levelCount, std::string basePath, TSurfEngine& engine);
  ~TResourceList();

  // Opens the archive and appends it; raises data::Error when it cannot be opened.
  int AddFolder(const std::string& path);
  int IndexOfFolder(std::string_view path) const;  // by exact file name, -1 if none
  int IndexOfImage(std::string_view name) const;
  // Registers file for the picture at level index k (0-based); an empty archive path means
  // a loose file under BasePath.
  void AddImage(const std::string& name, const std::string& file, int levelIndex,
                const std::string& archivePath);
  // Loads every picture from the best file at or below level (1-based) that it has.
  void ReinitSurfaces(int level);

  // The start-up registration: opens the levels and then the game archive, and registers every
  // PNG and JPEG entry of the game archive at level index 1 under its name with the extension
  // in lower case.
  void RegisterStartupPictures(const std::string& gameArchive, const std::string& levelsArchive);

  const std::vector<TOneImage>& Images() const { return images; }
  const std::vector<std::unique_ptr<data::TFileFolder>>& Folders() const { return folders; }
  int LevelCount() const { return levelCount; }
  const std::string& BasePath() const { return basePath; }

 private:
  void Load(const TOneImage& image, int levelIndex);

  std::vector<std::unique_ptr<data::TFileFolder>> folders;
  std::vector<TOneImage> images;
  int levelCount;
  TSurfEngine& engine;
  std::string basePath;
};

}  // namespace graphics
