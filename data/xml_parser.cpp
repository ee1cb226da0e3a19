// data/xml_parser.cpp — the reader works in three steps: text to typed items (one string per
// item, type byte first), items to tree, and the tree back to indented lines.
#include "data/xml_parser.hpp"

#include <cstring>

#include "data/error.hpp"
#include "data/files.hpp"
#include "data/text_helpers.hpp"

namespace data {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr size_t kInlineTextLimit = 80;  // bytes; shorter texts are written on the tag's line

// Item types, the first byte of each typed item.
constexpr char kText = '0', kClosing = '1', kSelfClosing = '2', kOpening = '3', kHead = '4';

// The scanner's text: every line followed by CR LF.
std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32 + 2);
  for (std::string_view line : SplitLines(text)) {
    out.append(line);
    out.append(kCrLf);
  }
  return out;
}

// FlattenLineBreaks, appended to out in place (the scanner makes one string per item).
void AppendFlattened(std::string& out, std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    size_t j = i;
    while (j < text.size() && text[j] != '\r' && text[j] != '\t') ++j;
    out.append(text.data() + i, j - i);
    if (j == text.size()) break;
    if (text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') {
      out.push_back(' ');
      i = j + 2;
    } else {
      out.push_back(text[j] == '\t' ? ' ' : '\r');
      i = j + 1;
    }
  }
}

std::string Item(char type, std::string_view payload) {
  std::string item;
  item.reserve(payload.size() + 1);
  item.push_back(type);
  AppendFlattened(item, payload);
  return item;
}

void AddTextItem(std::vector<std::string>& items, std::string_view raw) {
  const std::string_view text = Trim(raw);
  if (text.empty()) return;
  // Entities hold no line break or tab, so flattening first and decoding after cannot differ
  // from one pass here when the text has no "&".
  if (text.find('&') == std::string_view::npos) {
    items.push_back(Item(kText, text));
  } else {
    items.push_back(kText + DecodeEntities(FlattenLineBreaks(text)));
  }
}

// Scans t into typed items; returns the error message of an unclosed comment or head, or empty.
std::string Typify(std::string_view t, std::vector<std::string>& items) {
  size_t i = 0;
  while (i < t.size()) {
    const void* found = std::memchr(t.data() + i, '<', t.size() - i);
    if (!found) {
      AddTextItem(items, t.substr(i));
      break;
    }
    const size_t lt = static_cast<size_t>(static_cast<const char*>(found) - t.data());
    AddTextItem(items, t.substr(i, lt - i));
    i = lt;
    if (t.compare(i, 4, "<!--") == 0) {
      const size_t end = t.find("-->", i + 4);
      if (end == std::string_view::npos)
        return "[TOrlXMLTag.MakeTypifiedLines] Comments started, but never ended!";
      i = end + 3;
    } else if (t.compare(i, 2, "<?") == 0) {
      const size_t end = t.find("?>", i + 2);
      if (end == std::string_view::npos)
        return "[TOrlXMLTag.MakeTypifiedLines] XML Head started, but never ended!";
      items.push_back(Item(kHead, t.substr(i + 2, end - i - 2)));
      i = end + 2;
    } else {
      const size_t gt = t.find('>', i);
      if (gt == std::string_view::npos) {
        ++i;  // a stray "<" in text: skipped
        continue;
      }
      const std::string_view d = t.substr(i + 1, gt - i - 1);
      if (!d.empty() && d.front() == '/') {
        items.push_back(Item(kClosing, d.substr(1)));
      } else if (!d.empty() && d.back() == '/') {
        items.push_back(Item(kSelfClosing, Trim(d.substr(0, d.size() - 1))));
      } else {
        items.push_back(Item(kOpening, Trim(d)));
      }
      i = gt + 1;
    }
  }
  return {};
}

void AppendAttributes(std::string& out, const TOrlXMLTag& tag) {
  for (const TOrlParserAttribute& a : tag.Attributes) {
    out.push_back(' ');
    out.append(a.Name);
    out.append("=\"");
    out.append(a.Value);
    out.push_back('"');
  }
}

bool InlineText(const TOrlXMLTag& tag) {
  return !tag.Text.empty() && tag.Text.size() < kInlineTextLimit;
}

// Writes a tag up to its children; false when the tag is complete (self-closing).
bool WriteOpening(std::string& out, const TOrlXMLTag& tag, int level) {
  out.append(static_cast<size_t>(level), '\t');
  out.push_back('<');
  out.append(tag.Name);
  AppendAttributes(out, tag);
  if (tag.Tags.empty() && tag.Text.empty()) {
    out.append(" />");
    out.append(kCrLf);
    return false;
  }
  out.push_back('>');
  if (InlineText(tag)) {
    out.append(EncodeEntities(tag.Text));
    return true;
  }
  out.append(kCrLf);
  if (!tag.Text.empty()) {
    // A long text stands at the tag's own indent, not one deeper.
    out.append(static_cast<size_t>(level), '\t');
    out.append(EncodeEntities(tag.Text));
    out.append(kCrLf);
  }
  return true;
}

void WriteClosing(std::string& out, const TOrlXMLTag& tag, int level) {
  if (!InlineText(tag)) out.append(static_cast<size_t>(level), '\t');
  out.append("</");
  out.append(tag.Name);
  out.push_back('>');
  out.append(kCrLf);
}

// The root's children at level 0, depth first, with an explicit stack so deep trees are safe.
void WriteChildren(std::string& out, const TOrlXMLTag& root) {
  struct Frame {
    const TOrlXMLTag* tag;
    int level;
    size_t next;  // index of the next child to write
  };
  std::vector<Frame> stack{{&root, -1, 0}};
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next < top.tag->Tags.size()) {
      const TOrlXMLTag& child = *top.tag->Tags[top.next++];
      const int level = top.level + 1;
      if (WriteOpening(out, child, level)) stack.push_back({&child, level, 0});
    } else {
      if (top.level >= 0) WriteClosing(out, *top.tag, top.level);
      stack.pop_back();
    }
  }
}

}  // namespace

TOrlParser::TOrlParser() : TOrlXMLTag("root") {}

void TOrlParser::LoadFromFile(const std::string& path) {
  LoadFromText(ReadWholeFile(path));
}

void TOrlParser::LoadFromStream(TMemoryStream& stream) {
  const std::string_view rest = stream.Remaining();
  stream.SetPosition(stream.Size());
  LoadFromText(rest);
}

void TOrlParser::LoadFromText(std::string_view text) {
  Lines.clear();
  // An unclosed comment or head ends the scan; the tree keeps what was read before it, and each
  // loader of catalogues, levels, interfaces or effects judges by the tags it finds whether the
  // file is usable.
  ScanError = Typify(NormalizeLineBreaks(text), Lines);
  MakeTree();
}

std::string TOrlParser::MakeTypifiedLines() {
  std::string t;
  for (const std::string& line : Lines) {
    t.append(line);
    t.append(kCrLf);
  }
  Lines.clear();
  ScanError = Typify(t, Lines);
  return ScanError;
}

void TOrlParser::MakeTree() {
  ClearTags();
  ClearAttributes();
  TagErrors.clear();
  TOrlXMLTag* current = this;
  std::string error;
  auto addTag = [&](TOrlXMLTag& to, std::string_view payload) -> TOrlXMLTag& {
    TOrlXMLTag& tag = to.AddTagByString(payload, &error);
    if (!error.empty()) TagErrors.push_back(std::move(error));
    error.clear();
    return tag;
  };
  for (const std::string& item : Lines) {
    if (item.empty()) continue;
    const std::string_view payload = std::string_view(item).substr(1);
    switch (item[0]) {
      case kHead: {
        TOrlXMLTag head;
        addTag(head, payload);
        Assign(head.GetTag(0));
        current = this;  // whatever was open before the head is gone with it
        break;
      }
      case kOpening:
        current = &addTag(*current, payload);
        break;
      case kSelfClosing:
        addTag(*current, payload);
        break;
      case kClosing:
        if (current->Parent) current = current->Parent;  // extra closing tags stay at the root
        break;
      case kText:
        current->Text = std::string(payload);  // in mixed content the last piece wins
        break;
      default:
        break;
    }
  }
}

void TOrlParser::MakeLines() {
  std::string out;
  if (Name == "xml") {
    out.append("<?");
    out.append(Name);
    AppendAttributes(out, *this);
    out.append("?>");
    out.append(kCrLf);
  }
  WriteChildren(out, *this);
  Lines.clear();
  for (std::string_view line : SplitLines(out)) Lines.emplace_back(line);
}

void TOrlParser::SaveToStream(TMemoryStream& stream) {
  stream.Write(SaveToString());
}

std::string TOrlParser::SaveToString() {
  MakeLines();
  size_t size = 0;
  for (const std::string& line : Lines) size += line.size() + kCrLf.size();
  std::string out;
  out.reserve(size);
  for (const std::string& line : Lines) {
    out.append(line);
    out.append(kCrLf);
  }
  return out;
}

}  // namespace data
