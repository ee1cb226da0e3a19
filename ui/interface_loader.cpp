// ui/interface_loader.cpp — reading interface files and overlays into the engine: the creation
// pass, the defaults lines and the property pass.
#include <algorithm>

#include "data/error.hpp"
#include "data/text_helpers.hpp"
#include "ui/form.hpp"
#include "ui/interface_engine.hpp"

namespace ui {
namespace {

const std::string kCreate = "[TOrlInterfaceEngine.CreateInterfaceObjects] ";
const std::string kReadingState = "osReadingState";

std::string ClassPrefix(const std::string& className) {
  return kCreate + "[ClassName:" + className + "] ";
}

// Class, property and value of a DefLine; the value keeps its blanks.
std::vector<std::string> DefLinePars(const std::string& value) {
  const std::string notFound = "[TOrlInterfaceEngine.DefLinePars] \";\" not found!";
  const size_t first = value.find(';');
  if (first == std::string::npos) throw data::Error(notFound);
  const size_t second = value.find(';', first + 1);
  if (second == std::string::npos) throw data::Error(notFound);
  return {std::string(data::Trim(std::string_view(value).substr(0, first))),
          std::string(data::Trim(std::string_view(value).substr(first + 1, second - first - 1))),
          value.substr(second + 1)};
}

bool FirstAttributeIs(const data::TOrlXMLTag& tag, std::string_view name, std::string_view value) {
  const data::TOrlParserAttribute* a = tag.GetAttribute(0);
  return a && a->Name == name && a->Value == value;
}

}  // namespace

void TOrlInterfaceEngine::LoadFromStream(data::TMemoryStream& stream) {
  parser.LoadFromStream(stream);
  loadNotes.clear();
  CreateInterfaceObjects();
  ResolveParents();
  TOrlForm::CollectChildrenOfAll(*this);
  // Tab lists are built after the pass even when a property error ends it, so the windows
  // loaded so far stay usable.
  struct TReadingScope {
    TOrlInterfaceEngine& engine;
    explicit TReadingScope(TOrlInterfaceEngine& e) : engine(e) {
      engine.ReadingState = kReadingState;
    }
    ~TReadingScope() {
      engine.ReadingState.clear();
      TOrlForm::LayOutLoaded(engine);
      for (const auto& object : engine.Objects())
        if (auto* form = dynamic_cast<TOrlForm*>(object.get())) form->BuildTabList();
    }
  } scope(*this);
  SetProperties(false);
}

void TOrlInterfaceEngine::LoadOverlay(const std::string& path) {
  parser.LoadFromFile(path);
  loadNotes.clear();
  SetProperties(true);
}

void TOrlInterfaceEngine::LoadOverlayFromStream(data::TMemoryStream& stream) {
  parser.LoadFromStream(stream);
  loadNotes.clear();
  SetProperties(true);
}

void TOrlInterfaceEngine::RestoreOverlay() {
  for (const auto& object : Objects()) {
    if (object->Name().empty()) continue;
    for (const auto& mod : modifications.Tags) {
      const data::TOrlParserAttribute* target = mod->AttributeByName("Object");
      const data::TOrlParserAttribute* prop = mod->AttributeByName("Prop");
      if (target && prop && target->Value == object->Name())
        data::SetPropertyText(*object, prop->Value, mod->Text);
    }
  }
}

void TOrlInterfaceEngine::CreateInterfaceObjects() {
  // The first problem ends the pass; what was created stays, and nothing is reported beyond
  // the load notes: a skin with one broken window still shows the others.
  const data::TOrlXMLTag* root = parser.GetTag(0);
  int number = 0;
  try {
    if (!root) throw data::Error(kCreate + "XML file does not has tags!");
    if (root->TagCount() > 0 && root->Name != "OrlInterface")
      throw data::Error(kCreate + "XML file does not has \"OrlInterface\" tag!");
    for (number = 1; number <= root->TagCount(); ++number)
      CreateObjectFrom(*root->GetTag(number - 1), number);
  } catch (const data::Error& e) {
    TOrlLoadNote note;
    note.Element = number;
    if (const data::TOrlXMLTag* o = root ? root->GetTag(number - 1) : nullptr) {
      if (const data::TOrlParserAttribute* c = o->GetAttribute(0)) note.ClassName = c->Value;
      for (const auto& p : o->Tags)
        if (FirstAttributeIs(*p, "n", "Name")) note.Name = p->Text;
    }
    note.Message = e.what();
    loadNotes.push_back(std::move(note));
  }
}

void TOrlInterfaceEngine::CreateObjectFrom(const data::TOrlXMLTag& o, int number) {
  if (o.Name != "o") throw data::Error(kCreate + "OrlInterface XML file contains wrong tag!");
  if (o.AttributeCount() != 1)
    throw data::Error(kCreate + "Tag <o> has wrong number of attributes!");
  if (o.Attributes[0].Name != "c")
    throw data::Error(kCreate + "Tag <o> does not has \"c\" attribute!");
  if (o.TagCount() == 0) throw data::Error(kCreate + "Tag <o> does not has subtags!");
  const std::string className = o.Attributes[0].Value;
  const bool defaults = className == "TOrlDefaults";
  const std::string prefix = ClassPrefix("TOrlInterfaceEngine");
  std::string parentName, name;
  // By index: a DefLine may append "p" elements to the element being read.
  for (int i = 0; i < o.TagCount(); ++i) {
    const data::TOrlXMLTag& p = *o.GetTag(i);
    if (p.Name != "p") throw data::Error(prefix + "Tag <o> contains wrong subtag!");
    if (p.AttributeCount() != 1)
      throw data::Error(prefix + "Tag <p> has wrong number of attributes!");
    if (p.Attributes[0].Name != "n")
      throw data::Error(prefix + "Tag <p> does not has \"n\" attribute!");
    const std::string& prop = p.Attributes[0].Value;
    if (defaults) {
      if (prop != "DefLine")
        throw data::Error(ClassPrefix("TOrlDefaults") + "Tag <p> has wrong \"n\" attribute value!");
      ApplyDefaultLine(p.Text);
    } else if (prop == "ParentName") {
      parentName = p.Text;
    } else if (prop == "Name") {
      name = p.Text;
    }
  }
  if (defaults) return;
  if (parentName.empty() || name.empty())
    throw data::Error(ClassPrefix(className) +
                      "Attribute <n> does not has Name: \"ParentName\" or \"Name\"!");
  const data::TOrlClass* cls = data::TOrlClassReg::Global().FindClass(className);
  TOrlLoadNote note{number, className, name, {}};
  if (!cls) {
    note.Message = "class \"" + className + "\" is not registered; nothing created";
    loadNotes.push_back(std::move(note));
    return;
  }
  const int index = CreateObject(name, parentName, className);
  if (index >= 0 && Object(index)->Name() != name) {
    note.Message = "the name \"" + name + "\" is already taken; the object stays nameless";
    loadNotes.push_back(std::move(note));
  }
}

void TOrlInterfaceEngine::ApplyDefaultLine(const std::string& value) {
  std::vector<std::string> parts;
  try {
    parts = DefLinePars(value);
  } catch (const data::Error&) {
    // A malformed line yields no parts; the check below turns that into the line's message.
  }
  if (parts.size() != 3) {
    loadNotes.push_back({0,
                         "TOrlDefaults",
                         {},
                         "[TOrlInterfaceEngine.ApplyDefaultLine] DefLine does not have 3 "
                         "parameters! (DefLine \"" +
                             value + "\")"});
    return;  // the line is ignored, the pass goes on
  }
  data::TOrlXMLTag* root = parser.GetTag(0);
  if (!root) return;
  for (const auto& o : root->Tags) {
    if (o->Name != "o" || !FirstAttributeIs(*o, "c", parts[0]) || o->TagCount() == 0) continue;
    const bool present = std::any_of(o->Tags.begin(), o->Tags.end(), [&](const auto& p) {
      return p->Name == "p" && FirstAttributeIs(*p, "n", parts[1]);
    });
    // A value written in the file always wins over a default.
    if (!present) o->AddTag("p", parts[2]).AddAttribute("n", parts[1]);
  }
}

void TOrlInterfaceEngine::SetProperties(bool recording) {
  const data::TOrlXMLTag* root = parser.GetTag(0);
  if (!root || root->Name != "OrlInterface") return;
  for (int i = recording ? 0 : 1; i < root->TagCount(); ++i) {
    const data::TOrlXMLTag& o = *root->GetTag(i);
    if (o.TagCount() == 0) continue;
    std::string name;
    for (const auto& p : o.Tags) {
      if (p->Name != "p" || p->AttributeCount() != 1 || p->Attributes[0].Name != "n") {
        loadNotes.push_back({i + 1,
                             {},
                             {},
                             "the property pass stopped at an element holding "
                             "something other than <p n=\"...\">"});
        return;
      }
      if (p->Attributes[0].Value == "Name") name = p->Text;
    }
    data::TOrlObject* object = name.empty() ? nullptr : FindObject(name);
    if (!object) continue;
    for (const auto& p : o.Tags) {
      const std::string& prop = p->Attributes[0].Value;
      if (recording && prop != "Name") {
        const data::TPropInfo* info = object->Class().FindProperty(prop);
        const bool recorded =
            std::any_of(modifications.Tags.begin(), modifications.Tags.end(), [&](const auto& mod) {
              const data::TOrlParserAttribute* a = mod->AttributeByName("Object");
              const data::TOrlParserAttribute* b = mod->AttributeByName("Prop");
              return a && b && a->Value == name && b->Value == prop;
            });
        // Write-only properties (commands such as AddCells) have no value to put back.
        if (info && info->Get && !recorded) {
          data::TOrlXMLTag& mod =
              modifications.AddTag("ModProp", data::GetPropertyText(*object, prop));
          mod.AddAttribute("Object", name);
          mod.AddAttribute("Prop", prop);
        }
      }
      try {
        data::SetPropertyText(*object, prop, p->Text);
      } catch (const data::Error& e) {
        // Noted for tools so a skin author learns which element failed; the error still ends
        // the load.
        const data::TOrlParserAttribute* c = o.GetAttribute(0);
        loadNotes.push_back({i + 1, c ? c->Value : std::string(), name, e.what()});
        throw;
      }
    }
  }
}

}  // namespace ui
