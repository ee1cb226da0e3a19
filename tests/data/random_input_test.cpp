// Random and truncated inputs for every reader of the data layer: whatever the bytes, a reader
// returns or raises data::Error; the sanitizer build turns any overrun or leak into a failure.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "app/tool/tool.hpp"
#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/line_codec.hpp"
#include "data/utf8.hpp"
#include "data/xml_parser.hpp"
#include "tests/support/scratch_dir.hpp"

using namespace data;
using namespace std::string_view_literals;

namespace {

// Fixed seeds and raw generator output only: the sequence is the same on every machine.
class Bytes {
 public:
  explicit Bytes(uint32_t seed) : gen(seed) {}
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(gen() % n); }
  std::string Random(size_t maxLength) {
    std::string s(Below(static_cast<uint32_t>(maxLength) + 1), '\0');
    for (char& c : s) c = static_cast<char>(Below(256));
    return s;
  }
  // Text built from the pieces the XML reader reacts to, so most inputs reach deep paths.
  std::string XmlLike(int pieces) {
    static const char* const kPieces[] = {
        "<",         ">",     "/",    "/>",   "</",   "=",        "\"",  " ",   "\r\n",
        "\n",        "\r",    "\t",   "<!--", "-->",  "<?",       "?>",  "xml", "a",
        "b x=\"1\"", "&amp;", "&lt;", "&",    "text", "\xC3\xA9", "\x00"};
    std::string s;
    for (int i = 0; i < pieces; ++i) {
      const uint32_t pick = Below(std::size(kPieces) + 1);
      if (pick == std::size(kPieces))
        s.push_back(static_cast<char>(Below(256)));
      else
        s.append(kPieces[pick], pick == std::size(kPieces) - 1 ? 1 : std::strlen(kPieces[pick]));
    }
    return s;
  }

 private:
  std::mt19937 gen;
};

void WritePlain(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

// Loads and writes a document, once straight and once with the tree rebuilt from the typed
// items; both must write the same text, which must read again.
void Exercise(std::string_view text) {
  TOrlParser straight, rebuilt;
  straight.LoadFromText(text);
  rebuilt.LoadFromText(text);
  rebuilt.MakeTree();
  const std::string written = straight.SaveToString();
  EXPECT_EQ(rebuilt.SaveToString(), written) << "MakeTree twice differs for: " << text;
  TOrlParser again;
  again.LoadFromText(written);
  (void)again.SaveToString();
}

const char kRichDocument[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- level -->\n<Level n=\"3\" "
    "name=\"Caf\xC3\xA9\">"
    "\r\n\t<Layer main=\"0\">\n\t\t<Fishka x=\"3\" y=\"4\" />\r\n\t\tline &amp; &lt;text&gt;\r\n"
    "\t</Layer>\n\t<Boss hp = \"10\" bad>x</Boss></Level>\r\n";

}  // namespace

TEST(RandomInput, XmlReaderSurvivesRandomAndTruncatedDocuments) {
  Bytes bytes(20240601);
  for (int i = 0; i < 3000; ++i) Exercise(bytes.XmlLike(1 + static_cast<int>(bytes.Below(60))));
  for (int i = 0; i < 300; ++i) Exercise(bytes.Random(300));
  const std::string_view rich(kRichDocument);
  for (size_t n = 0; n <= rich.size(); ++n) Exercise(rich.substr(0, n));
}

TEST(RandomInput, Utf8AndLineCodecSurviveAnyBytes) {
  Bytes bytes(77);
  for (int i = 0; i < 5000; ++i) {
    const std::string s = bytes.Random(40);
    const std::u16string wide = Utf8ToWide(s);
    EXPECT_LE(wide.size(), s.size());
    if (!wide.empty()) {
      EXPECT_EQ(Utf8ToWide(WideToUtf8(wide)), wide);
    }
    EXPECT_EQ(DecodeLine(EncodeLine(s)), s);
  }
  const std::string valid = WideToUtf8(u"a\u00E9\u20AC\uFFFFz");
  for (size_t n = 0; n <= valid.size(); ++n) {
    const std::u16string part = Utf8ToWide(valid.substr(0, n));
    EXPECT_TRUE(part.empty() || u"a\u00E9\u20AC\uFFFFz"sv.substr(0, part.size()) == part) << n;
  }
}

TEST(RandomInput, ArchiveReadersSurviveDamagedFiles) {
  support_test::TScratchDir dir;
  auto folder = TFileFolder::CreateNew(dir / "good.zxc");
  folder->AddFile("one.png", 1, TMemoryStream("0123456789"));
  folder->AddFile("two.xml", 2, TMemoryStream("<a/>"));
  folder->AddFile("empty", 3, TMemoryStream(""));
  folder->Save();
  const std::string good = ReadWholeFile(dir / "good.zxc");
  const std::string path = dir / "damaged.zxc";

  auto exercise = [&](std::string_view bytes) {
    WritePlain(path, bytes);
    TFileFolder damaged(path);
    for (size_t i = 0; i < damaged.Dir().size(); ++i) {
      try {
        TMemoryStream* stream = damaged.GetFileStream(damaged.Dir()[i].Name());
        EXPECT_EQ(stream->Size(), static_cast<size_t>(damaged.Dir()[i].Size));
      } catch (const Error&) {
        EXPECT_EQ(damaged.EntryStream(static_cast<int>(i)).Size(), 0u);
      }
    }
    std::ostringstream out, err;
    EXPECT_LE(tool::RunTool({"list", path}, out, err), 1);
    EXPECT_LE(tool::RunTool({"extract", path, "two.xml"}, out, err), 1);
  };
  for (size_t n = 0; n <= good.size(); ++n) exercise(std::string_view(good).substr(0, n));
  Bytes bytes(4242);
  for (int i = 0; i < 400; ++i) {
    std::string mutated = good;
    for (uint32_t k = 1 + bytes.Below(4); k > 0; --k)
      mutated[bytes.Below(static_cast<uint32_t>(mutated.size()))] =
          static_cast<char>(bytes.Below(256));
    exercise(mutated);
  }
  EXPECT_EQ(ReadWholeFile(dir / "good.zxc"), good);
}
