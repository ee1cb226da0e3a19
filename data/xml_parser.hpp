// data/xml_parser.hpp — the tolerant, byte-oriented XML reader and indenting writer every data
// file goes through.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/memory_stream.hpp"

namespace data {

struct TOrlParserAttribute {
  TOrlParserAttribute(std::string name, std::string value)
      : Name(std::move(name)), Value(std::move(value)) {}
  std::string Name;
  std::string Value;  // raw bytes between the quotes: never entity-decoded or encoded
};

// NOTE: names are case-sensitive and need not be unique; order of children and attributes is
// document order and readers rely on it.
class TOrlXMLTag {
 public:
  // The new tag is not added to parent's list; AddTag does that.
  explicit TOrlXMLTag(std::string name = {}, TOrlXMLTag* parent = nullptr, std::string text = {});
  // Frees the subtree without recursion, so any nesting depth a file can hold is safe.
  virtual ~TOrlXMLTag();
  TOrlXMLTag(const TOrlXMLTag&) = delete;
  TOrlXMLTag& operator=(const TOrlXMLTag&) = delete;

  void SetName(std::string name) { Name = std::move(name); }
  void SetText(std::string text) { Text = std::move(text); }
  void ClearTags() { Tags.clear(); }
  void ClearAttributes() { Attributes.clear(); }

  void AddAttribute(std::string name, std::string value);
  TOrlXMLTag& AddTag(std::string name, std::string text = {});
  // Appends a child parsed from the text between a tag's brackets ("Fishka x=\"3\"").
  // Malformed attributes stop attribute parsing silently; the child always stays.
  TOrlXMLTag& AddTagByString(std::string_view tagString);
  // The same; a malformed attribute's message ("[TOrlXMLTag.AddTagByString] ...") goes to
  // *error (left untouched when the tag string is well formed) instead of being dropped.
  TOrlXMLTag& AddTagByString(std::string_view tagString, std::string* error);
  // Deep copy of name, text, attributes and children; Parent is kept. Null source or the tag
  // itself: no-op. The source may be one of this tag's own descendants.
  void Assign(const TOrlXMLTag* source);

  TOrlXMLTag* GetTag(int index) const;                       // null when out of range
  const TOrlParserAttribute* GetAttribute(int index) const;  // null when out of range
  TOrlXMLTag* TagByName(std::string_view name) const;
  const TOrlParserAttribute* AttributeByName(std::string_view name) const;
  TOrlXMLTag& LastTag() const;  // NOTE: never on an empty list
  int TagCount() const { return static_cast<int>(Tags.size()); }
  int AttributeCount() const { return static_cast<int>(Attributes.size()); }

  std::string Name;
  std::string Text;
  std::vector<std::unique_ptr<TOrlXMLTag>> Tags;
  std::vector<TOrlParserAttribute> Attributes;
  TOrlXMLTag* Parent = nullptr;  // not owned
};

// The document's invisible root. Its children are the file's top-level elements; after reading
// a file with a head, Name and Attributes are the head's.
class TOrlParser : public TOrlXMLTag {
 public:
  TOrlParser();

  // Raises data::Error when the file cannot be read; malformed content never raises.
  void LoadFromFile(const std::string& path);
  // Reads the stream's remaining bytes.
  void LoadFromStream(TMemoryStream& stream);
  void LoadFromText(std::string_view text);

  // Text (Lines) to typed items (Lines). Returns the scan error's message, or empty; the load
  // swallows it and keeps the items read before the fault.
  std::string MakeTypifiedLines();
  // Typed items in Lines to tree; may be called again and gives the same tree.
  void MakeTree();
  // Tree to Lines.
  void MakeLines();
  void SaveToStream(TMemoryStream& stream);
  std::string SaveToString();

  // The file's lines, then the typed items, then the written text, by stage.
  std::vector<std::string> Lines;

  // What the last load swallowed, for tools that show modders why a file reads oddly: the
  // scan's error (an unclosed comment or head; empty if none), set by each load and by
  // MakeTypifiedLines, and the malformed-attribute messages of the last MakeTree.
  std::string ScanError;
  std::vector<std::string> TagErrors;
};

}  // namespace data
