#include "render/drawing.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/families/family.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/stock_moves.h"
#include "render/card_images.h"
#include "render/device_detail.h"
#include "render/library.h"
#include "storage/preferences.h"

namespace bw {

const QColor kSelectionFrameColour(0, 0, 160);

namespace {

constexpr QRgb kEdgeGrey = 0xFFC0C0C0;

// Faces and backs are copied row by row; the library may hand them over in
// another 32-bit layout.
const QImage& Rgb32(QImage& img) {
    if (!img.isNull() && img.format() != QImage::Format_RGB32)
        img = img.convertToFormat(QImage::Format_RGB32);
    return img;
}

// The rounded-corner pixels of a card, as offsets from its corner, for one
// corner. Cards 25 pixels wide round off the corner pixel alone.
struct Corner {
    std::array<QPoint, 3> px;
    int count;
};

enum CornerId { kTopLeft, kTopRight, kBottomLeft, kBottomRight };

Corner CornerPixels(const Game& g, CornerId id, int left, int top) {
    const int r = left + g.CardWidth - 1, b = top + g.CardHeight - 1;
    const int count = g.CardWidth == 25 ? 1 : 3;
    switch (id) {
        case kTopLeft:
            return {{QPoint(left, top), QPoint(left + 1, top), QPoint(left, top + 1)}, count};
        case kTopRight: return {{QPoint(r, top), QPoint(r - 1, top), QPoint(r, top + 1)}, count};
        case kBottomLeft:
            return {{QPoint(left, b), QPoint(left + 1, b), QPoint(left, b - 1)}, count};
        default: return {{QPoint(r, b), QPoint(r - 1, b), QPoint(r, b - 1)}, count};
    }
}

// Where each corner's pixels come from.
enum class From { kCanvas, kTable, kBackground, kGrey };

struct SavedCorner {
    QPoint at;
    QRgb value;
    bool valid;
};

// Reads the pixels that must show through the card's corners before the
// card covers them.
int SaveCorners(const Game& g, int left, int top, const Canvas& canvas,
                const std::array<From, 4>& from, std::array<SavedCorner, 12>& out) {
    int n = 0;
    const Canvas table = Canvas::Table(g), background = Canvas::Background(g);
    for (int c = 0; c < 4; ++c) {
        const Corner corner = CornerPixels(g, static_cast<CornerId>(c), left, top);
        for (int i = 0; i < corner.count; ++i) {
            SavedCorner& s = out[static_cast<size_t>(n++)];
            s.at = corner.px[static_cast<size_t>(i)];
            switch (from[static_cast<size_t>(c)]) {
                case From::kCanvas: s.valid = canvas.Pixel(s.at.x(), s.at.y(), s.value); break;
                case From::kTable: s.valid = table.Pixel(s.at.x(), s.at.y(), s.value); break;
                case From::kBackground:
                    s.valid = background.Pixel(s.at.x(), s.at.y(), s.value);
                    break;
                case From::kGrey:
                    s.value = kEdgeGrey;
                    s.valid = true;
                    break;
            }
        }
    }
    return n;
}

void PutCorners(const Canvas& canvas, const std::array<SavedCorner, 12>& saved, int n) {
    for (int i = 0; i < n; ++i) {
        const SavedCorner& s = saved[static_cast<size_t>(i)];
        if (s.valid) canvas.SetPixel(s.at.x(), s.at.y(), s.value);
    }
}

// Copies a card-sized picture with rounded corners. Copying the picture and
// then putting the saved pixels back gives the same result as patching the
// picture's corners first, without touching the shared picture.
void CopyCard(Game& g, QImage& picture, int left, int top, int height, const Canvas& canvas,
              const std::array<From, 4>& from, const DetailSource& source) {
    if (picture.isNull() || !canvas.image()) return;
    std::array<SavedCorner, 12> saved{};
    const bool whole = height >= g.CardHeight;
    std::array<From, 4> use = from;
    int n = SaveCorners(g, left, top, canvas, use, saved);
    if (!whole) n = std::min(n, g.CardWidth == 25 ? 2 : 6);  // a part shows only its top corners
    const QRect part(0, 0, g.CardWidth, std::min(height, g.CardHeight));
    canvas.Copy(left, top, Rgb32(picture), part);
    PutCorners(canvas, saved, n);
    canvas.NoteDetail(left, top, picture, part, source);
    NoteLowestPixel(g, top + std::min(height, g.CardHeight));
}

std::array<From, 4> StandardCorners(bool raised) {
    return {From::kCanvas, From::kCanvas, From::kBackground,
            raised ? From::kGrey : From::kBackground};
}

const QImage& MarkImage(const std::string& code) {
    const QImage& loaded = PileMark(code);
    if (!loaded.isNull() || code.empty()) return loaded;
    // Marks outside the loaded set ("021", and fitted marks) come straight
    // from the library.
    QImage img = LibraryMark(code);
    if (img.isNull()) return loaded;
    PileMarks()[code] = img;
    return PileMarks()[code];
}

// A translucent mark over the background where it lies (window rectangle
// `r`), as the table shows it. Every repaint lays the same marks over the
// same background: they are blended once and copied after. Null when `r`
// is not wholly on the background.
const QImage* TintedMark(const Game& g, const QImage& mark, const QRect& r) {
    struct Tinted {
        qint64 mark;
        QRect at;
        QImage picture;
    };
    static std::vector<Tinted> kept;
    static qint64 background = 0;
    constexpr size_t kMostKept = 64;
    const QRect at = r.translated(0, g.Options.Opt(opt::kScroll));
    if (!BackgroundBitmap().rect().contains(at) || mark.size() != r.size()) return nullptr;
    // Any drawing on the background changes its key and drops the lot.
    if (BackgroundBitmap().cacheKey() != background) {
        kept.clear();
        background = BackgroundBitmap().cacheKey();
    }
    for (const Tinted& t : kept)
        if (t.mark == mark.cacheKey() && t.at == at) return &t.picture;
    // The marks of a row of piles over a background of one colour a row
    // are one picture: blended once (a re-fit of large cards blends each
    // mark anew), shared by the others.
    QImage picture;
    for (const Tinted& t : kept)
        if (t.mark == mark.cacheKey() && BackgroundBitmap().SameAt(t.at, at)) picture = t.picture;
    if (picture.isNull()) {
        picture = BackgroundBitmap().copy(at);
        BlendOver(picture, 0, 0, mark, mark.rect());
    }
    if (kept.size() >= kMostKept) kept.erase(kept.begin());
    kept.push_back({mark.cacheKey(), at, std::move(picture)});
    return &kept.back().picture;
}

}  // namespace

QRect CardRectAt(const Game& g, int left, int top) {
    return QRect(left, top, g.CardWidth, g.CardHeight);
}

int FaceIndexOf(CardCode code) {
    if (code >= 1 && code <= 52) return code - 1;
    if (code >= 53 && code <= 104) return code - 53;
    if (code >= 105 && code <= 108) return 52;
    return -1;
}

void NoteLowestPixel(Game& g, int windowBottom) {
    const int bottom = windowBottom + g.Options.Opt(opt::kScroll);
    if (bottom > Opt(g, opt::kLowestPixel))
        g.Options.SetOpt(opt::kLowestPixel, std::min(bottom, 32767));
}

void DrawCard(Game& g, CardCode code, int left, int top, bool raised, const Canvas& canvas,
              int pileIndex, int pileKind) {
    const int face = FaceIndexOf(code);
    if (face < 0 || !OnTable(left) || !OnTable(top)) return;
    std::array<From, 4> from = StandardCorners(raised);
    if (pileKind == kFila) {
        const int direction = TableauDirection(g, pileIndex);
        // Sideways cascades overlap left and right instead of top and bottom.
        if (direction == 2 || direction == 6) {
            from = {From::kCanvas, From::kTable, From::kCanvas, From::kTable};
        } else if (direction == 10 || Rule(g, rule::kSideFans) != 0) {
            from = {From::kTable, From::kCanvas, From::kTable, From::kCanvas};
        }
    }
    CopyCard(g, CardFace(face), left, top, g.CardHeight, canvas, from, {DetailSource::kFace, face});
}

void DrawCardBack(Game& g, int left, int top, int height, bool raised, const Canvas& canvas) {
    if (left < -9999 || top < -9999 || height <= 0) return;
    CopyCard(g, CardBack(), left, top, height, canvas, StandardCorners(raised),
             {DetailSource::kBack, 0});
}

void RestoreCardCorners(const Game& g, int left, int top, const Canvas& canvas) {
    if (!OnTable(left) || !OnTable(top)) return;
    std::array<SavedCorner, 12> saved{};
    const int n = SaveCorners(
        g, left, top, canvas,
        {From::kBackground, From::kBackground, From::kBackground, From::kBackground}, saved);
    PutCorners(canvas, saved, n);
    canvas.Touched(CardRectAt(g, left, top));
}

std::string RankMarkCode(int value, bool& drawn) {
    drawn = true;
    switch (value) {
        case 1:
        case 58:
        case 81:
        case 85: return "010";
        case 2:
        case 90: return "012";
        case 11: return "006";
        case 12: return "003";
        case 13:
        case 64:
        case 84: return "011";
        case 94: return "";  // no mark, on purpose
        default: break;
    }
    if (value >= 3 && value <= 10) return FormatNumber(10 + value, 3);
    drawn = false;
    return "";
}

std::string PileMarkCode(Game& g, int markKind, int pileIndex, bool& drawn) {
    drawn = true;
    const int k = std::clamp(pileIndex, 0, 39);
    // The redeal mark while the engine would still turn the stock back.
    const bool redeal = RedealsRemain(g);
    switch (markKind) {
        case kMarkStock: {
            if (Rule(g, rule::kGoalKind) == goal::kNeighbourPairs ||
                Rule(g, rule::kGoalKind) == goal::kTargetOrNeighbours)
                return "021";
            if (Rule(g, rule::kRedealPress) >= 1 && redeal) return "022";
            if (g.MazzoPiles[0].empty() && SlotCount(g.MazzoPiles[1]) < 2) return "008";
            return redeal || Rule(g, rule::kStockPasses) < 0 ? "022" : "008";
        }
        case kMarkVisible: {
            if (Rule(g, rule::kStockMode) == 1) return "_WASTE";
            if (Rule(g, rule::kStockPasses) == 0) return "008";
            if (Rule(g, rule::kRedealPress) < 1 || Rule(g, rule::kStockMode) != 0) {
                drawn = false;
                return "";
            }
            return redeal ? "022" : "008";
        }
        case kMarkFoundation: {
            if (Rule(g, rule::kDestRule1 + std::min(k, 15)) == 10) return "003";
            bool ranked = false;
            std::string code = RankMarkCode(Rule(g, rule::kBaseRank1 + std::min(k, 15)), ranked);
            if (!ranked) return "004";
            return code;
        }
        case kMarkReserve: {
            const int own = Rule(g, rule::kAppoggRule1 + std::min(k, 9));
            if (own == 4) return "_TABLEAU";
            if (Rule(g, rule::kAppoggRule1) == 9) return "009";
            if (Rule(g, rule::kAppoggRule1) == 8) return "011";
            switch (own) {
                case 88: return "006";
                case 89: return "003";
                case 90: return "011";
                case 107: return "010";
                default: return "001";
            }
        }
        case kMarkTableau: {
            const int value = Rule(g, rule::kEmptyFila1 + k);
            bool ranked = false;
            std::string code = RankMarkCode(value, ranked);
            if (ranked) return code;
            return value != 0 ? "004" : "_TABLEAU";
        }
        case kMarkThirdPile: return "_WASTE";
        default: drawn = false; return "";
    }
}

void DrawPileMark(Game& g, int markKind, int left, int top, const Canvas& canvas, int pileIndex) {
    if (!OnTable(left) || !OnTable(top)) return;
    bool drawn = true;
    const std::string code = PileMarkCode(g, markKind, pileIndex, drawn);
    if (!drawn) {
        // A pile that shows no mark shows the table: a card that left it
        // must not stay behind.
        canvas.Restore(CardRectAt(g, left, top), BackgroundBitmap());
        return;
    }
    if (code.empty()) return;
    const QImage& mark = MarkImage(code);
    if (mark.isNull()) return;
    const QRect part(0, 0, g.CardWidth, g.CardHeight);
    if (mark.hasAlphaChannel()) {
        // A translucent mark tints whatever background the player chose.
        if (const QImage* tinted = TintedMark(g, mark, CardRectAt(g, left, top))) {
            canvas.Copy(left, top, *tinted, part);
            // The table under it, for the mark blended again at device pixels.
            if (DeviceRatio() != 1)
                canvas.NoteDetail(
                    left, top, *tinted, part,
                    {DetailSource::kMark, 0, code,
                     BackgroundBitmap().copy(
                         CardRectAt(g, left, top).translated(0, g.Options.Opt(opt::kScroll)))});
        } else {
            canvas.Restore(CardRectAt(g, left, top), BackgroundBitmap());
            canvas.Blend(left, top, mark, part);
        }
    } else {
        QImage copy = mark;
        canvas.Copy(left, top, Rgb32(copy), part);
        canvas.NoteDetail(left, top, copy, part, {DetailSource::kMark, 0, code, QImage()});
    }
    NoteLowestPixel(g, top + g.CardHeight);
}

bool DrawStackEdge(Game& g, int pile, bool foundation, const Canvas& canvas, bool full) {
    const bool preview = Opt(g, opt::kPreview) == 1;
    int baseLeft, baseTop, cap;
    bool changed;
    if (foundation) {
        if (pile < 0 || pile > 15 || Rule(g, rule::kDestFamily) == 2 ||
            Rule(g, rule::kDestFamily) == 7)
            return false;
        baseLeft = Opt(g, opt::kDestBaseLeft + pile);
        baseTop = Opt(g, opt::kDestBaseTop + pile);
        cap = kFoundationRaiseCap;
        changed = RaiseFoundation(g, pile, preview);
    } else {
        if (pile < 0 || pile > 2) return false;
        baseLeft = Opt(g, opt::kStockBaseLeft + pile);
        baseTop = Opt(g, opt::kStockBaseTop + pile);
        cap = kStockRaiseCap;
        changed = RaiseStockPile(g, pile, preview);
    }
    if (!OnTable(baseLeft) || !OnTable(baseTop)) return false;
    if (!changed && !full) return true;

    baseTop -= Opt(g, opt::kScroll);
    const std::string& cards = foundation ? g.DestPiles[static_cast<size_t>(pile)]
                                          : g.MazzoPiles[static_cast<size_t>(pile)];
    const int d = StackRaiseDepth(SlotCount(cards), preview, cap);
    const int w = g.CardWidth, h = g.CardHeight;
    // A new raise starts from the bare table: nothing of the former top
    // card may stay under the new one's rounded corners.
    if (changed)
        canvas.Restore(QRect(baseLeft - cap, baseTop - cap, w + cap, h + cap), BackgroundBitmap());
    // Bottom edge, then right edge; pure blue lets the table through.
    canvas.CopyKeyed(baseLeft - 13, baseTop + h - d - 1, StackBorders()[1],
                     QRect(0, 15 - d, w + 11, d + 1), kBorderKey);
    canvas.CopyKeyed(baseLeft + w - d - 1, baseTop - 13, StackBorders()[0],
                     QRect(15 - d, 0, d + 1, h + 13), kBorderKey);
    // Where a higher stack stood: the band above and left of the card.
    if (!changed && cap > d) {
        canvas.Restore(QRect(baseLeft - cap, baseTop - cap, w - 1 + cap - d, cap - d),
                       BackgroundBitmap());
        canvas.Restore(QRect(baseLeft - cap, baseTop - d, cap - d, h - 1), BackgroundBitmap());
    }
    return true;
}

void DrawSelectionFrame(const Game& g, int left, int top, const Canvas& canvas) {
    if (!OnTable(left) || !OnTable(top)) return;
    const int w = g.CardWidth, h = g.CardHeight;
    // Two pixels wide along the edges, clear of the rounded corners.
    canvas.Fill(QRect(left + 2, top, w - 4, 2), kSelectionFrameColour);
    canvas.Fill(QRect(left + 2, top + h - 2, w - 4, 2), kSelectionFrameColour);
    canvas.Fill(QRect(left, top + 2, 2, h - 4), kSelectionFrameColour);
    canvas.Fill(QRect(left + w - 2, top + 2, 2, h - 4), kSelectionFrameColour);
    canvas.SetPixel(left + 1, top + 1, kSelectionFrameColour.rgb());
    canvas.SetPixel(left + w - 2, top + 1, kSelectionFrameColour.rgb());
    canvas.SetPixel(left + 1, top + h - 2, kSelectionFrameColour.rgb());
    canvas.SetPixel(left + w - 2, top + h - 2, kSelectionFrameColour.rgb());
}

void DrawAnswerMark(const Game& g, int left, int top, bool right, const Canvas& canvas) {
    if (!OnTable(left) || !OnTable(top)) return;
    const int d = std::max(16, g.CardWidth * 2 / 5);
    QImage badge(d, d, QImage::Format_ARGB32_Premultiplied);
    badge.fill(Qt::transparent);
    {
        QPainter p(&badge);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor ink = right ? QColor(Qt::white) : QColor(200, 0, 0);
        const qreal line = std::max(2.0, d / 8.0);
        p.setPen(QPen(right ? QColor(Qt::white) : ink, line / 2));
        p.setBrush(right ? QColor(0, 100, 0) : QColor(Qt::white));
        p.drawEllipse(QRectF(line / 4, line / 4, d - line / 2, d - line / 2));
        p.setPen(QPen(ink, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal a = d * 0.3, b = d * 0.7;
        if (right) {
            p.drawPolyline(QPolygonF(
                {QPointF(a, d * 0.52), QPointF(d * 0.45, b), QPointF(d * 0.74, d * 0.32)}));
        } else {
            p.drawLine(QPointF(a, a), QPointF(b, b));
            p.drawLine(QPointF(a, b), QPointF(b, a));
        }
    }
    const QImage mark = badge.convertToFormat(QImage::Format_ARGB32);
    canvas.Blend(left + (g.CardWidth - d) / 2, top + g.CardHeight - d - g.CardHeight / 10, mark,
                 mark.rect());
}

QColor HighlightColour(int index) {
    static const QRgb kColours[] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 255),   qRgb(0, 255, 255),   qRgb(0, 255, 0),
        qRgb(255, 185, 220), qRgb(255, 70, 70), qRgb(255, 255, 128), qRgb(0, 0, 160),
        qRgb(0, 128, 128),   qRgb(0, 128, 64),  qRgb(255, 128, 255), qRgb(128, 0, 64),
        qRgb(128, 128, 0),   qRgb(128, 0, 0),   qRgb(192, 192, 192),
    };
    if (index < 0 || index >= static_cast<int>(std::size(kColours))) return QColor(kColours[0]);
    return QColor(kColours[index]);
}

bool FoundationComplete(Game& g, int k) {
    if (k < 0 || k > 15) return false;
    const int want = Rule(g, rule::kDestMax1 + k) == -1 ? Rule(g, rule::kDestMaxCards)
                                                        : Rule(g, rule::kDestMax1 + k);
    return SlotCount(g.DestPiles[static_cast<size_t>(k)]) == want;
}

namespace {

void PaintHighlight(const Canvas& canvas, const QRect& inner, int mark, const QColor& colour) {
    QImage* img = canvas.image();
    if (!img) return;
    const QRect at = inner.translated(0, canvas.ShiftY());
    if (mark == 1) {
        // Diagonal lines down and to the right, every second pixel; the
        // four corner pixels stay clear.
        for (int y = 0; y < inner.height(); ++y) {
            for (int x = 0; x < inner.width(); ++x) {
                if ((x - y) % 2 != 0) continue;
                const bool corner =
                    (x == 0 || x == inner.width() - 1) && (y == 0 || y == inner.height() - 1);
                if (corner) continue;
                if (img->valid(at.x() + x, at.y() + y))
                    img->setPixel(at.x() + x, at.y() + y, colour.rgb());
            }
        }
    } else {
        Qt::BrushStyle style = Qt::SolidPattern;
        if (mark == 3)
            style = Qt::BDiagPattern;
        else if (mark == 4)
            style = Qt::CrossPattern;
        else if (mark == 5)
            style = Qt::DiagCrossPattern;
        QPainter p(img);
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(colour, style));
        p.drawRect(at);
    }
    canvas.Touched(inner);
}

}  // namespace

void HighlightFoundationsAs(Game& g, int index, int mark, int colourIndex) {
    if (mark < 1 || mark > 5) return;
    const QColor colour = HighlightColour(colourIndex);
    const int count = std::clamp(Rule(g, rule::kDests), 0, 16);
    for (int k = 0; k < count; ++k) {
        if (index != -1 && k != index) continue;
        if (!FoundationComplete(g, k) || !OnTable(g.Options.DestLeft(k))) continue;
        const std::string name = PileName(kDest, k + 1);
        const CardPoint top = CardPositionInPile(g, name, k, 0, false);
        const QRect inner(top.left + 1, top.top + 1, g.CardWidth - 2, g.CardHeight - 2);
        PaintHighlight(Canvas::Table(g), inner, mark, colour);
    }
    ShowTableChanges(g);
}

void HighlightFoundations(Game& g, int index) {
    const Preferences& choices = KeptChoices();
    HighlightFoundationsAs(g, index, choices.highlightFoundations,
                           static_cast<int>(choices.highlightColour));
}

}  // namespace bw
