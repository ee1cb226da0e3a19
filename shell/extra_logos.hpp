// shell/extra_logos.hpp — "AddLogo.xml": clickable pictures or captions added to the game's
// windows, each opening a link, without changing the interface file.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class TOrlInterfaceEngine;
}

namespace shell {

inline constexpr const char* kExtraLogosFile = "AddLogo.xml";
inline constexpr const char* kLogoHandler = "AddLogoMouseUp";

// One child of the file's root; its position among the children (K) names its label
// "AddLogo" + K.
struct TLogoEntry {
  bool IsLogo = false;       // the tag is "Logo"
  bool HasPosition = false;  // "Position" with both "x" and "y"
  int X = 0, Y = 0;
  std::string Parent;
  std::optional<std::string> Picture, PictureMouseOn, PictureMouseDown, Caption;
  std::optional<int> Color, MouseOverColor;
  bool HasUrl = false;
};

struct TExtraLogos {
  std::vector<std::string> LogoUrls;      // one per child of the root, resolved
  std::vector<TLogoEntry> Entries;        // parallel to LogoUrls
  std::vector<std::string> LogoPictures;  // pictures loaded for logos
};

// What placing logos needs from the rest of the game.
struct TLogoHost {
  // The string value under the current user's key path (at most 255 bytes); empty if missing.
  std::function<std::string(const std::string& keyPath, const std::string& valueName)> ReadRegistry;
  std::function<bool(const std::string& name)> HasPicture;
  // Loads the picture file (relative to the program folder) under its own name; raises
  // data::Error when it cannot.
  std::function<void(const std::string& name)> LoadPictureFile;
  std::function<std::pair<int, int>(const std::string& name)> PictureSize;  // px
};

// The entries of the file's text and their resolved links. A "URL" with Source "registry"
// names ROOT\KEY.VALUE; without Source the text is relative to programFolder (with a "/").
// Raises data::Error path + "XML file does not has tags!" for a file without tags.
TExtraLogos ReadExtraLogos(std::string_view text, const std::string& path,
                           const std::string& programFolder, const TLogoHost& host);

// Creates the labels of the entries that are logos with a position and an existing parent,
// loading their pictures. A picture that cannot be loaded raises data::Error.
void PlaceExtraLogos(ui::TOrlInterfaceEngine& engine, TExtraLogos& logos, const TLogoHost& host);

// Reads the file and places its logos. A missing file adds nothing. A damaged file (unreadable,
// no tags, a picture that cannot be loaded) is reported to log once and skipped, so start-up
// goes on; logos is then empty.
void LoadExtraLogos(const std::string& path, const std::string& programFolder,
                    ui::TOrlInterfaceEngine& engine, const TLogoHost& host, TExtraLogos& logos,
                    const std::function<void(const std::string&)>& log);

// The link of the clicked label: characters 8 to 10 of its name (after "AddLogo") as K; empty
// when that is no number or no entry K exists.
std::string LogoUrlFor(const TExtraLogos& logos, std::string_view senderName);

}  // namespace shell
