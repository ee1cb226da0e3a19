// ui/interface_engine.hpp — builds the game's windows from an interface file, keeps the stack
// of shown windows, routes input to the top one, runs the scripts objects queue and draws.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/memory_stream.hpp"
#include "data/orl_object.hpp"
#include "data/xml_parser.hpp"
#include "ui/clipboard.hpp"
#include "ui/input.hpp"
#include "ui/method_table.hpp"
#include "ui/orl_graphic.hpp"

namespace ui {

class TOrlFontEngine;
class TOrlForm;
class TOrlInterfaceObject;

// Something the creation pass of a load refused or skipped. The engine never reports these
// itself; tools show them to skin authors.
struct TOrlLoadNote {
  int Element = 0;        // 1-based index of the "o" element among the root's children
  std::string ClassName;  // as written in the file
  std::string Name;       // the object's Name, when it was read
  std::string Message;
};

class TOrlInterfaceEngine : public data::TOrlEngine {
 public:
  TOrlInterfaceEngine();  // also registers the toolkit's classes
  ~TOrlInterfaceEngine() override;

  // Creates the objects of an interface file and sets their properties. Problems of the
  // creation pass end it quietly (see LoadNotes); property errors raise data::Error.
  void LoadFromStream(data::TMemoryStream& stream);
  // Sets properties from a file of the same format, remembering the values it replaces.
  void LoadOverlay(const std::string& path);
  void LoadOverlayFromStream(data::TMemoryStream& stream);
  // Puts back every value an overlay replaced.
  void RestoreOverlay();

  void ShowModal(std::string_view name);
  void HideModal(std::string_view name);  // pops the form and everything above it
  void HideTop();
  void ChangeModal(std::string_view hideName, std::string_view showName);
  void ChangeTop(std::string_view showName);
  void HideModalList();
  TOrlForm* TopForm() const;
  const std::vector<TOrlForm*>& ShownForms() const { return shownForms; }

  void DrawAll();
  void DrawForms();     // like DrawAll but without hints...
  void DrawTopHints();  // ...which this draws afterwards, above the board

  // Host input; each goes to the top shown form only, then the queued scripts run.
  void KeyDown(uint16_t key, TShiftState shift);
  void KeyPress(char16_t key);
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void MouseWheel(TShiftState shift, int wheelDelta, int x, int y, bool& handled);

  void QueueScript(const std::string& senderName, std::string_view script);
  void RunScripts();
  void ClearScripts();
  TOrlInterfaceObject* Sender() const { return sender; }

  void ShowHint(std::string_view name);
  void ShowHintAt(std::string_view name, int x, int y);

  // Frees the object; its form rebuilds its children and nothing keeps pointing at it.
  void DeleteByName(std::string_view name) override;

  bool Reading() const { return ReadingState == "osReadingState"; }
  uint32_t TickCount() const { return Clock ? Clock() : 0; }  // ms
  const std::vector<TOrlLoadNote>& LoadNotes() const { return loadNotes; }
  data::TOrlParser& Parser() { return parser; }
  const data::TOrlXMLTag& ScriptQueue() const { return scriptQueue; }
  const data::TOrlXMLTag& Modifications() const { return modifications; }

  std::string ReadingState;
  std::shared_ptr<IOrlGraphic> Graphic;  // the host's drawing and sound; may be null
  TOrlFontEngine* FontEngine = nullptr;  // not owned
  TOrlMethodTable* Host = nullptr;       // handlers for ExecMethod; not owned
  IOrlClipboard* Clipboard = nullptr;    // not owned; edits copy nothing without one
  std::function<uint32_t()> Clock;       // the game's tick count, ms

 private:
  void CreateInterfaceObjects();
  void CreateObjectFrom(const data::TOrlXMLTag& element, int number);
  void ApplyDefaultLine(const std::string& value);
  void SetProperties(bool recording);
  void AfterStructureChange();
  void RunCommand(const data::TOrlXMLTag& command);
  void Pop();
  int ShownIndex(std::string_view name) const;

  data::TOrlParser parser;
  data::TOrlXMLTag scriptQueue{"ScriptQueue"};
  data::TOrlXMLTag modifications{"Modifications"};
  std::vector<TOrlForm*> shownForms;  // bottom first; not owned
  TOrlInterfaceObject* sender = nullptr;
  std::vector<TOrlLoadNote> loadNotes;
};

}  // namespace ui
