#pragma once
// How long the memory games let the player look: a wrong pair stays face up
// before it turns back, and the models of "Forget me not" stay up for the
// memorise phase. The player may lengthen both (preferences "Wrong_Pair_Time"
// and "Study_Time", carried in the parameter block); every other length is
// fixed.

namespace bw {

inline constexpr int kWrongPairMsStandard = 200;
inline constexpr int kWrongPairMsMax = 3000;
inline constexpr int kStudySecondsStandard = 10;
inline constexpr int kStudySecondsMin = 5;
inline constexpr int kStudySecondsMax = 30;

// The values brought into their ranges; a value that is no number (or out
// of the int range) is the standard one.
int ClampWrongPairMs(long long ms);
int ClampStudySeconds(long long seconds);

// The lengths in force, from the parameter block; an empty or damaged field
// gives the standard length.
int WrongPairMs();
int StudySeconds();

// The look time a game of `goalKind` is played with, in milliseconds, as the
// results keep it: 0 for the standard length and for games that turn no
// card back.
int LookTimeOfGame(int goalKind);

}  // namespace bw
