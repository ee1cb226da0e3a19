// ui/interface_scripts.cpp — the scripts objects queue on their events, run after each event.
#include <memory>

#include "data/error.hpp"
#include "ui/interface_engine.hpp"
#include "ui/interface_object.hpp"

namespace ui {

void TOrlInterfaceEngine::QueueScript(const std::string& senderName, std::string_view script) {
  if (script.empty()) return;
  data::TOrlXMLTag& queued = scriptQueue.AddTag("Script");
  queued.AddAttribute("Sender", senderName);
  sender =
      senderName.empty() ? nullptr : dynamic_cast<TOrlInterfaceObject*>(FindObject(senderName));
  // Commands end at ";" outside double quotes; text after the last ";" is not a command.
  bool quoted = false;
  std::string command;
  for (const char c : script) {
    if (c == '"') {
      quoted = !quoted;
      command.push_back(c);
    } else if (c == ';' && !quoted) {
      queued.AddTagByString(command);
      command.clear();
    } else {
      command.push_back(c);
    }
  }
}

void TOrlInterfaceEngine::RunScripts() {
  // The scripts queued so far are taken out first: a handler may clear the queue or queue more
  // (those are dropped unrun, as every script queued during a run).
  std::vector<std::unique_ptr<data::TOrlXMLTag>> batch = std::move(scriptQueue.Tags);
  scriptQueue.Tags.clear();
  struct TDropLater {
    data::TOrlXMLTag& queue;
    ~TDropLater() { queue.ClearTags(); }
  } dropLater{scriptQueue};
  for (const auto& script : batch) {
    // Each script's handlers see the object that queued it.
    if (const data::TOrlParserAttribute* from = script->AttributeByName("Sender"))
      sender = from->Value.empty() ? nullptr
                                   : dynamic_cast<TOrlInterfaceObject*>(FindObject(from->Value));
    for (const auto& command : script->Tags) RunCommand(*command);
  }
}

void TOrlInterfaceEngine::ClearScripts() {
  scriptQueue.ClearTags();
}

void TOrlInterfaceEngine::RunCommand(const data::TOrlXMLTag& command) {
  auto value = [&](std::string_view name) -> const std::string* {
    const data::TOrlParserAttribute* a = command.AttributeByName(name);
    return a ? &a->Value : nullptr;
  };
  const std::string& name = command.Name;
  const int count = command.AttributeCount();
  if (name == "PlaySound") {
    if (const std::string* sound = value("Sound"); sound && Graphic) Graphic->PlaySound(*sound);
  } else if (name == "ShowModal") {
    if (const std::string* form = value("Form")) ShowModal(*form);
  } else if (name == "HideModal") {
    if (count == 0)
      HideTop();
    else if (const std::string* form = value("Form"))
      HideModal(*form);
  } else if (name == "HideModalList") {
    if (count == 0) HideModalList();
  } else if (name == "ChangeModal") {
    const std::string* hide = value("HideForm");
    const std::string* show = value("ShowForm");
    if (count > 1 && hide && show)
      ChangeModal(*hide, *show);
    else if (count == 1 && show)
      ChangeTop(*show);
  } else if (name == "ExecMethod") {
    if (const std::string* method = value("Method"); method && Host) Host->Call(*method);
  } else if (name == "SetProp") {
    const std::string* object = value("Object");
    const std::string* prop = value("Prop");
    const std::string* text = value("Value");
    if (object && prop && text && !object->empty()) SetObjectProperty(*object, *prop, *text);
  }
}

}  // namespace ui
