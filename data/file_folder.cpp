// data/file_folder.cpp
#include "data/file_folder.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "data/error.hpp"
#include "data/files.hpp"

namespace data {
namespace {

// Names compare without regard to the case of ASCII letters; other bytes compare as they are.
std::string Folded(std::string_view name) {
  std::string out(name);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

uint16_t Get16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
int32_t Get32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                              (static_cast<uint32_t>(p[2]) << 16) |
                              (static_cast<uint32_t>(p[3]) << 24));
}
void Put16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}
void Put32(std::string& out, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((u >> shift) & 0xFF));
}

// Read-only file handle closed on every path out.
class ReadFile {
 public:
  explicit ReadFile(const std::string& path)
      : path(path), fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd < 0) throw Error("Cannot open file \"" + path + "\": " + std::strerror(errno));
  }
  ~ReadFile() { ::close(fd); }
  ReadFile(const ReadFile&) = delete;
  ReadFile& operator=(const ReadFile&) = delete;

  // Reads up to count bytes at offset; returns how many arrived before the end of the file.
  // A failing read (a folder, a bad disk) is an I/O error, not a short file.
  size_t ReadAt(void* dest, size_t count, int64_t offset) {
    size_t done = 0;
    while (done < count) {
      const ssize_t n = ::pread(fd, static_cast<char*>(dest) + done, count - done,
                                static_cast<off_t>(offset + static_cast<int64_t>(done)));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw Error("Cannot read file \"" + path + "\": " + std::strerror(errno));
      if (n == 0) break;
      done += static_cast<size_t>(n);
    }
    return done;
  }

 private:
  std::string path;
  int fd;
};

}  // namespace

TFileFolder::TFileFolder(std::string path) : fileName(std::move(path)) {
  ReadDirectory();  // a missing or unreadable file is the caller's error
}

void TFileFolder::ReadDirectory() {
  ReadFile file(fileName);
  uint8_t head[8];
  // A damaged header or directory opens as an archive without entries: readers then report
  // each missing entry in their own words, and the game keeps running.
  if (file.ReadAt(head, 8, 0) < 8) {
    openError = "Cannot open FileFolder (wrong file size)";
    return;
  }
  TFileFolderHeader h{Get16(head), Get16(head + 2), Get16(head + 4), Get16(head + 6)};
  if (h.Magic != kFileFolderMagic) {
    openError = "Cannot open FileFolder (broked label)";
    return;
  }
  if (h.Version > 0) {
    openError = "Cannot open FileFolder (wrong version)";
    return;
  }
  if (h.Count != static_cast<uint16_t>(~h.CountCheck)) {
    openError = "Cannot open FileFolder (wrong sizing)";
    return;
  }
  std::vector<uint8_t> raw(static_cast<size_t>(h.Count) * kDirEntrySize);
  if (file.ReadAt(raw.data(), raw.size(), 8) < raw.size()) {
    openError = "Cannot open Dir (wrong size)";  // treated like a bad header: no entries
    return;
  }

  header = h;
  dir.resize(h.Count);
  files.resize(h.Count);
  for (size_t i = 0; i < dir.size(); ++i) {
    const uint8_t* p = raw.data() + i * kDirEntrySize;
    TDirEntry& e = dir[i];
    e.NameLength = std::min<uint8_t>(p[0], kMaxEntryName);
    std::memcpy(e.FileName.data(), p + 1, kMaxEntryName);
    e.Offset = Get32(p + 36);
    e.Size = Get32(p + 40);
    e.Kind = Get16(p + 44);
  }
  dataStart = 8 + static_cast<int64_t>(kDirEntrySize) * h.Count;
}

std::unique_ptr<TFileFolder> TFileFolder::CreateNew(std::string path) {
  std::unique_ptr<TFileFolder> folder(new TFileFolder());
  folder->fileName = std::move(path);
  return folder;
}

int TFileFolder::IndexOf(std::string_view name) const {
  // Stored names are at most 32 bytes, so a longer one never matches.
  if (name.size() > kMaxEntryName) return -1;
  if (indexedCount != dir.size()) IndexNames();
  const auto it = nameIndex.find(Folded(name));
  return it == nameIndex.end() ? -1 : it->second;
}

void TFileFolder::IndexNames() const {
  nameIndex.clear();
  // emplace keeps the first of two equal names, the one every look-up must find.
  for (size_t i = 0; i < dir.size(); ++i)
    nameIndex.emplace(Folded(dir[i].Name()), static_cast<int>(i));
  indexedCount = dir.size();
}

void TFileFolder::LoadFile(std::string_view name) {
  const int index = IndexOf(name);
  if (index < 0) throw Error("Cannot load file (wrong file name)");
  LoadEntry(static_cast<size_t>(index));
}

// Names the entry and the archive: a tool adding to or converting an archive reports this for
// whichever entry of it is damaged, not for the one it was asked about.
Error TFileFolder::WrongSize(const TDirEntry& entry) const {
  return Error("Cannot load file (wrong file size): \"" + std::string(entry.Name()) + "\" in " +
               fileName);
}

void TFileFolder::LoadEntry(size_t index) {
  const TDirEntry& e = dir[index];
  TMemoryStream& stream = *files[index].Stream;
  ReadFile file(fileName);
  stream.Clear();
  if (e.Size < 0 || e.Offset < 0) throw WrongSize(e);
  // Grown only as far as the file reaches, so a forged size cannot claim memory it never fills.
  std::vector<uint8_t>& bytes = stream.Bytes();
  const size_t want = static_cast<size_t>(e.Size);
  bytes.resize(std::min<size_t>(want, size_t{1} << 20));
  size_t got = 0;
  while (got < want) {
    if (bytes.size() == got) bytes.resize(std::min(want, bytes.size() * 2));
    const size_t n = file.ReadAt(bytes.data() + got, bytes.size() - got,
                                 dataStart + e.Offset + static_cast<int64_t>(got));
    got += n;
    if (got < bytes.size()) break;  // the file ended first
  }
  if (got < want) {
    stream.Clear();
    throw WrongSize(e);
  }
  stream.SetPosition(0);
  files[index].State = TEntryState::Read;
}

void TFileFolder::LoadAll() {
  // By index, not by name: an archive from an older writer may hold two entries under one
  // name, and saving must still carry the second one's bytes.
  for (size_t i = 0; i < dir.size(); ++i)
    if (files[i].State == TEntryState::OnDisk) LoadEntry(i);
}

void TFileFolder::CalcOffsets() {
  dataStart = 8 + static_cast<int64_t>(kDirEntrySize) * static_cast<int64_t>(dir.size());
  int32_t offset = 0;
  for (TDirEntry& e : dir) {
    e.Offset = offset;
    offset = static_cast<int32_t>(static_cast<uint32_t>(offset) + static_cast<uint32_t>(e.Size));
  }
}

void TFileFolder::AddFile(std::string_view name, uint16_t kind, const TMemoryStream& source) {
  if (IndexOf(name.substr(0, std::min<size_t>(name.size(), kMaxEntryName))) >= 0)
    throw Error("Cannot add file (dublicate)");
  if (dir.size() >= 0xFFFF) throw Error("Cannot add file (archive is full)");
  if (source.Size() > INT32_MAX) throw Error("Cannot add file (too large)");
  TDirEntry e;
  e.NameLength = static_cast<uint8_t>(std::min<size_t>(name.size(), kMaxEntryName));
  std::memcpy(e.FileName.data(), name.data(), e.NameLength);
  e.Kind = kind;
  e.Size = static_cast<int32_t>(source.Size());
  dir.push_back(e);
  if (indexedCount + 1 == dir.size()) {
    nameIndex.emplace(Folded(e.Name()), static_cast<int>(dir.size() - 1));
    indexedCount = dir.size();
  }
  TFileEntry entry;
  entry.Stream->Write(source.Bytes().data(), source.Size());
  entry.Stream->SetPosition(0);
  entry.State = TEntryState::Added;
  files.push_back(std::move(entry));
  header.Count = static_cast<uint16_t>(dir.size());
  header.CountCheck = static_cast<uint16_t>(~header.Count);
}

void TFileFolder::ReplaceFile(int index, const TMemoryStream& source) {
  if (index < 0 || static_cast<size_t>(index) >= dir.size())
    throw Error("Cannot replace file (wrong index)");
  if (source.Size() > INT32_MAX) throw Error("Cannot add file (too large)");
  TFileEntry& entry = files[static_cast<size_t>(index)];
  entry.Stream->Clear();
  entry.Stream->Write(source.Bytes().data(), source.Size());
  entry.Stream->SetPosition(0);
  entry.State = TEntryState::Added;
  dir[static_cast<size_t>(index)].Size = static_cast<int32_t>(source.Size());
}

void TFileFolder::Save() {
  // An archive that failed to open shows no entries; saving it would replace a damaged but
  // perhaps recoverable file by an empty one.
  if (!openError.empty()) throw Error("Cannot save file \"" + fileName + "\": " + openError);
  LoadAll();
  CalcOffsets();
  int64_t total = dataStart;
  for (const TDirEntry& e : dir) total += e.Size;
  if (total > INT32_MAX) throw Error("Cannot save file \"" + fileName + "\": archive too large");
  std::string out;
  out.reserve(static_cast<size_t>(total));
  Put16(out, header.Magic);
  Put16(out, header.Version);
  Put16(out, static_cast<uint16_t>(dir.size()));
  Put16(out, static_cast<uint16_t>(~static_cast<uint16_t>(dir.size())));
  for (const TDirEntry& e : dir) {
    out.push_back(static_cast<char>(e.NameLength));
    out.append(e.FileName.data(), kMaxEntryName);
    out.append(3, '\0');
    Put32(out, e.Offset);
    Put32(out, e.Size);
    Put16(out, e.Kind);
    out.append(2, '\0');
  }
  for (const TFileEntry& f : files) out.append(f.Stream->View());
  WriteFileAtomically(fileName, out);
}

TMemoryStream* TFileFolder::GetFileStream(std::string_view name) {
  const int index = IndexOf(name);
  if (index < 0) return nullptr;
  TFileEntry& entry = files[static_cast<size_t>(index)];
  if (entry.State != TEntryState::Added) LoadEntry(static_cast<size_t>(index));
  entry.Stream->SetPosition(0);
  return entry.Stream.get();
}

}  // namespace data
