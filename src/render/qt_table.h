#pragma once
// The game core's drawing roles, carried out on TableBitmap() and the window
// canvas. The application installs one instance (InstalledPorts().SetTable).
// Changes are drawn into TableBitmap() and the touched rectangles copied to
// the window, so the window and the table picture never disagree.
#include <QObject>
#include <string>

#include "core/ports.h"

namespace bw {

class QtTable : public ITable {
public:
    // Draws `game`, which outlives the port.
    explicit QtTable(Game& game) : game_(game) {}

    // ITableView
    void PaintEmptyTable() override;
    void RepaintTable(bool animateDeal) override;
    void RedrawTable() override;
    void ShowTable() override;
    // IPileDrawing
    void RedrawPileTop(const std::string& name) override;
    void RedrawPile(const std::string& name) override;
    void ErasePileTail(const std::string& oldPile, const std::string& newPile,
                       const std::string& name) override;
    void HighlightFoundations(int index) override;
    void UpdateJokerCaption() override;
    void DrawJokerCaption(int foundation, const std::string& text,
                          const std::string& suitImage) override;
    void DrawPile(const std::string& name, int surfaces) override;
    void DrawAllPiles(int surfaces) override;
    // ICardDrawing
    void DrawCardFace(int code, int left, int top, int surfaces) override;
    void DrawCardBack(int left, int top, int surfaces) override;
    void RestoreCardCorners(int left, int top, int surfaces) override;
    void DrawSelectionFrame(int left, int top, int surfaces) override;
    void DrawAnswerMark(int left, int top, bool right, int surfaces) override;
    void EraseSelectionFrame(int code, int left, int top, int surfaces) override;
    void RestoreRect(int left, int top, int right, int bottom) override;
    void EraseRect(int left, int top, int right, int bottom, int surfaces) override;
    // ICardAnimations
    void FlyCard(int card, int left, int top, const std::string& target) override;
    void FlyCard(int code, int fromLeft, int fromTop, int toLeft, int toTop) override;
    void AnimateTurnUp(const std::string& pile) override;
    void AnimateFaceUp(int code, int left, int top) override;
    void AnimateRedeal(int cards) override;
    // IPointerFeedback
    void BuildHeldImage(int code, int runHeight) override;
    void DrawHeldImageAt(int left, int top) override;
    void GlideHeldImage(int fromLeft, int fromTop, int toLeft, int toTop, bool shadow) override;
    void DrawStockPressed(const std::string& name, bool pressed) override;

private:
    Game& game_;
};

// While it lives, key presses and left and right mouse presses sent to the
// application are discarded (the table is being dealt).
class InputBlock : public QObject {
public:
    InputBlock();
    ~InputBlock() override;
    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace bw
