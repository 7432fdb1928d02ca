#pragma once
// Fakes for the game-flow tests: a main window and a table that record what
// the core asks of them, a scripted random generator, and a move engine
// stand-in that carries out plain card moves.
#include <deque>
#include <string>
#include <vector>

#include "core/autoplay.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"
#include "platform/clock.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw::test {

class FlowWindow : public IWindow {
public:
    std::vector<std::string> events;  // in call order
    std::vector<std::string> captions;
    std::string time, score, separator = ":";
    bool checked = false, enabled = true;
    int treeNum = 0, treePos = 0;
    bool knowsTree = false;
    std::function<void()> onAnimation;
    std::function<void()> onMemoryEnd;  // what happens while the result dialog is up

    void ShowScore(const std::string& t) override { score = t; }
    void ShowTime(const std::string& t) override { time = t; }
    void SetCaption(const std::string& c) override { captions.push_back(c); }
    void EnableGameCommands(bool on) override {
        enabled = on;
        events.push_back(on ? "commands on" : "commands off");
    }
    void ShowAutoplay(bool on) override {
        checked = on;
        events.push_back(checked ? "autoplay on" : "autoplay off");
    }
    std::string TimeSeparator() override { return separator; }
    void EnableGameMenus(bool demo, bool save) override {
        events.push_back(std::string("menus demo=") + (demo ? "1" : "0") +
                         " save=" + (save ? "1" : "0"));
    }
    void UpdateUndoCaptions() override { events.push_back("undo captions"); }
    void EnablePlayCommands(bool bookmark) override {
        events.push_back(std::string("play on bookmark=") + (bookmark ? "1" : "0"));
    }
    void DisablePlayCommands() override { events.push_back("play off"); }
    void HidePileSizePanel() override { events.push_back("hide sizes"); }
    void ShowMemoryEnd(bool won) override {
        events.push_back(won ? "memory end won" : "memory end lost");
        if (onMemoryEnd) onMemoryEnd();
    }
    void RefreshGameMark() override { events.push_back("mark"); }
    void RefreshOpenGameMarks() override { events.push_back("marks"); }
    void PlayWinningAnimation() override {
        events.push_back("animation");
        if (onAnimation) onAnimation();
    }
    void OpenGameDialog() override { events.push_back("open dialog"); }
    void CloseMainWindow() override { events.push_back("close"); }
    bool GameTreePlace(int, int& num, int& pos) override {
        num = treeNum;
        pos = treePos;
        return knowsTree;
    }
    bool Saw(const std::string& e) const {
        for (const auto& x : events)
            if (x == e) return true;
        return false;
    }
};

class FlowTable : public ITable {
public:
    std::vector<std::string> events;
    std::function<void()> onRepaint;
    void PaintEmptyTable() override { events.push_back("empty"); }
    void RepaintTable(bool animated) override {
        events.push_back(animated ? "draw animated" : "draw");
        if (onRepaint) onRepaint();
    }
    // Like the real flight, landing empties the hand (options 94 and 95).
    void FlyCard(int card, int, int, const std::string& target) override {
        events.push_back("fly " + std::to_string(card) + " " + target);
        ProgramGame().Options.SetOpt(94, 0);
        ProgramGame().Options.SetOpt(95, 0);
    }
    void AnimateTurnUp(const std::string& pile) override { events.push_back("turn " + pile); }
};

// Answers Below() from a script (then 0), recording the bounds asked for.
class ScriptedRandom : public platform::Random {
public:
    std::deque<int64_t> script;
    std::vector<int64_t> bounds;
    void Seed(uint64_t) override {}
    int64_t Below(int64_t n) override {
        bounds.push_back(n);
        if (script.empty()) return 0;
        int64_t v = script.front();
        script.pop_front();
        return v;
    }
};

// Dialogs that also record the hourglass.
class FlowDialogs : public RecordingDialogs {
public:
    int busy = 0;  // current depth
    void PushBusyCursor() override { ++busy; }
    void PopBusyCursor() override { --busy; }
};

// A move engine for plain moves: the held card (option 94) leaves its pile
// and lands face up on the target. Records "card>target".
struct PlainMoves {
    std::vector<std::string> log;
    bool refuse = false;
    std::function<void()> after;  // runs after each move

    static std::string PileOf(const std::string& target) {
        if (target.rfind("Dest_Autoplay", 0) == 0) return "Dest" + target.substr(13);
        if (target == "Stock02") return "Mazzo_Vis";
        return target;
    }
    bool Move(int, const std::string& target) {
        const CardCode c = ProgramGame().Options.Opt(94);
        log.push_back(std::to_string(c) + ">" + target);
        if (refuse) return false;
        std::string* to = PileByName(ProgramGame(), PileOf(target));
        if (!to || TakeCardAnywhere(ProgramGame(), c, 1) == 255) return false;
        *to += FormatCode(c);
        SetFaceFlag(ProgramGame().CardRegister, c, '1');
        if (after) after();
        return true;
    }
};

// Foundations built up in suit from the ace; nothing else is accepted.
inline bool FoundationsInSuit(const std::string& pile, CardCode c) {
    if (PileKindOf(pile) != kDest) return false;
    const std::string* p = PileByName(ProgramGame(), pile);
    if (!p) return false;
    if (p->empty()) return RankOf(c) == 1;
    const CardCode top = TopCode(*p);
    return SuitOf(top) == SuitOf(c) && RankOf(c) == RankOf(top) + 1;
}

// Installs the window, table and random fakes on top of a CoreFixture.
class FlowFixture {
public:
    CoreFixture core;
    FlowWindow window;
    FlowTable table;
    FlowDialogs dialogs;
    ScriptedRandom random;
    platform::ManualClock clock;
    FlowFixture() {
        InstalledPorts().SetWindow(&window);
        InstalledPorts().SetTable(&table);
        InstalledPorts().dialogs = &dialogs;
        platform::SetRandom(&random);
        platform::SetClock(&clock);
        ResetTitle(ProgramGame());
        UninstallGameSteps();
    }
    ~FlowFixture() {
        platform::SetRandom(nullptr);
        platform::SetClock(nullptr);
        UninstallGameSteps();
    }
    static void UninstallGameSteps() {
        Ports& p = InstalledPorts();
        p.moves = nullptr;
        p.setUp = nullptr;
        p.memory = nullptr;
    }
    // An empty settings file, so writes have a folder to go to.
    void SettingsFileExists() { core.dir.write("DATA/Cfg.dat", ""); }
};

}  // namespace bw::test
