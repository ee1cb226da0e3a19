// app/tool/graphics_commands.cpp — zerith-tool commands over pictures: packing and unpacking
// archives, rendering AutoImage texts, and looking at an archive's pictures.
#include <filesystem>
#include <memory>
#include <ostream>

#include "app/tool/tool.hpp"
#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "data/memory_stream.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "graphics/png_morf.hpp"

namespace tool {
namespace {

using data::Error;
using data::TFileFolder;

// An archive whose header and directory are sound; a damaged one would be overwritten by an
// empty archive on save.
std::unique_ptr<TFileFolder> OpenArchive(const std::string& path) {
  auto folder = std::make_unique<TFileFolder>(path);
  if (!folder->OpenError().empty()) throw Error(path + ": " + folder->OpenError());
  return folder;
}

int RunMorf(const Args& args, std::ostream&, std::ostream& err) {
  TArgReader reader(args);
  const std::optional<std::string> q = reader.Option("--quality");
  const std::vector<std::string> pos = reader.Positional(2, 2);
  graphics::TPNGMorf morf(q ? static_cast<int>(ParseIntArg(*q, "--quality", 0, 100)) : 90);
  morf.OnProgress = [&err](const std::string& archive, int percent) {
    err << archive << ": " << percent << "%\n";
  };
  std::error_code ec;
  if (!std::filesystem::is_regular_file(pos[0], ec))
    throw Error("Can not find file " + pos[0] + "!");
  morf.MorfArchive(pos[0], pos[1]);
  return 0;
}

int RunAim(const Args& args, std::ostream&, std::ostream&) {
  TArgReader reader(args);
  const std::vector<std::string> pos = reader.Positional(2, 2);
  const std::unique_ptr<TFileFolder> folder = OpenArchive(pos[0]);
  data::TMemoryStream text(data::ReadWholeFile(pos[1]));
  data::TMemoryStream work;
  graphics::TPNGMorf(80).RenderAutoImage(text, *folder, work);
  folder->Save();
  return 0;
}

// The picture as the game sees it: PNG alpha only from an alpha channel, else opaque.
int RunPng(const Args& args, std::ostream&, std::ostream&) {
  TArgReader reader(args);
  const std::optional<std::string> output = reader.Option("-o");
  const std::vector<std::string> pos = reader.Positional(2, 2);
  if (!output) throw UsageError{"-o FILE.png is required"};
  const std::unique_ptr<TFileFolder> folder = OpenArchive(pos[0]);
  data::TMemoryStream* entry = folder->GetFileStream(pos[1]);
  if (entry == nullptr) throw Error("No entry \"" + pos[1] + "\" in " + pos[0]);
  graphics::TImage image;
  if (graphics::LooksLikePng(entry->View()))
    image = graphics::DecodePng(entry->View(), pos[1]);
  else if (graphics::LooksLikeJpeg(entry->View()))
    image = graphics::DecodeJpeg(entry->View(), pos[1]);
  else
    throw Error("Entry \"" + pos[1] + "\" is neither a PNG nor a JPEG picture");
  image.SetHasAlpha(true, 255);
  data::WriteFileAtomically(*output, graphics::EncodePng(image));
  return 0;
}

const TToolRegistrar kMorf(
    {"morf", "morf SOURCE DEST [--quality Q]",
     "Converts the archive SOURCE into DEST, replacing DEST: pictures stored as\n"
     "JPEG colour plus grey alpha become PNG with alpha and AutoImage texts are\n"
     "rendered (unpacking), or PNG pictures are split into JPEG colour (quality Q,\n"
     "default 90) and grey alpha (packing). Progress goes to stderr.",
     RunMorf});
const TToolRegistrar kAim(
    {"aim", "aim ARCHIVE FILE.aim",
     "Runs the AutoImage text FILE.aim with ARCHIVE's pictures as sources, adds the\n"
     "result as NAME.pNg and saves the archive.",
     RunAim});
const TToolRegistrar kPng(
    {"png", "png ARCHIVE NAME -o FILE.png",
     "Decodes the PNG or JPEG entry NAME the way the game loads it and writes it as\n"
     "an RGBA PNG file.",
     RunPng});

}  // namespace
}  // namespace tool
