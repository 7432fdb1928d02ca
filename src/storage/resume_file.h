#pragma once
// An unfinished game kept over closing the program: "DATA\Resume.dat" holds
// the game (core/game_text.h) behind the few values of the game that name it
// (game, deal number, player, score, start marks), each cut to the width it
// has in play. Written
// through the atomic replace when the program closes during a game with the
// preference "Resume_Game" on, read and removed at the next start.
#include <string>

#include "core/game.h"

namespace bw {

struct ResumeRecord {
    std::string gameId, gameName, gameNumber, player, score;
    std::string startMarkA, startMarkB, newGameMarkA, newGameMarkB;
    Game game;
};

std::string ResumeFilePath();
// `game` behind the values that name it.
ResumeRecord ResumeRecordOf(const Game& game);
// The record's values into `game`, cut as they are set in play.
void PutResumeValues(const ResumeRecord& record, Game& game);
// The player's choice "Resume_Game" (on unless "N").
bool ResumeWanted();
std::string ResumeText(const ResumeRecord& record);
bool ReadResumeText(const std::string& text, ResumeRecord& record, std::string& error);
// 0 on success, else the errno of the failure (the old file then stays).
int WriteResumeFile(const ResumeRecord& record);

enum class ResumeFile { kNone, kRead, kBad };
// kNone: no file; kBad: one that cannot be used, `error` says why.
ResumeFile ReadResumeFile(ResumeRecord& record, std::string& error);
// Moves an unusable file aside as "Resume.dat.bad"; the new name, or empty.
std::string MoveResumeFileAside();
void RemoveResumeFile();

}  // namespace bw
