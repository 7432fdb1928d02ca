#include "render/qt_table.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>

#include "core/card_size.h"
#include "core/joker_caption.h"
#include "core/piles.h"
#include "core/state.h"
#include "render/animations.h"
#include "render/background.h"
#include "render/card_positions.h"
#include "render/drawing.h"
#include "render/surfaces.h"
#include "render/table.h"

namespace bw {

namespace {

int IndexOf(const std::string& name) {
    const int kind = PileKindOf(name);
    if (kind == kMazzo) return 0;
    if (kind == kMazzoVis) return 1;
    if (kind == kWaste) return 2;
    return PileNumberOf(name) - 1;
}

// The pile that holds a card and the card's slot; false when none does.
bool FindCard(CardCode card, std::string& name, int& slot) {
    const struct {
        PileList* list;
        int kind;
    } lists[] = {
        {&MazzoPiles, kMazzo}, {&FilaPiles, kFila}, {&DestPiles, kDest}, {&AppoggPiles, kAppogg}};
    for (const auto& l : lists) {
        for (size_t i = 0; i < l.list->size(); ++i) {
            const int s = FindSlot((*l.list)[i], card);
            if (s < 0) continue;
            static const char* const kStock[3] = {"Mazzo", "Mazzo_Vis", "Waste"};
            name = l.kind == kMazzo ? std::string(i < 3 ? kStock[i] : "")
                                    : PileName(l.kind, static_cast<int>(i) + 1);
            slot = s;
            return !name.empty();
        }
    }
    return false;
}

// Draws on the table picture and/or the window. What goes onto the table
// picture alone is not shown yet: the caller shows it when it chooses.
template <class Draw>
void OnSurfaces(int surfaces, Draw draw) {
    if (surfaces & kOnTable) {
        draw(Canvas::Table());
        DiscardTableChanges();
    }
    if (surfaces & kOnScreen) draw(Canvas::Window());
}

}  // namespace

void QtTable::PaintEmptyTable() {
    PaintBackground(Canvas::Table());
    ForgetJokerCaption();
    bw::ShowTable();
}

void QtTable::RepaintTable(bool animateDeal) {
    if (animateDeal) {
        InputBlock block;
        bw::RepaintTable(Canvas::Window(), true);
        RefreshJokerCaption();
        return;
    }
    bw::RepaintTable(Canvas::Table(), false);
    bw::ShowTable();
    RefreshJokerCaption();
}

void QtTable::ShowTable() {
    bw::ShowTable();
}

void QtTable::FlyCard(int card, int left, int top, const std::string& target) {
    std::string from;
    int slot = -1;
    const bool found = FindCard(card, from, slot);
    if (left < 0 || top < 0) {
        if (!found) return;
        const CardPoint p = CardSlotPosition(from, IndexOf(from), slot);
        left = p.left;
        top = p.top;
    }
    // The card leaves its pile on the picture before it flies, so it is
    // not seen twice.
    std::string* pile = found ? PileByName(from) : nullptr;
    if (pile && slot == SlotCount(*pile) - 1) {
        const std::string before = *pile;
        *pile = before.substr(0, before.size() - 3);
        const std::string after = *pile;
        bw::ErasePileTail(before, after, PileAnchor(from, IndexOf(from)).x(), Canvas::Table(),
                          from);
        bw::RedrawPileTop(from, IndexOf(from), Canvas::Table());
        *pile = before;
        ShowTableChanges();
    }
    const CardPoint to = CardPositionInPile(target, IndexOf(target), 0, true);
    bw::FlyCard(card, left, top, true, false, false, true, to.top, to.left);
}

void QtTable::AnimateTurnUp(const std::string& pile) {
    const std::string* cards = PileByName(pile);
    if (!cards || cards->empty()) return;
    const int index = IndexOf(pile);
    const CardPoint p = CardPositionInPile(pile, index, 0, false);
    AnimateFaceUp(TopCode(*cards), p.left, p.top);
    bw::RedrawPileTop(pile, index, Canvas::Table());
    ShowTableChanges();
}

void QtTable::RedrawPileTop(const std::string& name) {
    bw::RedrawPileTop(name, IndexOf(name), Canvas::Table());
    ShowTableChanges();
}

void QtTable::RedrawPile(const std::string& name) {
    bw::RedrawPile(name, Canvas::Table());
    ShowTableChanges();
}

void QtTable::ErasePileTail(const std::string& oldPile, const std::string& newPile,
                            const std::string& name) {
    bw::ErasePileTail(oldPile, newPile, PileAnchor(name, IndexOf(name)).x(), Canvas::Table(), name);
    ShowTableChanges();
}

void QtTable::HighlightFoundations(int index) {
    bw::HighlightFoundations(index);
}

void QtTable::UpdateJokerCaption() {
    RefreshJokerCaption();
}

void QtTable::DrawCardFace(int code, int left, int top, int surfaces) {
    OnSurfaces(surfaces, [&](const Canvas& c) { bw::DrawCard(code, left, top, false, c); });
}

void QtTable::DrawCardBack(int left, int top, int surfaces) {
    OnSurfaces(surfaces,
               [&](const Canvas& c) { bw::DrawCardBack(left, top, CardHeight, false, c); });
}

void QtTable::RestoreCardCorners(int left, int top, int surfaces) {
    OnSurfaces(surfaces, [&](const Canvas& c) { bw::RestoreCardCorners(left, top, c); });
}

void QtTable::DrawSelectionFrame(int left, int top, int surfaces) {
    OnSurfaces(surfaces, [&](const Canvas& c) { bw::DrawSelectionFrame(left, top, c); });
}

void QtTable::FlyCard(int code, int fromLeft, int fromTop, int toLeft, int toTop) {
    bw::FlyCard(code, fromLeft, fromTop, true, false, false, false, toTop, toLeft);
}

void QtTable::AnimateFaceUp(int code, int left, int top) {
    bw::AnimateFaceUp(code, left, top);
}

void QtTable::AnimateRedeal(int cards) {
    // Backs fly from the visible stock back onto the stock, one per card.
    const CardPoint from{MainGame.StockLeft(1), MainGame.StockTop(1)};
    const CardPoint to{MainGame.StockLeft(0), MainGame.StockTop(0)};
    if (!OnTable(from.left) || !OnTable(to.left)) return;
    for (int i = 0; i < cards; ++i)
        bw::FlyCard(-1, from.left, from.top, true, false, true, false, to.top, to.left);
    HideMovingImage();
}

void QtTable::DrawJokerCaption(int foundation, const std::string& text,
                               const std::string& suitImage) {
    bw::DrawJokerCaption(foundation, text, suitImage);
}

InputBlock::InputBlock() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

InputBlock::~InputBlock() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride: return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)
                return true;
            break;
        }
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace bw
