#pragma once
// A drawing port that writes each call down as a short line, so tests can
// check what was drawn, where and in which order.
#include <algorithm>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/ports.h"
#include "core/state.h"
#include "support/program_game.h"

namespace bw::test {

class RecordingTable : public ITable {
public:
    std::vector<std::string> calls;

    void RepaintTable(bool) override { calls.push_back("repaint"); }
    void RedrawTable() override { calls.push_back("redraw"); }
    void ShowTable() override { calls.push_back("show"); }
    void RedrawPileTop(const std::string& name) override { calls.push_back("top " + name); }
    void RedrawPile(const std::string& name) override { calls.push_back("pile " + name); }
    void ErasePileTail(const std::string& oldPile, const std::string& newPile,
                       const std::string& name) override {
        calls.push_back("erase " + name + " " + oldPile + ">" + newPile);
    }
    void HighlightFoundations(int index) override {
        calls.push_back("highlight " + std::to_string(index));
    }
    void UpdateJokerCaption() override { calls.push_back("joker"); }
    void DrawCardFace(int code, int left, int top, int surfaces) override {
        calls.push_back("face " + std::to_string(code) + At(left, top) + On(surfaces));
    }
    void DrawCardBack(int left, int top, int surfaces) override {
        calls.push_back("back" + At(left, top) + On(surfaces));
    }
    void RestoreCardCorners(int left, int top, int surfaces) override {
        calls.push_back("corners" + At(left, top) + On(surfaces));
    }
    void DrawSelectionFrame(int left, int top, int surfaces) override {
        calls.push_back("frame" + At(left, top) + On(surfaces));
    }
    // Like the real flight, landing empties the hand (options 94 and 95).
    void FlyCard(int code, int fromLeft, int fromTop, int toLeft, int toTop) override {
        calls.push_back("fly " + std::to_string(code) + At(fromLeft, fromTop) + " ->" +
                        At(toLeft, toTop));
        ProgramGame().Options.SetOpt(94, 0);
        ProgramGame().Options.SetOpt(95, 0);
    }
    void AnimateFaceUp(int code, int left, int top) override {
        calls.push_back("turn " + std::to_string(code) + At(left, top));
    }

    void BuildHeldImage(int code, int runHeight) override {
        calls.push_back("image " + std::to_string(code) + " h" + std::to_string(runHeight));
    }
    void DrawHeldImageAt(int left, int top) override { calls.push_back("held" + At(left, top)); }
    void GlideHeldImage(int fromLeft, int fromTop, int toLeft, int toTop, bool shadow) override {
        calls.push_back("glide" + At(fromLeft, fromTop) + " ->" + At(toLeft, toTop) +
                        (shadow ? " shadow" : ""));
    }
    void RestoreRect(int left, int top, int right, int bottom) override {
        calls.push_back("restore " + Box(left, top, right, bottom));
    }
    void DrawPile(const std::string& name, int surfaces) override {
        calls.push_back("draw " + name + On(surfaces));
    }
    void DrawAllPiles(int surfaces) override { calls.push_back("draw all" + On(surfaces)); }
    void EraseRect(int left, int top, int right, int bottom, int surfaces) override {
        calls.push_back("erase " + Box(left, top, right, bottom) + On(surfaces));
    }
    void DrawStockPressed(const std::string& name, bool pressed) override {
        calls.push_back("stock " + name + (pressed ? " down" : " up"));
    }
    void SetTableCursor(int slot) override { calls.push_back("cursor " + std::to_string(slot)); }
    void EraseSelectionFrame(int code, int left, int top, int surfaces) override {
        calls.push_back("unframe " + std::to_string(code) + At(left, top) + On(surfaces));
    }

    int Count(const std::string& prefix) const {
        return static_cast<int>(std::count_if(
            calls.begin(), calls.end(), [&](const auto& c) { return c.rfind(prefix, 0) == 0; }));
    }
    bool Has(const std::string& call) const {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

private:
    static std::string At(int x, int y) {
        return " @" + std::to_string(x) + "," + std::to_string(y);
    }
    static std::string Box(int l, int t, int r, int b) {
        return std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(r) + "," +
               std::to_string(b);
    }
    static std::string On(int surfaces) {
        switch (surfaces) {
            case kOnScreen: return " screen";
            case kOnTable: return " table";
            case kOnBoth: return " both";
            default: return " ?";
        }
    }
};

}  // namespace bw::test
