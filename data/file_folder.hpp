// data/file_folder.hpp — the packed folder archive every picture, level, sound and tune ships in.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/error.hpp"
#include "data/memory_stream.hpp"

namespace data {

constexpr uint16_t kFileFolderMagic = 12345;
constexpr int kDirEntrySize = 48;  // bytes of one directory record on disk
constexpr int kMaxEntryName = 32;  // bytes; longer names are cut when added

struct TFileFolderHeader {
  uint16_t Magic = kFileFolderMagic;
  uint16_t Version = 0;
  uint16_t Count = 0;
  uint16_t CountCheck = 0xFFFF;  // always ~Count in a valid archive
};

// One directory record, as stored (little-endian on disk).
struct TDirEntry {
  uint8_t NameLength = 0;  // 0..32
  std::array<char, kMaxEntryName> FileName{};
  int32_t Offset = 0;  // from the start of the data area
  int32_t Size = 0;    // bytes
  uint16_t Kind = 0;   // the writer's tag; stored and copied, never interpreted

  std::string_view Name() const { return {FileName.data(), NameLength}; }
};

enum class TEntryState : uint8_t {
  Read = 0,    // read from disk into Stream
  OnDisk = 1,  // not read yet
  Added = 2,   // added in memory; its bytes live only in Stream until the next Save
};

struct TFileEntry {
  std::unique_ptr<TMemoryStream> Stream = std::make_unique<TMemoryStream>();
  TEntryState State = TEntryState::OnDisk;
};

class TFileFolder {
 public:
  // Opens an existing archive. A file that cannot be opened raises data::Error; a file with a
  // bad header or a short directory opens as an archive without entries (no error).
  explicit TFileFolder(std::string path);
  // A new, empty archive for writing; nothing touches the disk until Save.
  static std::unique_ptr<TFileFolder> CreateNew(std::string path);

  // First entry whose name matches, ignoring the case of ASCII letters; -1 if none. Constant
  // time on average: conversion looks up every entry of archives of up to 65,535 entries.
  int IndexOf(std::string_view name) const;
  // Reads the entry from disk into its stream (State Read). Raises "Cannot load file (wrong
  // file name)" or "Cannot load file (wrong file size): \"ENTRY\" in ARCHIVE"; the stream is
  // then left empty.
  void LoadFile(std::string_view name);
  void LoadAll();
  void CalcOffsets();
  // Appends an entry holding a copy of source's whole content. Raises "Cannot add file
  // (dublicate)" and changes nothing when the name is taken.
  void AddFile(std::string_view name, uint16_t kind, const TMemoryStream& source);
  // Writes the whole archive through a temporary file renamed over FileName, so a failed save
  // leaves the old archive intact. Raises data::Error on I/O failure, when an entry cannot be
  // read back from the old file, and for an archive that failed to open (OpenError).
  void Save();

  // The game's access pattern: the entry's stream, re-read from disk unless it was added, and
  // rewound; null when no entry has the name. NOTE: the stream stays the archive's; the next
  // request for the same entry overwrites it.
  TMemoryStream* GetFileStream(std::string_view name);

  // Puts a copy of source's whole content into entry `index`; its size follows, and the entry
  // lives in memory until the next Save (State Added). Raises "Cannot replace file (wrong
  // index)" for an index outside 0..Count()-1.
  void ReplaceFile(int index, const TMemoryStream& source);

  int Count() const { return static_cast<int>(dir.size()); }
  // The directory as read or built; entry i of Dir() is file i of EntryState/EntryStream.
  const std::vector<TDirEntry>& Dir() const { return dir; }
  TEntryState EntryState(int index) const { return files.at(static_cast<size_t>(index)).State; }
  // The entry's stream as it stands: nothing is read from disk.
  const TMemoryStream& EntryStream(int index) const {
    return *files.at(static_cast<size_t>(index)).Stream;
  }

  const std::string& FileName() const { return fileName; }
  // Why opening found no entries ("Cannot open FileFolder (broked label)", ...), or empty.
  // NOTE: Save refuses such an archive, so a damaged file is never replaced by an empty one.
  const std::string& OpenError() const { return openError; }
  const TFileFolderHeader& Header() const { return header; }
  int64_t DataStart() const { return dataStart; }  // file position of the data area

 private:
  TFileFolder() = default;
  void ReadDirectory();
  void LoadEntry(size_t index);
  Error WrongSize(const TDirEntry& entry) const;
  void IndexNames() const;

  std::string fileName;
  std::string openError;
  TFileFolderHeader header;
  int64_t dataStart = 8;
  // NOTE: dir and files are parallel; only the operations above change either, and always both.
  std::vector<TDirEntry> dir;
  std::vector<TFileEntry> files;
  // Folded name → index of its first entry, for the first indexedCount entries of Dir.
  mutable std::unordered_map<std::string, int> nameIndex;
  mutable size_t indexedCount = 0;
};

}  // namespace data
