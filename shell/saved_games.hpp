// shell/saved_games.hpp — saved games: the "GameSave" document, its encoded file, and checking
// a file completely before it may touch the running game.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rules {
class TRulesGame;
}

namespace shell {

inline constexpr const char* kSavesFolder = "saves";
inline constexpr const char* kQuickSaveName = "QuickSave";
inline constexpr const char* kAutoSaveName = "autosave";
inline constexpr const char* kResumeFile = "resume.state";

struct TSavedPiece {
  int X = 0;
  int Y = 0;  // the piece's board Y as the game holds it
  int TypeIndex = 0;
  int Count = 1;
  int Bonus = -1;
  bool operator==(const TSavedPiece&) const = default;
};

struct TSavedBoss {
  int X = 0;
  int Y = 0;
  int TypeIndex = 0;
  bool Main = false;
  bool operator==(const TSavedBoss&) const = default;
};

// Everything a saved game holds. Layers and bosses only for a game saved in play.
struct TSavedGame {
  int Mode = 2;
  int State = 1;  // gsGamePlay or gsBetweenLevels
  int Level = 1;
  int Score = 0;
  std::optional<int> PrevScore;
  std::optional<int> PutLeft;
  int Shifts = 0;
  int Shuffles = 0;
  std::optional<int> CurrentY;
  std::vector<std::vector<TSavedPiece>> Layers;  // from the current layer to the last
  std::vector<TSavedBoss> Bosses;
};

// The running game as a save records it; a state other than gsBetweenLevels saves as play.
TSavedGame CaptureGame(const rules::TRulesGame& game);
// The plain XML text of the document, and the file's bytes (each line encoded, CR LF).
std::string SavedGameXml(const TSavedGame& saved);
std::string SavedGameFile(const TSavedGame& saved);
// Writes the game crash-safely; on failure raises data::Error and any old file stays.
void SaveGame(const std::string& path, const rules::TRulesGame& game);

// Reads and checks the file against the game's catalogues and levels archive without
// changing anything. A file that is not a saved game, or that names a mode, level, piece type
// or boss type that does not exist, or a piece off the board, raises data::Error naming the
// file. NOTE: the file must exist.
TSavedGame ReadSavedGame(const std::string& path, rules::TRulesGame& game);
// The same checks on the file's bytes; path only names the file in messages.
TSavedGame ParseSavedGame(const std::string& bytes, const std::string& path,
                          rules::TRulesGame& game);

// Sets the game's mode, level, score and stocks from the save (the root's attributes).
void RestoreGameRecord(rules::TRulesGame& game, const TSavedGame& saved);
// Sets up the saved level and puts the saved pieces and bosses back, as play resumes.
// NOTE: the save must have passed ParseSavedGame with this game; raises data::Error when the
// level file itself cannot be set up (the running level is then gone).
void RestoreBoard(rules::TRulesGame& game, const TSavedGame& saved);
// After a load: the Strategy mode's puts-left label and danger bar from the restored play;
// the label is hidden in the other modes.
void ShowRestoredDanger(rules::TRulesGame& game);

// The saved names in the folder: files ending in "sav" (case-sensitive), without their last
// four characters, in name order.
std::vector<std::string> ListSavedGames(const std::string& folder);
// folder + "/" + name + ".sav"; the name must have passed CheckSaveName.
std::string SavedGamePath(const std::string& folder, const std::string& name);

}  // namespace shell
