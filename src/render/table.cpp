#include "render/table.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/families/family.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"
#include "render/animations.h"
#include "render/card_images.h"
#include "render/device_detail.h"
#include "render/drawing.h"
#include "render/layout.h"
#include "render/library.h"
#include "render/window_canvas.h"

namespace bw {

namespace {

const char* const kStockNames[3] = {"Mazzo", "Mazzo_Vis", "Waste"};

// The pile the running deal throws from; empty outside the deal.
DeckPlace g_deck;

std::string NameOf(int kind, int index) {
    switch (kind) {
        case kFila: return "Fila" + std::to_string(index + 1);
        case kDest: return "Dest" + std::to_string(index + 1);
        case kAppogg: return "Appogg" + std::to_string(index + 1);
        default: return index >= 0 && index < 3 ? kStockNames[index] : "";
    }
}

// Pile name to (kind, 0-based index); the stock-side piles are kind kMazzo
// with index 0..2.
bool Parse(const std::string& name, int& kind, int& index) {
    kind = PileKindOf(name);
    switch (kind) {
        case kMazzo: index = 0; return true;
        case kMazzoVis:
            kind = kMazzo;
            index = 1;
            return true;
        case kWaste:
            kind = kMazzo;
            index = 2;
            return true;
        case kFila:
        case kDest:
        case kAppogg: index = PileNumberOf(name) - 1; return index >= 0;
        default: return false;
    }
}

int MarkOf(int kind, int index) {
    switch (kind) {
        case kFila: return kMarkTableau;
        case kDest: return kMarkFoundation;
        case kAppogg: return kMarkReserve;
        default: return index == 0 ? kMarkStock : index == 1 ? kMarkVisible : kMarkThirdPile;
    }
}

bool FilaOnTable(Game& g, int i) {
    return OnTable(g.FilaLeft[static_cast<size_t>(i)]) &&
           OnTable(g.FilaTop[static_cast<size_t>(i)]);
}
bool DestOnTable(Game& g, int k) {
    return OnTable(Opt(g, k)) && OnTable(Opt(g, opt::kDestTop + k));
}
bool AppoggOnTable(Game& g, int k) {
    return OnTable(Opt(g, opt::kAppoggLeft + k)) && OnTable(Opt(g, opt::kAppoggTop + k));
}
bool StockOnTable(Game& g, int i) {
    return OnTable(Opt(g, opt::kStockLeft + i)) && OnTable(Opt(g, opt::kStockTop + i));
}

bool FoundationHasEdge(Game& g) {
    return Rule(g, rule::kDestFamily) != 2 && Rule(g, rule::kDestFamily) != 7;
}

void DrawFace(Game& g, Card card, QPoint at, bool raised, const Canvas& canvas, int index,
              int kind) {
    if (card.FaceUp())
        DrawCard(g, card.code, at.x(), at.y(), raised, canvas, index, kind);
    else
        DrawCardBack(g, at.x(), at.y(), g.CardHeight, raised, canvas);
}

// A stock-side pile as the full repaint shows it: its edge, then its mark,
// a back, or its top card.
void DrawStockPile(Game& g, int i, const Canvas& canvas) {
    if (!StockOnTable(g, i)) return;
    DrawStackEdge(g, i, false, canvas, true);
    const QPoint at(g.Options.StockLeft(i), g.Options.StockTop(i));
    const std::string& pile = g.MazzoPiles[static_cast<size_t>(i)];
    const int n = SlotCount(pile);
    if (n == 0) {
        DrawPileMark(g, MarkOf(kMazzo, i), at.x(), at.y(), canvas, i);
        return;
    }
    const CardCode top = TopCode(pile);
    if ((i == 0 && Rule(g, rule::kStockDown) != 0) || (i == 1 && Rule(g, rule::kVisHeld) != 0)) {
        DrawCardBack(g, at.x(), at.y(), g.CardHeight, true, canvas);
    } else {
        // The stock shows its top card's face unless the game keeps it hidden.
        DrawFace(g, {top, i == 0 ? Face::kUp : FaceOf(g, top)}, at, true, canvas, i, kMazzo);
    }
    if (n == 1) RestoreCardCorners(g, at.x(), at.y(), canvas);
}

void DrawFoundation(Game& g, int k, const Canvas& canvas) {
    if (!DestOnTable(g, k)) return;
    const bool edge = FoundationHasEdge(g) && DrawStackEdge(g, k, true, canvas, true);
    const int n = SlotCount(g.DestPiles[static_cast<size_t>(k)]);
    if (n == 0) DrawPileCard(g, kDest, k, 0, edge, canvas);
    for (int j = 0; j < n; ++j) DrawPileCard(g, kDest, k, j, edge, canvas);
}

// An empty cascade's mark, with the cards of other cascades that reach
// over it drawn again: cards always lie above marks, as in a full repaint.
void DrawTableauMark(Game& g, int index, const Canvas& canvas) {
    if (index < 0 || index >= 40 || !FilaOnTable(g, index)) return;
    const QPoint at(g.FilaLeft[static_cast<size_t>(index)], FilaTopOnScreen(g, index));
    DrawPileMark(g, kMarkTableau, at.x(), at.y(), canvas, index);
    const QRect mark = CardRectAt(g, at.x(), at.y());
    for (int j = 0; j < TableauCount(g); ++j) {
        const std::string& pile = g.FilaPiles[static_cast<size_t>(j)];
        if (j == index || pile.empty() || !FilaOnTable(g, j)) continue;
        if (!PileExtent(g, NameOf(kFila, j), j).intersects(mark)) continue;
        for (int k = 0; k < SlotCount(pile); ++k) DrawPileCard(g, kFila, j, k, false, canvas);
    }
}

// The deal's throw of one card from the deck to its place.
void Throw(Game& g, Card card, QPoint deck, CardPoint to) {
    const CardCode code = card.code;
    const bool faceUp = card.FaceUp();
    const Canvas window = Canvas::Window(g);
    const QPoint off(g.CardWidth / 7, g.CardHeight / 7);
    Waits().Wait(2);
    if (faceUp) DrawCard(g, code, deck.x(), deck.y(), false, window);
    if (g_deck.pile != "Mazzo" || g.MazzoPiles[0].empty())
        RestoreCardCorners(g, deck.x(), deck.y(), Canvas::Table(g));
    if (faceUp) {
        Waits().Wait(2);
        DrawCardBack(g, deck.x(), deck.y(), g.CardHeight, false, window);
        DrawCard(g, code, deck.x() + off.x(), deck.y() + off.y(), false, window);
    } else {
        DrawCardBack(g, deck.x() + off.x(), deck.y() + off.y(), g.CardHeight, false, window);
    }
    Waits().Wait(1);
    FlyCard(g, faceUp ? code : -1, deck.x() + off.x(), deck.y() + off.y(), true, false, true, true,
            to.top, to.left);
}

// The deck pile after the deal, as it really is.
void RedrawDeck(Game& g) {
    const Canvas table = Canvas::Table(g);
    const std::string& deck = g_deck.pile;
    if (deck == "Mazzo")
        DrawStockPile(g, 0, table);
    else if (deck == "Mazzo_Vis")
        DrawStockPile(g, 1, table);
    else if (deck == "Waste")
        RedrawPileTop(g, "Waste", 2, table);
    else if (deck == "Appogg1" || deck == "Dest1")
        RedrawPileTop(g, deck, 0, table);
    else if (deck == "Fila1")
        RedrawPile(g, deck, table);
}

void DrawArrow(Game& g, const Canvas& canvas) {
    QImage* img = canvas.image();
    if (!img || !FilaOnTable(g, 5)) return;
    const int x = g.FilaLeft[5] + g.CardWidth + 5;
    const int y = FilaTopOnScreen(g, 5) + static_cast<int>(g.CardHeight * 0.5);
    {
        QPainter p(img);
        p.translate(0, canvas.ShiftY());
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(x, y, x + 20, y);
        p.drawLine(x + 20, y, x + 14, y - 6);
        p.drawLine(x + 20, y, x + 14, y + 6);
    }
    canvas.Touched(QRect(x - 2, y - 8, 25, 17));
}

void DrawTextBox(const Canvas& canvas, const QRect& box, const QString& text, const QImage& after) {
    QImage* img = canvas.image();
    if (!img) return;
    {
        QPainter p(img);
        p.translate(0, canvas.ShiftY());
        p.fillRect(box, Qt::white);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSize(8);
        p.setFont(font);
        p.setPen(Qt::black);
        const QRect textRect = p.boundingRect(box, Qt::AlignCenter, text);
        int x = box.x() +
                (box.width() - textRect.width() - (after.isNull() ? 0 : after.width() + 2)) / 2;
        p.drawText(QRect(x, box.y(), textRect.width(), box.height()), Qt::AlignVCenter, text);
        if (!after.isNull())
            p.drawImage(x + textRect.width() + 2, box.y() + (box.height() - after.height()) / 2,
                        after);
    }
    canvas.Touched(box);
}

// "Sum = n" beside each row of the fourth tableau column: the ranks of the
// top cards of the row's piles added up.
void DrawSumLabels(Game& g, const Canvas& canvas) {
    const int piles = TableauCount(g);
    if (piles < 4 || !FilaOnTable(g, 3)) return;
    const int column = g.FilaLeft[3];
    for (int j = 0; j < piles; ++j) {
        if (!FilaOnTable(g, j) || g.FilaLeft[static_cast<size_t>(j)] != column) continue;
        int sum = 0;
        for (int i = 0; i < piles; ++i) {
            if (g.FilaTop[static_cast<size_t>(i)] != g.FilaTop[static_cast<size_t>(j)]) continue;
            const int rank = RankOf(TopCode(g.FilaPiles[static_cast<size_t>(i)]));
            if (rank >= 1 && rank <= 13) sum += rank;
        }
        const QRect box(column + g.CardWidth + 5, FilaTopOnScreen(g, j) + (g.CardHeight - 18) / 2,
                        58, 18);
        DrawTextBox(canvas, box, QCoreApplication::translate("Table", "Sum = %1").arg(sum),
                    QImage());
    }
}

void DrawDecorations(Game& g, const Canvas& canvas) {
    static const int kPlain[] = {goal::kFillTableaus,    goal::kPlainTable,
                                 goal::kSuitRunToTarget, goal::kFaceDownPlayable,
                                 goal::kScoreWins,       goal::kDoubledBases,
                                 goal::kPlainTableToo,   goal::kFillTableausKeptScore};
    if (std::find(std::begin(kPlain), std::end(kPlain), Rule(g, rule::kGoalKind)) !=
            std::end(kPlain) ||
        Rule(g, rule::kDestRule1) == 72)
        return;
    if (Rule(g, rule::kGoalKind) == goal::kRankSums)
        DrawSumLabels(g, canvas);
    else if (Rule(g, rule::kGoalKind) != goal::kNumberSum && Rule(g, rule::kFilaStyle) == 172)
        DrawArrow(g, canvas);
}

}  // namespace

QPoint PileAnchor(Game& g, const std::string& name, int pileIndex) {
    int kind = 0, index = 0;
    if (!Parse(name, kind, index)) return QPoint(kOffStock, kOffStock);
    (void)pileIndex;
    switch (kind) {
        case kFila:
            if (index >= 40) break;
            return QPoint(g.FilaLeft[static_cast<size_t>(index)], FilaTopOnScreen(g, index));
        case kDest:
            if (index >= 16) break;
            return QPoint(g.Options.DestLeft(index), g.Options.DestTop(index));
        case kAppogg:
            if (index >= 10) break;
            return QPoint(g.Options.AppoggLeft(index), g.Options.AppoggTop(index));
        default: return QPoint(g.Options.StockLeft(index), g.Options.StockTop(index));
    }
    return QPoint(kOffStock, kOffStock);
}

QRect PileExtent(Game& g, const std::string& name, int pileIndex) {
    const std::string* pile = PileByName(g, name);
    const QPoint anchor = PileAnchor(g, name, pileIndex);
    if (!OnTable(anchor.x()) || !OnTable(anchor.y())) return QRect();
    QRect r = CardRectAt(g, anchor.x(), anchor.y());
    const int n = pile ? SlotCount(*pile) : 0;
    for (int k = 0; k < n; ++k) {
        const CardPoint p = CardSlotPosition(g, name, pileIndex, k);
        r |= CardRectAt(g, p.left, p.top);
    }
    return r;
}

QRect TableExtent(Game& g) {
    QRect all;
    for (const PilePosition& p : PilesOnTable(g)) {
        const int index = p.name == "Mazzo_Vis" ? 1
                          : p.name == "Waste"   ? 2
                                                : std::max(PileNumberOf(p.name) - 1, 0);
        all |= PileExtent(g, p.name, index);
    }
    return all;
}

void DrawPileCard(Game& g, int kind, int pileIndex, int cardIndex, bool raised,
                  const Canvas& canvas, bool animate, QPoint start) {
    const std::string name = NameOf(kind, pileIndex);
    const std::string* pile = PileByName(g, name);
    if (!pile) return;
    const Canvas target = animate ? Canvas::Table(g) : canvas;
    const int n = SlotCount(*pile);
    if (n == 0) {
        if (cardIndex != 0) return;
        const QPoint at = PileAnchor(g, name, pileIndex);
        DrawPileMark(g, MarkOf(kind, pileIndex), at.x(), at.y(), target, pileIndex);
        if (animate) ShowTableChanges(g);
        return;
    }
    if (cardIndex < 0 || cardIndex >= n) return;
    const Card card = CardAt(g, *pile, cardIndex);
    if (FaceIndexOf(card.code) < 0) return;  // a hole keeps its place and shows the table
    const CardPoint p = CardSlotPosition(g, name, pileIndex, cardIndex);
    if (!OnTable(p.left) || !OnTable(p.top)) return;
    if (animate) Throw(g, card, start, p);
    DrawFace(g, card, QPoint(p.left, p.top), raised, target, pileIndex, kind);
    if (cardIndex == 0) RestoreCardCorners(g, p.left, p.top, target);
    if (animate) ShowTableChanges(g);
}

DeckPlace DeckPosition(Game& g) {
    if (Rule(g, rule::kGoalKind) == goal::kNoTableauDropsScoreless)
        return {"", QPoint(-static_cast<int>(1.1 * g.CardWidth), 0)};
    auto stock = [&g](int i) { return QPoint(g.Options.StockLeft(i), g.Options.StockTop(i)); };
    if (g.Options.StockLeft(0) >= 0 && (!g.MazzoPiles[0].empty() || g.MazzoPiles[1].empty()))
        return {"Mazzo", stock(0)};
    if (g.Options.StockLeft(1) >= 0) return {"Mazzo_Vis", stock(1)};
    if (g.Options.AppoggLeft(0) >= 0 && SlotCount(g.AppoggPiles[0]) <= 1)
        return {"Appogg1", QPoint(g.Options.AppoggLeft(0), g.Options.AppoggTop(0))};
    if (g.Options.StockLeft(2) >= 0) return {"Waste", stock(2)};
    if (g.Options.DestLeft(0) >= 0)
        return {"Dest1", QPoint(g.Options.DestLeft(0), g.Options.DestTop(0))};
    return {"Fila1", QPoint(g.FilaLeft[0], FilaTopOnScreen(g, 0))};
}

void RepaintTable(Game& g, const Canvas& given, bool animateDeal) {
    if (!Flag(g, flag::kInProgress)) return;
    g.Options.SetOpt(opt::kScroll, 0);
    g.Options.SetOpt(opt::kLowestPixel, 0);
    // The whole table is drawn unscrolled, whatever the caller's canvas was made at.
    const Canvas canvas = given.Rescrolled(g);
    const Canvas table = Canvas::Table(g);
    const int reserves = RuleCount(g, rule::kReserves, 10), tableaus = TableauCount(g),
              foundations = RuleCount(g, rule::kDests, 16);

    if (animateDeal) {
        Blit(TableBitmap(), 0, 0, BackgroundBitmap(), BackgroundBitmap().rect());
        ShowTable(g);
        if (Rule(g, rule::kTableFamily) != 4) {
            for (int i = 0; i < tableaus; ++i)
                if (FilaOnTable(g, i))
                    DrawPileMark(g, kMarkTableau, g.FilaLeft[static_cast<size_t>(i)],
                                 FilaTopOnScreen(g, i), table, i);
            for (int k = 0; k < reserves; ++k)
                if (AppoggOnTable(g, k))
                    DrawPileMark(g, kMarkReserve, g.Options.AppoggLeft(k), g.Options.AppoggTop(k),
                                 table, k);
            ShowTableChanges(g);
        }
    }

    // Stock group and foundations go onto the table picture.
    for (int i = 0; i < 3; ++i) DrawStockPile(g, i, table);
    for (int k = 0; k < foundations; ++k) DrawFoundation(g, k, table);

    bool shuffle = false;
    if (animateDeal) {
        g_deck = DeckPosition(g);
        DrawCardBack(g, g_deck.at.x(), g_deck.at.y(), g.CardHeight, false, table);
        ShowTable(g);
        Waits().WaitResponsive(100);
        shuffle =
            ParameterIs(field::kSoundsEnabled, "Y") && ParameterIs(field::kSoundsShuffle, "Y");
        if (shuffle) Sound().Play("Shuffle", true);
    }
    const QPoint from = g_deck.at;

    for (int k = 0; k < reserves; ++k) {
        if (!AppoggOnTable(g, k)) continue;
        if (animateDeal && k == 0 && g_deck.pile == "Appogg1") continue;
        const int n = SlotCount(g.AppoggPiles[static_cast<size_t>(k)]);
        if (n == 0) DrawPileCard(g, kAppogg, k, 0, false, canvas, animateDeal, from);
        for (int j = 0; j < n; ++j)
            DrawPileCard(g, kAppogg, k, j, false, canvas, animateDeal, from);
    }

    const bool pileByPile = Rule(g, rule::kPileByPile) != 0;
    const bool skipFirst = animateDeal && !pileByPile && g_deck.pile == "Fila1";
    if (pileByPile) {
        for (int i = 0; i < tableaus; ++i) {
            if (!FilaOnTable(g, i)) continue;
            const int n = SlotCount(g.FilaPiles[static_cast<size_t>(i)]);
            for (int j = 0; j < std::max(n, 1); ++j)
                DrawPileCard(g, kFila, i, j, false, canvas, animateDeal, from);
        }
    } else {
        int longest = 1;
        for (int i = 0; i < tableaus; ++i)
            longest = std::max(longest, SlotCount(g.FilaPiles[static_cast<size_t>(i)]));
        for (int j = 0; j < longest; ++j) {
            for (int i = 0; i < tableaus; ++i) {
                if (!FilaOnTable(g, i) || (skipFirst && i == 0)) continue;
                if (j > 0 && j >= SlotCount(g.FilaPiles[static_cast<size_t>(i)])) continue;
                DrawPileCard(g, kFila, i, j, false, canvas, animateDeal, from);
            }
        }
    }

    if (animateDeal) {
        if (shuffle) Sound().Stop();
        RedrawDeck(g);
        g_deck = DeckPlace();
    }
    DrawDecorations(g, animateDeal ? table : canvas);
    g.Options.SetOpt(opt::kTableDrawn, 1);
    if (Opt(g, opt::kHighlightFoundations) != 0) HighlightFoundations(g, -1);
    if (animateDeal) ShowTable(g);
}

void RedrawPileTop(Game& g, const std::string& name, int pileIndex, const Canvas& canvas) {
    int kind = 0, index = 0;
    if (!Parse(name, kind, index)) return;
    (void)pileIndex;
    const std::string* pile = PileByName(g, name);
    if (!pile) return;
    bool raised = false;
    if (kind == kMazzo) {
        if (!StockOnTable(g, index)) return;
        DrawStackEdge(g, index, false, canvas, false);
        raised = true;
    } else if (kind == kDest) {
        if (index >= 16 || !DestOnTable(g, index)) return;
        raised = FoundationHasEdge(g) && DrawStackEdge(g, index, true, canvas, false);
    }
    const CardPoint p = CardPositionInPile(g, name, index, 0, false);
    if (!OnTable(p.left) || !OnTable(p.top)) return;
    const int n = SlotCount(*pile);
    if (n == 0) {
        if (kind == kFila)
            DrawTableauMark(g, index, canvas);
        else
            DrawPileMark(g, MarkOf(kind, index), p.left, p.top, canvas, index);
        return;
    }
    const Card top = CardAt(g, *pile, n - 1);
    if (FaceIndexOf(top.code) < 0) return;
    DrawFace(g, top, QPoint(p.left, p.top), raised, canvas, index, kind);
    if (n == 1) RestoreCardCorners(g, p.left, p.top, canvas);
}

void RedrawPile(Game& g, const std::string& name, const Canvas& canvas) {
    int kind = 0, index = 0;
    if (!Parse(name, kind, index)) return;
    const std::string* pile = PileByName(g, name);
    if (!pile) return;
    if (kind == kMazzo || (kind == kDest && Rule(g, rule::kDestFamily) != 2)) {
        RedrawPileTop(g, name, index, canvas);
        return;
    }
    const int n = SlotCount(*pile);
    if (n == 0 && kind == kFila)
        DrawTableauMark(g, index, canvas);
    else if (n == 0)
        DrawPileCard(g, kind, index, 0, false, canvas);
    for (int j = 0; j < n; ++j) DrawPileCard(g, kind, index, j, false, canvas);
}

void ErasePileTail(Game& g, const std::string& oldText, const std::string& newText, int left,
                   const Canvas& canvas, const std::string& name) {
    // Copies: callers may pass the live pile itself, which is swapped below.
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
    const std::string oldPile = oldText, newPile = newText;
    // Cards only added: nothing left the pile.
    if (newPile.size() >= oldPile.size() && newPile.compare(0, oldPile.size(), oldPile) == 0)
        return;
    int kind = 0, index = 0;
    if (!Parse(name, kind, index)) return;
    std::string* live = PileByName(g, name);
    if (!live) return;
    const std::string current = *live;
    const int direction = PileDirection(g, name, index);
    QRect erased;

    if (kind == kFila && (direction == 8 || direction == 9)) {
        // Grids: every slot whose card went away, wherever it lay.
        *live = oldPile;
        for (int j = 0; j < SlotCount(oldPile); ++j) {
            const CardCode was = SlotCode(oldPile, j);
            if (FaceIndexOf(was) < 0) continue;
            if (j < SlotCount(newPile) && SlotCode(newPile, j) == was) continue;
            const CardPoint p = CardSlotPosition(g, name, index, j);
            const QRect r = CardRectAt(g, p.left, p.top);
            canvas.Restore(r, BackgroundBitmap());
            erased |= r;
        }
        *live = current;
    } else {
        *live = newPile;
        const CardPoint next = CardPositionInPile(g, name, index, 0, true);
        *live = oldPile;
        const CardPoint oldTop = CardPositionInPile(g, name, index, 0, false);
        *live = current;
        const QRect oldRect = oldPile.empty() ? QRect() : CardRectAt(g, oldTop.left, oldTop.top);
        const bool down = kind != kMazzo &&
                          (direction == 1 || direction == 5 || direction == 7 || direction == 12);
        const bool sideways = kind != kMazzo && (direction == 2 || direction == 4 ||
                                                 direction == 6 || direction == 10);
        if (down) {
            const int step = direction == 5 ? Opt(g, opt::kReserveStep) : Opt(g, opt::kUpStepDown);
            const int moved = Moving().height > 0 ? Moving().height : g.CardHeight;
            // At least down to where the old top card ended, however many left.
            const int bottom =
                std::max(next.top + step + moved, oldRect.isNull() ? 0 : oldRect.bottom() + 1);
            erased = QRect(left - 2, next.top, g.CardWidth + 4, bottom - next.top);
        } else if (sideways) {
            erased = CardRectAt(g, next.left, next.top) | oldRect;
        }
        if (!erased.isEmpty()) canvas.Restore(erased, BackgroundBitmap());
    }

    // An emptied cascade shows its mark, under any pile that overlaps it.
    if (kind == kFila && newPile.empty()) DrawTableauMark(g, index, canvas);
    if (!erased.isEmpty()) {
        // Piles the erased area reached are drawn again over it.
        for (int j = kind == kFila ? index + 1 : 0; j < TableauCount(g); ++j) {
            if (kind == kFila && j == index) continue;
            const std::string other = NameOf(kFila, j);
            if (FilaOnTable(g, j) && PileExtent(g, other, j).intersects(erased)) {
                RedrawPile(g, other, canvas);
                break;
            }
        }
        for (int j = 0; j < RuleCount(g, rule::kReserves, 10); ++j) {
            if (kind == kAppogg && j == index) continue;
            const std::string other = NameOf(kAppogg, j);
            if (AppoggOnTable(g, j) && PileExtent(g, other, j).intersects(erased)) {
                RedrawPile(g, other, canvas);
                break;
            }
        }
        for (int j = 0; j < RuleCount(g, rule::kDests, 16); ++j) {
            if (kind == kDest && j == index) continue;
            const std::string other = NameOf(kDest, j);
            if (DestOnTable(g, j) && PileExtent(g, other, j).intersects(erased)) {
                RedrawPileTop(g, other, j, canvas);
                break;
            }
        }
    }
}

namespace {

// The table picture onto the window's; the window canvas, or nullptr.
IWindowCanvas* CopyTableToWindow(const Game& g) {
    DiscardTableChanges();
    IWindowCanvas* w = WindowCanvas();
    if (!w || TableBitmap().isNull()) return nullptr;
    QImage& img = w->Image();
    if (img.isNull()) return nullptr;
    const int scroll = g.Options.Opt(opt::kScroll);
    if (TableBitmap().width() < img.width() || TableBitmap().height() - scroll < img.height())
        img.fill(Qt::black);  // beyond the table picture
    const QRect shown(0, scroll, img.width(), img.height());
    Blit(img, 0, 0, TableBitmap(), shown);
    CoverDetail(&img, img.rect());
    CopyDetail(&TableBitmap(), shown, &img, 0, 0);
    return w;
}

}  // namespace

void ShowTable(const Game& g) {
    if (IWindowCanvas* w = CopyTableToWindow(g)) w->Flush(w->Image().rect());
}

void ShowTableSoon(const Game& g) {
    if (IWindowCanvas* w = CopyTableToWindow(g)) w->FlushSoon(w->Image().rect());
}

void ShowTableRect(const Game& g, const QRect& r) {
    Canvas::Window(g).Restore(r, TableBitmap());
}

void DrawJokerCaption(Game& g, int foundation, const std::string& text,
                      const std::string& suitImage) {
    const Canvas table = Canvas::Table(g);
    const int count = RuleCount(g, rule::kDests, 16);
    if (count == 0 || !DestOnTable(g, 0)) return;
    const int boxTop = g.Options.DestTop(0) - 20;
    for (int k = 0; k < count; ++k) {
        if (!DestOnTable(g, k)) continue;
        const QRect box(g.Options.DestLeft(k) + (g.CardWidth - 59) / 2, boxTop, 59, 16);
        if (k == foundation) {
            DrawTextBox(table, box, QString::fromStdString(text),
                        suitImage.empty() ? QImage() : LibraryBitmap(suitImage));
        } else {
            table.Restore(box, BackgroundBitmap());
        }
    }
    ShowTableChanges(g);
}

}  // namespace bw
