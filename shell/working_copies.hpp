// shell/working_copies.hpp — the working archives under temp/, converted from the shipped ones
// at the first start and reused while the shipped archive stays the same.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace shell {

struct TArchiveJob {
  std::string Source;  // shipped, packed archive
  std::string Dest;    // working copy
};

// (archive file name, percent 0..100) while an archive is converted.
using TConversionProgress = std::function<void(const std::string& archive, int percent)>;

// Converts every job whose working copy is missing, was made from another version of the
// shipped archive (a stamp of its size and modification time lies beside the copy), or does not
// open as an archive. Raises data::Error "Can not find file SOURCE!" for a missing shipped
// archive, and the conversion's own message for a damaged one; the jobs after it are not run.
void PrepareWorkingCopies(const std::vector<TArchiveJob>& jobs,
                          const TConversionProgress& progress);

// The stamp text of a shipped archive: its size and modification time; empty when it is missing.
std::string ArchiveStamp(const std::string& path);

}  // namespace shell
