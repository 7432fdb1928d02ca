#pragma once
// Recording fakes of the drawing and main-window ports, for tests that check
// what the core asked to be drawn or shown.
#include <string>
#include <vector>

#include "core/ports.h"

namespace bw::test {

class RecordingTable : public ITable {
public:
    struct Flight {
        int code, left, top;
        std::string to;
    };
    struct Caption {
        int foundation;
        std::string text;
        std::string suit;
    };
    std::vector<std::string> redrawn;  // pile names, in call order
    std::vector<Flight> flights;
    std::vector<int> redeals;  // cards per redeal animation
    std::vector<Caption> captions;
    int repaints = 0, shows = 0, jokerTriggers = 0;

    void RepaintTable(bool) override { ++repaints; }
    void ShowTable() override { ++shows; }
    void RedrawPile(const std::string& name) override { redrawn.push_back(name); }
    void UpdateJokerCaption() override { ++jokerTriggers; }
    void FlyCard(int code, int left, int top, const std::string& to) override {
        flights.push_back({code, left, top, to});
    }
    void AnimateRedeal(int cards) override { redeals.push_back(cards); }
    void DrawJokerCaption(int foundation, const std::string& text,
                          const std::string& suit) override {
        captions.push_back({foundation, text, suit});
    }
};

class RecordingWindow : public IWindow {
public:
    std::vector<std::string> scores;
    std::vector<bool> undoEnabled;
    void ShowScore(const std::string& text) override { scores.push_back(text); }
    void SetUndoRedoEnabled(bool on) override { undoEnabled.push_back(on); }
};

class RecordingScreen : public IScreen {
public:
    int dpi = 96;
    int Dpi() override { return dpi; }
};

}  // namespace bw::test
