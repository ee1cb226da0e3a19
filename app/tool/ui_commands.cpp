// app/tool/ui_commands.cpp — zerith-tool ui: loads an interface file and its overlays the way
// the game does, and shows skin authors what the engine refused or what it built.
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/tool/tool.hpp"
#include "data/error.hpp"
#include "data/files.hpp"
#include "data/memory_stream.hpp"
#include "data/published.hpp"
#include "ui/interface_engine.hpp"
#include "ui/null_graphic.hpp"

namespace tool {
namespace {

void DumpObjects(const ui::TOrlInterfaceEngine& engine, std::ostream& out) {
  for (const auto& object : engine.Objects()) {
    const data::TOrlClass& cls = object->Class();
    out << cls.ClassName() << ' ' << object->Name() << ' ' << object->ParentName << '\n';
    for (const data::TPropInfo* prop : cls.Properties()) {
      out << "  " << prop->Name << '=';
      if (prop->Get) out << data::PropValueToText(*prop, prop->Get(*object));  // write-only: empty
      out << '\n';
    }
  }
}

std::string DescribeNote(const ui::TOrlLoadNote& note) {
  std::string where;
  if (note.Element > 0) {
    where = "element " + std::to_string(note.Element);
    if (!note.ClassName.empty() || !note.Name.empty())
      where += " (" + note.ClassName + (note.Name.empty() ? "" : " \"" + note.Name + "\"") + ")";
    where += ": ";
  }
  return where + note.Message;
}

// Runs one load; a property error names the file and, when the engine noted it, the element.
template <class Load>
void LoadOrExplain(const std::string& file, const ui::TOrlInterfaceEngine& engine, Load&& load) {
  try {
    load();
  } catch (const data::Error& e) {
    const auto& notes = engine.LoadNotes();
    const bool noted = !notes.empty() && notes.back().Message == e.what();
    throw data::Error(file + ": " + (noted ? DescribeNote(notes.back()) : std::string(e.what())));
  }
}

void ReportNotes(const std::string& file, const ui::TOrlInterfaceEngine& engine, std::ostream& out,
                 int& count) {
  for (const ui::TOrlLoadNote& note : engine.LoadNotes()) {
    ++count;
    out << file << ": " << DescribeNote(note) << '\n';
  }
}

int RunUi(const Args& args, std::ostream& out, std::ostream&) {
  TArgReader reader(args);
  std::vector<std::string> overlays;
  while (std::optional<std::string> overlay = reader.Option("--overlay"))
    overlays.push_back(*overlay);
  const bool dump = reader.Flag("--dump");
  const std::string file = reader.Positional(1, 1)[0];

  ui::TOrlInterfaceEngine engine;
  engine.Graphic = std::make_shared<ui::TOrlNullGraphic>();
  data::TMemoryStream stream(data::ReadWholeFile(file));
  LoadOrExplain(file, engine, [&] { engine.LoadFromStream(stream); });
  int notes = 0;
  std::ostringstream report;
  ReportNotes(file, engine, report, notes);
  for (const std::string& overlay : overlays) {
    data::TMemoryStream overlayStream(data::ReadWholeFile(overlay));
    LoadOrExplain(overlay, engine, [&] { engine.LoadOverlayFromStream(overlayStream); });
    ReportNotes(overlay, engine, report, notes);
  }
  if (dump) {
    DumpObjects(engine, out);
    return 0;
  }
  out << engine.Count() << (engine.Count() == 1 ? " object" : " objects") << " created from "
      << file << '\n'
      << report.str();
  if (notes == 0) out << "nothing refused\n";
  return 0;
}

const TToolRegistrar kUi(
    {"ui", "ui FILE [--overlay FILE]... [--dump]",
     "Loads the interface file, then each overlay in order, as the game does. Without --dump it "
     "prints how many objects were created and every element the engine refused or skipped "
     "(the game itself stays silent about them): which element, its class and name, and why. "
     "With --dump it prints every object in engine order: a line with its class, Name and "
     "ParentName, then one line per published property, \"  Name=value\". Property errors "
     "(an unknown property, a value that does not convert) end the load with an error.",
     RunUi});

}  // namespace
}  // namespace tool
