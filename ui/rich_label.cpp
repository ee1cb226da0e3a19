// ui/rich_label.cpp — the rich label's mark-up layout: words are collected character by
// character, ended by blanks and tags, wrapped at the available width and aligned per line,
// paragraph or table cell.
#include "ui/rich_label.hpp"

#include "data/error.hpp"
#include "data/rounding.hpp"
#include "data/utf8.hpp"
#include "ui/orl_font.hpp"
#include "ui/value_text.hpp"

namespace ui {
namespace {

bool ReadInt(std::string_view text, int32_t& out) {
  try {
    out = ParseIntValue(text, "Caption");
    return true;
  } catch (const data::Error&) {
    return false;  // a malformed number makes its tag do nothing
  }
}

// The number a tag carries: what is left after `lead` leading characters and the last one.
bool TagNumber(const std::string& tag, size_t lead, int32_t& out) {
  return tag.size() >= lead + 1 &&
         ReadInt(std::string_view(tag).substr(lead, tag.size() - lead - 1), out);
}

bool Contains(const std::string& tag, std::string_view part) {
  return tag.find(part) != std::string::npos;
}

bool StartsWith(const std::string& tag, std::string_view part) {
  return tag.rfind(part, 0) == 0;
}

}  // namespace

// One run of the layout over a caption.
class TRichLayout {
 public:
  TRichLayout(TOrlRichLabel& label, const TOrlFont& font)
      : label(label),
        font(font),
        text(label.Caption),
        available(label.Width() - label.TextShiftLeft),
        blankWidth(font.CharAdvance(u' ')) {
    colors.push_back(label.Color);
    aligns.push_back(label.Alignment);
    fonts.push_back(label.FontName);
  }

  void Run();

 private:
  bool TagStartsAt(size_t p) const {
    return p < text.size() && text[p] == u'{' && !(p + 1 < text.size() && text[p + 1] == u'{');
  }
  bool DoubleBraceAt(size_t p) const {
    return p + 1 < text.size() && (text[p] == u'{' || text[p] == u'}') && text[p + 1] == text[p];
  }
  void EndWord(size_t& p);
  void AddWord(int blanks);
  void CarryOut(const std::string& tag, size_t p);
  // The mark-up's tags; each returns false when the tag turns out not to be its own.
  bool PushColor(const std::string& tag, size_t p);
  bool PopColor(const std::string& tag, size_t p);
  bool PushFont(const std::string& tag, size_t p);
  bool PopFont(const std::string& tag, size_t p);
  bool OpenTable(const std::string& tag, size_t p);
  bool LeftCell(const std::string& tag, size_t p);
  bool CenterCell(const std::string& tag, size_t p);
  bool RightCell(const std::string& tag, size_t p);
  void StartCell(const std::string& tag, TTextAlignment align, size_t lead);
  bool CloseTable(const std::string& tag, size_t p);
  bool OpenLink(const std::string& tag, size_t p);
  bool CloseLink(const std::string& tag, size_t p);
  bool LineBreak(const std::string& tag, size_t p);
  bool HorizontalSpace(const std::string& tag, size_t p);
  bool OpenParagraph(const std::string& tag, size_t p);
  bool CloseParagraph(const std::string& tag, size_t p);
  void StartLink(const std::string& script, size_t p);
  void NewLine(int down);
  void FinishLine();
  void FinishCell();
  int LineSum() const;
  void ChainFrom(size_t first);

  TOrlRichLabel& label;
  const TOrlFont& font;
  const std::u16string& text;
  const int available;  // W
  const int blankWidth;
  std::vector<int32_t> colors;
  std::vector<TTextAlignment> aligns;
  std::vector<std::string> fonts;
  int x = 0, y = 0;
  size_t lineStart = 0;  // first word of the current line or cell
  std::u16string word;
  int wordWidth = 0;
  bool wrapPending = false;
  bool linkOpen = false;
  size_t linkWord = SIZE_MAX;  // the word collected while the open link was open
  bool inTable = false;
  int column = 0;  // n: the current cell's column position
  TTextAlignment columnAlign = taLeft;
};

void TRichLayout::Run() {
  const size_t length = text.size();
  for (size_t p = 0; p <= length;) {
    if (wrapPending || p == length || TagStartsAt(p) || (text[p] == u' ' && !linkOpen)) EndWord(p);
    wrapPending = false;
    if (p < length && (text[p] != u' ' || DoubleBraceAt(p) || linkOpen)) {
      const int advance = font.CharAdvance(text[p]);
      // An empty word always takes its first character, so a character wider than the label
      // cannot hold the layout in place.
      if (!word.empty() && wordWidth + advance > available) {
        wrapPending = true;
        continue;  // the character is read again after the word is placed
      }
      word.push_back(text[p]);
      wordWidth += advance;
      if (DoubleBraceAt(p)) ++p;
    }
    ++p;
  }
  if (!aligns.empty() && aligns.back() != taJustify) FinishLine();
}

void TRichLayout::EndWord(size_t& p) {
  std::vector<std::string> tags;
  int blanks = 0;
  while (p < text.size()) {
    if (TagStartsAt(p)) {
      const size_t close = text.find(u'}', p + 1);
      const size_t end = close == std::u16string::npos ? text.size() : close;
      tags.push_back(data::WideToUtf8(std::u16string_view(text).substr(p + 1, end - p - 1)));
      p = close == std::u16string::npos ? text.size() : close + 1;
    } else if (text[p] == u' ') {
      ++blanks;
      ++p;
    } else {
      break;
    }
  }
  if (!word.empty()) AddWord(blanks);
  for (const std::string& tag : tags) CarryOut(tag, p);
}

void TRichLayout::AddWord(int blanks) {
  if (x + wordWidth > available) {
    y += font.Height;
    x = 0;
    FinishLine();
    lineStart = label.words.size();
  }
  TOrlTextLine w;
  if (!linkOpen) w.Text = word;
  w.X = x;
  w.Y = y;
  w.Color = colors.back();
  w.FontName = fonts.back();
  w.Width = wordWidth;
  w.Blanks = blanks;
  w.BlankWidth = blanks * blankWidth;
  x += w.Width + w.BlankWidth;
  if (linkOpen) linkWord = label.words.size();
  label.words.push_back(std::move(w));
  word.clear();
  wordWidth = 0;
}

void TRichLayout::NewLine(int down) {
  y += down;
  x = 0;
  lineStart = label.words.size();
}

// The first row whose text matches the tag carries it out. A handler that finds the tag is not
// its own after all (a line break without a readable height) returns false and the rows below
// get their turn; so the order of the rows is part of the mark-up's meaning.
void TRichLayout::CarryOut(const std::string& tag, size_t p) {
  enum class TMatch { Prefix, Exact, Contains };
  struct TTagHandler {
    TMatch Match;
    std::string_view Text;
    bool (TRichLayout::*Handler)(const std::string& tag, size_t p);
  };
  static constexpr TTagHandler kHandlers[] = {
      {TMatch::Prefix, "$", &TRichLayout::PushColor},
      {TMatch::Prefix, "/$", &TRichLayout::PopColor},
      {TMatch::Prefix, "F", &TRichLayout::PushFont},
      {TMatch::Prefix, "/F", &TRichLayout::PopFont},
      {TMatch::Exact, "Table", &TRichLayout::OpenTable},
      {TMatch::Contains, "TLeft ", &TRichLayout::LeftCell},
      {TMatch::Contains, "TCenter ", &TRichLayout::CenterCell},
      {TMatch::Contains, "TRight ", &TRichLayout::RightCell},
      {TMatch::Exact, "/Table", &TRichLayout::CloseTable},
      {TMatch::Contains, "Link Action", &TRichLayout::OpenLink},
      {TMatch::Exact, "/Link", &TRichLayout::CloseLink},
      {TMatch::Exact, "BR/", &TRichLayout::LineBreak},
      {TMatch::Contains, "BR ", &TRichLayout::LineBreak},
      {TMatch::Contains, "HR ", &TRichLayout::HorizontalSpace},
      {TMatch::Exact, "Left", &TRichLayout::OpenParagraph},
      {TMatch::Exact, "Center", &TRichLayout::OpenParagraph},
      {TMatch::Exact, "Right", &TRichLayout::OpenParagraph},
      {TMatch::Exact, "Justify", &TRichLayout::OpenParagraph},
      {TMatch::Exact, "/Left", &TRichLayout::CloseParagraph},
      {TMatch::Exact, "/Center", &TRichLayout::CloseParagraph},
      {TMatch::Exact, "/Right", &TRichLayout::CloseParagraph},
      {TMatch::Exact, "/Justify", &TRichLayout::CloseParagraph},
  };
  for (const TTagHandler& row : kHandlers) {
    const bool matches = row.Match == TMatch::Prefix  ? StartsWith(tag, row.Text)
                         : row.Match == TMatch::Exact ? tag == row.Text
                                                      : Contains(tag, row.Text);
    if (matches && (this->*row.Handler)(tag, p)) return;
  }
}

bool TRichLayout::PushColor(const std::string& tag, size_t) {
  int32_t n = 0;
  if (ReadInt(tag, n)) colors.push_back(n);  // "$" brings hexadecimal digits
  return true;
}

bool TRichLayout::PopColor(const std::string&, size_t) {
  if (colors.size() > 1) colors.pop_back();
  return true;
}

// "Font NAME ...": the name runs from the fifth character to the next blank.
bool TRichLayout::PushFont(const std::string& tag, size_t) {
  const size_t from = std::min<size_t>(5, tag.size());
  const size_t blank = tag.find(' ', from);
  fonts.push_back(tag.substr(from, blank == std::string::npos ? std::string::npos : blank - from));
  return true;
}

bool TRichLayout::PopFont(const std::string&, size_t) {
  if (fonts.size() > 1) fonts.pop_back();
  return true;
}

bool TRichLayout::OpenTable(const std::string&, size_t) {
  FinishLine();
  NewLine(font.Height);
  inTable = true;
  column = 0;
  columnAlign = taLeft;
  return true;
}

// "TLeft N}", "TCenter N}", "TRight N}": a cell at column position N; `lead` is the length of
// the tag's name and blank.
void TRichLayout::StartCell(const std::string& tag, TTextAlignment align, size_t lead) {
  int32_t n = 0;
  if (!TagNumber(tag, lead, n)) return;
  FinishCell();
  column = n;
  columnAlign = align;
  x = 0;
  lineStart = label.words.size();
}

bool TRichLayout::LeftCell(const std::string& tag, size_t) {
  StartCell(tag, taLeft, 6);
  return true;
}

bool TRichLayout::CenterCell(const std::string& tag, size_t) {
  StartCell(tag, taCenter, 8);
  return true;
}

bool TRichLayout::RightCell(const std::string& tag, size_t) {
  StartCell(tag, taRight, 7);
  return true;
}

bool TRichLayout::CloseTable(const std::string&, size_t) {
  FinishCell();
  inTable = false;
  NewLine(font.Height);
  return true;
}

// "Link Action SCRIPT": the script follows the tag's first twelve characters.
bool TRichLayout::OpenLink(const std::string& tag, size_t p) {
  StartLink(tag.size() > 12 ? tag.substr(12) : std::string(), p);
  return true;
}

bool TRichLayout::CloseLink(const std::string&, size_t) {
  if (linkWord != SIZE_MAX && !label.linkLabels.empty()) {
    label.words[linkWord].Color = static_cast<int32_t>(label.linkLabels.size() - 1);
    label.linkWords.emplace_back(linkWord, label.linkLabels.size() - 1);
  }
  linkOpen = false;
  linkWord = SIZE_MAX;
  return true;
}

// "BR/" goes down one font height, "BR N}" N pixels.
bool TRichLayout::LineBreak(const std::string& tag, size_t) {
  int32_t n = 0;
  if (tag != "BR/" && !TagNumber(tag, 3, n)) return false;
  const int down = tag == "BR/" ? font.Height : n;
  if (inTable) {
    FinishCell();  // the next cell tag starts the row's words
    y += down;
    x = 0;
  } else {
    FinishLine();
    NewLine(down);
  }
  return true;
}

// "HR N}": N blank pixels after the last word.
bool TRichLayout::HorizontalSpace(const std::string& tag, size_t) {
  int32_t n = 0;
  if (!TagNumber(tag, 3, n)) return false;
  if (!label.words.empty()) label.words.back().BlankWidth += n;
  x += n;
  return true;
}

// A paragraph starts on a line of its own.
bool TRichLayout::OpenParagraph(const std::string& tag, size_t) {
  if (label.words.size() > lineStart) {
    FinishLine();
    NewLine(font.Height);
  }
  aligns.push_back(tag == "Left"     ? taLeft
                   : tag == "Center" ? taCenter
                   : tag == "Right"  ? taRight
                                     : taJustify);
  return true;
}

bool TRichLayout::CloseParagraph(const std::string& tag, size_t) {
  if (tag != "/Justify") FinishLine();  // a justified paragraph's last line stays left-aligned
  if (aligns.size() > 1) aligns.pop_back();
  NewLine(font.Height);
  return true;
}

void TRichLayout::StartLink(const std::string& script, size_t p) {
  auto link = std::make_unique<TOrlLabel>();
  link->SetEngine(label.Engine());
  link->SetVisible(true);
  link->SetOnMouseDown(script);
  link->SetFontName(fonts.back());
  link->SetHeight(link->Font() ? link->Font()->Height : font.Height);
  link->Alpha = label.Alpha;
  link->Color = label.LinkColor;
  link->MouseOverColor = label.LinkMouseOverColor;
  const size_t end = text.find(u'{', p);
  link->Caption = text.substr(p, end == std::u16string::npos ? std::u16string::npos : end - p);
  label.linkLabels.push_back(std::move(link));
  linkOpen = true;
  linkWord = SIZE_MAX;
}

int TRichLayout::LineSum() const {
  int s = 0;
  for (size_t i = lineStart; i < label.words.size(); ++i) {
    const TOrlTextLine& w = label.words[i];
    s += w.Width + (i + 1 < label.words.size() ? w.BlankWidth : 0);
  }
  return s;
}

void TRichLayout::ChainFrom(size_t first) {
  std::vector<TOrlTextLine>& words = label.words;
  for (size_t i = first + 1; i < words.size(); ++i)
    words[i].X = words[i - 1].X + words[i - 1].Width + words[i - 1].BlankWidth;
}

void TRichLayout::FinishLine() {
  std::vector<TOrlTextLine>& words = label.words;
  if (lineStart >= words.size()) return;
  const int s = LineSum();
  switch (aligns.back()) {
    case taLeft:
      return;
    case taCenter:
      words[lineStart].X = (available - s) / 2;
      ChainFrom(lineStart);
      return;
    case taRight:
      words[lineStart].X = available - s;
      ChainFrom(lineStart);
      return;
    case taJustify:
      break;
  }
  int blanks = 0;
  for (size_t i = lineStart; i + 1 < words.size(); ++i) blanks += words[i].Blanks;
  if (blanks == 0) return;
  const int extra = available - s;
  const int base = extra / blanks;
  const int remainder = extra - blanks * base;
  const double step = remainder >= 1 ? static_cast<double>(blanks) / remainder : 0;
  double mark = step;
  int k = 0;
  for (size_t i = lineStart; i + 1 < words.size(); ++i) {
    int gained = 0;  // extra pixels handed to this word's blanks
    for (int b = 0; b < words[i].Blanks; ++b) {
      ++k;
      if (step > 0 && k == data::RoundHalfEven(mark)) {
        ++gained;
        mark += step;
      }
    }
    words[i + 1].X = words[i].X + words[i].Width + words[i].BlankWidth +
                     (words[i].Blanks > 0 ? base : 0) + gained;
  }
}

void TRichLayout::FinishCell() {
  std::vector<TOrlTextLine>& words = label.words;
  if (lineStart >= words.size()) return;
  const int s = LineSum();
  switch (columnAlign) {
    case taCenter:
      words[lineStart].X = column - s / 2;
      break;
    case taRight:
      words[lineStart].X = column - s;
      break;
    default:
      words[lineStart].X += column;
      break;
  }
  ChainFrom(lineStart);
}

TOrlRichLabel::TOrlRichLabel() = default;
TOrlRichLabel::~TOrlRichLabel() = default;

const data::TOrlClass& TOrlRichLabel::StaticClass() {
  using T = TOrlRichLabel;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlRichLabel", &TOrlLabel::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Int("LinkColor", &T::LinkColor, INT32_MIN, INT32_MAX, &T::SetLinkColor)
            .Int("LinkMouseOverColor", &T::LinkMouseOverColor, INT32_MIN, INT32_MAX,
                 &T::SetLinkMouseOverColor);
      });
  return cls;
}

void TOrlRichLabel::Assign(const data::TOrlObject& source) {
  TOrlLabel::Assign(source);
  if (auto* s = dynamic_cast<const TOrlRichLabel*>(&source)) {
    static_cast<TRichLabelProps&>(*this) = *s;
    WrapText();  // link labels are owned, so each label builds its own
  }
}

void TOrlRichLabel::SetCaption(const std::u16string& value) {
  Caption = FlattenCaption(value);
  WrapText();
}

void TOrlRichLabel::SetAlpha(uint8_t value) {
  Alpha = value;
  WrapText();
}

void TOrlRichLabel::SetLinkColor(int32_t value) {
  LinkColor = value;
  WrapText();
}

void TOrlRichLabel::SetLinkMouseOverColor(int32_t value) {
  LinkMouseOverColor = value;
  WrapText();
}

void TOrlRichLabel::WrapText() {
  if (!font && !FontName.empty()) font = LookUpFont();
  if (Caption.empty()) {  // an emptied caption leaves nothing of the old text behind
    words.clear();
    linkLabels.clear();
    linkWords.clear();
  }
  if (Caption.empty() || FontName.empty() || FWidth == 0 || FHeight == 0 || !font) return;
  words.clear();
  linkLabels.clear();
  linkWords.clear();
  TRichLayout(*this, *font).Run();
  PlaceLinkLabels();
}

void TOrlRichLabel::PlaceLinkLabels() {
  for (const auto& [wordIndex, linkIndex] : linkWords) {
    const TOrlTextLine& w = words[wordIndex];
    TOrlLabel& link = *linkLabels[linkIndex];
    link.Alpha = Alpha;
    link.SetWidth(w.Width);  // lays the link's text out again
    link.SetLeft(FAbsLeft + TextShiftLeft + w.X);
    link.SetTop(FAbsTop + TextShiftTop + w.Y);
  }
}

void TOrlRichLabel::UpdatePosition() {
  TOrlLabel::UpdatePosition();
  for (const auto& [wordIndex, linkIndex] : linkWords) {
    linkLabels[linkIndex]->SetLeft(FAbsLeft + TextShiftLeft + words[wordIndex].X);
    linkLabels[linkIndex]->SetTop(FAbsTop + TextShiftTop + words[wordIndex].Y);
  }
}

void TOrlRichLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  for (const auto& link : linkLabels) link->MouseDown(button, shift, x, y);
}

void TOrlRichLabel::MouseMove(TShiftState shift, int x, int y) {
  for (const auto& link : linkLabels) link->MouseMove(shift, x, y);
}

void TOrlRichLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TOrlLabel::MouseUp(button, shift, x, y);
  for (const auto& link : linkLabels) link->Pressed = false;
}

void TOrlRichLabel::Paint() {
  // Unlike a plain label's, the picture keeps its placement (PictureHAlign, PictureVAlign).
  TOrlInterfaceObject::Paint();
  if (font) {
    for (const TOrlTextLine& w : words)
      if (!w.Text.empty())
        font->DrawText(FAbsLeft + TextShiftLeft + w.X, FAbsTop + TextShiftTop + w.Y, w.Text, 255,
                       static_cast<uint32_t>(w.Color));
  }
  for (const auto& link : linkLabels) link->Paint();
}

}  // namespace ui
