// shell/extra_logos.cpp — reading "AddLogo.xml" and turning its entries into labels.
#include "shell/extra_logos.hpp"

#include <algorithm>
#include <filesystem>

#include "data/error.hpp"
#include "data/files.hpp"
#include "data/number_text.hpp"
#include "data/utf8.hpp"
#include "data/xml_parser.hpp"
#include "ui/form.hpp"
#include "ui/interface_engine.hpp"
#include "ui/orl_font.hpp"
#include "ui/orl_font_engine.hpp"

namespace shell {

using data::TOrlXMLTag;

namespace {

std::optional<std::string> ChildText(const TOrlXMLTag& entry, const char* name) {
  const TOrlXMLTag* tag = entry.TagByName(name);
  if (!tag) return std::nullopt;
  return tag->Text;
}

std::optional<int> IntAttribute(const TOrlXMLTag& tag, const char* name) {
  const data::TOrlParserAttribute* attribute = tag.AttributeByName(name);
  if (!attribute) return std::nullopt;
  const std::string& text = attribute->Value;
  const std::optional<int32_t> value = data::ParseStrictInt32(text);
  if (!value) throw data::Error("'" + text + "' is not a valid integer value");
  return *value;
}

// ROOT\KEY.VALUE: the root is dropped, the rest splits at its first point.
std::string RegistryUrl(const std::string& text, const TLogoHost& host) {
  const size_t slash = text.find('\\');
  const std::string rest = slash == std::string::npos ? text : text.substr(slash + 1);
  const size_t point = rest.find('.');
  const std::string key = rest.substr(0, point);
  const std::string value = point == std::string::npos ? std::string() : rest.substr(point + 1);
  std::string url = host.ReadRegistry ? host.ReadRegistry(key, value) : std::string();
  if (url.size() > 255) url.resize(255);
  return url;
}

TLogoEntry ReadEntry(const TOrlXMLTag& tag, const std::string& programFolder, const TLogoHost& host,
                     std::string& url) {
  TLogoEntry entry;
  entry.IsLogo = tag.Name == "Logo";
  if (const TOrlXMLTag* link = tag.TagByName("URL")) {
    entry.HasUrl = true;
    const data::TOrlParserAttribute* source = link->AttributeByName("Source");
    if (!source)
      url = programFolder.empty() || programFolder.back() == '/' ? programFolder + link->Text
                                                                 : programFolder + "/" + link->Text;
    else if (source->Value == "registry")
      url = RegistryUrl(link->Text, host);
    else
      url = link->Text;
  }
  if (const TOrlXMLTag* position = tag.TagByName("Position")) {
    const auto x = IntAttribute(*position, "x"), y = IntAttribute(*position, "y");
    entry.HasPosition = x && y;
    entry.X = x.value_or(0);
    entry.Y = y.value_or(0);
  }
  entry.Parent = ChildText(tag, "Parent").value_or("");
  entry.Picture = ChildText(tag, "Picture");
  entry.PictureMouseOn = ChildText(tag, "PictureMouseOn");
  entry.PictureMouseDown = ChildText(tag, "PictureMouseDown");
  entry.Caption = ChildText(tag, "Caption");
  if (const TOrlXMLTag* color = tag.TagByName("Color")) {
    entry.Color = IntAttribute(*color, "Caption");
    entry.MouseOverColor = IntAttribute(*color, "MouseOverCaption");
  }
  return entry;
}

void LoadLogoPicture(const std::string& name, TExtraLogos& logos, const TLogoHost& host) {
  if (host.HasPicture(name)) return;
  host.LoadPictureFile(name);
  logos.LogoPictures.push_back(name);
}

void PlaceLogo(ui::TOrlInterfaceEngine& engine, size_t k, const TLogoEntry& entry,
               TExtraLogos& logos, const TLogoHost& host) {
  const std::string name = "AddLogo" + std::to_string(k);
  if (engine.CreateObject(name, entry.Parent, "TOrlLabel") < 0) return;
  engine.ResolveParents();
  if (auto* form = dynamic_cast<ui::TOrlForm*>(engine.FindObject(entry.Parent)))
    form->CollectChildren();
  auto set = [&](const char* property, const std::string& value) {
    engine.SetObjectProperty(name, property, value);
  };
  set("Alpha", "255");
  set("PictureAlpha", "255");
  set("Left", std::to_string(entry.X));
  set("Top", std::to_string(entry.Y));
  if (entry.Picture) {
    LoadLogoPicture(*entry.Picture, logos, host);
    const auto [width, height] = host.PictureSize(*entry.Picture);
    set("Width", std::to_string(width));
    set("Height", std::to_string(height));
    set("Picture", *entry.Picture);
  }
  const std::string picture = entry.Picture.value_or("");
  for (const auto& [extra, property] : {std::pair{&entry.PictureMouseOn, "MouseOverPicture"},
                                        std::pair{&entry.PictureMouseDown, "MouseDownPicture"}}) {
    if (*extra) LoadLogoPicture(**extra, logos, host);
    set(property, extra->value_or(picture));
  }
  set("Visible", "true");
  if (entry.Caption) {
    if (entry.Picture) set("AutoSize", "asPicture");
    set("FontName", "OrlUnicode");
    if (const ui::TOrlFont* font =
            engine.FontEngine ? engine.FontEngine->FindFont("OrlUnicode") : nullptr) {
      set("Width", std::to_string(font->TextAdvance(data::Utf8ToWide(*entry.Caption))));
      set("Height", std::to_string(font->Height));
    }
    set("Caption", *entry.Caption);
  }
  if (entry.Color) set("Color", std::to_string(*entry.Color));
  if (entry.MouseOverColor) set("MouseOverColor", std::to_string(*entry.MouseOverColor));
  if (entry.HasUrl) set("OnMouseUp", std::string("ExecMethod Method=\"") + kLogoHandler + "\";");
}

}  // namespace

TExtraLogos ReadExtraLogos(std::string_view text, const std::string& path,
                           const std::string& programFolder, const TLogoHost& host) {
  data::TOrlParser parser;
  parser.LoadFromText(text);
  if (parser.TagCount() == 0) throw data::Error(path + "XML file does not has tags!");
  const TOrlXMLTag& root = *parser.GetTag(0);
  TExtraLogos logos;
  logos.LogoUrls.resize(root.Tags.size());
  for (size_t k = 0; k < root.Tags.size(); ++k)
    logos.Entries.push_back(ReadEntry(*root.Tags[k], programFolder, host, logos.LogoUrls[k]));
  return logos;
}

void PlaceExtraLogos(ui::TOrlInterfaceEngine& engine, TExtraLogos& logos, const TLogoHost& host) {
  for (size_t k = 0; k < logos.Entries.size(); ++k) {
    const TLogoEntry& entry = logos.Entries[k];
    if (entry.IsLogo && entry.HasPosition && engine.FindObject(entry.Parent))
      PlaceLogo(engine, k, entry, logos, host);
  }
}

void LoadExtraLogos(const std::string& path, const std::string& programFolder,
                    ui::TOrlInterfaceEngine& engine, const TLogoHost& host, TExtraLogos& logos,
                    const std::function<void(const std::string&)>& log) {
  logos = {};
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return;
  try {
    logos = ReadExtraLogos(data::ReadWholeFile(path), path, programFolder, host);
    PlaceExtraLogos(engine, logos, host);
  } catch (const data::Error& e) {
    // The logos are extras: a broken file must not keep the game from starting.
    if (log) log("Extra logos skipped: " + std::string(e.what()));
    for (size_t k = 0; k < logos.Entries.size(); ++k)
      engine.DeleteByName("AddLogo" + std::to_string(k));
    logos.LogoUrls.clear();
    logos.Entries.clear();
  }
}

std::string LogoUrlFor(const TExtraLogos& logos, std::string_view senderName) {
  if (senderName.size() < 8) return {};
  const std::string_view digits = senderName.substr(7, 3);
  const std::optional<int64_t> k = data::ParseStrictInteger(digits);
  if (!k || *k < 0 || *k >= static_cast<int64_t>(logos.LogoUrls.size())) return {};
  return logos.LogoUrls[static_cast<size_t>(*k)];
}

}  // namespace shell
