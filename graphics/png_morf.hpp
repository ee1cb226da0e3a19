// graphics/png_morf.hpp — turns the shipped, packed archives into the working archives the game
// reads (every picture a PNG with alpha, every AutoImage text rendered), and back.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace data {
class TFileFolder;
class TMemoryStream;
}  // namespace data

namespace graphics {

class TPNGMorf {
 public:
  explicit TPNGMorf(int quality);  // clamped into 0..100

  // One job per line: Source="packed archive" Dest="working archive". A job whose destination
  // exists is already done. Raises "Can not find file SOURCE!" for a missing source; the jobs
  // after it are not run.
  void RunJobs();
  // Converts SOURCE into a new archive written to DEST (replacing it); nothing when SOURCE does
  // not exist. Raises data::Error, leaving DEST untouched, when SOURCE is damaged.
  void MorfArchive(const std::string& sourcePath, const std::string& destPath);
  // Packs or unpacks every entry of source into dest, by the entry's extension.
  void ConvertEntries(data::TFileFolder& source, data::TFileFolder& dest);
  // Renders every ".aim" entry of the archive into NAME.pNg.
  void RenderAutoImages(data::TFileFolder& archive);
  // Runs one AutoImage text (read from the stream's start) against the archive.
  void RenderAutoImage(data::TMemoryStream& text, data::TFileFolder& archive,
                       data::TMemoryStream& work);

  int Quality() const { return quality; }
  std::vector<std::string> Jobs;
  // Source archive's file name and percent 0..100; may be empty.
  std::function<void(const std::string& archive, int percent)> OnProgress;

 private:
  void ConvertEntry(data::TFileFolder& source, data::TFileFolder& dest, int index);
  int quality;
};

}  // namespace graphics
