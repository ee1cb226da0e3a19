// shell/input_script.cpp — reading and writing the --input / --record event files.
#include "shell/input_script.hpp"

#include <array>
#include <charconv>
#include <cstdio>
#include <limits>
#include <utility>

#include "data/error.hpp"
#include "data/files.hpp"
#include "data/number_text.hpp"
#include "data/text_helpers.hpp"
#include "data/utf8.hpp"

namespace shell {
namespace {

constexpr std::array<std::string_view, 10> kKindNames = {
    "seed", "frame", "move", "down", "up", "wheel", "key", "keyup", "text", "focus"};
constexpr std::array<std::string_view, 3> kButtonNames = {"left", "right", "middle"};
constexpr std::array<std::pair<std::string_view, bool TInputEvent::*>, 3> kModifiers = {
    {{"Alt+", &TInputEvent::Alt}, {"Ctrl+", &TInputEvent::Ctrl}, {"Shift+", &TInputEvent::Shift}}};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// One line being read: hands out blank-separated words and raises errors naming the line.
class TLineReader {
 public:
  TLineReader(std::string_view text, int line) : rest(text), line(line) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw data::Error("Line " + std::to_string(line) + ": " + what);
  }

  std::string_view Word(const char* missing) {
    SkipBlanks();
    size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    if (end == 0 || rest[0] == '#') Fail(missing);
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
  }

  template <class T>
  T Number(const char* what) {
    const std::string_view word = Word((std::string(what) + " is missing").c_str());
    const std::optional<int64_t> value = data::ParseStrictInteger(word);
    if (!value || *value < std::numeric_limits<T>::min() || *value > std::numeric_limits<T>::max())
      Fail(Quoted(word) + " is no " + what);
    return static_cast<T>(*value);
  }

  // Everything left, blanks around it removed (a trailing CR is such a blank too).
  std::string_view Rest() {
    SkipBlanks();
    while (!rest.empty() && (IsBlank(rest.back()) || rest.back() == '\r')) rest.remove_suffix(1);
    return std::exchange(rest, std::string_view());
  }

  // True, and the word taken, when the next word is word.
  bool Flag(std::string_view word) {
    SkipBlanks();
    const bool present = rest.substr(0, word.size()) == word &&
                         (rest.size() == word.size() || IsBlank(rest[word.size()]) ||
                          rest[word.size()] == '\r' || rest[word.size()] == '#');
    if (present) rest.remove_prefix(word.size());
    return present;
  }

  void End() {
    SkipBlanks();
    if (!rest.empty() && rest[0] != '#') Fail("unexpected " + Quoted(rest) + " after the event");
  }

 private:
  void SkipBlanks() {
    while (!rest.empty() && (IsBlank(rest[0]) || rest[0] == '\r')) rest.remove_prefix(1);
  }

  std::string_view rest;
  int line;
};

std::string Unescape(std::string_view text, const TLineReader& reader) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    const char c = i + 1 < text.size() ? text[++i] : '\0';
    switch (c) {
      case '\\':
        out += '\\';
        break;
      case 's':
        out += ' ';
        break;
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 'x': {
        unsigned value = 0;
        const char* first = text.data() + i + 1;
        const bool twoDigits = i + 2 < text.size();
        const auto [end, error] = std::from_chars(first, twoDigits ? first + 2 : first, value, 16);
        if (!twoDigits || error != std::errc() || end != first + 2)
          reader.Fail("\"\\x\" needs two hexadecimal digits in the text");
        out += static_cast<char>(value);
        i += 2;
        break;
      }
      default:
        reader.Fail("unknown escape \"\\" + std::string(1, c) + "\" in the text (\\\\ \\s \\t " +
                    "\\n \\r \\xHH)");
    }
  }
  return out;
}

std::string Escape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == ' ' && (i == 0 || i + 1 == text.size())) {
      out += "\\s";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || c == 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

void ReadKey(TLineReader& reader, TInputEvent& event) {
  std::string_view name = reader.Rest();
  for (bool found = true; found;) {
    found = false;
    for (const auto& [prefix, flag] : kModifiers) {
      if (name.size() > prefix.size() && data::SameText(name.substr(0, prefix.size()), prefix)) {
        event.*flag = true;
        name.remove_prefix(prefix.size());
        found = true;
      }
    }
  }
  if (name.empty()) reader.Fail("a key name is missing");
  event.Key = std::string(name);
}

void ReadArguments(TLineReader& reader, TInputEvent& event) {
  switch (event.Kind) {
    case TInputKind::Seed:
      event.Seed = reader.Number<uint32_t>("seed (0..4294967295)");
      break;
    case TInputKind::Frame:
      break;
    case TInputKind::Down:
    case TInputKind::Up:
    case TInputKind::Move: {
      event.X = reader.Number<int32_t>("X (a whole number)");
      event.Y = reader.Number<int32_t>("Y (a whole number)");
      if (event.Kind == TInputKind::Move) break;
      const std::string_view button = reader.Word("the button (left, right or middle) is missing");
      size_t i = 0;
      while (i < kButtonNames.size() && kButtonNames[i] != button) ++i;
      if (i == kButtonNames.size())
        reader.Fail(Quoted(button) + " is no button (left, right or middle)");
      event.Button = static_cast<TInputButton>(i);
      if (event.Kind == TInputKind::Down) event.Double = reader.Flag("double");
      break;
    }
    case TInputKind::Focus: {
      const std::string_view state = reader.Word("lost or gained is missing");
      if (state != "lost" && state != "gained")
        reader.Fail(Quoted(state) + " is neither lost nor gained");
      event.Focused = state == "gained";
      break;
    }
    case TInputKind::Wheel:
      event.Delta = reader.Number<int32_t>("wheel delta (a whole number)");
      break;
    case TInputKind::Key:
    case TInputKind::KeyUp:
      ReadKey(reader, event);
      return;
    case TInputKind::Text:
      event.Text = Unescape(reader.Rest(), reader);
      if (event.Text.empty()) reader.Fail("the text is missing");
      if (data::Utf8ToWide(event.Text).empty()) reader.Fail("the text is not valid UTF-8");
      return;
  }
  reader.End();
}

}  // namespace

bool TInputEvent::operator==(const TInputEvent& o) const {
  return Tick == o.Tick && Kind == o.Kind && X == o.X && Y == o.Y && Button == o.Button &&
         Double == o.Double && Focused == o.Focused && Delta == o.Delta && Seed == o.Seed &&
         Key == o.Key && Alt == o.Alt && Ctrl == o.Ctrl && Shift == o.Shift && Text == o.Text;
}

std::ostream& operator<<(std::ostream& os, const TInputEvent& event) {
  return os << FormatInputEvent(event);
}

std::vector<TInputEvent> ParseInputScript(std::string_view text) {
  std::vector<TInputEvent> events;
  int number = 0;
  for (std::string_view line : data::SplitLines(text)) {
    ++number;
    TLineReader reader(line, number);
    const std::string_view first = data::Trim(line);
    if (first.empty() || first[0] == '#') continue;
    TInputEvent event;
    event.Line = number;
    event.Tick = reader.Number<uint32_t>("tick (whole milliseconds, 0..4294967295)");
    const std::string_view kind = reader.Word("the event is missing after the tick");
    size_t k = 0;
    while (k < kKindNames.size() && kKindNames[k] != kind) ++k;
    if (k == kKindNames.size()) reader.Fail("unknown event " + Quoted(kind));
    event.Kind = static_cast<TInputKind>(k);
    ReadArguments(reader, event);
    if (!events.empty() && event.Tick < events.back().Tick)
      reader.Fail("tick " + std::to_string(event.Tick) + " is earlier than the tick " +
                  std::to_string(events.back().Tick) + " before it");
    events.push_back(std::move(event));
  }
  return events;
}

std::string FormatInputEvent(const TInputEvent& e) {
  std::string line = std::to_string(e.Tick) + " ";
  line += kKindNames[static_cast<size_t>(e.Kind)];
  switch (e.Kind) {
    case TInputKind::Seed:
      return line + " " + std::to_string(e.Seed);
    case TInputKind::Frame:
      return line;
    case TInputKind::Move:
      return line + " " + std::to_string(e.X) + " " + std::to_string(e.Y);
    case TInputKind::Down:
    case TInputKind::Up:
      line += " " + std::to_string(e.X) + " " + std::to_string(e.Y) + " " +
              std::string(kButtonNames[static_cast<size_t>(e.Button)]);
      return e.Kind == TInputKind::Down && e.Double ? line + " double" : line;
    case TInputKind::Focus:
      return line + (e.Focused ? " gained" : " lost");
    case TInputKind::Wheel:
      return line + " " + std::to_string(e.Delta);
    case TInputKind::Key:
    case TInputKind::KeyUp:
      line += " ";
      for (const auto& [prefix, flag] : kModifiers)
        if (e.*flag) line += prefix;
      return line + e.Key;
    case TInputKind::Text:
      return line + " " + Escape(e.Text);
  }
  return line;
}

std::string WriteInputScript(const std::vector<TInputEvent>& events) {
  std::string text = "# Zerith input: TICK (ms of the game clock) EVENT ARGUMENTS, one a line\n";
  for (const TInputEvent& event : events) text += FormatInputEvent(event) + "\n";
  return text;
}

std::vector<TInputEvent> LoadInputScript(const std::string& path) {
  const std::string text = data::ReadWholeFile(path);
  try {
    return ParseInputScript(text);
  } catch (const data::Error& e) {
    throw data::Error(path + ": " + e.what());
  }
}

void SaveInputScript(const std::string& path, const std::vector<TInputEvent>& events) {
  data::WriteFileAtomically(path, WriteInputScript(events));
}

}  // namespace shell
