// data/xml_parser.cpp — the reader works in three steps: text to typed items (one string per
// item, type byte first), items to tree, and the tree back to indented lines.
#include "data/xml_parser.hpp"

#include "data/error.hpp"
#include "data/files.hpp"
#include "data/text_helpers.hpp"

namespace data {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr size_t kInlineTextLimit = 80;  // bytes; shorter texts are written on the tag's line

// Splits at CR LF, lone CR and lone LF; a final line break does not start another line.
template <class Fn>
void ForEachLine(std::string_view text, Fn&& fn) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    fn(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) fn(text.substr(start));
}

// The scanner's text: every line followed by CR LF.
std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32 + 2);
  ForEachLine(text, [&](std::string_view line) {
    out.append(line);
    out.append(kCrLf);
  });
  return out;
}

std::string Item(char type, std::string_view payload) {
  std::string item;
  item.reserve(payload.size() + 1);
  item.push_back(type);
  item.append(payload);
  return item;
}

void AddTextItem(std::vector<std::string>& items, std::string_view raw) {
  const std::string_view text = Trim(raw);
  if (!text.empty()) items.push_back(Item('0', DecodeEntities(FlattenLineBreaks(text))));
}

// Scans T into typed items; returns the error message of an unclosed comment or head, or empty.
std::string Typify(std::string_view t, std::vector<std::string>& items) {
  size_t i = 0;
  while (i < t.size()) {
    const size_t lt = t.find('<', i);
    if (lt == std::string_view::npos) {
      AddTextItem(items, t.substr(i));
      break;
    }
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
      items.push_back(Item('4', FlattenLineBreaks(t.substr(i + 2, end - i - 2))));
      i = end + 2;
    } else {
      const size_t gt = t.find('>', i);
      if (gt == std::string_view::npos) {
        ++i;  // a stray "<" in text: skipped
        continue;
      }
      const std::string_view d = t.substr(i + 1, gt - i - 1);
      if (!d.empty() && d.front() == '/') {
        items.push_back(Item('1', FlattenLineBreaks(d.substr(1))));
      } else if (!d.empty() && d.back() == '/') {
        items.push_back(Item('2', FlattenLineBreaks(Trim(d.substr(0, d.size() - 1)))));
      } else {
        items.push_back(Item('3', FlattenLineBreaks(Trim(d))));
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

void TagToText(std::string& out, const TOrlXMLTag& tag, int level) {
  const std::string indent(static_cast<size_t>(level), '\t');
  out.append(indent);
  out.push_back('<');
  out.append(tag.Name);
  AppendAttributes(out, tag);
  if (tag.Tags.empty() && tag.Text.empty()) {
    out.append(" />");
    out.append(kCrLf);
    return;
  }
  if (!tag.Text.empty() && tag.Text.size() < kInlineTextLimit) {
    out.push_back('>');
    out.append(EncodeEntities(tag.Text));
    for (const auto& child : tag.Tags) TagToText(out, *child, level + 1);
  } else {
    out.push_back('>');
    out.append(kCrLf);
    if (!tag.Text.empty()) {
      out.append(indent);
      out.append(EncodeEntities(tag.Text));
      out.append(kCrLf);
    }
    for (const auto& child : tag.Tags) TagToText(out, *child, level + 1);
    out.append(indent);
  }
  out.append("</");
  out.append(tag.Name);
  out.push_back('>');
  out.append(kCrLf);
}

}  // namespace

TOrlXMLTag::TOrlXMLTag(std::string name, TOrlXMLTag* parent, std::string text)
    : Name(std::move(name)), Text(std::move(text)), Parent(parent) {}

void TOrlXMLTag::AddAttribute(std::string name, std::string value) {
  Attributes.emplace_back(std::move(name), std::move(value));
}

TOrlXMLTag& TOrlXMLTag::AddTag(std::string name, std::string text) {
  Tags.push_back(std::make_unique<TOrlXMLTag>(std::move(name), this, std::move(text)));
  return *Tags.back();
}

TOrlXMLTag& TOrlXMLTag::AddTagByString(std::string_view s) {
  TOrlXMLTag& child = AddTag({});
  const size_t blank = s.find(' ');
  if (blank == std::string_view::npos) {
    child.Name = std::string(s);
    return child;
  }
  child.Name = std::string(s.substr(0, blank));
  // A malformed attribute ends attribute parsing of this tag only; the load goes on. The
  // messages below are what the reader would report; nothing upstream wants them.
  size_t k = blank;
  while (k < s.size()) {
    const size_t eq = s.find('=', k);
    if (eq == std::string_view::npos) break;  // "Expected Attribute name but found nothing!"
    std::string name(Trim(s.substr(k, eq - k)));
    const size_t open = s.find('"', eq);
    if (open == std::string_view::npos) break;  // "Expected open \" in Attribute value ..."
    const size_t close = s.find('"', open + 1);
    if (close == std::string_view::npos) break;  // "Expected closed \" in Attribute value ..."
    child.AddAttribute(std::move(name), std::string(s.substr(open + 1, close - open - 1)));
    k = close + 1;
  }
  return child;
}

void TOrlXMLTag::Assign(const TOrlXMLTag* source) {
  if (!source || source == this) return;
  // Copied aside first: the source may be one of this tag's own descendants.
  std::string name = source->Name, text = source->Text;
  std::vector<TOrlParserAttribute> attributes = source->Attributes;
  std::vector<std::unique_ptr<TOrlXMLTag>> tags;
  tags.reserve(source->Tags.size());
  for (const auto& child : source->Tags) {
    tags.push_back(std::make_unique<TOrlXMLTag>(std::string{}, this));
    tags.back()->Assign(child.get());
  }
  Name = std::move(name);
  Text = std::move(text);
  Attributes = std::move(attributes);
  Tags = std::move(tags);
}

TOrlXMLTag* TOrlXMLTag::GetTag(int index) const {
  if (index < 0 || index >= TagCount()) return nullptr;
  return Tags[static_cast<size_t>(index)].get();
}

const TOrlParserAttribute* TOrlXMLTag::GetAttribute(int index) const {
  if (index < 0 || index >= AttributeCount()) return nullptr;
  return &Attributes[static_cast<size_t>(index)];
}

TOrlXMLTag* TOrlXMLTag::TagByName(std::string_view name) const {
  for (const auto& tag : Tags)
    if (tag->Name == name) return tag.get();
  return nullptr;
}

const TOrlParserAttribute* TOrlXMLTag::AttributeByName(std::string_view name) const {
  for (const auto& a : Attributes)
    if (a.Name == name) return &a;
  return nullptr;
}

TOrlParser::TOrlParser() : TOrlXMLTag("root") {}

void TOrlParser::LoadFromFile(const std::string& path) { LoadFromText(ReadWholeFile(path)); }

void TOrlParser::LoadFromStream(TMemoryStream& stream) {
  const std::string_view rest = stream.Remaining();
  stream.SetPosition(stream.Size());
  LoadFromText(rest);
}

void TOrlParser::LoadFromText(std::string_view text) {
  Lines.clear();
  // An unclosed comment or head ends the scan; the tree keeps what was read before it and the
  // reader Parts judge whether the file is usable by the tags they find.
  (void)Typify(NormalizeLineBreaks(text), Lines);
  MakeTree();
}

std::string TOrlParser::MakeTypifiedLines() {
  std::string t;
  for (const std::string& line : Lines) {
    t.append(line);
    t.append(kCrLf);
  }
  Lines.clear();
  return Typify(t, Lines);
}

void TOrlParser::MakeTree() {
  ClearTags();
  ClearAttributes();
  TOrlXMLTag* current = this;
  for (const std::string& item : Lines) {
    if (item.empty()) continue;
    const std::string_view payload = std::string_view(item).substr(1);
    switch (item[0]) {
      case '4': {
        TOrlXMLTag head;
        head.AddTagByString(payload);
        Assign(head.GetTag(0));
        current = this;  // whatever was open before the head is gone with it
        break;
      }
      case '3':
        current = &current->AddTagByString(payload);
        break;
      case '2':
        current->AddTagByString(payload);
        break;
      case '1':
        if (current->Parent) current = current->Parent;  // extra closing tags stay at the root
        break;
      case '0':
        current->Text = std::string(payload);
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
  for (const auto& child : Tags) TagToText(out, *child, 0);
  Lines.clear();
  ForEachLine(out, [&](std::string_view line) { Lines.emplace_back(line); });
}

void TOrlParser::SaveToStream(TMemoryStream& stream) { stream.Write(SaveToString()); }

std::string TOrlParser::SaveToString() {
  MakeLines();
  std::string out;
  for (const std::string& line : Lines) {
    out.append(line);
    out.append(kCrLf);
  }
  return out;
}

}  // namespace data
