#pragma once
// The deal of the day's record: "DATA\Daily.dat", beside the results file,
// marks per player and game the last date a deal of the day was played and
// the streak that date ends. The results file's reader takes any unknown
// line or section for damage (it would move the file aside and drop the
// line), so the mark lives in a file of its own that readers of the results
// file never open; the results file keeps its format.
//
//   [Version]
//   Version=0001
//   [201]                          one section per game id
//   Ann=20261209 000003 <check>    last daily date, streak, check value
//
// The check value is that of a results entry (section, player and record).
// The streak counts consecutive dates with a deal of the day PLAYED (won or
// lost: a streak is about coming back each day, not about winning).
#include <string>

namespace bw {

inline constexpr const char* kDailyFile = "DATA\\Daily.dat";

enum class DailyMark {
    kRecorded,  // the first deal of the day of this game, player and date
    kPractice,  // that date (or a later one) is marked already: not daily
    kNotKept,   // the file cannot be used; the message has been shown
};

// Marks a finished deal of the day dealt on `date` (YYYYMMDD).
DailyMark RecordDailyGame(int gameId, const std::string& player, int date);
// The player's streak of the game as seen on `today`: the consecutive dates
// up to today or yesterday with a deal of the day played; 0 when the last
// one is older (a streak waits for today's deal until the day is over).
long DailyStreak(int gameId, const std::string& player, int today);
// The player operations, as for the results.
void RenamePlayerDaily(const std::string& oldName, const std::string& newName);
void ClearPlayerDaily(const std::string& player);

// The date before `date` (YYYYMMDD), or 0 for one that is no date.
int DateBefore(int date);

}  // namespace bw
