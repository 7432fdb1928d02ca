#pragma once
// The undo and redo histories: snapshots of the whole table (pile images of
// three-digit code + face flag per slot), four lists per history, and one
// marks element per step.
#include <array>
#include <string>
#include <vector>

namespace bw {

using HistoryLists = std::array<std::vector<std::string>, 4>;  // stock, dest, fila, appogg
extern HistoryLists& UndoLists;
extern HistoryLists& RedoLists;
extern std::string& UndoMarks;
extern std::string& RedoMarks;

// Number of complete steps in a history (every list holds its share).
int StepCount(const HistoryLists& h);
// The image of one pile: four characters per slot, "0000" for a hole.
std::string PileImage(const std::string& pile);
// Writes the table back from a pile image (codes and face flags).
std::string PileFromImage(const std::string& image);

// which = 1: undo history, otherwise redo. With which = 0 and clearOnly the
// redo history and its marks are emptied; otherwise a snapshot is appended.
void RecordStep(int which, bool clearOnly = false);
void DropNewestSteps(int n);
void DropSecondNewestSteps(int n);
void MarkStep(int marker);
int CountMarks(const std::string& marks, int marker);
void MergeMarks(std::string& marks);
void ClearHistory(bool clearUndoToo);
// Restores the table from the newest step of `h` and removes that step and
// its marks element, which is handed back in `element` when given.
// Returns false when `h` is empty.
bool PopStepInto(HistoryLists& h, std::string& marks, std::string* element = nullptr);

}  // namespace bw
