#pragma once
// The undo and redo histories: snapshots of the whole table (pile images of
// three-digit code + face flag per slot), four lists per history, and one
// marks element per step.
#include <array>
#include <string>
#include <vector>

namespace bw {

struct Game;

// Game::UndoLists and Game::RedoLists, with Game::UndoMarks and RedoMarks.
using HistoryLists = std::array<std::vector<std::string>, 4>;  // stock, dest, fila, appogg

// Number of complete steps in a history (every list holds its share).
int StepCount(const HistoryLists& h);
// The image of one of g's piles: four characters per slot, "0000" for a hole.
std::string PileImage(const Game& g, const std::string& pile);
// The pile of an image; the face flags go back into g's card register.
std::string PileFromImage(Game& g, const std::string& image);

// which = 1: undo history, otherwise redo. With which = 0 and clearOnly the
// redo history and its marks are emptied; otherwise a snapshot is appended.
void RecordStep(Game& g, int which, bool clearOnly = false);
void DropNewestSteps(Game& g, int n);
void DropSecondNewestSteps(Game& g, int n);
void MarkStep(Game& g, int marker);
int CountMarks(const std::string& marks, int marker);
void MergeMarks(std::string& marks);
void ClearHistory(Game& g, bool clearUndoToo);
// Restores g's table from the newest step of `h` (one of g's histories) and
// removes that step and its marks element, which is handed back in
// `element` when given. Returns false when `h` is empty.
bool PopStepInto(Game& g, HistoryLists& h, std::string& marks, std::string* element = nullptr);

}  // namespace bw
