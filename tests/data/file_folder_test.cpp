#include "data/file_folder.hpp"

#include <gtest/gtest.h>

#include "data/error.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/scratch_dir.hpp"

using namespace data;
using support_test::ErrorOf;

namespace {

struct RawEntry {
  std::string name;
  std::string bytes;
  uint16_t kind = 0;
  int32_t offset = -1;  // -1: right after the previous entry
  int32_t size = -1;    // -1: bytes.size()
};

void Put(std::string& out, uint32_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// An archive laid out by hand: header, 48-byte records, then the entries' bytes.
std::string ArchiveBytes(const std::vector<RawEntry>& entries, uint16_t version = 0) {
  std::string out, area;
  Put(out, 12345, 2);
  Put(out, version, 2);
  Put(out, static_cast<uint32_t>(entries.size()), 2);
  Put(out, static_cast<uint16_t>(~entries.size()), 2);
  for (const RawEntry& e : entries) {
    std::string name = e.name.substr(0, 32);
    out.push_back(static_cast<char>(name.size()));
    name.resize(32 + 3, '\0');
    out += name;
    Put(out, static_cast<uint32_t>(e.offset != -1 ? e.offset : static_cast<int32_t>(area.size())),
        4);
    Put(out, static_cast<uint32_t>(e.size != -1 ? e.size : static_cast<int32_t>(e.bytes.size())),
        4);
    Put(out, e.kind, 2);
    Put(out, 0, 2);
    area += e.bytes;
  }
  return out + area;
}

TMemoryStream Bytes(std::string_view text) {
  return TMemoryStream(text);
}

std::string Entry(TFileFolder& folder, std::string_view name) {
  TMemoryStream* stream = folder.GetFileStream(name);
  return stream ? std::string(stream->View()) : "<none>";
}

}  // namespace

TEST(FileFolder, EmptyArchiveIsEightBytes) {
  support_test::TScratchDir dir;
  auto folder = TFileFolder::CreateNew(dir / "e.zxc");
  EXPECT_EQ(folder->DataStart(), 8);
  folder->Save();
  EXPECT_EQ(ReadWholeFile(dir / "e.zxc"), std::string("\x39\x30\x00\x00\x00\x00\xFF\xFF", 8));
  TFileFolder back(dir / "e.zxc");
  EXPECT_EQ(back.Count(), 0);
  EXPECT_TRUE(back.OpenError().empty());
}

TEST(FileFolder, SaveWritesTheLayoutByteForByte) {
  support_test::TScratchDir dir;
  auto folder = TFileFolder::CreateNew(dir / "a.zxc");
  folder->AddFile("ten.bin", 3, Bytes("0123456789"));
  folder->AddFile("zero", 0, Bytes(""));
  folder->AddFile("Five.PNG", 0xFFFF, Bytes("abcde"));
  folder->Save();
  EXPECT_EQ(folder->DataStart(), 8 + 144);
  EXPECT_EQ(folder->Dir()[1].Offset, 10);
  EXPECT_EQ(folder->Dir()[2].Offset, 10);
  EXPECT_EQ(
      ReadWholeFile(dir / "a.zxc"),
      ArchiveBytes({{"ten.bin", "0123456789", 3}, {"zero", ""}, {"Five.PNG", "abcde", 0xFFFF}}));
}

TEST(FileFolder, NamesIgnoreAsciiCaseAndAreCutTo32Bytes) {
  support_test::TScratchDir dir;
  auto folder = TFileFolder::CreateNew(dir / "a.zxc");
  folder->AddFile("Board.PNG", 0, Bytes("png"));
  folder->AddFile("\xC9t\xE9.jpg", 0, Bytes("jpg"));
  EXPECT_EQ(folder->IndexOf("board.png"), 0);
  EXPECT_EQ(folder->IndexOf("\xC9T\xE9.JPG"), 1);
  EXPECT_EQ(folder->IndexOf("\xE9t\xE9.jpg"), -1);  // only A-Z fold
  EXPECT_EQ(ErrorOf([&] { folder->AddFile("BOARD.png", 0, Bytes("other")); }),
            "Cannot add file (dublicate)");
  EXPECT_EQ(folder->Count(), 2);
  EXPECT_EQ(folder->Header().Count, 2);
  EXPECT_EQ(folder->Header().CountCheck, static_cast<uint16_t>(~2));

  const std::string forty = std::string(32, 'n') + "12345678";
  folder->AddFile(forty, 0, Bytes("x"));
  EXPECT_EQ(folder->Dir()[2].Name(), forty.substr(0, 32));
  EXPECT_EQ(folder->IndexOf(forty), -1);
  EXPECT_EQ(folder->IndexOf(forty.substr(0, 32)), 2);
  // Two long names that share their first 32 bytes would share a stored name.
  EXPECT_THROW(folder->AddFile(std::string(32, 'N') + "other", 0, Bytes("y")), Error);
}

TEST(FileFolder, IndexOfFoldsExactlyTheAsciiLettersForEveryByte) {
  auto folder = TFileFolder::CreateNew("unused.zxc");
  auto name = [](int byte) { return std::string(11, 'p') + static_cast<char>(byte); };
  for (int b = 0; b < 256; ++b)
    if (b < 'A' || b > 'Z') folder->AddFile(name(b), 0, Bytes(""));
  for (int b = 0; b < 256; ++b) {
    const int stored = (b >= 'A' && b <= 'Z') ? b + 32 : b;
    const int expected = stored < 'A' ? stored : stored - 26;  // A-Z were not added
    EXPECT_EQ(folder->IndexOf(name(b)), expected) << "byte " << b;
  }
  EXPECT_EQ(folder->IndexOf(std::string(11, 'P')), -1);
}

TEST(FileFolder, BadHeadersOpenWithoutEntriesAndRecordWhy) {
  support_test::TScratchDir dir;
  const std::string good = ArchiveBytes({{"a", "1"}});
  auto expectRefused = [&](std::string bytes, const std::string& why) {
    TFileFolder folder(dir.Write("bad.zxc", bytes));
    EXPECT_EQ(folder.OpenError(), why);
    EXPECT_EQ(folder.Count(), 0);
    EXPECT_EQ(folder.IndexOf("a"), -1);
    EXPECT_EQ(folder.GetFileStream("a"), nullptr);
    EXPECT_EQ(ErrorOf([&] { folder.LoadFile("a"); }), "Cannot load file (wrong file name)");
    EXPECT_THROW(folder.Save(), Error);
    EXPECT_EQ(ReadWholeFile(dir / "bad.zxc"), bytes) << "a refused archive was overwritten";
  };
  expectRefused(good.substr(0, 7), "Cannot open FileFolder (wrong file size)");
  expectRefused("", "Cannot open FileFolder (wrong file size)");
  expectRefused("\x3A" + good.substr(1), "Cannot open FileFolder (broked label)");
  expectRefused(ArchiveBytes({{"a", "1"}}, 1), "Cannot open FileFolder (wrong version)");
  expectRefused(ArchiveBytes({{"a", "1"}}, 0x8000), "Cannot open FileFolder (wrong version)");
  std::string sizing = good;
  sizing[6] = 0;
  expectRefused(sizing, "Cannot open FileFolder (wrong sizing)");
  expectRefused(good.substr(0, 8 + 47), "Cannot open Dir (wrong size)");

  EXPECT_THROW(TFileFolder(dir / "missing.zxc"), Error);
  EXPECT_THROW(TFileFolder(dir.Path()), Error);  // a folder is an I/O error, not an archive
}

TEST(FileFolder, EntriesPastTheEndFailAndLeaveTheArchiveUsable) {
  support_test::TScratchDir dir;
  const std::string path = dir.Write("a.zxc", ArchiveBytes({{"ok", "fine"},
                                                            {"long", "abc", 0, -1, 4},
                                                            {"far", "", 0, 1 << 30, 1},
                                                            {"neg", "", 0, 0, -5},
                                                            {"huge", "", 0, 0, 0x7FFFFFFF}}));
  TFileFolder folder(path);
  ASSERT_TRUE(folder.OpenError().empty());
  ASSERT_EQ(folder.Count(), 5);
  for (const char* name : {"long", "far", "neg", "huge"}) {
    EXPECT_EQ(ErrorOf([&] { folder.LoadFile(name); }),
              "Cannot load file (wrong file size): \"" + std::string(name) + "\" in " + path);
    EXPECT_EQ(folder.EntryStream(folder.IndexOf(name)).Size(), 0u);
  }
  EXPECT_EQ(Entry(folder, "OK"), "fine");
  EXPECT_THROW(folder.Save(), Error);  // the bad entries cannot be carried over
  EXPECT_EQ(TFileFolder(path).Count(), 5);
}

TEST(FileFolder, AccessPatternRereadsDiskEntriesButNeverAddedOnes) {
  support_test::TScratchDir dir;
  TFileFolder folder(dir.Write("a.zxc", ArchiveBytes({{"disk", "bytes", 9}})));
  EXPECT_EQ(folder.EntryState(0), TEntryState::OnDisk);
  TMemoryStream* first = folder.GetFileStream("disk");
  EXPECT_EQ(folder.EntryState(0), TEntryState::Read);
  first->Write("XX");  // a reader scribbling on the stream
  TMemoryStream* second = folder.GetFileStream("DISK");
  EXPECT_EQ(second, first);
  EXPECT_EQ(second->Position(), 0u);
  EXPECT_EQ(second->View(), "bytes");

  folder.AddFile("added", 1, Bytes("mem"));
  TMemoryStream* added = folder.GetFileStream("added");
  added->SetPosition(3);
  EXPECT_EQ(folder.GetFileStream("added")->Position(), 0u);
  EXPECT_EQ(folder.EntryState(1), TEntryState::Added);
  EXPECT_EQ(folder.GetFileStream("absent"), nullptr);
}

TEST(FileFolder, SavingAnOpenedArchiveCarriesEveryEntry) {
  support_test::TScratchDir dir;
  // Two stored names that differ only in case, as an older writer could leave them.
  const std::string path =
      dir.Write("a.zxc", ArchiveBytes({{"one", "111", 1}, {"twin", "22", 2}, {"TWIN", "3", 3}}));
  TFileFolder folder(path);
  folder.AddFile("new", 4, Bytes("4444"));
  folder.Save();
  EXPECT_EQ(folder.EntryState(3), TEntryState::Added);  // Save changes no state
  EXPECT_EQ(
      ReadWholeFile(path),
      ArchiveBytes({{"one", "111", 1}, {"twin", "22", 2}, {"TWIN", "3", 3}, {"new", "4444", 4}}));
  TFileFolder back(path);
  EXPECT_EQ(back.Count(), 4);
  EXPECT_EQ(back.Dir()[3].Kind, 4);
  EXPECT_EQ(Entry(back, "new"), "4444");
}

TEST(FileFolder, OversizedNameLengthOnDiskIsClamped) {
  support_test::TScratchDir dir;
  std::string bytes = ArchiveBytes({{std::string(32, 'x'), "data"}});
  bytes[8] = static_cast<char>(200);
  TFileFolder folder(dir.Write("a.zxc", bytes));
  ASSERT_EQ(folder.Count(), 1);
  EXPECT_EQ(folder.Dir()[0].Name(), std::string(32, 'x'));
  EXPECT_EQ(Entry(folder, std::string(32, 'X')), "data");
}

TEST(FileFolder, ReplacedEntriesKeepDirectoryAndBytesInStep) {
  support_test::TScratchDir dir;
  TFileFolder folder(dir.Write("a.zxc", ArchiveBytes({{"one", "first", 3}, {"two", "2", 4}})));
  folder.ReplaceFile(0, Bytes("a longer text"));
  EXPECT_EQ(folder.Dir()[0].Size, 13);
  EXPECT_EQ(folder.EntryState(0), TEntryState::Added);
  EXPECT_EQ(folder.GetFileStream("one")->View(), "a longer text");
  EXPECT_EQ(ErrorOf([&] { folder.ReplaceFile(2, Bytes("x")); }),
            "Cannot replace file (wrong index)");
  EXPECT_EQ(ErrorOf([&] { folder.ReplaceFile(-1, Bytes("x")); }),
            "Cannot replace file (wrong index)");
  folder.Save();
  TFileFolder back(folder.FileName());
  EXPECT_EQ(Entry(back, "one"), "a longer text");
  EXPECT_EQ(Entry(back, "two"), "2");
  EXPECT_EQ(back.Dir()[0].Kind, 3);
}
