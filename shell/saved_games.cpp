// shell/saved_games.cpp — writing the "GameSave" document and reading it back with every value
// checked, so a damaged file is refused before the running game is touched.
#include "shell/saved_games.hpp"

#include <algorithm>
#include <climits>
#include <filesystem>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "data/line_codec.hpp"
#include "data/text_helpers.hpp"
#include "data/xml_parser.hpp"
#include "rules/rules_game.hpp"
#include "rules/xml_reading.hpp"

namespace shell {

using data::TOrlXMLTag;
using rules::TRulesGame;

namespace {

constexpr int kCoordinateLimit = rules::kFileNumberLimit;  // keeps board arithmetic in 32 bits
constexpr size_t kMaxSavedPieces = 12000;                  // one per board fragment at most

// A problem of the file, reported by ParseSavedGame with the file's name in front.
struct TDamage {
  std::string Reason;
};

[[noreturn]] void Damaged(std::string reason) {
  throw TDamage{std::move(reason)};
}

// Saved numbers read leniently, as the game always has: the leading numeric part of the text,
// 0 for text without one. Values beyond limit either way are damage, not numbers to wrap.
int LenientInt(const std::string& text, const std::string& what, long long low, long long high) {
  std::string_view rest = data::Trim(text);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  long long value = 0;
  for (const char c : rest) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > 4LL * INT_MAX) break;
  }
  if (negative) value = -value;
  if (value < low || value > high)
    Damaged(what + " \"" + text + "\" is out of range (" + std::to_string(low) + " to " +
            std::to_string(high) + ")");
  return static_cast<int>(value);
}

const std::string& Required(const TOrlXMLTag& tag, const char* name) {
  const data::TOrlParserAttribute* attribute = tag.AttributeByName(name);
  if (!attribute) Damaged("the tag \"" + tag.Name + "\" lacks the attribute \"" + name + "\"");
  return attribute->Value;
}

int RequiredInt(const TOrlXMLTag& tag, const char* name, long long low, long long high) {
  return LenientInt(Required(tag, name), tag.Name + " " + name, low, high);
}

std::optional<int> OptionalInt(const TOrlXMLTag& tag, const char* name, long long low,
                               long long high) {
  const data::TOrlParserAttribute* attribute = tag.AttributeByName(name);
  if (!attribute) return std::nullopt;
  return LenientInt(attribute->Value, tag.Name + " " + name, low, high);
}

void ReadRoot(const TOrlXMLTag& root, TSavedGame& saved, TRulesGame& game) {
  if (root.Name != "GameSave") Damaged("its first tag is \"" + root.Name + "\", not \"GameSave\"");
  saved.Mode = RequiredInt(root, "Mode", rules::kNoLose, rules::kStrategy);
  saved.State =
      Required(root, "State") == "gsBetweenLevels" ? rules::gsBetweenLevels : rules::gsGamePlay;
  saved.Level = RequiredInt(root, "Level", 1, kCoordinateLimit);
  saved.Score = RequiredInt(root, "Score", 0, INT_MAX);
  saved.PrevScore = OptionalInt(root, "PrevScore", 0, INT_MAX);
  saved.PutLeft = OptionalInt(root, "PutLeft", 0, kCoordinateLimit);
  saved.Shifts = RequiredInt(root, "Shifts", 0, kCoordinateLimit);
  saved.Shuffles = RequiredInt(root, "Shuffles", 0, kCoordinateLimit);
  saved.CurrentY = OptionalInt(root, "CurrentY", -kCoordinateLimit, kCoordinateLimit);
  // A between-levels save goes on with the next level; a save in play needs its own level.
  const int level = saved.State == rules::gsBetweenLevels ? -1 : saved.Level;
  if (level > 0 &&
      game.Services.Archive(rules::TArchiveKind::Level).IndexOf(TRulesGame::LevelEntryName(level)) <
          0)
    Damaged("the level " + std::to_string(level) + " it was saved in does not exist");
}

TSavedPiece ReadPiece(const TOrlXMLTag& tag, const TRulesGame& game) {
  TSavedPiece piece;
  piece.X = RequiredInt(tag, "x", -kCoordinateLimit, kCoordinateLimit);
  piece.Y = RequiredInt(tag, "y", -kCoordinateLimit, kCoordinateLimit);
  piece.TypeIndex = RequiredInt(tag, "FType", 0, INT_MAX);
  if (piece.TypeIndex >= game.Cat.TypeCount())
    Damaged("the piece type " + std::to_string(piece.TypeIndex) + " does not exist");
  // The count is a byte; a piece needs at least one clear to go, as in level files.
  piece.Count = OptionalInt(tag, "N", 0, 255).value_or(1);
  if (piece.Count == 0) piece.Count = 1;
  piece.Bonus = OptionalInt(tag, "BType", -1, rules::kBonusKinds - 1).value_or(rules::kNoBonus);
  return piece;
}

// Every piece must snap onto free fragments of an empty board of the catalogue's geometry, and
// no two pieces of a layer may fill the same fragment, or the board would be inconsistent.
void CheckPlaces(const std::vector<std::vector<TSavedPiece>>& layers, TRulesGame& game) {
  TRulesGame probe(game.Cat, game.Services);
  probe.Level.Layers.emplace_back();
  probe.Level.CurrentLayer = 0;
  for (size_t l = 0; l < layers.size(); ++l) {
    std::vector<bool> filled(12000, false);
    for (size_t i = 0; i < layers[l].size(); ++i) {
      const TSavedPiece& saved = layers[l][i];
      probe.Layer().Pieces.clear();
      rules::TFishka piece;
      piece.X = saved.X;
      piece.Y = 590 - saved.Y;
      piece.TypeIndex = saved.TypeIndex;
      probe.Layer().Pieces.push_back(std::move(piece));
      rules::TPoint anchor;
      rules::TIntegers covered;
      const std::string where = "piece " + std::to_string(i + 1) + " of layer " +
                                std::to_string(l + 1) + " (x " + std::to_string(saved.X) + ", y " +
                                std::to_string(saved.Y) + ")";
      if (!probe.SnapPiece(0, anchor, covered)) Damaged("the " + where + " lies off the board");
      for (int f = 0; f < covered.Count(); ++f) {
        const int fragment = covered[f];
        if (fragment < 0 || fragment >= static_cast<int>(filled.size()) || filled[fragment])
          Damaged("the " + where + " lies on another piece");
        filled[fragment] = true;
      }
    }
  }
}

void ReadBoard(const TOrlXMLTag& root, TSavedGame& saved, TRulesGame& game) {
  const TOrlXMLTag* layers = root.TagByName("Layers");
  if (!layers) Damaged("a game saved in play lacks its \"Layers\"");
  size_t pieces = 0;
  for (const auto& layer : layers->Tags) {
    if (layer->Name != "Layer") continue;
    saved.Layers.emplace_back();
    for (const auto& tag : layer->Tags) {
      if (tag->Name != "Fishka") continue;
      if (++pieces > kMaxSavedPieces) Damaged("it holds more pieces than a board can");
      saved.Layers.back().push_back(ReadPiece(*tag, game));
    }
  }
  if (saved.Layers.empty()) Damaged("a game saved in play has no \"Layer\"");
  if (const TOrlXMLTag* bosses = root.TagByName("Bosses")) {
    for (const auto& tag : bosses->Tags) {
      if (tag->Name != "Boss") continue;
      TSavedBoss boss;
      boss.X = RequiredInt(*tag, "x", -kCoordinateLimit, kCoordinateLimit);
      boss.Y = RequiredInt(*tag, "y", -kCoordinateLimit, kCoordinateLimit);
      boss.TypeIndex = RequiredInt(*tag, "Type", 0, INT_MAX);
      if (boss.TypeIndex >= static_cast<int>(game.Cat.BossTypes.size()))
        Damaged("the boss type " + std::to_string(boss.TypeIndex) + " does not exist");
      const data::TOrlParserAttribute* main = tag->AttributeByName("Main");
      boss.Main = main && main->Value == "true";
      saved.Bosses.push_back(boss);
    }
  }
  CheckPlaces(saved.Layers, game);
}

void AddInt(TOrlXMLTag& tag, const char* name, int value) {
  tag.AddAttribute(name, std::to_string(value));
}

}  // namespace

TSavedGame CaptureGame(const TRulesGame& game) {
  TSavedGame saved;
  saved.Mode = game.Game.Mode;
  saved.State =
      game.Game.GameState == rules::gsBetweenLevels ? rules::gsBetweenLevels : rules::gsGamePlay;
  saved.Level = game.Game.Level;
  saved.Score = game.Game.Score;
  saved.PrevScore = game.Game.PrevScore;
  saved.PutLeft = game.Level.PutLeft;
  saved.Shifts = game.Game.Shifts;
  saved.Shuffles = game.Game.Shuffles;
  saved.CurrentY = game.CurrentY;
  if (saved.State == rules::gsBetweenLevels) return saved;
  const auto& layers = game.Level.Layers;
  for (size_t l = std::max(game.Level.CurrentLayer, 0); l < layers.size(); ++l) {
    saved.Layers.emplace_back();
    for (const rules::TFishka& piece : layers[l].Pieces)
      if (piece.State == rules::kOnBoard)
        saved.Layers.back().push_back(
            {piece.X, piece.Y, piece.TypeIndex, piece.Count, piece.Bonus});
  }
  for (const rules::TBoss& boss : game.Level.Bosses)
    saved.Bosses.push_back({boss.X, boss.Y, boss.TypeIndex, boss.Main});
  return saved;
}

std::string SavedGameXml(const TSavedGame& saved) {
  data::TOrlParser document;
  TOrlXMLTag& root = document.AddTag("GameSave");
  AddInt(root, "Mode", saved.Mode);
  root.AddAttribute("State",
                    saved.State == rules::gsBetweenLevels ? "gsBetweenLevels" : "gsGamePlay");
  AddInt(root, "Level", saved.Level);
  AddInt(root, "Score", saved.Score);
  AddInt(root, "PrevScore", saved.PrevScore.value_or(saved.Score));
  AddInt(root, "PutLeft", saved.PutLeft.value_or(0));
  AddInt(root, "Shifts", saved.Shifts);
  AddInt(root, "Shuffles", saved.Shuffles);
  AddInt(root, "CurrentY", saved.CurrentY.value_or(0));
  if (saved.State != rules::gsBetweenLevels) {
    TOrlXMLTag& layers = root.AddTag("Layers");
    for (const auto& layer : saved.Layers) {
      TOrlXMLTag& layerTag = layers.AddTag("Layer");
      for (const TSavedPiece& piece : layer) {
        TOrlXMLTag& tag = layerTag.AddTag("Fishka");
        AddInt(tag, "x", piece.X);
        AddInt(tag, "y", piece.Y);
        AddInt(tag, "FType", piece.TypeIndex);
        AddInt(tag, "N", piece.Count);
        AddInt(tag, "BType", piece.Bonus);
      }
    }
    TOrlXMLTag& bosses = root.AddTag("Bosses");
    for (const TSavedBoss& boss : saved.Bosses) {
      TOrlXMLTag& tag = bosses.AddTag("Boss");
      AddInt(tag, "x", boss.X);
      AddInt(tag, "y", boss.Y);
      AddInt(tag, "Type", boss.TypeIndex);
      tag.AddAttribute("Main", boss.Main ? "true" : "fase");
    }
  }
  return document.SaveToString();
}

std::string SavedGameFile(const TSavedGame& saved) {
  return data::EncodeLines(SavedGameXml(saved));
}

void SaveGame(const std::string& path, const TRulesGame& game) {
  data::WriteFileAtomically(path, SavedGameFile(CaptureGame(game)));
}

TSavedGame ParseSavedGame(const std::string& bytes, const std::string& path, TRulesGame& game) {
  const std::string_view trimmed = data::Trim(bytes);
  if (!trimmed.empty() && trimmed.front() == '<')
    throw data::Error("Cannot load the saved game \"" + path +
                      "\": it is plain XML, not a saved game file (zerith-tool encode makes one)");
  data::TOrlParser parser;
  parser.LoadFromText(data::DecodeLines(bytes));
  if (parser.TagCount() == 0) throw data::Error(path + "XML file does not has tags!");
  TSavedGame saved;
  try {
    const TOrlXMLTag& root = *parser.GetTag(0);
    ReadRoot(root, saved, game);
    if (saved.State == rules::gsGamePlay) ReadBoard(root, saved, game);
  } catch (const TDamage& damage) {
    throw data::Error("Cannot load the saved game \"" + path + "\": " + damage.Reason);
  }
  return saved;
}

TSavedGame ReadSavedGame(const std::string& path, TRulesGame& game) {
  return ParseSavedGame(data::ReadWholeFile(path), path, game);
}

std::vector<std::string> ListSavedGames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string name = it->path().filename().string();
    if (name.size() >= 4 && name.compare(name.size() - 3, 3, "sav") == 0)
      names.push_back(name.substr(0, name.size() - 4));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string SavedGamePath(const std::string& folder, const std::string& name) {
  return folder + "/" + name + ".sav";
}

}  // namespace shell
