// rules/level_loader.cpp — reading a level file into the current level and setting it up for
// play: colours, timing, chances, layers of pieces, bosses, pictures, null fragments and map.
#include "data/error.hpp"
#include "data/text_helpers.hpp"
#include "rules/piece_geometry.hpp"
#include "rules/rules_game.hpp"
#include "rules/xml_reading.hpp"

namespace rules {

using data::TOrlXMLTag;

namespace {
constexpr int kMaxActionSeconds = 2000000;  // the interval is kept in ms in 32 bits
}  // namespace

void TRulesGame::ResetLevel() {
  Game.UndoList.clear();
  Level.Layers.clear();  // pieces, fragments, frontiers and bonus icons go with their layers
  Level.NullFrags.Clear();
  Level.TypeWeights.Clear();
  Level.LevelEffects.clear();
  Level.Colors.Clear();
  PaintOrder.Clear();
  Level.Bosses.clear();
  Level.Pictures.clear();
  Level.PictureMap.Images.clear();
  Level.PictureMap.Lines.Clear();
  Level.BonusWeights.Clear();
  // The queue, the hand and the preview named pieces of the layers just emptied.
  EmptyQueue();
  GroupList.Clear();
  Level.SnapFrags.Clear();
  ResetView();
  Game.Danger = false;
  SetPosition("0");
}

void TRulesGame::ReadSettings(const TOrlXMLTag& root) {
  if (const TOrlXMLTag* colors = root.TagByName("FishkaColors")) {
    for (const std::string& word : Words(data::Trim(colors->Text))) {
      const int n = StrToIntDef(word, 0);
      if (n > 0 && n <= Cat.ColorCount() && !Level.Colors.Contains(n)) Level.Colors.Append(n);
    }
  }
  if (const TOrlXMLTag* sound = root.TagByName("PutFishkaSound"))
    Level.PutSound = std::string(data::Trim(sound->Text));
  if (const TOrlXMLTag* music = root.TagByName("PlayMusic"))
    Level.Music = std::string(data::Trim(music->Text));
  if (const TOrlXMLTag* interval = root.TagByName("MoveInterval")) {
    if (const std::string* action = Attr(*interval, "Action"))
      Level.MoveInterval = StrToIntWithin(*action, kMaxActionSeconds) * 1000;
    if (const std::string* strategic = Attr(*interval, "Strategic"))
      Level.StrategicPuts = StrToIntWithin(*strategic);
  }
  Level.TypeWeights.Clear();
  for (int i = 0; i < Cat.TypeCount(); ++i) Level.TypeWeights.Append(0);
  const TOrlXMLTag* chances = root.TagByName("Probabilities");
  if (!chances) return;
  if (const TOrlXMLTag* weights = chances->TagByName("BonusTypeWeights"))
    for (const std::string& word : Words(data::Trim(weights->Text)))
      Level.BonusWeights.Append(StrToIntDef(word, 0));
  if (const TOrlXMLTag* noColor = chances->TagByName("NoColorFishka"))
    Level.NoColorChance = StrToReal(noColor->Text);
  if (const TOrlXMLTag* bonus = chances->TagByName("FishkaWithBonus"))
    Level.BonusChance = StrToReal(bonus->Text);
  if (const TOrlXMLTag* shapes = chances->TagByName("FishkaShapes")) {
    for (const auto& shape : shapes->Tags) {
      if (shape->Name != "Shape" || !HasAll(*shape, {"Name", "Weight"})) continue;
      const std::string& name = *Attr(*shape, "Name");
      const int weight = StrToInt(*Attr(*shape, "Weight"));
      for (int i = 0; i < Cat.TypeCount(); ++i)
        if (Cat.ShapeOf(i).Name == name) Level.TypeWeights[i] = weight;
    }
  }
}

void TRulesGame::ReadLayers(const TOrlXMLTag& root) {
  const TOrlXMLTag* layers = root.TagByName("Layers");
  if (!layers) return;
  for (const auto& layerTag : layers->Tags) {
    if (layerTag->Name != "Layer") continue;
    Level.Layers.emplace_back();
    Level.CurrentLayer = static_cast<int>(Level.Layers.size()) - 1;
    for (const auto& tag : layerTag->Tags) {
      if (tag->Name != "Fishka" || !HasAll(*tag, {"x", "y", "Shape", "Count"})) continue;
      AddLevelPiece(*tag);
    }
  }
}

void TRulesGame::AddLevelPiece(const TOrlXMLTag& tag) {
  TFishka piece;
  piece.X = StrToIntWithin(*Attr(tag, "x"));
  piece.Y = 590 - StrToIntWithin(*Attr(tag, "y")) - ScrollY;
  const std::string& shapeName = *Attr(tag, "Shape");
  TIntegers candidates;
  for (int i = 0; i < Cat.TypeCount(); ++i)
    if (Cat.ShapeOf(i).Name == shapeName && Level.Colors.Contains(Cat.ColorOf(i) + 1))
      candidates.Append(i);
  if (!candidates.Empty()) piece.TypeIndex = candidates[Rand.Random(candidates.Count())];
  piece.State = kOnBoard;
  // Stored as a byte; a piece needs at least one clear to go.
  const int count = StrToInt(*Attr(tag, "Count")) & 0xFF;
  piece.Count = static_cast<uint8_t>(count == 0 ? 1 : count);
  piece.BossIndex = -1;
  Layer().Pieces.push_back(std::move(piece));
  const int index = PieceCount() - 1;
  PutPiece(index, false, false);
  const double r = Rand.RandomReal();
  TFishka& placed = Piece(index);
  if (r >= Level.BonusChance || ShapeOf(placed).Fishes.size() < 5)
    placed.Bonus = kNoBonus;
  else
    PickBonus(index, -1);
}

void TRulesGame::ReadBosses(const TOrlXMLTag& root) {
  const TOrlXMLTag* bosses = root.TagByName("Bosses");
  if (!bosses) return;
  for (const auto& tag : bosses->Tags) {
    if (tag->Name != "Boss" || !HasAll(*tag, {"x", "y", "Type"})) continue;
    TBoss boss;
    boss.X = StrToIntWithin(*Attr(*tag, "x"));
    boss.Y = StrToIntWithin(*Attr(*tag, "y"));
    boss.TypeIndex = StrToInt(*Attr(*tag, "Type"));
    const std::string* main = Attr(*tag, "Main");
    boss.Main = main && *main == "true";
    // A boss of a type the catalogue lacks could never be drawn or weighed; it is skipped.
    if (boss.TypeIndex < 0 || boss.TypeIndex >= static_cast<int>(Cat.BossTypes.size())) continue;
    Level.Bosses.push_back(boss);
  }
}

void TRulesGame::ReadPictures(const TOrlXMLTag& root) {
  const TOrlXMLTag* pictures = root.TagByName("Pictures");
  if (!pictures) return;
  for (const auto& tag : pictures->Tags) {
    if (tag->Name != "Picture" || !HasAll(*tag, {"x", "y", "Sx", "Sy", "Name"})) continue;
    TLevelPicture picture;
    picture.X = StrToIntWithin(*Attr(*tag, "x"));
    picture.Y = StrToIntWithin(*Attr(*tag, "y"));
    picture.Sx = StrToIntWithin(*Attr(*tag, "Sx"));
    picture.Sy = StrToIntWithin(*Attr(*tag, "Sy"));
    picture.Name = *Attr(*tag, "Name");
    for (const auto& image : tag->Tags) {
      if (image->Name != "Image" || !HasAll(*image, {"Name", "t"})) continue;
      const std::string& name = *Attr(*image, "Name");
      picture.Images.push_back(name);
      picture.Times.Append(StrToInt(*Attr(*image, "t")));
      LoadPictureOnce(Services, TArchiveKind::Level, name);
      const TPictureSize size = Services.GetPictureSize(name);
      picture.Width = size.Width;
      picture.Height = size.Height;
    }
    Level.Pictures.push_back(std::move(picture));
  }
}

void TRulesGame::ReadNullFrags(const TOrlXMLTag& root) {
  const TOrlXMLTag* nulls = root.TagByName("NullFrags");
  if (!nulls) return;
  for (const std::string& word : Words(nulls->Text)) {
    const int v = StrToIntDef(word, 0);
    if ((v != 0 || word == "0") && !Level.NullFrags.Contains(v)) Level.NullFrags.Append(v);
  }
}

void TRulesGame::ReadPictureMap(const TOrlXMLTag& root) {
  const TOrlXMLTag* map = root.TagByName("PictureMap");
  if (!map || !HasAll(*map, {"x", "y", "OneWidth", "OneHeight"})) return;
  TPictureMap& pictureMap = Level.PictureMap;
  pictureMap.X = StrToIntWithin(*Attr(*map, "x"));
  pictureMap.Y = StrToIntWithin(*Attr(*map, "y"));
  pictureMap.OneWidth = StrToIntWithin(*Attr(*map, "OneWidth"));
  pictureMap.OneHeight = StrToIntWithin(*Attr(*map, "OneHeight"));
  if (const TOrlXMLTag* images = map->TagByName("Images")) {
    for (const auto& image : images->Tags) {
      const std::string* name = image->Name == "Image" ? Attr(*image, "Name") : nullptr;
      if (!name) continue;
      pictureMap.Images.push_back(*name);
      LoadPictureOnce(Services, TArchiveKind::Level, *name);
    }
  }
  const TOrlXMLTag* lines = map->TagByName("Lines");
  if (!lines) return;
  const int imageCount = static_cast<int>(pictureMap.Images.size());
  for (int i = lines->TagCount() - 1; i >= 0; --i) {
    const TOrlXMLTag& line = *lines->GetTag(i);
    if (line.Name != "Line") continue;
    const std::vector<std::string> words = Words(line.Text);
    pictureMap.LineLength = static_cast<int>(words.size());
    for (const std::string& word : words) {
      // Tile numbers name map images from 1; 0 is an empty place, anything else is dropped.
      const int n = StrToIntDef(word, -1);
      if (n >= 0 && n <= imageCount) pictureMap.Lines.Append(n);
    }
  }
}

void TRulesGame::LoadLevel(const std::string& entryName, bool full) {
  LoadLevelFrom(EntryStream(Services, TArchiveKind::Level, entryName), entryName, full);
}

void TRulesGame::LoadLevelFrom(data::TMemoryStream& stream, const std::string& name, bool full) {
  BeginInput();
  if (full && Cat.TypeCount() == 0)
    throw data::Error("No piece types are loaded; cannot deal pieces");
  ResetLevel();
  data::TOrlParser parser;
  parser.LoadFromStream(stream);
  if (parser.TagCount() == 0) throw data::Error(name + "XML file does not has tags!");
  const TOrlXMLTag& root = *parser.GetTag(0);
  ReadSettings(root);
  if (full) {
    ReadLayers(root);
    ReadBosses(root);
  }
  ReadPictures(root);
  ReadNullFrags(root);
  ReadPictureMap(root);
  if (full) SetUpForPlay();
}

void TRulesGame::SetUpForPlay() {
  // A level needs a layer to deal into, even when its file lists none.
  if (Level.Layers.empty()) Level.Layers.emplace_back();
  Level.LevelDone = false;
  Level.LayerDone = false;
  Level.CurrentLayer = 0;
  RebuildPaintOrder();
  AttachBosses();
  EmptyQueue();
  for (int i = 0; i < kQueueLength; ++i) DealPiece();
  LiftDeadLine();
  UpdateFrontier();
  // The first hand piece is held where the pointer already is (over the button that started
  // the level), not at the screen's corner until the pointer next moves.
  CentrePieceOnCursor(HandIndex);
  if (Level.Music != Services.PlayingMusic()) {
    Services.StopMusic();
    Services.PlayMusic(Level.Music);
  }
  Level.MoveDeadline = now + Level.MoveInterval;
  Level.PutLeft = Level.StrategicPuts;
}

void TRulesGame::AttachBosses() {
  for (int b = 0; b < static_cast<int>(Level.Bosses.size()); ++b) {
    const TBoss& boss = Level.Bosses[static_cast<size_t>(b)];
    const TBossType* type = BossTypeOf(b);
    if (!type) continue;
    const TPoint point{boss.X + type->X, boss.Y - type->Y};
    bool attached = false;
    for (TLayer& layer : Level.Layers) {
      for (size_t i = 0; i < layer.Pieces.size() && !attached; ++i) {
        TFishka& piece = layer.Pieces[i];
        if (piece.State != kOnBoard || !PointInPiece(piece, point)) continue;
        attached = true;
        piece.BossIndex = b;
        piece.Bonus = kNoBonus;
        FreeBonusEffect(piece);
        if (boss.Main) layer.MainIndex = static_cast<int>(i);
      }
      if (attached) break;
    }
  }
}

}  // namespace rules
