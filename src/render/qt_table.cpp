#include "render/qt_table.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <algorithm>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/joker_caption.h"
#include "core/piles.h"
#include "core/state.h"
#include "render/animations.h"
#include "render/background.h"
#include "render/card_images.h"
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
bool FindCard(Game& g, CardCode card, std::string& name, int& slot) {
    const CardPlace p =
        FindCardPlace(g, card, {{kMazzo, 0, 3}, {kFila, 0, 40}, {kDest, 0, 16}, {kAppogg, 0, 10}});
    if (!p.Found()) return false;
    name = p.Name();
    slot = p.slot;
    return !name.empty();
}

// Draws on the table picture and/or the window. What goes onto the table
// picture alone is not shown yet: the caller shows it when it chooses.
template <class Draw>
void OnSurfaces(const Game& g, int surfaces, Draw draw) {
    if (surfaces & kOnTable) {
        draw(Canvas::Table(g));
        DiscardTableChanges();
    }
    if (surfaces & kOnScreen) draw(Canvas::Window(g));
}

// Draws on the table picture and shows what changed, or on the window alone;
// the window never gets a drawing the table picture lacks.
template <class Draw>
void ThroughTable(const Game& g, int surfaces, Draw draw) {
    if (surfaces & kOnTable) {
        draw(Canvas::Table(g));
        if (surfaces & kOnScreen)
            ShowTableChanges(g);
        else
            DiscardTableChanges();
    } else if (surfaces & kOnScreen) {
        draw(Canvas::Window(g));
    }
}

QRect WindowRect(int left, int top, int right, int bottom) {
    return QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

const QImage& PictureOf(const Game& g, CardCode code) {
    const int face = FaceIndexOf(code);
    return face < 0 || !IsFaceUp(g, code) ? CardBack() : CardFace(face);
}

}  // namespace

void QtTable::PaintEmptyTable() {
    PaintBackground(Canvas::Table(game_));
    ForgetJokerCaption(game_);
    bw::ShowTableSoon(game_);
}

void QtTable::RepaintTable(bool animateDeal) {
    if (animateDeal) {
        InputBlock block;
        bw::RepaintTable(game_, Canvas::Window(game_), true);
        RefreshJokerCaption(game_);
        return;
    }
    bw::RepaintTable(game_, Canvas::Table(game_), false);
    bw::ShowTable(game_);
    RefreshJokerCaption(game_);
}

void QtTable::RedrawTable() {
    Blit(TableBitmap(), 0, 0, BackgroundBitmap(), BackgroundBitmap().rect());
    bw::RepaintTable(game_, Canvas::Table(game_), false);
    bw::ShowTable(game_);
    // The background took the joker caption away; one still wanted is drawn
    // again even when it did not change.
    if (!RefreshJokerCaption(game_) && game_.Options.Opt(opt::kJokerCaption) != -1) {
        ForgetJokerCaption(game_);
        RefreshJokerCaption(game_);
    }
}

void QtTable::ShowTable() {
    bw::ShowTable(game_);
}

void QtTable::DrawAnswerMark(int left, int top, bool right, int surfaces) {
    OnSurfaces(game_, surfaces,
               [&](const Canvas& c) { bw::DrawAnswerMark(game_, left, top, right, c); });
}

void QtTable::FlyCard(int card, int left, int top, const std::string& target) {
    std::string from;
    int slot = -1;
    const bool found = FindCard(game_, card, from, slot);
    if (left < 0 || top < 0) {
        if (!found) return;
        const CardPoint p = CardSlotPosition(game_, from, IndexOf(from), slot);
        left = p.left;
        top = p.top;
    }
    // The card leaves its pile on the picture before it flies, so it is
    // not seen twice.
    std::string* pile = found ? PileByName(game_, from) : nullptr;
    if (pile && slot == SlotCount(*pile) - 1) {
        const std::string before = *pile;
        *pile = before.substr(0, before.size() - 3);
        const std::string after = *pile;
        bw::ErasePileTail(game_, before, after, PileAnchor(game_, from, IndexOf(from)).x(),
                          Canvas::Table(game_), from);
        bw::RedrawPileTop(game_, from, IndexOf(from), Canvas::Table(game_));
        *pile = before;
        ShowTableChanges(game_);
    }
    const CardPoint to = CardPositionInPile(game_, target, IndexOf(target), 0, true);
    bw::FlyCard(game_, card, left, top, true, false, false, true, to.top, to.left);
}

void QtTable::AnimateTurnUp(const std::string& pile) {
    const std::string* cards = PileByName(game_, pile);
    if (!cards || cards->empty()) return;
    const int index = IndexOf(pile);
    const CardPoint p = CardPositionInPile(game_, pile, index, 0, false);
    AnimateFaceUp(TopCode(*cards), p.left, p.top);
    bw::RedrawPileTop(game_, pile, index, Canvas::Table(game_));
    ShowTableChanges(game_);
}

void QtTable::RedrawPileTop(const std::string& name) {
    bw::RedrawPileTop(game_, name, IndexOf(name), Canvas::Table(game_));
    ShowTableChanges(game_);
}

void QtTable::RedrawPile(const std::string& name) {
    bw::RedrawPile(game_, name, Canvas::Table(game_));
    ShowTableChanges(game_);
}

void QtTable::ErasePileTail(const std::string& oldPile, const std::string& newPile,
                            const std::string& name) {
    bw::ErasePileTail(game_, oldPile, newPile, PileAnchor(game_, name, IndexOf(name)).x(),
                      Canvas::Table(game_), name);
    ShowTableChanges(game_);
}

void QtTable::HighlightFoundations(int index) {
    bw::HighlightFoundations(game_, index);
}

void QtTable::UpdateJokerCaption() {
    RefreshJokerCaption(game_);
}

void QtTable::DrawCardFace(int code, int left, int top, int surfaces) {
    OnSurfaces(game_, surfaces,
               [&](const Canvas& c) { bw::DrawCard(game_, code, left, top, false, c); });
}

void QtTable::DrawCardBack(int left, int top, int surfaces) {
    OnSurfaces(game_, surfaces, [&](const Canvas& c) {
        bw::DrawCardBack(game_, left, top, game_.CardHeight, false, c);
    });
}

void QtTable::RestoreCardCorners(int left, int top, int surfaces) {
    OnSurfaces(game_, surfaces,
               [&](const Canvas& c) { bw::RestoreCardCorners(game_, left, top, c); });
}

void QtTable::DrawSelectionFrame(int left, int top, int surfaces) {
    OnSurfaces(game_, surfaces,
               [&](const Canvas& c) { bw::DrawSelectionFrame(game_, left, top, c); });
}

void QtTable::FlyCard(int code, int fromLeft, int fromTop, int toLeft, int toTop) {
    bw::FlyCard(game_, code, fromLeft, fromTop, true, false, false, false, toTop, toLeft);
}

void QtTable::AnimateFaceUp(int code, int left, int top) {
    bw::AnimateFaceUp(game_, code, left, top);
}

void QtTable::AnimateRedeal(int cards) {
    // Backs fly from the visible stock back onto the stock, one per card.
    const CardPoint from{game_.Options.StockLeft(1), game_.Options.StockTop(1)};
    const CardPoint to{game_.Options.StockLeft(0), game_.Options.StockTop(0)};
    if (!OnTable(from.left) || !OnTable(to.left)) return;
    for (int i = 0; i < cards; ++i)
        bw::FlyCard(game_, -1, from.left, from.top, true, false, true, false, to.top, to.left);
    HideMovingImage(game_);
}

void QtTable::DrawJokerCaption(int foundation, const std::string& text,
                               const std::string& suitImage) {
    bw::DrawJokerCaption(game_, foundation, text, suitImage);
}

void QtTable::EraseRect(int left, int top, int right, int bottom, int surfaces) {
    const QRect r = WindowRect(left, top, right, bottom);
    OnSurfaces(game_, surfaces, [&](const Canvas& c) { c.Restore(r, BackgroundBitmap()); });
}

void QtTable::RestoreRect(int left, int top, int right, int bottom) {
    ShowTableRect(game_, WindowRect(left, top, right, bottom));
}

void QtTable::DrawPile(const std::string& name, int surfaces) {
    const int index = IndexOf(name);
    const int kind = PileKindOf(name);
    ThroughTable(game_, surfaces, [&](const Canvas& c) {
        // Stock-side piles and foundations draw over their own place (their
        // stack edge lies beside it); the others may have shrunk.
        if (kind != kMazzo && kind != kMazzoVis && kind != kWaste && kind != kDest)
            c.Restore(PileExtent(game_, name, index), BackgroundBitmap());
        bw::RedrawPile(game_, name, c);
    });
}

void QtTable::DrawAllPiles(int surfaces) {
    if (!Flag(game_, flag::kInProgress)) return;
    const int scroll = game_.Options.Opt(opt::kScroll),
              lowest = game_.Options.Opt(opt::kLowestPixel);
    Blit(TableBitmap(), 0, 0, BackgroundBitmap(), BackgroundBitmap().rect());
    bw::RepaintTable(game_, Canvas::Table(game_), false);
    // A redraw in place keeps the scroll position and the table's extent.
    game_.Options.SetOpt(opt::kScroll, scroll);
    game_.Options.SetOpt(opt::kLowestPixel,
                         std::max<int>(lowest, game_.Options.Opt(opt::kLowestPixel)));
    DiscardTableChanges();
    RefreshJokerCaption(game_);
    if (surfaces & kOnScreen) bw::ShowTable(game_);
}

void QtTable::DrawStockPressed(const std::string& name, bool pressed) {
    const int kind = PileKindOf(name);
    if (kind != kMazzo && kind != kMazzoVis && kind != kWaste) return;
    const int i = IndexOf(name);
    const int left = game_.Options.StockLeft(i), top = game_.Options.StockTop(i);
    if (!OnTable(left) || !OnTable(top)) return;
    const QRect card = CardRectAt(game_, left, top);
    const QRect area = card.adjusted(0, 0, 1, 1);
    const Canvas window = Canvas::Window(game_);
    ShowTableRect(game_, area);
    if (!pressed) return;
    // Pressed in: the pile sinks one pixel right and down into the table.
    const QImage pile = TableBitmap().copy(card.translated(0, game_.Options.Opt(opt::kScroll)));
    window.Restore(QRect(left, top, game_.CardWidth + 1, 1), BackgroundBitmap());
    window.Restore(QRect(left, top, 1, game_.CardHeight + 1), BackgroundBitmap());
    window.Copy(left + 1, top + 1, pile);
}

void QtTable::EraseSelectionFrame(int code, int left, int top, int surfaces) {
    if (!OnTable(left) || !OnTable(top)) return;
    const QImage picture = PictureOf(game_, code).convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) return;
    const QRgb frame = kSelectionFrameColour.rgb() & 0xFFFFFF;
    // Only pixels still showing the frame go back to the card's own: a card
    // laid over this one since keeps its picture.
    OnSurfaces(game_, surfaces, [&](const Canvas& c) {
        for (int y = 0; y < game_.CardHeight && y < picture.height(); ++y) {
            for (int x = 0; x < game_.CardWidth && x < picture.width(); ++x) {
                const bool edge =
                    x < 2 || y < 2 || x >= game_.CardWidth - 2 || y >= game_.CardHeight - 2;
                if (!edge) continue;
                QRgb v;
                if (!c.Pixel(left + x, top + y, v) || (v & 0xFFFFFF) != frame) continue;
                c.SetPixel(left + x, top + y, picture.pixel(x, y));
            }
        }
        c.Touched(CardRectAt(game_, left, top));
    });
}

void QtTable::BuildHeldImage(int code, int runHeight) {
    std::string from;
    int slot = -1;
    const bool found = FindCard(game_, code, from, slot);
    std::string run;
    if (found && runHeight > game_.CardHeight) run = StackFrom(game_, code, false);
    if (SlotCount(run) < 2) run = FormatCode(code);
    const int n = SlotCount(run);
    const int height = std::max(runHeight, game_.CardHeight);
    QImage image(game_.CardWidth, height, QImage::Format_RGB32);
    // The plain background where the cards lie shows through the corners.
    CardPoint at{0, 0};
    if (found) at = CardSlotPosition(game_, from, IndexOf(from), slot);
    image.fill(Qt::black);
    Blit(image, 0, 0, BackgroundBitmap(),
         QRect(std::max(at.left, 0), std::max(at.top, 0) + game_.Options.Opt(opt::kScroll),
               game_.CardWidth, height));
    const Canvas canvas = Canvas::Of(image);
    const int step = n > 1 ? game_.Options.Opt(opt::kUpStepDown) : 0;
    for (int k = 0; k < n; ++k) {
        const CardCode c = SlotCode(run, k);
        if (FaceIndexOf(c) >= 0 && (k == 0 || IsFaceUp(game_, c) || !found))
            bw::DrawCard(game_, c, 0, k * step, false, canvas);
        else
            bw::DrawCardBack(game_, 0, k * step, game_.CardHeight, false, canvas);
    }
    SetMovingImage(image);
    ResetMovingImage();
}

void QtTable::DrawHeldImageAt(int left, int top) {
    DrawMovingImageAt(game_, left, top);
}

void QtTable::GlideHeldImage(int fromLeft, int fromTop, int toLeft, int toTop, bool shadow) {
    MovingImage& m = Moving();
    if (m.image.isNull()) return;
    if (!m.shown) {
        // The window shows the image at the start: the glide uncovers it.
        m.last = m.lastDrawn = QRect(fromLeft, fromTop, m.image.width(), m.image.height());
        m.shown = true;
    }
    bw::FlyCard(game_, game_.Options.Opt(opt::kHeld), fromLeft, fromTop, false, false, false, false,
                toTop, toLeft);
    if (m.lastDrawn != m.last) {
        // A glide that did not move keeps the shadow drawn before it.
        for (const QRect& r : QRegion(m.lastDrawn) - m.last) ShowTableRect(game_, r);
        m.lastDrawn = m.last;
    }
    if (shadow) DrawMovingImageAt(game_, toLeft, toTop);
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
