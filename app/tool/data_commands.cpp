// app/tool/data_commands.cpp — zerith-tool commands over the data layer: packed archives, XML
// files and the line transform of saved games and score tables.
#include <cstdint>
#include <limits>
#include <memory>
#include <ostream>

#include "app/tool/tool.hpp"
#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "data/line_codec.hpp"
#include "data/memory_stream.hpp"
#include "data/xml_parser.hpp"

namespace tool {
namespace {

using data::Error;
using data::TFileFolder;
using data::TMemoryStream;

void WriteBytes(std::ostream& out, std::string_view bytes) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

uint16_t KindOption(TArgReader& reader) {
  const std::optional<std::string> kind = reader.Option("--kind");
  return kind ? static_cast<uint16_t>(ParseIntArg(*kind, "--kind", 0, 0xFFFF)) : 0;
}

// An existing archive whose header and directory are sound. A damaged one is an error naming
// the file: its entries cannot be listed, and writing it back would lose them for good.
std::unique_ptr<TFileFolder> OpenArchive(const std::string& path) {
  auto folder = std::make_unique<TFileFolder>(path);
  if (!folder->OpenError().empty()) throw Error(path + ": " + folder->OpenError());
  return folder;
}

// Adds one file's bytes; a clash names the entry, since the archive's own text does not.
void AddEntry(TFileFolder& folder, const std::string& name, uint16_t kind,
              const TMemoryStream& bytes) {
  if (name.empty()) throw UsageError{"an entry name must not be empty"};
  try {
    folder.AddFile(name, kind, bytes);
  } catch (const Error& e) {
    throw Error(std::string(e.what()) + ": \"" + name + "\"");
  }
}

// An entry name on one line of its own: tab, CR, LF, other control bytes and the backslash
// itself are written as C escapes, so every line splits into exactly three fields.
std::string EscapedName(std::string_view name) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\')
      out += "\\\\";
    else if (c == '\t')
      out += "\\t";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else if (byte < 0x20 || byte == 0x7F)
      out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    else
      out += c;
  }
  return out;
}

int RunList(const Args& args, std::ostream& out, std::ostream&) {
  TArgReader reader(args);
  const std::vector<std::string> pos = reader.Positional(1, 1);
  const std::unique_ptr<TFileFolder> folder = OpenArchive(pos[0]);
  for (const data::TDirEntry& entry : folder->Dir()) {
    out << EscapedName(entry.Name());
    out << '\t' << entry.Size << '\t' << entry.Kind << '\n';
  }
  return 0;
}

int RunCreate(const Args& args, std::ostream&, std::ostream&) {
  TArgReader reader(args);
  const uint16_t kind = KindOption(reader);
  const std::vector<std::string> pos = reader.Positional(1, std::numeric_limits<size_t>::max());
  // Every file is read and every name checked before anything is written, so a bad argument
  // leaves an existing archive as it was.
  std::unique_ptr<TFileFolder> folder = TFileFolder::CreateNew(pos[0]);
  for (size_t i = 1; i < pos.size(); ++i) {
    TMemoryStream bytes;
    bytes.LoadFromFile(pos[i]);
    AddEntry(*folder, BaseName(pos[i]), kind, bytes);
  }
  folder->Save();
  return 0;
}

int RunAdd(const Args& args, std::ostream&, std::ostream&) {
  TArgReader reader(args);
  const std::optional<std::string> name = reader.Option("--name");
  const uint16_t kind = KindOption(reader);
  const std::vector<std::string> pos = reader.Positional(2, 2);
  const std::unique_ptr<TFileFolder> folder = OpenArchive(pos[0]);
  TMemoryStream bytes;
  bytes.LoadFromFile(pos[1]);
  AddEntry(*folder, name ? *name : BaseName(pos[1]), kind, bytes);
  folder->Save();
  return 0;
}

int RunExtract(const Args& args, std::ostream& out, std::ostream&) {
  TArgReader reader(args);
  const std::optional<std::string> target = reader.Option("-o");
  const std::vector<std::string> pos = reader.Positional(2, 2);
  const std::unique_ptr<TFileFolder> folder = OpenArchive(pos[0]);
  const std::string& name = pos[1];
  if (folder->IndexOf(name) < 0) throw Error(pos[0] + ": no entry named \"" + name + "\"");
  const TMemoryStream* stream = nullptr;
  try {
    stream = folder->GetFileStream(name);
  } catch (const Error& e) {
    throw Error(pos[0] + ": \"" + name + "\": " + e.what());
  }
  if (target) {
    data::WriteFileAtomically(*target, stream->View());
  } else {
    WriteBytes(out, stream->View());
  }
  return 0;
}

// An upper bound of what the writer makes of a tree. Indents grow with depth, so a small file
// of nothing but opening tags would be written as gigabytes.
uint64_t WrittenSizeBound(const data::TOrlXMLTag& root) {
  uint64_t total = 0;
  std::vector<std::pair<const data::TOrlXMLTag*, uint64_t>> work{{&root, 0}};
  while (!work.empty()) {
    const auto [tag, depth] = work.back();
    work.pop_back();
    total += 2 * depth + 2 * tag->Name.size() + 6 * tag->Text.size() + 16;
    for (const data::TOrlParserAttribute& a : tag->Attributes)
      total += a.Name.size() + a.Value.size() + 4;
    for (const auto& child : tag->Tags) work.emplace_back(child.get(), depth + 1);
  }
  return total;
}

constexpr uint64_t kMaxWrittenXml = uint64_t{256} << 20;  // bytes

int RunXml(const Args& args, std::ostream& out, std::ostream&) {
  TArgReader reader(args);
  const std::vector<std::string> pos = reader.Positional(1, 1);
  data::TOrlParser parser;
  parser.LoadFromFile(pos[0]);
  if (WrittenSizeBound(parser) > kMaxWrittenXml)
    throw Error(pos[0] + ": tags nest too deeply to be written back (over 256 MiB of indents)");
  TMemoryStream written;
  parser.SaveToStream(written);
  WriteBytes(out, written.View());
  return 0;
}

int RunEncode(const Args& args, std::ostream& out, std::ostream&) {
  TArgReader reader(args);
  const std::vector<std::string> pos = reader.Positional(1, 1);
  WriteBytes(out, data::EncodeLines(data::ReadWholeFile(pos[0])));
  return 0;
}

int RunDecode(const Args& args, std::ostream& out, std::ostream&) {
  TArgReader reader(args);
  const std::vector<std::string> pos = reader.Positional(1, 1);
  WriteBytes(out, data::DecodeLines(data::ReadWholeFile(pos[0])));
  return 0;
}

const TToolRegistrar kList({"list", "list ARCHIVE",
                            "Lists the entries of a packed archive in directory order, one line "
                            "each: name, a tab, size in bytes, a tab, kind. In names, a backslash, "
                            "tab, CR, LF and other control bytes are written as \\\\, \\t, "
                            "\\r, \\n and \\xHH.",
                            RunList});

const TToolRegistrar kCreate(
    {"create", "create ARCHIVE [--kind K] FILE...",
     "Writes a new archive (replacing any file of that name) whose entries are the FILEs, named "
     "by their base names (cut to 32 bytes), in argument order, all of kind K (0 to 65535, "
     "default 0). Names that clash, ignoring case, are an error and nothing is written.",
     RunCreate});

const TToolRegistrar kAdd(
    {"add", "add ARCHIVE FILE [--name NAME] [--kind K]",
     "Appends FILE to an existing archive under NAME (default: its base name, cut to 32 bytes) "
     "with kind K (default 0) and saves the archive. A damaged archive or a name already taken "
     "(ignoring case) is an error and the archive is left as it was.",
     RunAdd});

const TToolRegistrar kExtract({"extract", "extract ARCHIVE NAME [-o FILE]",
                               "Writes the bytes of the entry NAME (case is ignored) to "
                               "standard output, or to FILE.",
                               RunExtract});

const TToolRegistrar kXml({"xml", "xml FILE",
                           "Reads FILE as the game reads XML and writes it back as the game "
                           "writes XML: tab indents, CR LF line ends, short texts inline.",
                           RunXml});

const TToolRegistrar kEncode({"encode", "encode FILE",
                              "Writes every line of FILE in the stored form of saved games and "
                              "score tables, each line ending in CR LF.",
                              RunEncode});

const TToolRegistrar kDecode({"decode", "decode FILE",
                              "Writes every line of a saved game or score table as plain text, "
                              "each line ending in CR LF.",
                              RunDecode});

}  // namespace
}  // namespace tool
