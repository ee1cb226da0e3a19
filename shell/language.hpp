// shell/language.hpp — the interface language: packs in "lng", the language buttons of the
// "WLanguage" window, loading a pack over the interface and remembering the choice.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/interface_engine.hpp"

namespace shell {

inline constexpr std::string_view kLanguageFolder = "lng";
inline constexpr std::string_view kFallbackLanguage = "ENU";
inline constexpr std::string_view kLanguageWindow = "WLanguage";
inline constexpr std::string_view kLanguageButtonPrefix = "WLanguage_RB";
inline constexpr std::string_view kLanguageValue = "LangStr";
// The per-user values file inside platform::UserValuesFolder(): "LangStr=deu" lines.
inline constexpr std::string_view kUserValuesFile = "values.cfg";

// platform::UserValuesFolder() + "/" + kUserValuesFile; empty when there is no home folder
// (the choice is then not remembered).
std::string UserValuesFile();

// A file CODE_ORDER.lng of the language folder.
struct TLanguagePack {
  std::string Code;      // the name's first three characters, as written
  int Order = 0;         // between the first "_" and the next "."; not a number reads as 0
  std::string FileName;  // name only
};

// The regular files whose names end in "lng" (exactly), smallest Order first; among equal
// orders by file name. Empty when the folder is missing.
std::vector<TLanguagePack> ListLanguagePacks(const std::string& folder);

// The stored language: the value's first three characters, lower-cased; empty when the file
// or the value is missing or unreadable.
std::string ReadLanguageValue(const std::string& valuesFile);
// Stores the first three characters of `language`, keeping the file's other lines; creates
// the folder. Raises data::Error when it cannot.
void WriteLanguageValue(const std::string& valuesFile, std::string_view language);

// How the main window uses it (one instance, after the interface file is loaded):
//   start-up and after reloading the interface file: LoadLanguageFromRegistry() (start-up
//     only) or InterfaceReloaded() (reload only), BuildLanguageList(), then ApplyLanguage();
//     log every problem; then set the number captions WGame_LShiftCount,
//     WGame_LShuffleCount, WGame_LLevelCount, WGame_LScoreCount and WGame_LPutsLeftCount
//     again (a pack may have replaced them).
//   WLanguage_BOk_MouseUp: if ChooseCheckedLanguage() is true, the same captions again; show
//     its problems (a damaged pack) in an error box.
class TLanguages {
 public:
  // lngFolder: "<program folder>/lng"; valuesFile: UserValuesFile()
  TLanguages(ui::TOrlInterfaceEngine& engine, std::string lngFolder, std::string valuesFile)
      : engine(engine), lngFolder(std::move(lngFolder)), valuesFile(std::move(valuesFile)) {}

  void LoadLanguageFromRegistry() { Language = ReadLanguageValue(valuesFile); }
  // Empty, or the reason the choice could not be stored (the game goes on).
  std::string SaveLanguageToRegistry();

  // One radio button per pack other than ENU in "WLanguage", copied from "WLanguage_RBENU"
  // and unchecked: five rows below it, then a second column 200 pixels to the right starting
  // at its row. Nothing without the template; a code met twice gets one button. Returns the
  // number of buttons added.
  int BuildLanguageList();

  // Loads the pack of Language over the interface (falling back to ENU, stored, when there is
  // none) and checks its button. A pack that cannot be read or applied changes nothing on
  // screen: the interface keeps the texts it had, and a line saying so is returned.
  std::vector<std::string> ApplyLanguage();

  // The OK button of "WLanguage": the first checked language button's code becomes Language
  // when it differs (letter case aside), then ApplyLanguage and SaveLanguageToRegistry.
  // True when the language changed; a pack that cannot be used keeps the old language (and
  // its button checked) and says why in `problems`.
  bool ChooseCheckedLanguage(std::vector<std::string>& problems);

  // After the interface file was loaded again (its own texts are on screen): a pack that fails
  // later then leaves those texts instead of bringing back the pack shown before the reload.
  void InterfaceReloaded() { appliedPack.clear(); }

  std::string Language;  // as read or chosen; compared without regard to letter case

 private:
  std::string LoadPack(const std::string& fileName);
  std::vector<std::string> MatchingPacks() const;
  void CheckButton();  // the button of Language

  ui::TOrlInterfaceEngine& engine;
  std::string lngFolder;
  std::string valuesFile;
  bool packFailed = false;  // set by ApplyLanguage
  std::string appliedPack;  // bytes of the pack now on screen, to put back after a failure
};

}  // namespace shell
