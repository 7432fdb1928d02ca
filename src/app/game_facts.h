#pragma once
// What the open-game dialog tells about a game before it is played: decks,
// game time, difficulty, skill, chance of winning and redeals, each with the
// library picture shown beside it. Read from the game's rule column.
#include <string>

namespace bw {

struct FactText {
    std::string text;     // empty for a value the table does not know
    std::string picture;  // library bitmap, empty when none
};

struct GameFactValues {
    int cards = 0;
    int gameTime = 0;
    int difficulty = 0;
    int skill = 0;
    int chance = 0;
    int chanceAbout = 0;  // "about 3 in 10"
    int chanceIn = 0;     // 0: no odds given
    int redeals = 0;
};

struct GameFacts {
    std::string decks;
    FactText gameTime;
    FactText difficulty;
    FactText skill;
    FactText chance;
    std::string redeals;
};

GameFacts DescribeGame(const GameFactValues& v);
// The values of a catalogue game from GAMES.DAT; all zero for a game the
// catalogue does not hold.
GameFactValues ReadGameFactValues(int gameId);

}  // namespace bw
