#pragma once
// Shared set-up of the dialog tests: a program folder with a small
// catalogue of memory games, the resource library, recording ports for the
// window and the table, and a script that answers modal dialogs as they
// open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/ports.h"
#include "support/test_support.h"

namespace bw::test {

struct GameSpec {
    int id;
    std::string name;
    int family = 16;
    std::map<int, int> rules;
    char screen = '0';  // '1': needs 800 x 600
};

// GAMES.DAT for the given games, in the file's substitution.
std::string GamesDat(const std::vector<GameSpec>& games);
// A 24-card grid game as the memory games lay it out.
std::map<int, int> GridRules(std::map<int, int> facts);

class DialogWindow : public IWindow {
public:
    std::vector<std::string> events;
    bool commandsEnabled = true;
    void EnableGameCommands(bool on) override {
        commandsEnabled = on;
        events.push_back(on ? "commands on" : "commands off");
    }
    void Repaint() override { events.push_back("repaint"); }
    void ShowRules(int id) override { events.push_back("rules " + std::to_string(id)); }
    void RefreshOpenGameMarks() override { events.push_back("marks"); }
    void OpenGameDialog() override { events.push_back("open dialog"); }
    int Count(const std::string& e) const;
};

class DialogTable : public ITable {
public:
    std::vector<std::string> events;
    void RepaintTable(bool animated) override {
        events.push_back(animated ? "draw animated" : "draw");
    }
    void PaintEmptyTable() override { events.push_back("empty"); }
};

class DialogScreen : public IScreen {
public:
    int width = 1280, height = 1024, bits = 32;
    int Width() override { return width; }
    int Height() override { return height; }
    int ColorBits() override { return bits; }
};

// Answers modal dialogs in the order they open: each step runs once on the
// next modal dialog that appears. A modal dialog that no step is left for
// is rejected after a while and counted, so a test never hangs.
class ModalScript : public QObject {
public:
    ModalScript();
    ~ModalScript() override;
    void Then(std::function<void(QWidget*)> step) { steps_.push_back(std::move(step)); }
    int unexpected() const { return unexpected_; }
    bool done() const { return steps_.empty(); }

protected:
    // A dialog that was answered and hides may come back (the open-game
    // dialog lives on): it then counts as a new one.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Poll();
    std::deque<std::function<void(QWidget*)>> steps_;
    QPointer<QWidget> handled_;
    QTimer timer_;
    int idleTicks_ = 0;
    int unexpected_ = 0;
};

class DialogTest : public ::testing::Test {
protected:
    DialogTest();
    ~DialogTest() override;
    // Writes GAMES.DAT and loads the catalogue.
    void WriteGames(const std::vector<GameSpec>& games);
    std::string Settings() const { return core.dir.read("DATA/Cfg.dat"); }
    std::string Pref(const std::string& key) const;
    void WriteUsers(const std::vector<std::string>& names);

    CoreFixture core;
    DialogWindow window;
    DialogTable table;
    DialogScreen screen;
    static bool libraryLoaded;
};

// The catalogue most tests use: six memory games, 201 "Memory-Up (6x4)".
std::vector<GameSpec> StandardGames();

}  // namespace bw::test
