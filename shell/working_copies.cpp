// shell/working_copies.cpp — converting the shipped archives into temp/ once per version.
#include "shell/working_copies.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "graphics/png_morf.hpp"

namespace shell {
namespace {

namespace fs = std::filesystem;

constexpr int kConversionQuality = 90;

std::string StampPath(const std::string& dest) {
  return dest + ".stamp";
}

std::string ReadStamp(const std::string& dest) {
  std::ifstream in(StampPath(dest), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A copy is trusted only when it opens with a sound header and directory.
bool OpensAsArchive(const std::string& path) {
  try {
    data::TFileFolder folder(path);
    return folder.OpenError().empty();
  } catch (const data::Error&) {
    return false;
  }
}

bool UpToDate(const TArchiveJob& job, const std::string& stamp) {
  std::error_code ec;
  return fs::is_regular_file(job.Dest, ec) && ReadStamp(job.Dest) == stamp &&
         OpensAsArchive(job.Dest);
}

}  // namespace

std::string ArchiveStamp(const std::string& path) {
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (ec) return {};
  const auto time = fs::last_write_time(path, ec);
  if (ec) return {};
  return std::to_string(size) + " " + std::to_string(time.time_since_epoch().count()) + "\n";
}

void PrepareWorkingCopies(const std::vector<TArchiveJob>& jobs,
                          const TConversionProgress& progress) {
  for (const TArchiveJob& job : jobs) {
    std::error_code ec;
    if (!fs::is_regular_file(job.Source, ec))
      throw data::Error("Can not find file " + job.Source + "!");
    const std::string stamp = ArchiveStamp(job.Source);
    if (UpToDate(job, stamp)) continue;
    fs::create_directories(fs::path(job.Dest).parent_path(), ec);
    // The stamp goes first so that a conversion cut short is never taken for a finished one.
    fs::remove(StampPath(job.Dest), ec);
    graphics::TPNGMorf morf(kConversionQuality);
    morf.OnProgress = progress;
    morf.MorfArchive(job.Source, job.Dest);
    if (!OpensAsArchive(job.Dest))
      throw data::Error("Cannot open the working copy \"" + job.Dest + "\" made from " +
                        job.Source);
    data::WriteFileAtomically(StampPath(job.Dest), stamp);
  }
}

}  // namespace shell
