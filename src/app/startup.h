#pragma once
// The start-up and shut-down steps that need no window: the program's fresh
// state, the DATA folder, the version marker and the files of older versions.
#include <string>

namespace bw {

struct Game;

// A fresh `game` and parameter block for the program folder (which ends
// with '/'): option 77 = 0 (this edition), position 1 = "DATA\Cfg.dat".
void ResetProgramState(Game& game, const std::string& programDir);

// Where the DATA folder has to live: "" for under the program folder (it is
// writable there), otherwise `userDataDir`. A DATA folder that already
// exists and is writable is always used.
std::string ChooseDataDirOverride(const std::string& programDir, const std::string& userDataDir);

// What the player is told, once at start-up, when the program folder holds
// a DATA folder (theirs, perhaps) that is not used because it cannot be
// written: which folder is used instead and why. Empty otherwise.
std::string DataFolderNotice(const std::string& programDir, const std::string& dataOverride);

// Creates the DATA folder when it is missing; failure is left to the file
// operations that follow, which report their own errors.
void EnsureDataFolder();

// Removes what rewrites interrupted by a crash or a power cut left behind:
// their temporary files ("rpl"/"ini" + hex + ".tmp" in the DATA folder,
// "ver" + hex + ".tmp" in the program folder). The files they were to
// replace kept their old content. Only files older than an hour go, so a
// second running copy of the program never loses a rewrite in progress.
void RemoveStaleTemporaryFiles();

// Gives the pile tables of `g` their empty entries (3 stock, 16 foundation,
// 40 tableau and 10 reserve piles).
void FillPileTables(Game& g);

// Initialisation step 6 (options, flags) and step 16.
void ResetWindowOptions(Game& g);
void ClearStartOptions(Game& g);

// "GAMES.DAT" in the program folder.
std::string GamesFilePath();

// The version marker "QLRV0620.DAT" in the program folder, written when missing.
inline constexpr const char* kVersionMarkerFile = "QLRV0620.DAT";
inline constexpr const char* kVersionMarkerText = "Quillory version: 06.20";
void WriteVersionMarker();

// Deletes the files that older versions left in the program folder.
void DeleteObsoleteFiles();

}  // namespace bw
