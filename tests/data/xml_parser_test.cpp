#include "data/xml_parser.hpp"

#include <gtest/gtest.h>

#include "data/error.hpp"
#include "tests/support/scratch_dir.hpp"

using namespace data;

namespace {

std::unique_ptr<TOrlParser> Parse(std::string_view text) {
  auto parser = std::make_unique<TOrlParser>();
  parser->LoadFromText(text);
  return parser;
}

// Name, attributes and text of a tag and its subtree in one line, for compact comparisons.
std::string Dump(const TOrlXMLTag& tag) {
  std::string out = tag.Name;
  for (const auto& a : tag.Attributes) out += " " + a.Name + "=" + a.Value;
  if (!tag.Text.empty()) out += " '" + tag.Text + "'";
  if (!tag.Tags.empty()) {
    out += " {";
    for (const auto& child : tag.Tags) out += " " + Dump(*child);
    out += " }";
  }
  return out;
}

}  // namespace

TEST(XmlParser, TagsAndAttributesAsTheGamesFilesWriteThem) {
  EXPECT_EQ(Dump(*Parse("<a x=\"1\"/>")), Dump(*Parse("<a x=\"1\" />")));
  EXPECT_EQ(Dump(*Parse("<a/>")), "root { a }");
  EXPECT_EQ(Dump(*Parse("<a x = \"1\">")), "root { a x=1 }");
  // A ">" in a value cuts the tag: the value loses its closing quote, the rest is text.
  EXPECT_EQ(Dump(*Parse("<a x=\"1>2\"/>")), "root { a '2\"/>' }");
  EXPECT_EQ(Dump(*Parse("<L n=\"1\" n=\"2\"><b/><b/></L>")), "root { L n=1 n=2 { b b } }");
  auto doc = Parse("<a x=\"1\"\r\n   y=\"2\"\tz=\"3\"></a>");  // attributes over lines
  EXPECT_EQ(Dump(*doc), "root { a x=1 y=2 z=3 }");
  EXPECT_EQ(doc->GetTag(0)->AttributeByName("y")->Value, "2");
  EXPECT_EQ(doc->GetTag(0)->AttributeByName("Y"), nullptr);
  EXPECT_EQ(doc->GetTag(1), nullptr);
  EXPECT_EQ(doc->GetTag(-1), nullptr);
  EXPECT_EQ(doc->GetTag(0)->GetAttribute(3), nullptr);
  EXPECT_EQ(doc->GetTag(0)->Parent, doc.get());
}

TEST(XmlParser, TextIsTrimmedFlattenedAndDecoded) {
  EXPECT_EQ(Parse("<a>x &amp;lt; y</a>")->GetTag(0)->Text, "x &lt; y");
  EXPECT_EQ(Parse("<a>&lt;b&gt;</a>")->GetTag(0)->Text, "<b>");
  EXPECT_EQ(Parse("<a>one\r\ntwo</a>")->GetTag(0)->Text, "one two");
  EXPECT_EQ(Parse("<a>one\ntwo</a>")->GetTag(0)->Text, "one two");  // LF becomes CR LF first
  EXPECT_EQ(Parse("<a>  one\t two  </a>")->GetTag(0)->Text, "one  two");
  EXPECT_EQ(Dump(*Parse("<a>x<b/>y</a>")), "root { a 'y' { b } }");    // the last piece wins
  EXPECT_EQ(Dump(*Parse("<a>1 < 2</a>")), "root { a '1' { 2</a } }");  // "<" must be "&lt;"
  EXPECT_EQ(Dump(*Parse("text<a/>")), "root 'text' { a }");
}

TEST(XmlParser, MalformedAttributesStopThatTagOnlyWithTheirMessages) {
  auto doc = Parse("<a foo><b x=\"1\" y=2/><c x=\"1\" y=\"2/><d/></a>");
  EXPECT_EQ(Dump(*doc), "root { a { b x=1 c x=1 d } }");
  ASSERT_EQ(doc->TagErrors.size(), 3u);
  EXPECT_EQ(doc->TagErrors[0],
            "[TOrlXMLTag.AddTagByString] Expected Attribute name but found nothing! "
            "Tag name: \"a\".");
  EXPECT_EQ(doc->TagErrors[1],
            "[TOrlXMLTag.AddTagByString] Expected open \" in Attribute value but found "
            "nothing! Tag name: \"b\", Attribute name: \"y\".");
  EXPECT_EQ(doc->TagErrors[2],
            "[TOrlXMLTag.AddTagByString] Expected closed \" in Attribute value but found "
            "nothing! Tag name: \"c\", Attribute name: \"y\".");
  // Stray text between attributes becomes part of the next name before trimming.
  EXPECT_EQ(Parse("<a x=\"1\"junk y=\"2\"/>")->GetTag(0)->GetAttribute(1)->Name, "junk y");
}

TEST(XmlParser, CommentsHeadAndUnclosedConstructs) {
  auto doc = Parse("<!-- <x/> --><?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a/><!--c-->");
  EXPECT_EQ(Dump(*doc), "xml version=1.0 encoding=UTF-8 { a }");
  EXPECT_TRUE(doc->ScanError.empty());
  EXPECT_EQ(Dump(*Parse("<early/><?xml v=\"1\"?><late/>")), "xml v=1 { late }");

  doc = Parse("<a/><!-- never closed <b/>");
  EXPECT_EQ(doc->ScanError, "[TOrlXMLTag.MakeTypifiedLines] Comments started, but never ended!");
  EXPECT_EQ(Dump(*doc), "root { a }");
  doc = Parse("<a/><?xml <b/>");
  EXPECT_EQ(doc->ScanError, "[TOrlXMLTag.MakeTypifiedLines] XML Head started, but never ended!");
  EXPECT_EQ(Dump(*doc), "root { a }");

  EXPECT_EQ(Dump(*Parse("")), "root");
  EXPECT_EQ(Dump(*Parse("  \r\n<!-- only a comment -->\n")), "root");
  EXPECT_EQ(Dump(*Parse("<a")), "root 'a'");  // a "<" without ">" is skipped
}

TEST(XmlParser, ClosingTagsAreNotMatchedAndExtraOnesStayAtRoot) {
  EXPECT_EQ(Dump(*Parse("<a><b></zzz><c/></a>")), "root { a { b c } }");
  EXPECT_EQ(Dump(*Parse("</a></a><b/>")), "root { b }");
  EXPECT_EQ(Dump(*Parse("<a><b>")), "root { a { b } }");  // unclosed tags still count
}

TEST(XmlParser, MakeTreeAgainGivesTheSameTree) {
  auto doc = Parse("<?xml v=\"1\"?>\n<a p=\"q\">t<b/><c>u</c></a><d/>");
  const std::string first = Dump(*doc);
  doc->MakeTree();
  EXPECT_EQ(Dump(*doc), first);
  EXPECT_EQ(doc->Lines.size(), 9u);  // the typed items stay in Lines
  EXPECT_EQ(doc->Lines[0], "4xml v=\"1\"");
  EXPECT_EQ(doc->Lines[1], "3a p=\"q\"");
}

TEST(XmlParser, MakeTypifiedLinesReadsLinesAsTheLoaderDoes) {
  TOrlParser parser;
  parser.Lines = {"<a x=\"1\"", "y=\"2\">one", "two</a>", "<!-- open"};
  EXPECT_EQ(parser.MakeTypifiedLines(),
            "[TOrlXMLTag.MakeTypifiedLines] Comments started, but never ended!");
  EXPECT_EQ(parser.Lines, (std::vector<std::string>{"3a x=\"1\" y=\"2\"", "0one two", "1a"}));
  parser.MakeTree();
  EXPECT_EQ(Dump(parser), "root { a x=1 y=2 'one two' }");
}

TEST(XmlParser, WriterLayoutIsExact) {
  TOrlParser doc;
  TOrlXMLTag& level = doc.AddTag("Level");
  level.AddAttribute("n", "a<b");  // attribute values are written as they stand
  level.AddTag("Title", "Bob & Co");
  TOrlXMLTag& layer = level.AddTag("Layer");
  layer.AddTag("Fishka").AddAttribute("x", "3");
  layer.LastTag().AddAttribute("y", "4");
  level.AddTag("Note", std::string(80, 'n'));
  level.LastTag().AddTag("Inner");
  level.AddTag("Short", "s").AddTag("Kid");
  doc.AddTag("Empty", "");
  EXPECT_EQ(doc.SaveToString(),
            "<Level n=\"a<b\">\r\n"
            "\t<Title>Bob &amp; Co</Title>\r\n"
            "\t<Layer>\r\n"
            "\t\t<Fishka x=\"3\" y=\"4\" />\r\n"
            "\t</Layer>\r\n"
            "\t<Note>\r\n"
            "\t" +
                std::string(80, 'n') +
                "\r\n"
                "\t\t<Inner />\r\n"
                "\t</Note>\r\n"
                "\t<Short>s\t\t<Kid />\r\n"
                "</Short>\r\n"
                "</Level>\r\n"
                "<Empty />\r\n");
  TMemoryStream stream;
  doc.SaveToStream(stream);
  EXPECT_EQ(stream.View(), doc.SaveToString());
}

TEST(XmlParser, InlineLimitIsEightyBytesBeforeEncoding) {
  TOrlParser doc;
  doc.AddTag("a", std::string(78, 'x') + "&");  // 79 bytes, 83 once encoded: still inline
  doc.AddTag("b", std::string(80, 'x'));
  const std::string out = doc.SaveToString();
  EXPECT_NE(out.find("<a>" + std::string(78, 'x') + "&amp;</a>\r\n"), std::string::npos);
  EXPECT_NE(out.find("<b>\r\n" + std::string(80, 'x') + "\r\n</b>\r\n"), std::string::npos);
}

TEST(XmlParser, HeadIsWrittenOnlyForARootNamedXml) {
  EXPECT_EQ(Parse("<?xml version=\"1.0\"?><a></a>")->SaveToString(),
            "<?xml version=\"1.0\"?>\r\n<a />\r\n");
  EXPECT_EQ(Parse("<?other v=\"1\"?><a/>")->SaveToString(), "<a />\r\n");
  TOrlParser fresh;
  fresh.AddTag("a");
  EXPECT_EQ(fresh.SaveToString(), "<a />\r\n");
}

TEST(XmlParser, WrittenDocumentsReadBackUnchanged) {
  TOrlParser doc;
  TOrlXMLTag& a = doc.AddTag("a", "a<b & c");
  a.AddTag("long", std::string(120, '&'));
  a.AddTag("quote", "it's \"x\"");
  auto back = Parse(doc.SaveToString());
  EXPECT_EQ(Dump(*back), Dump(doc));
  EXPECT_EQ(back->SaveToString(), doc.SaveToString());
}

TEST(XmlParser, AssignCopiesDeeplyAndKeepsParent) {
  auto doc = Parse("<a k=\"v\">t<b><c/></b></a><other/>");
  TOrlXMLTag& other = *doc->GetTag(1);
  other.Assign(doc->GetTag(0));
  EXPECT_EQ(Dump(other), "a k=v 't' { b { c } }");
  EXPECT_EQ(other.Parent, doc.get());
  EXPECT_EQ(other.GetTag(0)->Parent, &other);
  EXPECT_EQ(other.GetTag(0)->GetTag(0)->Parent, other.GetTag(0));

  TOrlXMLTag& a = *doc->GetTag(0);
  a.Assign(a.GetTag(0));  // from its own child
  EXPECT_EQ(Dump(a), "b { c }");
  a.Assign(nullptr);
  a.Assign(&a);
  EXPECT_EQ(Dump(a), "b { c }");
}

TEST(XmlParser, DeepNestingLoadsCopiesAndFreesWithoutRecursion) {
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "<a>";
  auto doc = Parse(text);
  TOrlXMLTag copy;
  copy.Assign(doc.get());
  EXPECT_EQ(copy.TagCount(), 1);
  doc.reset();

  // Written indents grow with depth, so the writer is checked on a smaller chain.
  const size_t depth = 1000;
  text.clear();
  for (size_t i = 0; i < depth; ++i) text += "<a>";
  EXPECT_EQ(Parse(text)->SaveToString().size(),
            (depth - 1) * (depth - 1) + 11 * (depth - 1) + 7);  // tabs, "<a>"+"</a>", "<a />"
}

TEST(XmlParser, LoadsFromFilesAndStreams) {
  support_test::TScratchDir dir;
  TOrlParser parser;
  parser.LoadFromFile(dir.Write("a.xml", "<a>x</a>"));
  EXPECT_EQ(Dump(parser), "root { a 'x' }");
  EXPECT_THROW(parser.LoadFromFile(dir / "missing.xml"), Error);

  TMemoryStream stream("junk<b/>");
  stream.SetPosition(4);
  parser.LoadFromStream(stream);
  EXPECT_EQ(Dump(parser), "root { b }");
  EXPECT_EQ(stream.Position(), stream.Size());
}
