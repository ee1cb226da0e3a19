// shell/language.cpp — language packs, the language window's buttons and the stored choice.
#include "shell/language.hpp"

#include <algorithm>
#include <filesystem>

#include "data/error.hpp"
#include "data/files.hpp"
#include "data/number_text.hpp"
#include "data/text_helpers.hpp"
#include "data/xml_parser.hpp"
#include "platform/config_paths.hpp"
#include "shell/options_ini.hpp"
#include "ui/form.hpp"
#include "ui/radio_button.hpp"

namespace shell {
namespace {

namespace fs = std::filesystem;

constexpr int kRowPx = 24;      // between two language buttons
constexpr int kColumnPx = 200;  // to the second column
constexpr int kRowsInFirstColumn = 5;

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

bool EndsWithLng(std::string_view name) {
  return name.size() >= 3 && name.ends_with("lng");
}

// Names of the regular files in the folder whose names end in "lng", sorted.
std::vector<std::string> PackFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    if (EndsWithLng(name) && it->is_regular_file(typeError)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

int OrderOf(std::string_view name) {
  const size_t underscore = name.find('_');
  if (underscore == std::string_view::npos) return 0;
  const size_t dot = name.find('.', underscore + 1);
  const std::string_view text =
      name.substr(underscore + 1, dot == std::string_view::npos ? dot : dot - underscore - 1);
  return data::ParseStrictInt32(text).value_or(0);
}

}  // namespace

std::string UserValuesFile() {
  const std::string folder = platform::UserValuesFolder();
  return folder.empty() ? std::string() : folder + "/" + std::string(kUserValuesFile);
}

std::vector<TLanguagePack> ListLanguagePacks(const std::string& folder) {
  std::vector<TLanguagePack> packs;
  for (const std::string& name : PackFiles(folder))
    packs.push_back({name.substr(0, 3), OrderOf(name), name});
  std::stable_sort(packs.begin(), packs.end(), [](const TLanguagePack& a, const TLanguagePack& b) {
    return a.Order < b.Order;
  });
  return packs;
}

std::string ReadLanguageValue(const std::string& valuesFile) {
  std::error_code ec;
  if (valuesFile.empty() || !fs::exists(valuesFile, ec)) return {};
  try {
    const auto value = TIniFile(data::ReadWholeFile(valuesFile)).Read("", kLanguageValue);
    return value ? data::AsciiLower(value->substr(0, 3)) : std::string();
  } catch (const data::Error&) {
    return {};  // an unreadable file is the same as no stored choice: ENU follows
  }
}

void WriteLanguageValue(const std::string& valuesFile, std::string_view language) {
  if (valuesFile.empty()) throw data::Error("No folder for the player's values (HOME is not set)");
  std::string reason;
  const std::string folder = fs::path(valuesFile).parent_path().string();
  if (!platform::MakeFolder(folder, reason))
    throw data::Error("Cannot create folder \"" + folder + "\": " + reason);
  std::error_code ec;
  TIniFile ini;
  if (fs::exists(valuesFile, ec)) ini = TIniFile(data::ReadWholeFile(valuesFile));
  ini.Write("", kLanguageValue, language.substr(0, 3));
  data::WriteFileAtomically(valuesFile, ini.Text());
}

std::string TLanguages::SaveLanguageToRegistry() {
  try {
    WriteLanguageValue(valuesFile, Language);
    return {};
  } catch (const data::Error& e) {
    return std::string("The language choice is not stored: ") + e.what();
  }
}

int TLanguages::BuildLanguageList() {
  const std::string templateName = std::string(kLanguageButtonPrefix) + "ENU";
  auto* model = dynamic_cast<ui::TOrlRadioButton*>(engine.FindObject(templateName));
  if (!model) return 0;
  int added = 0;
  for (const TLanguagePack& pack : ListLanguagePacks(lngFolder)) {
    const std::string name = std::string(kLanguageButtonPrefix) + Upper(pack.Code);
    if (data::SameText(pack.Code, "enu") || engine.FindObject(name)) continue;
    const int index = engine.CreateObject(name, std::string(kLanguageWindow), "TOrlRadioButton");
    auto* button = index < 0 ? nullptr : dynamic_cast<ui::TOrlRadioButton*>(engine.Object(index));
    if (!button) continue;
    button->Assign(*model);
    button->ParentName = std::string(kLanguageWindow);
    button->Checked = false;
    ++added;
    if (added <= kRowsInFirstColumn) {
      button->SetTop(model->Top() + kRowPx * added);
    } else {
      button->SetTop(model->Top() + kRowPx * (added - 6));
      button->SetLeft(model->Left() + kColumnPx);
    }
  }
  engine.ResolveParents();
  if (auto* window = dynamic_cast<ui::TOrlForm*>(engine.FindObject(kLanguageWindow))) {
    window->CollectChildren();
    window->BuildTabList();
    window->UpdatePosition();
  }
  return added;
}

std::vector<std::string> TLanguages::MatchingPacks() const {
  std::vector<std::string> matches;
  for (const std::string& name : PackFiles(lngFolder))
    if (data::SameText(name.substr(0, 3), Language)) matches.push_back(name);
  return matches;
}

std::vector<std::string> TLanguages::ApplyLanguage() {
  std::vector<std::string> problems;
  std::error_code ec;
  if (!fs::is_directory(lngFolder, ec)) return problems;
  std::vector<std::string> packs = MatchingPacks();
  if (packs.empty()) {
    Language = std::string(kFallbackLanguage);
    if (std::string problem = SaveLanguageToRegistry(); !problem.empty())
      problems.push_back(problem);
    packs = MatchingPacks();
  }
  // A second pack of the same language goes over the first.
  packFailed = false;
  for (const std::string& pack : packs) {
    if (std::string problem = LoadPack(pack); !problem.empty()) {
      problems.push_back(problem);
      packFailed = true;
    }
  }
  CheckButton();
  return problems;
}

void TLanguages::CheckButton() {
  try {
    engine.SetObjectProperty(std::string(kLanguageButtonPrefix) + Upper(Language), "Checked",
                             "true");
  } catch (const data::Error&) {
    // An object of that name that is no check box is a skin's mistake, not the player's.
  }
}

std::string TLanguages::LoadPack(const std::string& fileName) {
  const std::string path = lngFolder + "/" + fileName;
  const std::string prefix = "Language pack \"" + path + "\" cannot be used: ";
  const std::string suffix = "; the interface keeps its texts";
  std::string bytes;
  try {
    bytes = data::ReadWholeFile(path);
    data::TOrlParser probe;  // a pack that is no XML never touches the interface
    probe.LoadFromText(bytes);
    const data::TOrlXMLTag* root = probe.GetTag(0);
    if (!root || root->Name != "OrlInterface")
      return prefix + "it has no \"OrlInterface\" tag" + suffix;
    // The reader goes on after a fault; a pack it stumbled over is not applied half-way.
    if (!probe.ScanError.empty()) return prefix + probe.ScanError + suffix;
    if (!probe.TagErrors.empty()) return prefix + probe.TagErrors.front() + suffix;
  } catch (const data::Error& e) {
    return prefix + e.what() + suffix;
  }
  engine.RestoreOverlay();
  try {
    data::TMemoryStream stream(bytes);
    engine.LoadOverlayFromStream(stream);
    appliedPack = std::move(bytes);
    return {};
  } catch (const data::Error& e) {
    // Part of the pack was applied: back to the interface file's own texts, then the pack
    // that was on screen before, which loaded cleanly then.
    engine.RestoreOverlay();
    if (!appliedPack.empty()) {
      data::TMemoryStream previous(appliedPack);
      try {
        engine.LoadOverlayFromStream(previous);
      } catch (const data::Error&) {
        appliedPack.clear();
      }
    }
    return prefix + e.what() + suffix;
  }
}

bool TLanguages::ChooseCheckedLanguage(std::vector<std::string>& problems) {
  auto* window = dynamic_cast<ui::TOrlForm*>(engine.FindObject(kLanguageWindow));
  if (!window) return false;
  for (ui::TOrlInterfaceObject* child : window->Children()) {
    auto* button = dynamic_cast<ui::TOrlRadioButton*>(child);
    if (!button || !button->Checked) continue;
    const std::string& name = button->Name();
    if (!name.starts_with(kLanguageButtonPrefix)) return false;
    const std::string code = name.substr(kLanguageButtonPrefix.size(), 3);
    if (data::SameText(code, Language)) return false;
    const std::string before = Language;
    Language = code;
    problems = ApplyLanguage();
    if (packFailed) {  // the old texts are still on screen, so the old choice stays too
      Language = before;
      CheckButton();
      return false;
    }
    if (std::string problem = SaveLanguageToRegistry(); !problem.empty())
      problems.push_back(problem);
    return true;
  }
  return false;
}

}  // namespace shell
