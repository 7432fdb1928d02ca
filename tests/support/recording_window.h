#pragma once
// The window fake the tests share: it records what callers switch on it.
#include <algorithm>
#include <string>
#include <vector>

#include "core/ports.h"

namespace bw::test {

// Records bars, panels, repaints and input switching as short words, in call
// order, and counts how often the pile-size panel was hidden (the drag does
// so on every hold); keeps the autoplay state it is told.
class RecordingWindow : public IWindow {
public:
    std::vector<std::string> calls;
    bool checked = false;  // the autoplay command's check mark
    bool enabled = true;   // whether the game commands can be used
    int hides = 0;
    void ApplyToolBarSize(bool large) override { calls.push_back(large ? "large" : "small"); }
    void ApplyToolBarFlat(bool flat) override { calls.push_back(flat ? "flat" : "raised"); }
    void ShowTimePanel(bool on) override { calls.push_back(on ? "time on" : "time off"); }
    void ShowScorePanel(bool on) override { calls.push_back(on ? "score on" : "score off"); }
    void ShowStatusBar(bool on) override { calls.push_back(on ? "status on" : "status off"); }
    void EnableGameCommands(bool on) override { enabled = on; }
    void ShowAutoplay(bool on) override {
        checked = on;
        calls.push_back(on ? "autoplay on" : "autoplay off");
    }
    void Repaint() override { calls.push_back("repaint"); }
    void SwallowInput(bool on) override { calls.push_back(on ? "swallow" : "input"); }
    void HidePileSizePanel() override { ++hides; }
    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
};

}  // namespace bw::test
