// app/tool/level_commands.cpp — zerith-tool level-check: loads every level of a level archive
// with the game's own rules, in every mode, and reports what a player would run into.
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <random>
#include <set>
#include <sstream>

#include "app/tool/tool.hpp"
#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "graphics/auto_image.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "graphics/png_morf.hpp"
#include "rules/catalogues.hpp"
#include "rules/rules_game.hpp"
#include "rules/services.hpp"
#include "rules/xml_reading.hpp"

namespace tool {
namespace {

using rules::TArchiveKind;

// The rules' view of the world for a check: real archives and pictures, no screen and no
// sound. Missing pictures and failed compositions are noted instead of stopping the load.
class TCheckServices final : public rules::TRulesServices {
 public:
  TCheckServices(data::TFileFolder& game, data::TFileFolder& levels) : game(game), levels(levels) {}

  std::set<std::string> Missing;      // picture names no archive holds
  std::vector<std::string> Failures;  // compositions that failed, with the reason
  std::set<std::string> MusicPlayed;

  uint32_t Now() override { return clock += 16; }
  uint32_t FrameStartTick() override { return clock; }
  data::TFileFolder& Archive(TArchiveKind a) override {
    return a == TArchiveKind::Game ? game : levels;
  }
  void SaveArchive(TArchiveKind) override {}  // a check never writes the archives
  bool HasPicture(const std::string& name) override { return sizes.count(name) > 0; }
  void LoadPngFromFolder(TArchiveKind a, const std::string& name,
                         const std::string& entry) override {
    Load(a, name, entry, false);
  }
  void LoadJpgFromFolder(TArchiveKind a, const std::string& name,
                         const std::string& entry) override {
    Load(a, name, entry, true);
  }
  rules::TPictureSize GetPictureSize(const std::string& name) override {
    auto it = sizes.find(name);
    return it == sizes.end() ? rules::TPictureSize{} : it->second;
  }
  void RenderAutoImage(const std::string& text, TArchiveKind a) override {
    try {
      graphics::RenderAutoImageText(text, Archive(a), work);
    } catch (const std::exception& e) {
      Failures.push_back(e.what());
    }
  }
  void PlaySound(const std::string&) override {}
  void PlayMusic(const std::string& name) override {
    MusicPlayed.insert(name);
    music = name;
  }
  void StopMusic() override { music.clear(); }
  std::string PlayingMusic() override { return music; }
  bool SetObjectProperty(const std::string&, const std::string&, const std::string&) override {
    return true;
  }
  void ShowHint(const std::string&) override {}
  void ShowHintAt(const std::string&, int, int) override {}
  void ShowWindow(const std::string&) override {}
  void PresentScreen() override {}
  void InvalidateBackground() override {}
  void ForwardMouseMove(int, int) override {}
  void ForwardMouseDown(int, bool) override {}
  void ForwardMouseWheel(int) override {}
  const fx::TOrlParticleEffect* EffectTemplate(int) override { return nullptr; }
  void WriteLog(const std::string& line) override { Log.insert(line); }
  std::set<std::string> Log;  // what the rules accepted but would log for a modder

 private:
  void Load(TArchiveKind a, const std::string& name, const std::string& entry, bool jpeg) {
    data::TMemoryStream* s = Archive(a).GetFileStream(entry);
    if (s == nullptr) {
      Missing.insert(entry);
      return;
    }
    try {
      const graphics::TImage img =
          jpeg ? graphics::DecodeJpeg(s->View(), entry) : graphics::DecodePng(s->View(), entry);
      sizes[name] = {img.Width, img.Height};
    } catch (const std::exception& e) {
      Failures.push_back(e.what());
    }
  }

  data::TFileFolder& game;
  data::TFileFolder& levels;
  std::map<std::string, rules::TPictureSize> sizes;
  data::TMemoryStream work;
  std::string music;
  uint32_t clock = 1000;
};

struct TReport {
  std::ostream& out;
  int errors = 0, warnings = 0;
  void Error(const std::string& where, const std::string& what) {
    out << where << ": error: " << what << "\n";
    ++errors;
  }
  void Warning(const std::string& where, const std::string& what) {
    out << where << ": warning: " << what << "\n";
    ++warnings;
  }
};

// A shipped archive holds packed pictures ("NAME._JPG") and texts ("NAME._aim"); the rules
// read working copies, so a shipped one is converted first, exactly as at first start.
bool IsShipped(const data::TFileFolder& f) {
  for (const data::TDirEntry& e : f.Dir()) {
    const std::string_view n = e.Name();
    const size_t dot = n.find('.');
    if (dot != std::string_view::npos && n.size() > dot + 1 && n[dot + 1] == '_') return true;
  }
  return false;
}

std::unique_ptr<data::TFileFolder> OpenWorking(const std::string& path, const std::string& temp) {
  auto f = std::make_unique<data::TFileFolder>(path);
  if (!f->OpenError().empty()) throw data::Error(path + ": " + f->OpenError());
  if (!IsShipped(*f)) return f;
  const std::string dest = temp + "/" + std::filesystem::path(path).filename().string();
  graphics::TPNGMorf(90).MorfArchive(path, dest);
  return std::make_unique<data::TFileFolder>(dest);
}

std::set<std::string> ListEntry(data::TFileFolder& game, const std::string& name) {
  std::set<std::string> names;
  data::TMemoryStream* s = game.GetFileStream(name);
  if (s == nullptr) return names;
  std::istringstream in{std::string(s->View())};
  for (std::string line; std::getline(in, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (!line.empty()) names.insert(line);
  }
  return names;
}

void CheckCatalogues(const rules::TCatalogues& cat, TReport& report) {
  const std::string where = "fishkaShapes.xml";
  if (cat.Shapes.size() < 2) report.Error(where, "the game needs at least two shapes");
  std::map<int, std::string> heights;
  for (const rules::TFishkaShape& s : cat.Shapes) heights.emplace(s.Height, s.Name);
  if (heights.size() > 1) {
    std::string list;
    for (const auto& [h, n] : heights) list += " " + n + "=" + std::to_string(h);
    report.Error(where, "shapes of different relief Height can never touch:" + list);
  }
  const size_t n = cat.Shapes.size();
  for (const rules::TFishkaShape& s : cat.Shapes) {
    std::string name = s.NextRotateName;
    size_t steps = 1;
    while (name != s.Name && steps <= n) {
      const auto next = std::find_if(cat.Shapes.begin(), cat.Shapes.end(),
                                     [&](const rules::TFishkaShape& t) { return t.Name == name; });
      if (next == cat.Shapes.end()) {
        report.Error(where,
                     "shape " + s.Name + ": turning leads to unknown shape \"" + name + "\"");
        break;
      }
      name = next->NextRotateName;
      ++steps;
    }
    if (steps > n) report.Error(where, "shape " + s.Name + ": turning never comes back to it");
  }
}

// What the level file names that the rules would silently replace or skip.
void CheckLevelText(rules::TRulesServices& services, const std::string& entry,
                    const rules::TCatalogues& cat, TReport& report) {
  auto doc = rules::ReadXmlEntry(services, TArchiveKind::Level, entry);
  const data::TOrlXMLTag& level = *doc->GetTag(0);
  auto shapeKnown = [&](const std::string& n) {
    return std::any_of(cat.Shapes.begin(), cat.Shapes.end(),
                       [&](const auto& s) { return s.Name == n; });
  };
  if (const data::TOrlXMLTag* colors = level.TagByName("FishkaColors")) {
    for (const std::string& w : rules::Words(colors->Text)) {
      const int c = rules::StrToIntDef(w, 0);
      if (c < 1 || c > cat.ColorCount())
        report.Error(entry, "FishkaColors names colour \"" + w + "\" the catalogue lacks");
    }
  } else {
    report.Error(entry, "no FishkaColors: the level cannot deal pieces");
  }
  for (const char* name : {"PlayMusic", "PutFishkaSound", "MoveInterval"})
    if (level.TagByName(name) == nullptr)
      report.Warning(entry, std::string(name) + " is missing: the previous level's value stays");
  if (const data::TOrlXMLTag* p = level.TagByName("Probabilities")) {
    if (const data::TOrlXMLTag* shapes = p->TagByName("FishkaShapes")) {
      for (int i = 0; i < shapes->TagCount(); ++i) {
        const std::string* n = rules::Attr(*shapes->GetTag(i), "Name");
        if (n && !shapeKnown(*n)) report.Error(entry, "dealing weight for unknown shape " + *n);
      }
    }
  }
  if (const data::TOrlXMLTag* layers = level.TagByName("Layers")) {
    for (int l = 0; l < layers->TagCount(); ++l) {
      const data::TOrlXMLTag& layer = *layers->GetTag(l);
      for (int i = 0; i < layer.TagCount(); ++i) {
        const std::string* n = rules::Attr(*layer.GetTag(i), "Shape");
        if (n && !shapeKnown(*n))
          report.Error(entry, "layer " + std::to_string(l + 1) + ": unknown shape " + *n);
      }
    }
  }
  if (const data::TOrlXMLTag* bosses = level.TagByName("Bosses")) {
    for (int i = 0; i < bosses->TagCount(); ++i) {
      const std::string* t = rules::Attr(*bosses->GetTag(i), "Type");
      const int type = t ? rules::StrToIntDef(*t, -1) : -1;
      if (type < 0 || type >= static_cast<int>(cat.BossTypes.size()))
        report.Error(entry, "boss " + std::to_string(i + 1) + " has unknown type \"" +
                                (t ? *t : std::string()) + "\"");
    }
  }
}

// The level as the rules set it up in one mode.
void CheckSetUp(rules::TRulesGame& game, const std::string& where, TReport& report) {
  rules::TLevel& level = game.Level;
  int dealable = 0;
  for (int w : level.TypeWeights.Items()) dealable += w > 0;
  if (dealable == 0) report.Error(where, "no shape has a dealing weight in the level's colours");
  std::vector<int> bossOwner(static_cast<int>(level.Bosses.size()), -1);
  for (size_t l = 0; l < level.Layers.size(); ++l) {
    level.CurrentLayer = static_cast<int>(l);
    const rules::TLayer& layer = level.Layers[l];
    const std::string at = where + ": layer " + std::to_string(l + 1);
    rules::TIntegers placed;
    for (int i = 0; i < static_cast<int>(layer.Pieces.size()); ++i) {
      const rules::TFishka& p = layer.Pieces[static_cast<size_t>(i)];
      if (p.State != rules::kOnBoard) continue;  // the dealt queue lives in the layer too
      if (!layer.Owners.Contains(i)) {
        report.Error(at, "piece " + std::to_string(i + 1) + " (" + game.ShapeOf(p).Name +
                             ") does not fit: it overlaps another piece or leaves the board");
        continue;
      }
      placed.Append(i);
      if (p.BossIndex >= 0 && p.BossIndex < static_cast<int>(level.Bosses.size()))
        bossOwner[static_cast<size_t>(p.BossIndex)] = static_cast<int>(l);
    }
    for (int k = 0; k < layer.Occupied.Count(); ++k)
      if (level.NullFrags.Contains(layer.Occupied[k]))
        report.Warning(at, "a piece fills null fragment " + std::to_string(layer.Occupied[k]));
    if (layer.MainIndex < 0 || !placed.Contains(layer.MainIndex)) {
      report.Error(at, "no main piece: no main boss stands on a piece of this layer");
      continue;
    }
    // Everything must hang from the main piece, or the first clear drops it.
    std::vector<bool> held(layer.Pieces.size(), false);
    std::vector<int> open{layer.MainIndex};
    held[static_cast<size_t>(layer.MainIndex)] = true;
    while (!open.empty()) {
      const int a = open.back();
      open.pop_back();
      for (int b : placed.Items()) {
        if (held[static_cast<size_t>(b)] || !game.Touches(a, rules::TIntegers{b})) continue;
        held[static_cast<size_t>(b)] = true;
        open.push_back(b);
      }
    }
    for (int b : placed.Items())
      if (!held[static_cast<size_t>(b)])
        report.Error(at, "piece " + std::to_string(b + 1) + " (" +
                             game.ShapeOf(layer.Pieces[static_cast<size_t>(b)]).Name +
                             ") does not hang from the main piece");
  }
  for (size_t b = 0; b < bossOwner.size(); ++b)
    if (bossOwner[b] < 0)
      report.Error(where, "boss " + std::to_string(b + 1) + " stands on no piece");
  level.CurrentLayer = 0;
}

int RunLevelCheck(const Args& args, std::ostream& out, std::ostream&) {
  TArgReader reader(args);
  const std::vector<std::string> pos = reader.Positional(2, 2);
  // A fresh folder of our own: several checks may run at once.
  std::filesystem::path temp;
  std::random_device random;
  do {
    temp = std::filesystem::temp_directory_path() /
           ("zerith-level-check-" + std::to_string(random()) + std::to_string(random()));
  } while (!std::filesystem::create_directory(temp));
  struct TCleanUp {
    std::filesystem::path dir;
    ~TCleanUp() {
      std::error_code ec;
      std::filesystem::remove_all(dir, ec);
    }
  } cleanUp{temp};
  auto levels = OpenWorking(pos[0], temp.string());
  auto game = OpenWorking(pos[1], temp.string());
  TCheckServices services(*game, *levels);
  TReport report{out};
  rules::TCatalogues cat;
  cat.LoadGameData(services);
  CheckCatalogues(cat, report);
  const std::set<std::string> musics = ListEntry(*game, "musics.dat");
  const std::set<std::string> sounds = ListEntry(*game, "sounds.dat");
  if (musics.empty()) report.Warning("game", "no musics.dat: level music is not checked");
  if (sounds.empty()) report.Warning("game", "no sounds.dat: put sounds are not checked");
  int count = 0;
  for (int n = 1; levels->IndexOf(rules::TRulesGame::LevelEntryName(n)) >= 0; ++n, ++count) {
    const std::string entry = rules::TRulesGame::LevelEntryName(n);
    try {
      CheckLevelText(services, entry, cat, report);
    } catch (const std::exception& e) {
      report.Error(entry, e.what());
      continue;
    }
    for (int mode = 1; mode <= 3; ++mode) {
      const std::string where = entry + " (mode " + std::to_string(mode) + ")";
      rules::TRulesGame play(cat, services, static_cast<uint32_t>(n * 7 + mode));
      try {
        play.StartNewGame(mode);
        play.LoadLevel(entry, true);
      } catch (const std::exception& e) {
        report.Error(where, e.what());
        continue;
      }
      // The pieces differ only in colour between modes; report the structure once.
      if (mode == 1) CheckSetUp(play, entry, report);
      if (mode == 1 && !musics.empty() && !musics.count(play.Level.Music))
        report.Error(entry, "music \"" + play.Level.Music + "\" is not in musics.dat");
      if (mode == 1 && !sounds.empty() && !sounds.count(play.Level.PutSound))
        report.Error(entry, "put sound \"" + play.Level.PutSound + "\" is not in sounds.dat");
    }
  }
  if (count == 0) report.Error(pos[0], "no Level1.xml: the archive holds no level");
  for (const std::string& m : services.Missing) report.Error("pictures", "missing " + m);
  for (const std::string& f : services.Failures) report.Error("pictures", f);
  for (const std::string& line : services.Log) report.Warning("rules", line);
  out << count << " levels checked: " << report.errors << " errors, " << report.warnings
      << " warnings\n";
  return report.errors > 0 ? 1 : 0;
}

const TToolRegistrar kLevelCheck({"level-check", "level-check LEVELS.zxc GAME.zxc",
                                  "Loads every level (Level1.xml, Level2.xml, ...) of the level "
                                  "archive with the game's catalogues and rules, in each mode, "
                                  "and reports what is inconsistent: unknown shapes, colours or "
                                  "boss types, pieces that overlap or do not hang from their "
                                  "layer's main piece, layers without a main piece, bosses "
                                  "standing on no piece, missing or broken pictures, shape "
                                  "catalogues mixing relief heights or with broken turning "
                                  "chains, and music or sounds not listed in the game archive. "
                                  "Takes the shipped archives or their working copies. Exit "
                                  "status 1 when there are errors.",
                                  RunLevelCheck});

}  // namespace
}  // namespace tool
