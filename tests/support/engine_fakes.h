#pragma once
// Fakes for the stock operations and the undo commands: the drawing port
// also records flights, redeal animations and joker captions; the window
// records scores and the undo commands' state; the screen has a settable dpi.
#include <string>
#include <vector>

#include "core/ports.h"
#include "support/recording_table.h"

namespace bw::test {

class EngineTable : public RecordingTable {
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
    std::vector<Flight> flights;
    std::vector<int> redeals;  // cards per redeal animation
    std::vector<Caption> captions;

    using RecordingTable::FlyCard;
    void FlyCard(int code, int left, int top, const std::string& to) override {
        flights.push_back({code, left, top, to});
    }
    void AnimateRedeal(int cards) override { redeals.push_back(cards); }
    void DrawJokerCaption(int foundation, const std::string& text,
                          const std::string& suit) override {
        captions.push_back({foundation, text, suit});
    }
    // The piles redrawn whole, in call order.
    std::vector<std::string> Redrawn() const {
        std::vector<std::string> names;
        for (const auto& c : calls)
            if (c.rfind("pile ", 0) == 0) names.push_back(c.substr(5));
        return names;
    }
};

class EngineWindow : public IWindow {
public:
    std::vector<std::string> scores;
    std::vector<bool> undoEnabled;
    void ShowScore(const std::string& text) override { scores.push_back(text); }
    void SetUndoRedoEnabled(bool on) override { undoEnabled.push_back(on); }
};

class DpiScreen : public IScreen {
public:
    int dpi = 96;
    int Dpi() override { return dpi; }
};

}  // namespace bw::test
